#pragma once
// The owner of the built-in model file: tells whether a verified copy is present, downloads
// it (resumably, through a ModelTransfer), verifies it against the digest on its own worker
// thread, installs it with its ".verified" marker and removes it. Main thread only; every
// operation returns at once and results arrive as phase changes. Ending the store stops a
// running check and joins its worker; the downloaded file stays, and the next store checks it.
// The model file is watched: once changes to it have settled for a moment, it is checked again.

#include "engines/CompletionProvider.h"
#include "engines/MappedFile.h"
#include "engines/ModelSpec.h"
#include "platform/LatestJobWorker.h"

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

namespace tq {

class DiskSpace;

// One transfer of the model file (the real one is ModelDownload). Callbacks may come from
// any thread.
class ModelTransfer {
public:
    struct Result {
        enum class Kind { success, interrupted, cancelled };
        Kind kind = Kind::interrupted;
        QString path;                         // success: the received file
        std::optional<QByteArray> resumeData; // interrupted: how to continue, when possible
        QString message;                      // interrupted: the text for the user
    };
    using Progress = std::function<void(qint64 written, qint64 expected)>;
    using Finished = std::function<void(const Result&)>;
    using ResumeDataHandler = std::function<void(std::optional<QByteArray>)>;
    using Waiting = std::function<void(bool waiting)>;

    virtual ~ModelTransfer() = default;
    // Called (before start()) with a handler told when the transfer begins and ends waiting
    // for the network.
    virtual void onWaiting(Waiting) {}
    virtual void start() = 0;
    // Stops the transfer; its result becomes cancelled. The resume data (or none) is handed
    // to `handler` later.
    virtual void cancel(ResumeDataHandler handler) = 0;
};

// Makes the transfer of `url` into `destination`, resuming from `resumeData` when given.
using ModelTransferFactory = std::function<std::unique_ptr<ModelTransfer>(
    const QUrl& url, const QString& destination, std::optional<QByteArray> resumeData,
    ModelTransfer::Progress progress, ModelTransfer::Finished finished)>;

class ModelStore : public QObject {
    Q_OBJECT
public:
    struct Phase {
        enum class Kind { missing, downloading, verifying, ready, failed };
        Kind kind = Kind::missing;
        qint64 received = 0; // downloading
        qint64 total = 0;    // downloading
        QString message;     // failed
        bool waitingForNetwork = false; // downloading: the network is down, the transfer waits
        bool unloadable = false; // failed: the file in place is one the engine couldn't load

        static Phase missing() { return {}; }
        static Phase downloading(qint64 received, qint64 total) { return {Kind::downloading, received, total, {}}; }
        static Phase verifying() { return {Kind::verifying, 0, 0, {}}; }
        static Phase ready() { return {Kind::ready, 0, 0, {}}; }
        static Phase failed(QString message) { return {Kind::failed, 0, 0, std::move(message)}; }
        // "The model file couldn't be loaded".
        static Phase failedToLoad();
        bool is(Kind k) const { return kind == k; }
        bool operator==(const Phase&) const = default;
    };

    // `transfers` makes the downloads (ModelDownload::factory in the program). A partial
    // download left by an earlier run is deleted; a whole one is checked (verifying).
    ModelStore(ModelSpec spec, QString directory, const DiskSpace& disk, ModelTransferFactory transfers,
               QObject* parent = nullptr);
    ~ModelStore() override;

    const Phase& phase() const { return phase_; }
    const ModelSpec& spec() const { return spec_; }
    const QString& directory() const { return directory_; }
    // The model file's path (directory joined with the spec's file name).
    QString modelPath() const;
    QString markerPath() const;
    QString incomingPath() const;
    bool isDownloading() const { return static_cast<bool>(transfer_); }
    bool hasResumeData() const { return resumeData_.has_value(); }

    // Called each time a download has been verified and installed (not by check()).
    void setOnReady(std::function<void()> fn) { onReady_ = std::move(fn); }

    void check();
    // check() again when the model file is no longer the one the last check saw (another
    // file, size or modification time); true when it did. Cheap: one stat of the file.
    bool checkIfChanged();
    // The engine couldn't load the file in place: while ready, the phase becomes unloadable,
    // from which download() fetches the file again. A later change of the file checks it again.
    void markUnloadable();
    void download();
    void cancel();
    // Deletes the model file, its marker and any partial download.
    void remove();

    // "This Mac needs 5.97 GB free for the download. …" said the Linux way.
    static QString freeSpaceMessage(qint64 neededBytes);
    // Hashes `path` in 8 MiB reads; true when size and digest match the spec. Blocking; gives
    // up (false) between two reads once `stopped` says so.
    static bool verify(const QString& path, const ModelSpec& spec, const std::function<bool()>& stopped = {});

signals:
    void phaseChanged(const tq::ModelStore::Phase& phase);

private:
    void setPhase(Phase p);
    // Watches the folder and the model file, as far as they exist.
    void watch();
    void transferProgress(quint64 id, qint64 written, qint64 expected);
    void transferWaiting(quint64 id, bool waiting);
    void transferFinished(quint64 id, const ModelTransfer::Result& result);
    void startVerifying(quint64 id, const QString& incoming);
    void finishInstall(quint64 id, const QString& incoming, bool matches);

    ModelSpec spec_;
    QString directory_;
    const DiskSpace* disk_;
    ModelTransferFactory transfers_;
    Phase phase_;
    std::optional<FileIdentity> checked_; // the model file as check() last saw it
    std::function<void()> onReady_;
    std::unique_ptr<ModelTransfer> transfer_;
    quint64 transferId_ = 0; // id of the current (or latest) transfer
    quint64 nextId_ = 1;
    std::optional<QByteArray> resumeData_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    QFileSystemWatcher watcher_;
    QTimer settled_; // the file's last change is a moment old
    LatestJobWorker verifier_; // last: stopped and joined before the rest ends
};

// The built-in engine's status for a model phase, given the status of the engine that fills in
// while the model is not ready (asked only for missing/failed/downloading/verifying, so the
// status never claims "ready" when nothing can answer):
//   ready        → ready "Downloaded"
//   downloading  → ready "Downloading. The on-device model fills in until it's done." when the
//                  stand-in is ready, else unavailable "Downloading. Suggestions start once it's done."
//   verifying    → ready "Checking the download." when the stand-in is ready, else unavailable
//                  "Checking the download. Suggestions start once it's done."
//   unloadable   → unavailable "The model file couldn't be loaded"
//   missing/failed → ready "The on-device model fills in until you download it." when the
//                  stand-in is ready, else unavailable "Download the model to start".
bool builtInStatusNeedsStandIn(const ModelStore::Phase& phase);
ProviderStatus builtInEngineStatus(const ModelStore::Phase& phase, const ProviderStatus& standIn);

} // namespace tq
