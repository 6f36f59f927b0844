// The model store's phases, files and texts, driven by a scripted transfer.
#include "EngineTestSupport.h"

#include "engines/ModelStore.h"
#include "platform/fakes/FakeDiskSpace.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;
using Kind = ModelStore::Phase::Kind;

namespace {

// One scripted transfer: the test calls its callbacks as the network would.
struct ScriptedTransfer final : ModelTransfer {
    QUrl url;
    QString destination;
    std::optional<QByteArray> resumeData;
    Progress progress;
    Finished finished;
    bool started = false;
    bool cancelled = false;
    ResumeDataHandler resumeHandler;
    Waiting waiting;

    void onWaiting(Waiting handler) override { waiting = std::move(handler); }
    void start() override { started = true; }
    void cancel(ResumeDataHandler handler) override
    {
        cancelled = true;
        resumeHandler = std::move(handler);
    }
    // Writes `content` to the destination and reports success.
    void succeed(const QByteArray& content)
    {
        QFile f(destination);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        f.close();
        finished({Result::Kind::success, destination, std::nullopt, {}});
    }
};

// What the store owns; the scripted transfer itself outlives it so late reports can be sent.
struct TransferHandle final : ModelTransfer {
    std::shared_ptr<ScriptedTransfer> t;
    void onWaiting(Waiting handler) override { t->onWaiting(std::move(handler)); }
    void start() override { t->start(); }
    void cancel(ResumeDataHandler handler) override { t->cancel(std::move(handler)); }
};

struct StoreFixture {
    QTemporaryDir tmp;
    QByteArray content = QByteArray("GGUF") + QByteArray(5000, 'w');
    ModelSpec spec;
    FakeDiskSpace disk;
    std::vector<std::shared_ptr<ScriptedTransfer>> made; // the transfers in order
    std::vector<ScriptedTransfer*> transfers;
    std::unique_ptr<ModelStore> store;

    StoreFixture()
    {
        spec = ModelSpec::builtIn();
        spec.bytes = content.size();
        spec.sha256 = QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
    }
    QString dir() const { return tmp.filePath(QStringLiteral("Tessaquill/Models")); }
    ModelStore& make()
    {
        store = std::make_unique<ModelStore>(
            spec, dir(), disk,
            [this](const QUrl& url, const QString& dest, std::optional<QByteArray> resume, ModelTransfer::Progress p,
                   ModelTransfer::Finished f) -> std::unique_ptr<ModelTransfer> {
                auto t = std::make_shared<ScriptedTransfer>();
                t->url = url;
                t->destination = dest;
                t->resumeData = std::move(resume);
                t->progress = std::move(p);
                t->finished = std::move(f);
                transfers.push_back(t.get());
                made.push_back(t);
                auto handle = std::make_unique<TransferHandle>();
                handle->t = t;
                return handle;
            });
        return *store;
    }
    static void write(const QString& path, const QByteArray& data)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(data);
    }
    void settle() { spinUntil([] { return false; }, 30); }
};

} // namespace

TEST(ModelSpec, BuiltInIsPinned)
{
    const ModelSpec& s = ModelSpec::builtIn();
    EXPECT_EQ(s.url.scheme(), QStringLiteral("https"));
    EXPECT_EQ(s.url.path(), QStringLiteral("/ggml-org/gemma-4-E2B-GGUF/resolve/75f8d25cab245d2254ba3e0405679226b9f58fff/gemma-4-E2B-Q8_0.gguf"));
    EXPECT_EQ(s.licenseURL.path(), QStringLiteral("/google/gemma-4-E2B"));
    EXPECT_EQ(s.url.host(), s.licenseURL.host());
    EXPECT_EQ(s.bytes, 4967478336LL);
    EXPECT_EQ(s.sha256.size(), 64);
    EXPECT_EQ(s.fileName, QStringLiteral("gemma-4-E2B-Q8_0.gguf"));
}

