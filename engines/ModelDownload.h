#pragma once
// One HTTPS transfer of the model file straight into its destination (the store's ".incoming-"
// file), resumable with Range/If-Range from the bytes already there. Redirects are followed
// only to HTTPS. Progress goes out at most every 0.2 s; the result is reported exactly once.
// Offline (the server cannot be reached before it answered while the system reports the network
// down) the transfer waits for the network instead of failing, and says so: it tries again from
// the address it was given with a growing pause, at once when the system reports the network
// back, until the 6-hour limit of the whole transfer. A server that cannot be reached while the
// network is up (refused, a name not found) ends the transfer at once.
// Runs on the thread that created it (the main thread); callbacks are called there.

#include "engines/ModelStore.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

class QFile;
class QNetworkAccessManager;
class QNetworkReply;

namespace tq {

class Clock;

class ModelDownload final : public QObject, public ModelTransfer {
    Q_OBJECT
public:
    ModelDownload(QUrl url, QString destination, std::optional<QByteArray> resumeData, Progress progress,
                  Finished finished, Clock& clock);
    ~ModelDownload() override;

    void onWaiting(Waiting handler) override { waiting_ = std::move(handler); }
    void start() override;
    void cancel(ResumeDataHandler handler) override;

    // Whether the network is down now; the system's reachability unless set (tests). Without a
    // report of the system the network counts as up.
    void setNetworkDown(std::function<bool()> isDown) { networkDown_ = std::move(isDown); }

    static ModelTransferFactory factory(Clock& clock);

    // The four texts of a transfer that did not end with the file.
    static QString serverAnsweredMessage(int status);
    static QString savedFailedMessage(const QString& description);
    static QString pausedMessage();
    static QString stoppedMessage();

private:
    void send(const QUrl& url);
    // The server was not reached: try again later. False when waiting is over.
    bool waitForNetwork();
    void retry();
    bool networkDown() const;
    void setWaiting(bool waiting);
    void onMetaData();
    void onReadyRead();
    void onFinished();
    // Stopped before the end: resumable from the bytes saved, else the file goes.
    void finishInterrupted();
    void report();
    std::optional<QByteArray> currentResumeData() const;
    void finish(Result result);

    QUrl url_;
    QString destination_;
    std::optional<QByteArray> resumeData_;
    Progress progress_;
    Finished finished_;
    Clock* clock_;

    QNetworkAccessManager* nam_ = nullptr;
    QPointer<QNetworkReply> reply_;
    QFile* file_ = nullptr;
    qint64 offset_ = 0;   // bytes kept from an earlier transfer
    qint64 written_ = 0;  // bytes in the destination file now
    qint64 expected_ = -1;
    QByteArray validator_; // ETag (or Last-Modified) of the file on the server
    QString saveError_;    // why the received data could not be written
    int redirects_ = 0;
    bool accepted_ = false; // a 2xx answer for the body is being written
    bool done_ = false;
    bool cancelled_ = false;
    bool reported_ = false;
    qint64 lastReportNs_ = 0;
    quint64 resourceTimer_ = 0;
    quint64 retryTimer_ = 0;
    int retries_ = 0;
    bool waitingNow_ = false;
    bool sentOffline_ = false; // the network was down when the try under way went out
    Waiting waiting_;
    std::function<bool()> networkDown_;
};

} // namespace tq
