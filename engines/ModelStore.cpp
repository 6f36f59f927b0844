#include "engines/ModelStore.h"

#include "engines/ModelDownload.h"
#include "platform/Crypto.h"
#include "platform/DiskSpace.h"
#include "platform/Log.h"
#include "platform/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <filesystem>
#include <limits>
#include <system_error>

namespace tq {

namespace {
constexpr qint64 kSpareBytes = 1'000'000'000;
constexpr qint64 kHashBlock = 8 * 1024 * 1024;
// A copy onto the file reports every write: it is checked once they stop.
constexpr int kSettleMilliseconds = 200;

// Runs `fn` on the main thread while the owner of `alive` exists.
void onMain(const std::weak_ptr<bool>& alive, std::function<void()> fn)
{
    futures::postToMain([alive, fn = std::move(fn)] {
        if (alive.lock())
            fn();
    });
}
} // namespace

ModelStore::ModelStore(ModelSpec spec, QString directory, const DiskSpace& disk, ModelTransferFactory transfers,
                       QObject* parent)
    : QObject(parent)
    , spec_(std::move(spec))
    , directory_(std::move(directory))
    , disk_(&disk)
    , transfers_(std::move(transfers))
{
    settled_.setSingleShot(true);
    settled_.setInterval(kSettleMilliseconds);
    connect(&settled_, &QTimer::timeout, this, [this] {
        // Whatever file now has the name is watched: one put in place by a rename is another.
        watcher_.removePath(modelPath());
        watch();
        checkIfChanged();
    });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settled_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settled_, qOverload<>(&QTimer::start));
    watch();
    check();
    // A partial file of an earlier run cannot be resumed (resume data lives in memory only)
    // and would otherwise stay behind for good. A whole one was left by a run that ended while
    // checking it: check it again rather than download it again.
    const QFileInfo incoming(incomingPath());
    if (phase_.is(Phase::Kind::missing) && incoming.isFile() && incoming.size() == spec_.bytes) {
        transferId_ = nextId_++;
        startVerifying(transferId_, incoming.filePath());
    } else {
        QFile::remove(incomingPath());
    }
}

ModelStore::~ModelStore()
{
    *alive_ = false;
    alive_.reset();
    if (transfer_)
        transfer_->cancel({});
}

QString ModelStore::modelPath() const { return QDir(directory_).filePath(spec_.fileName); }
QString ModelStore::markerPath() const { return modelPath() + QStringLiteral(".verified"); }
QString ModelStore::incomingPath() const
{
    return QDir(directory_).filePath(QStringLiteral(".incoming-") + spec_.fileName);
}

void ModelStore::watch()
{
    if (!watcher_.directories().contains(directory_) && QFileInfo(directory_).isDir())
        watcher_.addPath(directory_);
    if (!watcher_.files().contains(modelPath()) && QFileInfo::exists(modelPath()))
        watcher_.addPath(modelPath());
}

void ModelStore::setPhase(Phase p)
{
    if (p == phase_)
        return;
    phase_ = std::move(p);
    emit phaseChanged(phase_);
}

ModelStore::Phase ModelStore::Phase::failedToLoad()
{
    Phase p = failed(text("The model file couldn't be loaded"));
    p.unloadable = true;
    return p;
}

void ModelStore::check()
{
    if (phase_.is(Phase::Kind::downloading) || phase_.is(Phase::Kind::verifying))
        return;
    checked_ = fileIdentity(modelPath().toStdString());
    const QFileInfo info(modelPath());
    bool ready = info.exists() && info.isFile() && info.size() == spec_.bytes;
    if (ready) {
        QFile marker(markerPath());
        ready = marker.open(QIODevice::ReadOnly)
            && QString::fromUtf8(marker.readAll()) == spec_.sha256;
    }
    setPhase(ready ? Phase::ready() : Phase::missing());
}