TEST(ModelStore, CheckNeedsTheRightSizeAndTheExactMarker)
{
    StoreFixture fx;
    const QString model = QDir(fx.dir()).filePath(fx.spec.fileName);
    EXPECT_EQ(fx.make().phase(), ModelStore::Phase::missing());
    EXPECT_FALSE(QFileInfo::exists(fx.dir())); // the folder is made only by a download

    StoreFixture::write(model, fx.content);
    StoreFixture::write(model + ".verified", fx.spec.sha256.toUtf8());
    EXPECT_EQ(fx.make().phase(), ModelStore::Phase::ready());

    StoreFixture::write(model + ".verified", fx.spec.sha256.toUtf8() + "\n");
    EXPECT_EQ(fx.make().phase(), ModelStore::Phase::missing());
    StoreFixture::write(model + ".verified", fx.spec.sha256.toUpper().toUtf8());
    EXPECT_EQ(fx.make().phase(), ModelStore::Phase::missing());

    StoreFixture::write(model + ".verified", fx.spec.sha256.toUtf8());
    StoreFixture::write(model, fx.content + "x"); // right digest marker, wrong size
    EXPECT_EQ(fx.make().phase(), ModelStore::Phase::missing());
}

TEST(ModelStore, FreeSpaceDecidesWhetherADownloadStarts)
{
    StoreFixture fx;
    fx.spec = ModelSpec::builtIn();
    const qint64 needed = fx.spec.bytes + 1'000'000'000;
    EXPECT_EQ(needed, 5967478336LL);

    fx.disk.available = needed - 1;
    ModelStore& store = fx.make();
    store.download();
    EXPECT_EQ(store.phase(),
              ModelStore::Phase::failed(QStringLiteral("This computer needs 5.97 GB free for the download. Free up some space, then try again.")));
    EXPECT_TRUE(fx.transfers.empty());
    EXPECT_TRUE(QFileInfo(fx.dir()).isDir());

    fx.disk.available = needed;
    store.download(); // from failed, again
    EXPECT_EQ(store.phase(), ModelStore::Phase::downloading(0, fx.spec.bytes));
    ASSERT_EQ(fx.transfers.size(), 1u);
    EXPECT_TRUE(fx.transfers[0]->started);
    EXPECT_EQ(fx.transfers[0]->url, fx.spec.url);
    EXPECT_EQ(fx.transfers[0]->destination, QDir(fx.dir()).filePath(".incoming-" + fx.spec.fileName));

    StoreFixture unreadable;
    unreadable.disk.available.reset();
    unreadable.make().download();
    EXPECT_TRUE(unreadable.store->phase().is(Kind::downloading));
}

TEST(ModelStore, ProgressVerifyAndInstall)
{
    StoreFixture fx;
    ModelStore& store = fx.make();
    int readyCalls = 0;
    store.setOnReady([&] { ++readyCalls; });
    const QString model = store.modelPath();
    StoreFixture::write(model, "an older file"); // installing replaces it

    store.download();
    ScriptedTransfer* t = fx.transfers.at(0);
    t->progress(100, 5004);
    fx.settle();
    EXPECT_EQ(store.phase(), ModelStore::Phase::downloading(100, 5004));
    t->progress(200, 0);
    fx.settle();
    EXPECT_EQ(store.phase(), ModelStore::Phase::downloading(200, fx.spec.bytes));
    t->progress(300, -1);
    fx.settle();
    EXPECT_EQ(store.phase(), ModelStore::Phase::downloading(300, fx.spec.bytes));
    // Waiting for the network keeps the bytes so far; the next bytes end the wait.
    t->waiting(true);
    fx.settle();
    EXPECT_TRUE(store.phase().waitingForNetwork);
    EXPECT_EQ(store.phase().received, 300);
    t->progress(400, -1);
    fx.settle();
    EXPECT_EQ(store.phase(), ModelStore::Phase::downloading(400, fx.spec.bytes));

    store.download(); // ignored while downloading
    EXPECT_EQ(fx.transfers.size(), 1u);

    // Cancel and remove have no effect while verifying (asked the moment it starts: a small
    // file is checked at once).
    bool verifying = false;
    const auto watch = QObject::connect(&store, &ModelStore::phaseChanged, [&](const ModelStore::Phase& p) {
        if (!p.is(Kind::verifying))
            return;
        verifying = true;
        store.cancel();
        store.remove();
    });
    t->succeed(fx.content);
    ASSERT_TRUE(spinUntil([&] { return store.phase().is(Kind::ready); }));
    QObject::disconnect(watch);
    EXPECT_TRUE(verifying);
    EXPECT_EQ(readyCalls, 1);
    QFile f(model);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), fx.content);
    QFile marker(store.markerPath());
    ASSERT_TRUE(marker.open(QIODevice::ReadOnly));
    EXPECT_EQ(marker.readAll(), fx.spec.sha256.toUtf8());
    EXPECT_FALSE(QFileInfo::exists(store.incomingPath()));

    store.download(); // ignored while ready
    EXPECT_EQ(fx.transfers.size(), 1u);
    store.remove();
    EXPECT_EQ(store.phase(), ModelStore::Phase::missing());
    EXPECT_FALSE(QFileInfo::exists(model));
    EXPECT_FALSE(QFileInfo::exists(store.markerPath()));
    store.remove(); // nothing there: still missing
    EXPECT_EQ(store.phase(), ModelStore::Phase::missing());
}

