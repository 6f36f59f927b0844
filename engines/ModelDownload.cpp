#include "engines/ModelDownload.h"

#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/Text.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace tq {

namespace {
constexpr qint64 kReportIntervalNs = 200'000'000; // 0.2 s
constexpr auto kResourceTimeout = std::chrono::hours(6);
constexpr int kMaxRedirects = 10;

// Errors of a server that was never reached: offline, no name service, nothing listening yet.
bool unreached(QNetworkReply::NetworkError e)
{
    switch (e) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
        return true;
    default:
        return false;
    }
}

// Pause before the next try: 1, 2, 4, 8, 16, then 30 s.
std::chrono::milliseconds retryPause(int retries)
{
    return std::chrono::milliseconds(std::min(30'000, 1000 << std::min(retries, 5)));
}

// The system's reachability (NetworkManager or GLib's netlink monitor), loaded once; none
// when no backend reports it.
QNetworkInformation* networkInformation()
{
    static QNetworkInformation* info = [] {
        return QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)
            ? QNetworkInformation::instance()
            : nullptr;
    }();
    return info;
}

// The system reports no way beyond this machine or its site.
bool systemNetworkDown()
{
    QNetworkInformation* info = networkInformation();
    if (!info)
        return false;
    switch (info->reachability()) {
    case QNetworkInformation::Reachability::Disconnected:
    case QNetworkInformation::Reachability::Local:
    case QNetworkInformation::Reachability::Site:
        return true;
    case QNetworkInformation::Reachability::Unknown:
    case QNetworkInformation::Reachability::Online:
        break;
    }
    return false;
}

struct Resume {
    QUrl url;
    qint64 offset = 0;
    QByteArray validator;
};

QByteArray encodeResume(const QUrl& url, qint64 offset, const QByteArray& validator)
{
    QJsonObject o{{QStringLiteral("url"), url.toString()},
                  {QStringLiteral("offset"), double(offset)},
                  {QStringLiteral("validator"), QString::fromLatin1(validator)}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<Resume> decodeResume(const QByteArray& data)
{
    const QJsonObject o = QJsonDocument::fromJson(data).object();
    Resume r{QUrl(o.value(QStringLiteral("url")).toString()), qint64(o.value(QStringLiteral("offset")).toDouble()),
             o.value(QStringLiteral("validator")).toString().toLatin1()};
    if (!r.url.isValid() || r.offset <= 0 || r.validator.isEmpty())
        return std::nullopt;
    return r;
}

// "bytes 100-199/200" → 100; -1 when it does not parse.
qint64 contentRangeStart(const QByteArray& header)
{
    if (!header.startsWith("bytes "))
        return -1;
    const int dash = header.indexOf('-');
    bool ok = false;
    const qint64 start = header.mid(6, dash - 6).trimmed().toLongLong(&ok);
    return ok ? start : -1;
}
} // namespace

ModelDownload::ModelDownload(QUrl url, QString destination, std::optional<QByteArray> resumeData,
                             Progress progress, Finished finished, Clock& clock)
    : url_(std::move(url))
    , destination_(std::move(destination))
    , resumeData_(std::move(resumeData))
    , progress_(std::move(progress))
    , finished_(std::move(finished))
    , clock_(&clock)
{
}

ModelDownload::~ModelDownload()
{
    if (resourceTimer_)
        clock_->cancel(resourceTimer_);
    if (retryTimer_)
        clock_->cancel(retryTimer_);
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
    if (file_)
        file_->close();
    delete file_;
}

ModelTransferFactory ModelDownload::factory(Clock& clock)
{
    return [&clock](const QUrl& url, const QString& destination, std::optional<QByteArray> resumeData,
              ModelTransfer::Progress progress, ModelTransfer::Finished finished) -> std::unique_ptr<ModelTransfer> {
        return std::make_unique<ModelDownload>(url, destination, std::move(resumeData), std::move(progress),
                                               std::move(finished), clock);
    };
}

QString ModelDownload::serverAnsweredMessage(int status)
{
    return text("The download server answered %1. Try again later.").arg(status);
}
QString ModelDownload::savedFailedMessage(const QString& description)
{
    return text("The download couldn't be saved: %1").arg(description);
}
QString ModelDownload::pausedMessage()
{
    return text("The download paused because the connection dropped. Try again to pick up where it stopped.");
}
QString ModelDownload::stoppedMessage()
{
    return text("The download stopped. Check your connection, then try again.");
}

void ModelDownload::start()
{
    nam_ = new QNetworkAccessManager(this);
    file_ = new QFile(destination_);
    if (resumeData_) {
        const auto resume = decodeResume(*resumeData_);
        const qint64 onDisk = QFileInfo::exists(destination_) ? QFileInfo(destination_).size() : -1;
        if (resume && onDisk >= resume->offset) {
            offset_ = resume->offset;
            validator_ = resume->validator;
            url_ = resume->url;
        }
    }
    if (offset_ == 0)
        QFile::remove(destination_); // a file left by an earlier run is replaced
    written_ = offset_;
    resourceTimer_ = clock_->start(kResourceTimeout, [this] {
        resourceTimer_ = 0;
        if (reply_)
            reply_->abort();
        else if (retryTimer_) { // still waiting for the network
            clock_->cancel(retryTimer_);
            retryTimer_ = 0;
            finishInterrupted();
        }
    });
    if (QNetworkInformation* info = networkInformation()) {
        connect(info, &QNetworkInformation::reachabilityChanged, this, [this](QNetworkInformation::Reachability r) {
            if (retryTimer_ && r == QNetworkInformation::Reachability::Online)
                retry();
        });
    }
    if (url_.scheme() != QLatin1String("https")) {
        finish({Result::Kind::interrupted, {}, std::nullopt, serverAnsweredMessage(0)});
        return;
    }
    send(url_);
}

void ModelDownload::send(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    if (offset_ > 0) {
        request.setRawHeader("Range", "bytes=" + QByteArray::number(offset_) + "-");
        request.setRawHeader("If-Range", validator_);
    }
    sentOffline_ = networkDown();
    reply_ = nam_->get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &ModelDownload::onMetaData);
    connect(reply_, &QIODevice::readyRead, this, &ModelDownload::onReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &ModelDownload::onFinished);
}

bool ModelDownload::networkDown() const
{
    return networkDown_ ? networkDown_() : systemNetworkDown();
}

void ModelDownload::setWaiting(bool waiting)
{
    if (waitingNow_ == waiting)
        return;
    waitingNow_ = waiting;
    if (waiting_)
        waiting_(waiting);
}

bool ModelDownload::waitForNetwork()
{
    if (!resourceTimer_ || cancelled_)
        return false; // the time for the whole transfer is up
    setWaiting(true);
    const auto pause = retryPause(retries_++);
    log::info(QStringLiteral("model download: the server was not reached; trying again in %1 s")
                  .arg(std::chrono::duration_cast<std::chrono::seconds>(pause).count()));
    retryTimer_ = clock_->start(pause, [this] {
        retryTimer_ = 0;
        retry();
    });
    return true;
}

void ModelDownload::retry()
{
    if (retryTimer_) {
        clock_->cancel(retryTimer_);
        retryTimer_ = 0;
    }
    if (done_ || reply_)
        return;
    // From the address given: where it redirected to may be signed for a while only.
    redirects_ = 0;
    send(url_);
}

void ModelDownload::onMetaData()
{
    if (!reply_ || accepted_)
        return;
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299)
        return;
    qint64 length = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    const bool partial = status == 206 && offset_ > 0
        && contentRangeStart(reply_->rawHeader("Content-Range")) == offset_;
    if (!partial) {
        // The server sent the whole file (no range support, or it changed): start over.
        offset_ = 0;
    }
    QByteArray validator = reply_->rawHeader("ETag");
    if (validator.isEmpty())
        validator = reply_->rawHeader("Last-Modified");
    validator_ = validator;
    // Unbuffered: every byte counted as written is in the file, whatever happens next.
    const QIODevice::OpenMode mode = partial ? QIODevice::ReadWrite : (QIODevice::WriteOnly | QIODevice::Truncate);
    if (!file_->open(mode | QIODevice::Unbuffered)) {
        saveError_ = file_->errorString();
        reply_->abort();
        return;
    }
    if (partial) {
        file_->resize(offset_);
        file_->seek(offset_);
    }
    written_ = offset_;
    expected_ = length > 0 ? offset_ + length : -1;
    accepted_ = true;
    setWaiting(false);
}