bool ModelStore::checkIfChanged()
{
    if (phase_.is(Phase::Kind::downloading) || phase_.is(Phase::Kind::verifying))
        return false;
    if (fileIdentity(modelPath().toStdString()) == checked_)
        return false;
    log::info(QStringLiteral("the model file changed on disk: checked again"));
    check();
    return true;
}

void ModelStore::markUnloadable()
{
    if (!phase_.is(Phase::Kind::ready))
        return;
    log::info(QStringLiteral("the model file couldn't be loaded"));
    setPhase(Phase::failedToLoad());
}

QString ModelStore::freeSpaceMessage(qint64 neededBytes)
{
    const QString size = QLocale::system().formattedDataSize(neededBytes, 2, QLocale::DataSizeSIFormat);
    return text("This computer needs %1 free for the download. Free up some space, then try again.").arg(size);
}

void ModelStore::download()
{
    if (!phase_.is(Phase::Kind::missing) && !phase_.is(Phase::Kind::failed))
        return;
    QDir().mkpath(directory_);
    watch();
    const qint64 available = disk_->availableBytes(directory_).value_or(std::numeric_limits<qint64>::max());
    const qint64 needed = spec_.bytes + kSpareBytes;
    if (available < needed) {
        setPhase(Phase::failed(freeSpaceMessage(needed)));
        return;
    }
    setPhase(Phase::downloading(0, spec_.bytes));

    // Every report carries the id of its transfer, so an older one never touches a newer one.
    const quint64 id = nextId_++;
    transferId_ = id;
    std::weak_ptr<bool> alive = alive_;
    auto progress = [this, alive, id](qint64 written, qint64 expected) {
        onMain(alive, [this, id, written, expected] { transferProgress(id, written, expected); });
    };
    auto finished = [this, alive, id](const ModelTransfer::Result& result) {
        onMain(alive, [this, id, result] { transferFinished(id, result); });
    };
    auto resume = std::move(resumeData_);
    resumeData_.reset();
    transfer_ = transfers_(spec_.url, incomingPath(), std::move(resume), progress, finished);
    transfer_->onWaiting([this, alive, id](bool waiting) {
        onMain(alive, [this, id, waiting] { transferWaiting(id, waiting); });
    });
    transfer_->start();
}

void ModelStore::transferProgress(quint64 id, qint64 written, qint64 expected)
{
    if (id != transferId_ || !transfer_ || !phase_.is(Phase::Kind::downloading))
        return;
    setPhase(Phase::downloading(written, expected < 1 ? spec_.bytes : expected));
}

void ModelStore::transferWaiting(quint64 id, bool waiting)
{
    if (id != transferId_ || !transfer_ || !phase_.is(Phase::Kind::downloading))
        return;
    Phase p = phase_;
    p.waitingForNetwork = waiting;
    setPhase(p);
}

void ModelStore::transferFinished(quint64 id, const ModelTransfer::Result& result)
{
    if (id != transferId_ || !transfer_)
        return; // a cancelled or superseded transfer
    transfer_.reset();
    switch (result.kind) {
    case ModelTransfer::Result::Kind::success:
        startVerifying(id, result.path);
        break;
    case ModelTransfer::Result::Kind::interrupted:
        resumeData_ = result.resumeData;
        setPhase(Phase::failed(result.message));
        break;
    case ModelTransfer::Result::Kind::cancelled:
        break;
    }
}

void ModelStore::startVerifying(quint64 id, const QString& incoming)
{
    setPhase(Phase::verifying());
    const LatestJobWorker* worker = &verifier_;
    verifier_.submit([this, worker, id, incoming, spec = spec_] {
        const bool matches = verify(incoming, spec, [worker] { return worker->stopping(); });
        if (worker->stopping())
            return; // the store is ending; the file stays for the next one
        // To the store's thread; a call still queued when the store ends is dropped with it.
        QMetaObject::invokeMethod(
            this, [this, id, incoming, matches] { finishInstall(id, incoming, matches); }, Qt::QueuedConnection);
    });
}