// A file the engine couldn't load stays so until the file changes or a download replaces it;
// a change of the file on disk is checked again, an unchanged one is not.
TEST(ModelStore, AFileThatCouldNotBeLoadedIsFetchedAgainAndAChangedFileCheckedAgain)
{
    StoreFixture fx;
    const QString model = QDir(fx.dir()).filePath(fx.spec.fileName);
    StoreFixture::write(model, fx.content);
    StoreFixture::write(model + ".verified", fx.spec.sha256.toUtf8());
    ModelStore& store = fx.make();
    ASSERT_EQ(store.phase(), ModelStore::Phase::ready());
    EXPECT_FALSE(store.checkIfChanged());

    store.markUnloadable();
    EXPECT_TRUE(store.phase().is(Kind::failed) && store.phase().unloadable);
    EXPECT_EQ(store.phase().message, QStringLiteral("The model file couldn't be loaded"));
    EXPECT_FALSE(store.checkIfChanged());
    EXPECT_TRUE(store.phase().unloadable);

    // "Try Again" fetches it again and installs it over the file.
    store.download();
    ASSERT_TRUE(store.phase().is(Kind::downloading));
    fx.transfers.at(0)->succeed(fx.content);
    ASSERT_TRUE(spinUntil([&] { return store.phase().is(Kind::ready); }));
    EXPECT_FALSE(store.checkIfChanged()) << "the installed file is the one checked";

    // Each write a second later: a file system's clock may not tell two quick writes apart.
    QDateTime later = QFileInfo(model).lastModified();
    const auto rewrite = [&](const QByteArray& data) {
        QFile f(model);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(data);
        later = later.addSecs(1);
        ASSERT_TRUE(f.setFileTime(later, QFileDevice::FileModificationTime));
    };
    store.markUnloadable();
    rewrite(QByteArray(fx.content.size(), 'x')); // another file of the verified size
    EXPECT_TRUE(store.checkIfChanged());
    EXPECT_EQ(store.phase(), ModelStore::Phase::ready());
    rewrite(fx.content.left(10));
    EXPECT_TRUE(store.checkIfChanged());
    EXPECT_EQ(store.phase(), ModelStore::Phase::missing());
    store.markUnloadable(); // only a ready file can fail to load
    EXPECT_EQ(store.phase(), ModelStore::Phase::missing());

    // Watched: put back in place, it is ready again without being asked.
    rewrite(fx.content);
    EXPECT_TRUE(spinUntil([&] { return store.phase().is(Kind::ready); }));
}

