// The model download against an HTTPS server on 127.0.0.1 with a self-signed certificate made
// for the test: full transfer, a connection that drops halfway and the resume from the
// partial file, redirects, server errors, cancel, and the store on top of it.
#include "EngineTestSupport.h"

#include "engines/ModelDownload.h"
#include "engines/ModelStore.h"
#include "platform/Clock.h"
#include "platform/fakes/FakeDiskSpace.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

namespace {

// A file server over TLS with Range/If-Range support and switches for misbehaviour.
class HttpsFileServer {
public:
    struct Seen {
        QByteArray path;
        QByteArray range;
        QByteArray ifRange;
    };

    QByteArray content;
    QByteArray etag = "\"v1\"";
    int dropHalfwayTimes = 0; // the next N full answers stop after half the body
    bool stallHalfway = false; // full answers send half the body and then nothing
    QList<Seen> seen;
    quint16 refusingPort = 0; // where "/to-closed" redirects

    bool start(const QString& folder)
    {
        const QString cert = folder + "/cert.pem", key = folder + "/key.pem";
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert, "-days", "1",
                       "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
        if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0)
            return false;
        QFile c(cert), k(key);
        c.open(QIODevice::ReadOnly);
        k.open(QIODevice::ReadOnly);
        certificate_ = QSslCertificate(c.readAll());
        QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
        conf.setLocalCertificate(certificate_);
        conf.setPrivateKey(QSslKey(k.readAll(), QSsl::Rsa));
        server_.setSslConfiguration(conf);
        QObject::connect(&server_, &QTcpServer::pendingConnectionAvailable, [this] {
            while (auto* s = qobject_cast<QSslSocket*>(server_.nextPendingConnection())) {
                s->setParent(&server_);
                QObject::connect(s, &QSslSocket::readyRead, s, [this, s] { onData(s); });
                if (s->bytesAvailable())
                    onData(s);
            }
        });
        return server_.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0);
    }
    // Trusts the test's certificate in this process.
    void trust() const
    {
        QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
        conf.addCaCertificate(certificate_);
        QSslConfiguration::setDefaultConfiguration(conf);
    }
    // Stops taking connections (the machine is offline) and takes them again on the same port.
    void goOffline() { port_ = server_.serverPort(), server_.close(); }
    bool goOnline() { return server_.listen(QHostAddress(QStringLiteral("127.0.0.1")), port_); }
    QUrl url(const QString& path) const { return QUrl(QStringLiteral("https://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path)); }

private:
    void onData(QSslSocket* s)
    {
        QByteArray& buf = buffers_[s];
        buf += s->readAll();
        const auto head = parseHead(buf);
        if (!head)
            return;
        const Seen r{head->path, head->headers.value("range"), head->headers.value("if-range")};
        buffers_.remove(s);
        seen << r;
        answer(s, r);
    }

    void send(QSslSocket* s, int status, const QList<QByteArray>& headers, const QByteArray& body, qint64 length,
              bool keepOpen = false)
    {
        QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + " X\r\n";
        for (const auto& h : headers)
            out += h + "\r\n";
        out += "Content-Length: " + QByteArray::number(length) + "\r\nConnection: close\r\n\r\n";
        s->write(out + body);
        if (!keepOpen)
            s->disconnectFromHost();
    }

    void answer(QSslSocket* s, const Seen& r)
    {
        if (r.path == "/missing")
            return send(s, 404, {}, "no such file", 12);
        if (r.path == "/to-http")
            return send(s, 302, {"Location: http://127.0.0.1:" + QByteArray::number(server_.serverPort()) + "/model.gguf"}, {}, 0);
        if (r.path == "/to-closed")
            return send(s, 302, {"Location: https://127.0.0.1:" + QByteArray::number(refusingPort) + "/model.gguf"}, {}, 0);
        if (r.path == "/to-https")
            return send(s, 302, {"Location: " + url("/model.gguf").toEncoded()}, {}, 0);
        const QList<QByteArray> common{"ETag: " + etag, "Content-Type: application/octet-stream", "Accept-Ranges: bytes"};
        if (r.range.startsWith("bytes=") && r.ifRange == etag) {
            const qint64 from = r.range.mid(6, r.range.indexOf('-') - 6).toLongLong();
            QList<QByteArray> h = common;
            h << "Content-Range: bytes " + QByteArray::number(from) + "-" + QByteArray::number(content.size() - 1) + "/"
                    + QByteArray::number(content.size());
            return send(s, 206, h, content.mid(from), content.size() - from);
        }
        if (stallHalfway)
            return send(s, 200, common, content.left(content.size() / 2), content.size(), true);
        if (dropHalfwayTimes > 0) {
            --dropHalfwayTimes;
            return send(s, 200, common, content.left(content.size() / 2), content.size());
        }
        send(s, 200, common, content, content.size());
    }

    QSslServer server_;
    quint16 port_ = 0;
    QSslCertificate certificate_;
    QHash<QSslSocket*, QByteArray> buffers_;
};

struct DownloadFixture : ::testing::Test {
    SystemClock systemClock;
    QTemporaryDir tmp;
    HttpsFileServer server;
    QString destination;

    void SetUp() override
    {
        QByteArray content;
        for (int i = 0; i < 300000; ++i)
            content += char('a' + (qint64(i) * 7919) % 26);
        server.content = content;
        ASSERT_TRUE(server.start(tmp.path())) << "openssl or the TLS server failed";
        server.trust();
        destination = tmp.filePath(".incoming-model.gguf");
    }

    struct Run {
        std::optional<ModelTransfer::Result> result;
        QList<QPair<qint64, qint64>> progress;
    };
    // Runs one download to its end.
    Run fetch(const QUrl& url, std::optional<QByteArray> resume = std::nullopt, Clock* clock = nullptr)
    {
        Run run;
        ModelDownload d(
            url, destination, std::move(resume),
            [&](qint64 w, qint64 e) { run.progress << qMakePair(w, e); },
            [&](const ModelTransfer::Result& r) { run.result = r; }, clock ? *clock : systemClock);
        d.start();
        spinUntil([&] { return run.result.has_value(); }, 20000);
        return run;
    }
    QByteArray onDisk() const
    {
        QFile f(destination);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(DownloadFixture, FullTransferReplacesAnOldFile)
{
    QFile old(destination);
    old.open(QIODevice::WriteOnly);
    old.write("left by an earlier run, longer than nothing");
    old.close();

    VirtualClock clock; // never advanced: only the first progress report goes out
    auto run = fetch(server.url("/model.gguf"), std::nullopt, &clock);
    ASSERT_TRUE(run.result);
    EXPECT_EQ(run.result->kind, ModelTransfer::Result::Kind::success);
    EXPECT_EQ(run.result->path, destination);
    EXPECT_EQ(onDisk(), server.content);
    ASSERT_EQ(run.progress.size(), 1);
    EXPECT_EQ(run.progress[0].second, server.content.size());
}

TEST_F(DownloadFixture, DroppedConnectionResumesFromThePartialFile)
{
    server.dropHalfwayTimes = 1;
    auto first = fetch(server.url("/model.gguf"));
    ASSERT_TRUE(first.result);
    EXPECT_EQ(first.result->kind, ModelTransfer::Result::Kind::interrupted);
    EXPECT_EQ(first.result->message,
              QStringLiteral("The download paused because the connection dropped. Try again to pick up where it stopped."));
    ASSERT_TRUE(first.result->resumeData.has_value());
    const qint64 kept = QFileInfo(destination).size();
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, server.content.size());

    auto second = fetch(server.url("/model.gguf"), first.result->resumeData);
    ASSERT_TRUE(second.result);
    EXPECT_EQ(second.result->kind, ModelTransfer::Result::Kind::success);
    EXPECT_EQ(onDisk(), server.content);
    ASSERT_EQ(server.seen.size(), 2);
    EXPECT_EQ(server.seen[1].range, "bytes=" + QByteArray::number(kept) + "-");
    EXPECT_EQ(server.seen[1].ifRange, server.etag);
    ASSERT_FALSE(second.progress.isEmpty());
    EXPECT_EQ(second.progress.first().second, server.content.size());
}

TEST_F(DownloadFixture, ChangedFileOnTheServerStartsOver)
{
    server.dropHalfwayTimes = 1;
    auto first = fetch(server.url("/model.gguf"));
    ASSERT_TRUE(first.result && first.result->resumeData);
    server.etag = "\"v2\"";
    server.content = QByteArray(1000, 'n');
    auto second = fetch(server.url("/model.gguf"), first.result->resumeData);
    ASSERT_EQ(second.result->kind, ModelTransfer::Result::Kind::success);
    EXPECT_EQ(onDisk(), server.content);
}

TEST_F(DownloadFixture, RedirectsOnlyToHttps)
{
    auto plain = fetch(server.url("/to-http"));
    ASSERT_TRUE(plain.result);
    EXPECT_EQ(plain.result->kind, ModelTransfer::Result::Kind::interrupted);
    EXPECT_EQ(plain.result->message, QStringLiteral("The download server answered 302. Try again later."));
    EXPECT_FALSE(plain.result->resumeData);

    auto secure = fetch(server.url("/to-https"));
    ASSERT_TRUE(secure.result);
    EXPECT_EQ(secure.result->kind, ModelTransfer::Result::Kind::success);
    EXPECT_EQ(onDisk(), server.content);

    auto http = fetch(QUrl(QStringLiteral("http://127.0.0.1:1/model.gguf")));
    EXPECT_EQ(http.result->message, QStringLiteral("The download server answered 0. Try again later."));
}

TEST_F(DownloadFixture, ServerErrorLeavesNoFile)
{
    auto run = fetch(server.url("/missing"));
    ASSERT_TRUE(run.result);
    EXPECT_EQ(run.result->message, QStringLiteral("The download server answered 404. Try again later."));
    EXPECT_FALSE(QFileInfo::exists(destination));

}

// Started offline, the download waits for the network and says so, trying again with a growing
// pause, and goes on once the server can be reached; one that never can stops after six hours.
TEST_F(DownloadFixture, StartedOfflineWaitsForTheNetwork)
{
    VirtualClock clock;
    const QUrl url = server.url("/model.gguf");
    server.goOffline();
    bool offline = true;
    QList<bool> waiting;
    std::optional<ModelTransfer::Result> result;
    ModelDownload d(url, destination, std::nullopt, {},
                    [&](const ModelTransfer::Result& r) { result = r; }, clock);
    d.setNetworkDown([&] { return offline; });
    d.onWaiting([&](bool w) { waiting << w; });
    d.start();
    for (int i = 0; i < 4; ++i) { // refused at once each time, then the pause
        spinUntil([] { return false; }, 50);
        clock.advance(std::chrono::seconds(10));
    }
    EXPECT_FALSE(result);
    EXPECT_EQ(waiting, QList<bool>{true});
    ASSERT_TRUE(server.goOnline());
    offline = false;
    for (int i = 0; i < 20 && !result; ++i) { // the try under way may still have been refused
        clock.advance(std::chrono::seconds(30));
        spinUntil([&] { return result.has_value(); }, 1000);
    }
    ASSERT_TRUE(result);
    EXPECT_EQ(result->kind, ModelTransfer::Result::Kind::success);
    EXPECT_EQ(onDisk(), server.content);
    EXPECT_EQ(waiting, (QList<bool>{true, false}));

    const QUrl refused(QStringLiteral("https://127.0.0.1:%1/model.gguf").arg(closedPort()));
    std::optional<ModelTransfer::Result> never;
    ModelDownload n(refused, destination + "2", std::nullopt, {}, [&](const ModelTransfer::Result& r) { never = r; },
                    clock);
    n.setNetworkDown([] { return true; });
    n.start();
    for (int minutes = 0; minutes < 6 * 60 && !never; ++minutes) {
        spinUntil([] { return false; }, 2);
        clock.advance(std::chrono::minutes(1));
    }
    ASSERT_TRUE(never);
    EXPECT_EQ(never->message, QStringLiteral("The download stopped. Check your connection, then try again."));
    EXPECT_FALSE(never->resumeData);
}

// With the network up, a server that refuses or a name that is not found ends the transfer at
// once; while the network is down a try again asks the address given, not where it redirected.
TEST_F(DownloadFixture, WithTheNetworkUpAnUnreachedServerFailsAtOnce)
{
    VirtualClock clock; // never advanced: no pause ever ends
    const QString stopped = QStringLiteral("The download stopped. Check your connection, then try again.");
    for (const QUrl& url : {QUrl(QStringLiteral("https://127.0.0.1:%1/model.gguf").arg(closedPort())),
                            QUrl(QStringLiteral("https://tq-none.invalid/model.gguf")), server.url("/to-closed")}) {
        SCOPED_TRACE(url.toString().toStdString());
        server.refusingPort = closedPort();
        bool offline = url.path() == QLatin1String("/to-closed");
        bool waiting = false;
        std::optional<ModelTransfer::Result> result;
        ModelDownload d(url, destination, std::nullopt, {}, [&](const ModelTransfer::Result& r) { result = r; }, clock);
        d.setNetworkDown([&] { return offline; });
        d.onWaiting([&](bool w) { waiting = w; });
        d.start();
        if (offline) {
            ASSERT_TRUE(spinUntil([&] { return waiting; }, 10000)); // the redirect's target refused
            offline = false;
            clock.advance(std::chrono::seconds(1)); // the first pause
            spinUntil([&] { return result.has_value(); }, 10000);
            ASSERT_EQ(server.seen.size(), 2);
            EXPECT_EQ(server.seen.last().path, QByteArray("/to-closed"));
        } else {
            spinUntil([&] { return result.has_value(); }, 10000);
        }
        ASSERT_TRUE(result);
        EXPECT_EQ(result->kind, ModelTransfer::Result::Kind::interrupted);
        EXPECT_EQ(result->message, stopped);
        server.seen.clear();
    }

    // The network came up while a try was under way: that try's refusal still waits, the next ends it.
    int asked = 0;
    bool waiting = false;
    std::optional<ModelTransfer::Result> result;
    ModelDownload d(QUrl(QStringLiteral("https://127.0.0.1:%1/model.gguf").arg(closedPort())), destination,
                    std::nullopt, {}, [&](const ModelTransfer::Result& r) { result = r; }, clock);
    d.setNetworkDown([&] { return asked++ == 0; });
    d.onWaiting([&](bool w) { waiting = w; });
    d.start();
    ASSERT_TRUE(spinUntil([&] { return waiting; }, 10000));
    EXPECT_FALSE(result);
    clock.advance(std::chrono::seconds(1));
    ASSERT_TRUE(spinUntil([&] { return result.has_value(); }, 10000));
    EXPECT_EQ(result->message, stopped);
}

TEST_F(DownloadFixture, UnwritableDestinationSaysSo)
{
    destination = tmp.filePath("no-such-folder/.incoming-model.gguf");
    auto run = fetch(server.url("/model.gguf"));
    ASSERT_TRUE(run.result);
    EXPECT_EQ(run.result->kind, ModelTransfer::Result::Kind::interrupted);
    EXPECT_TRUE(run.result->message.startsWith(QStringLiteral("The download couldn't be saved: ")))
        << run.result->message.toStdString();
    EXPECT_FALSE(run.result->resumeData);
}

TEST_F(DownloadFixture, CancelEndsCancelledWithResumeData)
{
    server.stallHalfway = true;
    std::optional<ModelTransfer::Result> result;
    int finishes = 0;
    ModelDownload d(
        server.url("/model.gguf"), destination, std::nullopt, {},
        [&](const ModelTransfer::Result& r) {
            result = r;
            ++finishes;
        },
        systemClock);
    d.start();
    ASSERT_TRUE(spinUntil([&] { return QFileInfo(destination).size() >= server.content.size() / 2; }));
    std::optional<std::optional<QByteArray>> resume;
    d.cancel([&](std::optional<QByteArray> data) { resume = data; });
    spinUntil([] { return false; }, 100);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->kind, ModelTransfer::Result::Kind::cancelled);
    EXPECT_EQ(finishes, 1);
    ASSERT_TRUE(resume.has_value());
    EXPECT_TRUE(resume->has_value());
    d.cancel({}); // a second cancel reports nothing more
    EXPECT_EQ(finishes, 1);
}

TEST_F(DownloadFixture, StoreResumesAfterAnInterruptionAndInstalls)
{
    server.dropHalfwayTimes = 1;
    ModelSpec spec = ModelSpec::builtIn();
    spec.url = server.url("/model.gguf");
    spec.fileName = QStringLiteral("model.gguf");
    spec.bytes = server.content.size();
    spec.sha256 = QString::fromLatin1(QCryptographicHash::hash(server.content, QCryptographicHash::Sha256).toHex());
    FakeDiskSpace disk;
    ModelStore store(spec, tmp.filePath("Models"), disk, ModelDownload::factory(systemClock));
    int ready = 0;
    store.setOnReady([&] { ++ready; });

    store.download();
    ASSERT_TRUE(spinUntil([&] { return store.phase().is(ModelStore::Phase::Kind::failed); }, 20000));
    EXPECT_TRUE(store.hasResumeData());
    store.download();
    ASSERT_TRUE(spinUntil([&] { return store.phase().is(ModelStore::Phase::Kind::ready); }, 20000));
    EXPECT_EQ(ready, 1);
    EXPECT_FALSE(server.seen.last().range.isEmpty());
    QFile marker(store.markerPath());
    ASSERT_TRUE(marker.open(QIODevice::ReadOnly));
    EXPECT_EQ(marker.readAll(), spec.sha256.toUtf8());
    EXPECT_FALSE(QFileInfo::exists(store.incomingPath()));

    // Cancel part-way, then remove: the partial file goes too.
    store.remove();
    server.stallHalfway = true;
    store.download();
    ASSERT_TRUE(spinUntil([&] { return QFileInfo(store.incomingPath()).size() >= server.content.size() / 2; }, 20000));
    store.cancel();
    EXPECT_EQ(store.phase(), ModelStore::Phase::missing());
    spinUntil([] { return false; }, 50);
    store.remove();
    EXPECT_FALSE(QFileInfo::exists(store.incomingPath()));
}