bool ModelStore::verify(const QString& path, const ModelSpec& spec, const std::function<bool()>& stopped)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    Sha256 hash;
    qint64 count = 0;
    QByteArray block;
    for (;;) {
        if (stopped && stopped())
            return false;
        block = file.read(kHashBlock);
        if (block.isEmpty())
            break;
        hash.update(block);
        count += block.size();
    }
    file.close();
    const QString digest = QString::fromLatin1(hash.final().toHex());
    return count == spec.bytes && digest == spec.sha256;
}

void ModelStore::finishInstall(quint64 id, const QString& incoming, bool matches)
{
    if (id != transferId_ || !phase_.is(Phase::Kind::verifying))
        return;
    if (!matches) {
        QFile::remove(incoming);
        setPhase(Phase::failed(text("The download didn't match the expected file, so it was deleted. Try again.")));
        return;
    }
    const auto saveFailed = [this](const QString& description) {
        setPhase(Phase::failed(text("The model couldn't be saved: %1").arg(description)));
    };
    // rename(2) replaces an existing model file in one step.
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(incoming.toStdString()),
                            std::filesystem::path(modelPath().toStdString()), ec);
    if (ec) {
        saveFailed(QString::fromStdString(ec.message()));
        return;
    }
    QSaveFile marker(markerPath());
    if (!marker.open(QIODevice::WriteOnly) || marker.write(spec_.sha256.toUtf8()) != spec_.sha256.toUtf8().size()
        || !marker.commit()) {
        saveFailed(marker.errorString());
        return;
    }
    checked_ = fileIdentity(modelPath().toStdString());
    watch();
    setPhase(Phase::ready());
    if (onReady_)
        onReady_();
}

void ModelStore::cancel()
{
    if (!phase_.is(Phase::Kind::downloading))
        return;
    if (transfer_) {
        const quint64 id = transferId_;
        std::weak_ptr<bool> alive = alive_;
        transfer_->cancel([this, alive, id](std::optional<QByteArray> data) {
            onMain(alive, [this, id, data = std::move(data)] {
                // Resume data only counts while no newer transfer has started.
                if (id == transferId_ && !transfer_)
                    resumeData_ = data;
            });
        });
        transfer_.reset();
    }
    setPhase(Phase::missing());
}

void ModelStore::remove()
{
    if (phase_.is(Phase::Kind::downloading) || phase_.is(Phase::Kind::verifying))
        return;
    QFile::remove(modelPath());
    QFile::remove(markerPath());
    checked_ = fileIdentity(modelPath().toStdString());
    // A partial download is gigabytes that nothing else would ever clear.
    QFile::remove(incomingPath());
    resumeData_.reset();
    ++transferId_; // late resume data of a cancelled transfer no longer applies
    setPhase(Phase::missing());
}

bool builtInStatusNeedsStandIn(const ModelStore::Phase& phase)
{
    return !phase.is(ModelStore::Phase::Kind::ready) && !phase.unloadable;
}

ProviderStatus builtInEngineStatus(const ModelStore::Phase& phase, const ProviderStatus& standIn)
{
    using K = ModelStore::Phase::Kind;
    const bool fillsIn = standIn.isReady();
    switch (phase.kind) {
    case K::ready:
        return ProviderStatus::ready(text("Downloaded"));
    case K::downloading:
        return fillsIn ? ProviderStatus::ready(text("Downloading. The on-device model fills in until it's done."))
                       : ProviderStatus::unavailable(text("Downloading. Suggestions start once it's done."));
    case K::verifying:
        return fillsIn ? ProviderStatus::ready(text("Checking the download."))
                       : ProviderStatus::unavailable(text("Checking the download. Suggestions start once it's done."));
    case K::failed:
        if (phase.unloadable)
            return ProviderStatus::unavailable(phase.message);
        break;
    case K::missing:
        break;
    }
    return fillsIn ? ProviderStatus::ready(text("The on-device model fills in until you download it."))
                   : ProviderStatus::unavailable(text("Download the model to start"));
}

} // namespace tq