TEST(ModelStore, MismatchDeletesTheFile)
{
    StoreFixture fx;
    ModelStore& store = fx.make();
    store.download();
    QByteArray wrong = fx.content;
    wrong[10] = 'X';
    fx.transfers.at(0)->succeed(wrong);
    ASSERT_TRUE(spinUntil([&] { return store.phase().is(Kind::failed); }));
    EXPECT_EQ(store.phase().message,
              QStringLiteral("The download didn't match the expected file, so it was deleted. Try again."));
    EXPECT_FALSE(QFileInfo::exists(store.incomingPath()));
    EXPECT_FALSE(QFileInfo::exists(store.modelPath()));

    store.download();
    fx.transfers.at(1)->succeed(fx.content + "!"); // right prefix, wrong size
    ASSERT_TRUE(spinUntil([&] { return store.phase().is(Kind::failed); }));
}

TEST(ModelStore, CancelAndLateReportsOfAnOlderTransfer)
{
    StoreFixture fx;
    ModelStore& store = fx.make();
    store.download();
    ScriptedTransfer* first = fx.transfers.at(0);
    store.cancel();
    EXPECT_TRUE(first->cancelled);
    EXPECT_EQ(store.phase(), ModelStore::Phase::missing());

    // A progress report after the cancel does not bring back "downloading".
    first->progress(10, 100);
    fx.settle();
    EXPECT_EQ(store.phase(), ModelStore::Phase::missing());

    // The cancelled transfer's resume data arrives: kept for the next download.
    first->resumeHandler(QByteArray("resume-1"));
    fx.settle();
    EXPECT_TRUE(store.hasResumeData());
    store.download();
    ScriptedTransfer* second = fx.transfers.at(1);
    EXPECT_EQ(second->resumeData, QByteArray("resume-1"));
    EXPECT_FALSE(store.hasResumeData()); // consumed at that moment

    // Late reports of the first transfer never touch the second.
    first->progress(50, 100);
    first->finished({ModelTransfer::Result::Kind::interrupted, {}, QByteArray("stale"), QStringLiteral("old")});
    fx.settle();
    EXPECT_EQ(store.phase(), ModelStore::Phase::downloading(0, fx.spec.bytes));
    EXPECT_TRUE(store.isDownloading());
    EXPECT_FALSE(store.hasResumeData());

    // Cancel the second, start a third before the second's resume data arrives: it is dropped.
    store.cancel();
    store.download();
    ScriptedTransfer* third = fx.transfers.at(2);
    EXPECT_FALSE(third->resumeData.has_value());
    second->resumeHandler(QByteArray("resume-2"));
    second->finished({ModelTransfer::Result::Kind::cancelled, {}, std::nullopt, {}});
    fx.settle();
    EXPECT_FALSE(store.hasResumeData());
    EXPECT_TRUE(store.isDownloading());

    third->progress(7, 100);
    fx.settle();
    EXPECT_EQ(store.phase(), ModelStore::Phase::downloading(7, 100));
}

TEST(ModelStore, InterruptionKeepsResumeDataAndRemoveClearsThePartialFile)
{
    StoreFixture fx;
    ModelStore& store = fx.make();
    store.download();
    StoreFixture::write(store.incomingPath(), QByteArray(2000, 'p'));
    fx.transfers.at(0)->finished({ModelTransfer::Result::Kind::interrupted, {}, QByteArray("r"),
                                  QStringLiteral("The download paused because the connection dropped. Try again to pick up where it stopped.")});
    fx.settle();
    EXPECT_EQ(store.phase(), ModelStore::Phase::failed(QStringLiteral(
                                 "The download paused because the connection dropped. Try again to pick up where it stopped.")));
    EXPECT_TRUE(store.hasResumeData());
    EXPECT_TRUE(QFileInfo::exists(store.incomingPath()));

    store.remove();
    EXPECT_EQ(store.phase(), ModelStore::Phase::missing());
    EXPECT_FALSE(QFileInfo::exists(store.incomingPath()));
    EXPECT_FALSE(store.hasResumeData());
    store.download();
    EXPECT_FALSE(fx.transfers.at(1)->resumeData.has_value());

    // A partial file of an earlier run is cleared when the store starts.
    store.cancel();
    StoreFixture::write(store.incomingPath(), QByteArray(100, 'p'));
    fx.make();
    EXPECT_FALSE(QFileInfo::exists(fx.store->incomingPath()));
}

