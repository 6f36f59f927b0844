// The OpenAI-compatible provider against llama.cpp's own llama-server on 127.0.0.1, serving the
// tiny test model, with and without a bearer key.
#include "EngineTestSupport.h"

#include "engines/HttpTransport.h"
#include "engines/OpenAICompatibleProvider.h"
#include "platform/Clock.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

namespace {

class LlamaServer {
public:
    explicit LlamaServer(const QString& apiKey = {})
    {
        port_ = closedPort();
        QStringList args{"-m", QStringLiteral(TQ_BINARY_DIR "/models/tiny.gguf"), "--host", "127.0.0.1", "--port",
                         QString::number(port_), "-c", "256", "-t", "1", "--alias", "tiny"};
        if (!apiKey.isEmpty())
            args << "--api-key" << apiKey;
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(QStringLiteral(TQ_LLAMA_BIN "/llama-server"), args);
    }
    ~LlamaServer()
    {
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
        process_.waitForFinished(2000);
    }
    // Waits for the health endpoint (it needs no key).
    bool waitReady()
    {
        if (!process_.waitForStarted(10000))
            return false;
        QNetworkAccessManager nam;
        bool ok = false;
        return spinUntil(
            [&] {
                if (process_.state() != QProcess::Running)
                    return true;
                QNetworkReply* r = nam.get(QNetworkRequest(QUrl(base() + "/health")));
                spinUntil([&] { return r->isFinished(); }, 2000);
                ok = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
                r->deleteLater();
                if (!ok)
                    QThread::msleep(100);
                return ok;
            },
            60000) && ok;
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }
    QByteArray log() { return process_.readAll(); }

private:
    QProcess process_;
    quint16 port_ = 0;
};

CompletionRequest request()
{
    CompletionRequest r;
    r.rawPrompt = QStringLiteral("The cat");
    r.maxTokens = 4;
    r.temperature = 0.0;
    r.stop = QStringList{QStringLiteral("\n")};
    r.model = QStringLiteral("tiny");
    return r;
}

bool haveServer()
{
    return QFileInfo::exists(QStringLiteral(TQ_LLAMA_BIN "/llama-server"))
        && QFileInfo::exists(QStringLiteral(TQ_BINARY_DIR "/models/tiny.gguf"));
}

} // namespace

TEST(LlamaServerPeer, CompletesAndListsWithoutAKey)
{
    SystemClock clock;
    QNetworkAccessManager network;
    if (!haveServer())
        GTEST_SKIP() << "llama-server or the tiny model is not built";
    LlamaServer server;
    ASSERT_TRUE(server.waitReady()) << server.log().toStdString();
    const QString base = server.base() + "/v1";
    OpenAICompatibleProvider provider(clock, network, [&] { return base; }, [] { return QString(); });

    EXPECT_EQ(await(provider.models(), 20000)->value(), QStringList{QStringLiteral("tiny")});
    EXPECT_EQ(await(provider.status(), 20000)->value(), ProviderStatus::ready(QStringLiteral("1 model available")));
    auto out = await(provider.complete(request()), 30000);
    ASSERT_TRUE(out.has_value());
    ASSERT_TRUE(out->hasValue()) << out->errorMessage().toStdString();
    EXPECT_FALSE(out->value().isEmpty());
    EXPECT_FALSE(out->value().contains(u'\n'));
    // The same request again gives the same text at temperature 0.
    EXPECT_EQ(await(provider.complete(request()), 30000)->value(), out->value());
}

TEST(LlamaServerPeer, BearerKeyIsRequiredAndSent)
{
    SystemClock clock;
    QNetworkAccessManager network;
    if (!haveServer())
        GTEST_SKIP() << "llama-server or the tiny model is not built";
    LlamaServer server(QStringLiteral("sk-test-key"));
    ASSERT_TRUE(server.waitReady()) << server.log().toStdString();
    const QString base = server.base() + "/v1";
    QString key;
    OpenAICompatibleProvider provider(clock, network, [&] { return base; }, [&] { return key; });

    EXPECT_TRUE(await(provider.models(), 20000)->value().isEmpty());
    EXPECT_EQ(await(provider.status(), 20000)->value(),
              ProviderStatus::unavailable(QStringLiteral("No server answered at %1.").arg(base)));
    auto refused = await(provider.complete(request()), 30000);
    ASSERT_TRUE(refused && refused->isProviderError());
    EXPECT_TRUE(refused->errorMessage().startsWith(QStringLiteral("The server answered 401")));

    key = QStringLiteral("sk-test-key");
    EXPECT_EQ(await(provider.status(), 20000)->value(), ProviderStatus::ready(QStringLiteral("1 model available")));
    auto out = await(provider.complete(request()), 30000);
    ASSERT_TRUE(out && out->hasValue()) << out->errorMessage().toStdString();
    EXPECT_FALSE(out->value().isEmpty());
}