void ModelDownload::onReadyRead()
{
    if (!reply_)
        return;
    if (!accepted_)
        onMetaData();
    if (!accepted_) {
        reply_->readAll(); // an error or redirect body is not the file
        return;
    }
    const QByteArray data = reply_->readAll();
    if (data.isEmpty())
        return;
    if (file_->write(data) != data.size()) {
        saveError_ = file_->errorString();
        reply_->abort();
        return;
    }
    written_ += data.size();
    report();
}

void ModelDownload::report()
{
    const qint64 now = clock_->monotonic().count();
    if (reported_ && now - lastReportNs_ <= kReportIntervalNs)
        return;
    reported_ = true;
    lastReportNs_ = now;
    if (progress_)
        progress_(written_, expected_);
}

std::optional<QByteArray> ModelDownload::currentResumeData() const
{
    if (written_ <= 0 || validator_.isEmpty())
        return std::nullopt;
    // The address asked for, not where it redirected to: signed redirect targets expire.
    return encodeResume(url_, written_, validator_);
}

void ModelDownload::onFinished()
{
    if (!reply_ || done_)
        return;
    QNetworkReply* reply = reply_;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const auto error = reply->error();

    if (!accepted_ && status >= 300 && status <= 399 && error == QNetworkReply::NoError) {
        const QUrl target = reply->url().resolved(reply->header(QNetworkRequest::LocationHeader).toUrl());
        if (target.isValid() && target.scheme() == QLatin1String("https") && ++redirects_ <= kMaxRedirects) {
            reply_ = nullptr;
            send(target);
            return;
        }
    }
    if (!accepted_ && status == 0 && saveError_.isEmpty() && unreached(error)) {
        log::info(QStringLiteral("model download: no answer (network error %1)").arg(int(error)));
        reply_ = nullptr;
        // Nothing came from the server while the network is (or was, when the try went out) down:
        // wait for it as a browser's download does. With the network up the server itself is
        // not there: that is the end.
        if ((sentOffline_ || networkDown()) && waitForNetwork())
            return;
    }
    if (file_->isOpen()) {
        if (!file_->flush() && saveError_.isEmpty())
            saveError_ = file_->errorString();
        file_->close();
    }
    if (!saveError_.isEmpty()) {
        QFile::remove(destination_);
        finish({Result::Kind::interrupted, {}, std::nullopt, savedFailedMessage(saveError_)});
        return;
    }
    if (error == QNetworkReply::NoError && accepted_) {
        finish({Result::Kind::success, destination_, std::nullopt, {}});
        return;
    }
    if (!accepted_ && (status != 0 || error == QNetworkReply::NoError)) {
        // An answer that is not the file (a refused redirect included), or no HTTP answer.
        QFile::remove(destination_); // nothing can continue from it
        finish({Result::Kind::interrupted, {}, std::nullopt, serverAnsweredMessage(status)});
        return;
    }
    finishInterrupted();
}

void ModelDownload::finishInterrupted()
{
    const auto resume = currentResumeData();
    if (!resume)
        QFile::remove(destination_); // nothing can continue from it
    finish({Result::Kind::interrupted, {}, resume, resume ? pausedMessage() : stoppedMessage()});
}

void ModelDownload::finish(Result result)
{
    if (done_)
        return;
    done_ = true;
    if (resourceTimer_) {
        clock_->cancel(resourceTimer_);
        resourceTimer_ = 0;
    }
    if (retryTimer_) {
        clock_->cancel(retryTimer_);
        retryTimer_ = 0;
    }
    if (cancelled_)
        result = {Result::Kind::cancelled, {}, std::nullopt, {}};
    if (finished_)
        finished_(result);
}

void ModelDownload::cancel(ResumeDataHandler handler)
{
    cancelled_ = true;
    if (file_ && file_->isOpen()) {
        file_->flush();
        file_->close();
    }
    auto resume = accepted_ ? currentResumeData() : (offset_ > 0 ? currentResumeData() : std::nullopt);
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
        reply_ = nullptr;
    }
    finish({Result::Kind::cancelled, {}, std::nullopt, {}});
    if (handler)
        handler(std::move(resume));
}

} // namespace tq