TEST(ModelStore, EndingWhileCheckingStopsTheCheckAndKeepsTheDownloadForTheNextStore)
{
    StoreFixture fx;
    fx.spec.bytes = qint64(1) << 40; // sparse: hashing all of it would take many minutes
    ModelStore& store = fx.make();
    store.download();
    {
        QFile f(store.incomingPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(fx.spec.bytes));
    }
    fx.transfers.at(0)->finished({ModelTransfer::Result::Kind::success, store.incomingPath(), std::nullopt, {}});
    ASSERT_TRUE(spinUntil([&] { return store.phase().is(Kind::verifying); }));
    const QString incoming = store.incomingPath();
    fx.store.reset(); // returns at once: the check stops between two reads
    fx.settle();
    EXPECT_EQ(QFileInfo(incoming).size(), fx.spec.bytes);
    EXPECT_FALSE(QFileInfo::exists(QDir(fx.dir()).filePath(fx.spec.fileName)));

    // The next store takes the whole file up again, and may end mid-check too.
    EXPECT_TRUE(fx.make().phase().is(Kind::verifying));
    fx.store.reset();
    EXPECT_TRUE(QFileInfo::exists(incoming));

    // A whole file is installed or, when it does not match, deleted; a partial one is deleted.
    struct Case {
        QByteArray left;
        Kind phase;
    };
    QByteArray wrong = fx.content;
    wrong[7] = 'X';
    for (const Case& c : {Case{fx.content, Kind::ready}, Case{wrong, Kind::failed},
                          Case{fx.content.left(100), Kind::missing}}) {
        StoreFixture next;
        StoreFixture::write(QDir(next.dir()).filePath(".incoming-" + next.spec.fileName), c.left);
        ModelStore& s = next.make();
        ASSERT_TRUE(spinUntil([&] { return s.phase().is(c.phase); }));
        EXPECT_FALSE(QFileInfo::exists(s.incomingPath()));
        EXPECT_EQ(QFileInfo::exists(s.markerPath()), c.phase == Kind::ready);
    }
}

TEST(ModelStore, BuiltInStatusTellsTheTruth)
{
    using P = ModelStore::Phase;
    const auto ready = ProviderStatus::ready(QStringLiteral("Ready"));
    const auto none = ProviderStatus::unavailable(QStringLiteral("This computer has no on-device language model"));
    EXPECT_EQ(builtInEngineStatus(P::ready(), none), ProviderStatus::ready(QStringLiteral("Downloaded")));
    EXPECT_EQ(builtInEngineStatus(P::downloading(1, 2), ready),
              ProviderStatus::ready(QStringLiteral("Downloading. The on-device model fills in until it's done.")));
    EXPECT_TRUE(builtInEngineStatus(P::downloading(1, 2), none).isUnavailable());
    EXPECT_EQ(builtInEngineStatus(P::verifying(), ready), ProviderStatus::ready(QStringLiteral("Checking the download.")));
    EXPECT_TRUE(builtInEngineStatus(P::verifying(), none).isUnavailable());
    EXPECT_EQ(builtInEngineStatus(P::missing(), ready),
              ProviderStatus::ready(QStringLiteral("The on-device model fills in until you download it.")));
    EXPECT_EQ(builtInEngineStatus(P::failed(QStringLiteral("x")), none),
              ProviderStatus::unavailable(QStringLiteral("Download the model to start")));
    for (const auto& standIn : {ready, none})
        EXPECT_EQ(builtInEngineStatus(P::failedToLoad(), standIn),
                  ProviderStatus::unavailable(QStringLiteral("The model file couldn't be loaded")));
}
