#include "LlamaTestSupport.h"

#include "engines/BuiltInProvider.h"
#include "engines/ModelDownload.h"
#include "engines/ModelStore.h"
#include "platform/fakes/FakeDiskSpace.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstring>
#include <future>
#include <optional>

namespace tq {
namespace {

// A stand-in engine whose status the test sets.
class StandIn : public CompletionProvider {
public:
    ProviderStatus answer = ProviderStatus::unavailable(QStringLiteral("no"));
    PromptStyle style() const override { return PromptStyle::instruct; }
    Future<QString> complete(const CompletionRequest&) override { return Future<QString>::ready(QString()); }
    Future<ProviderStatus> status() override { return Future<ProviderStatus>::ready(answer); }
    Future<QStringList> models() override { return Future<QStringList>::ready(QStringList{}); }
};

template <class T>
Outcome<T> await(const Future<T>& f, int timeoutMs = 60000)
{
    std::optional<Outcome<T>> out;
    f.then([&](const Outcome<T>& o) { out = o; });
    QElapsedTimer timer;
    timer.start();
    while (!out && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(out.has_value()) << "no outcome in time";
    return out.value_or(Outcome<T>(Cancelled{}));
}

class BuiltInProviderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // Puts `file` in place as the model, with a spec and marker that make it count as verified.
    void install(const QString& file, bool verified = true)
    {
        ModelSpec spec = ModelSpec::builtIn();
        spec.fileName = QStringLiteral("model.gguf");
        spec.bytes = QFileInfo(file).size();
        store.emplace(spec, dir.path(), disk, ModelDownload::factory(clock));
        QFile::remove(store->modelPath());
        ASSERT_TRUE(QFile::link(file, store->modelPath()));
        if (verified) {
            QFile marker(store->markerPath());
            ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
            marker.write(spec.sha256.toUtf8());
        }
        store->check();
        QCoreApplication::processEvents();
        ASSERT_EQ(store->phase().is(ModelStore::Phase::Kind::ready), verified);
    }
    void makeReady() { install(QString::fromStdString(test::tinyModelPath())); }

    CompletionRequest request(QString prompt, int maxTokens = 8)
    {
        CompletionRequest r;
        r.rawPrompt = std::move(prompt);
        r.maxTokens = maxTokens;
        r.temperature = 0.0;
        return r;
    }

    static std::shared_ptr<LlamaRuntime> runtime()
    {
        return std::make_shared<LlamaRuntime>(BuiltInProvider::kContextTokens, test::kTestThreads);
    }

    VirtualClock clock;
    FakeDiskSpace disk;
    QTemporaryDir dir;
    std::optional<ModelStore> store;
    StandIn standIn;
};

const QString kPrompt = QStringLiteral("Dear team, thanks for the quick reply about the meeting on Friday");

TEST_F(BuiltInProviderTest, WithoutAReadyModelNothingRunsAndStatusAsksTheStandIn)
{
    install(QString::fromStdString(test::tinyModelPath()), false);
    BuiltInProvider provider(*store, &standIn, runtime(), clock);

    const auto complete = await(provider.complete(request(kPrompt)));
    ASSERT_TRUE(complete.isProviderError());
    EXPECT_EQ(complete.errorMessage(), QStringLiteral("Download the Tessaquill model in Settings first"));
    EXPECT_EQ(await(provider.alternatives(request(kPrompt), 3)).value(), QStringList{});
    EXPECT_TRUE(await(provider.prefill(request(kPrompt))).hasValue());
    EXPECT_FALSE(provider.isIdleUnloadPending());
    EXPECT_EQ(provider.runtime().loadCount(), 0);

    EXPECT_EQ(await(provider.status()).value(),
              ProviderStatus::unavailable(QStringLiteral("Download the model to start")));
    standIn.answer = ProviderStatus::ready(QStringLiteral("Ready"));
    EXPECT_EQ(await(provider.status()).value(),
              ProviderStatus::ready(QStringLiteral("The on-device model fills in until you download it.")));
    EXPECT_TRUE(await(provider.models()).value().isEmpty());
    EXPECT_EQ(provider.style(), PromptStyle::raw);
}

TEST_F(BuiltInProviderTest, CompletesWithPartialTextsOnTheMainThread)
{
    makeReady();
    BuiltInProvider provider(*store, &standIn, runtime(), clock);
    EXPECT_EQ(await(provider.status()).value(), ProviderStatus::ready(QStringLiteral("Downloaded")));

    QStringList partials;
    const auto out = await(provider.complete(request(kPrompt, 6), [&](const QString& t) {
        EXPECT_EQ(QThread::currentThread(), qApp->thread());
        partials << t;
    }));
    ASSERT_TRUE(out.hasValue()) << out.errorMessage().toStdString();
    QCoreApplication::processEvents();
    if (!out.value().isEmpty()) {
        ASSERT_FALSE(partials.isEmpty());
        EXPECT_TRUE(out.value().startsWith(partials.front().left(1)));
    }

    // Zero tokens: an empty text, no error.
    const auto none = await(provider.complete(request(kPrompt, 0)));
    ASSERT_TRUE(none.hasValue());
    EXPECT_EQ(none.value(), QString());

    // Alternatives: at least two candidates even when one is asked for.
    const auto alts = await(provider.alternatives(request(kPrompt, 4), 1));
    ASSERT_TRUE(alts.hasValue());
    EXPECT_GE(alts.value().size(), 1);
}

// After a typed space the prompt ends before it and the runtime makes the reply begin with one:
// the final text, every partial text and every alternative carry that space, as a server's
// answer to the same prompt would.
TEST_F(BuiltInProviderTest, AfterATypedSpaceEveryTextBeginsWithTheSpace)
{
    makeReady();
    BuiltInProvider provider(*store, &standIn, runtime(), clock);
    for (const QString& prompt : {QStringLiteral("We met at the"), kPrompt + QStringLiteral(", and")}) {
        CompletionRequest r = request(prompt, 8);
        r.spaceTyped = true;
        QStringList texts;
        const auto out = await(provider.complete(r, [&](const QString& t) { texts << t; }));
        ASSERT_TRUE(out.hasValue()) << out.errorMessage().toStdString();
        QCoreApplication::processEvents();
        texts << out.value();
        const auto alts = await(provider.alternatives(r, 3));
        ASSERT_TRUE(alts.hasValue());
        texts << alts.value();
        texts.removeAll(QString()); // a reply the model ended at once
        ASSERT_FALSE(texts.isEmpty()) << "the model wrote nothing for " << prompt.toStdString();
        for (const QString& t : texts)
            EXPECT_TRUE(t.startsWith(u' ')) << prompt.toStdString() << ": \"" << t.toStdString() << '"';
    }
}

TEST_F(BuiltInProviderTest, ANewerRequestCancelsTheOlderOneAndALateCancelLeavesItAlone)
{
    makeReady();
    BuiltInProvider provider(*store, &standIn, runtime(), clock);
    // The queue is held while requests are made and cancelled: on a loaded machine it could
    // otherwise finish a job before the cancellation comes.
    std::promise<void> gate;
    provider.runtime().post([held = gate.get_future().share()] { held.wait(); });
    auto first = provider.complete(request(kPrompt, 200));
    auto second = provider.complete(request(kPrompt + QStringLiteral(" and"), 3));
    // Cancelling the first after the second was numbered must not stop the second.
    first.cancel();
    gate.set_value();
    EXPECT_TRUE(await(first).isCancelled());
    const auto out = await(second);
    EXPECT_TRUE(out.hasValue()) << out.errorMessage().toStdString();

    // The caller's own cancellation stops its job, which then reports nothing else.
    std::promise<void> gate2;
    provider.runtime().post([held = gate2.get_future().share()] { held.wait(); });
    auto third = provider.complete(request(kPrompt, 200));
    third.cancel();
    gate2.set_value();
    EXPECT_TRUE(await(third).isCancelled());
    provider.runtime().waitUntilIdle();
    EXPECT_NE(provider.runtime().latest(), 0);
}

TEST_F(BuiltInProviderTest, AnOlderJobStillRunningEndsCancelled)
{
    makeReady();
    BuiltInProvider provider(*store, &standIn, runtime(), clock);
    // Without caller cancellation: numbering the second stops the first at its next check.
    auto first = provider.complete(request(kPrompt, 200));
    auto second = provider.complete(request(kPrompt, 2));
    EXPECT_TRUE(await(first).isCancelled());
    EXPECT_TRUE(await(second).hasValue());
}

// The request after the pause continues from what the field's warming evaluated, and one the
// watchdog stops keeps its evaluated batches for the next.
TEST_F(BuiltInProviderTest, TheNextRequestContinuesFromTheWarmingAndFromAStoppedRequest)
{
    makeReady();
    BuiltInProvider provider(*store, &standIn, runtime(), clock);
    QString field;
    for (int i = 0; i < 80; ++i)
        field += kPrompt + QStringLiteral(". ");
    std::atomic<int> decodes{0}, decoded{0};
    std::atomic<bool> holdAtSecondBatch{false}, atSecondBatch{false};
    std::promise<void> resume;
    std::shared_future<void> resumed = resume.get_future().share();
    provider.runtime().setDecodeObserver([&](int n) {
        if (++decodes == 2 && holdAtSecondBatch) {
            atSecondBatch = true;
            resumed.wait();
        }
        decoded += n;
    });

    EXPECT_TRUE(await(provider.prefill(request(field, 0))).hasValue());
    EXPECT_GT(decoded, 1000);
    decoded = 0;
    EXPECT_TRUE(await(provider.complete(request(field + QStringLiteral(" Hel"), 0))).hasValue());
    EXPECT_LT(decoded, 8);

    const QString other = QStringLiteral("Notes. ") + test::prose(1150, 9);
    const int otherTokens = int(test::onQueue(provider.runtime(), [&] { return provider.runtime().tokenize(other, 100000); }).size());
    ASSERT_GT(otherTokens, 1100);
    decodes = 0;
    decoded = 0;
    holdAtSecondBatch = true;
    auto stopped = provider.complete(request(other, 0));
    QElapsedTimer timer;
    timer.start();
    while (!atSecondBatch && timer.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(atSecondBatch);
    stopped.cancel(); // as the watchdog does
    resume.set_value();
    EXPECT_TRUE(await(stopped).isCancelled());
    provider.runtime().waitUntilIdle();
    const int evaluated = decoded;
    EXPECT_GE(evaluated, 1024);
    EXPECT_LT(evaluated, otherTokens - 8);
    decoded = 0;
    EXPECT_TRUE(await(provider.complete(request(other + QStringLiteral(" Hel"), 0))).hasValue());
    EXPECT_LE(decoded, otherTokens - evaluated + 16);
}

// Jobs handed over while a warming evaluates: a newer warming and the request supersede the
// queued one, and the request continues the prefix the warming evaluated instead of starting over.
TEST_F(BuiltInProviderTest, ARequestDuringTheWarmingContinuesItAndQueuedOlderJobsNeverRun)
{
    makeReady();
    BuiltInProvider provider(*store, &standIn, runtime(), clock);
    const QString field = test::prose(1100, 21);
    EXPECT_TRUE(await(provider.prefill(request(QStringLiteral("Loaded."), 0))).hasValue());
    std::atomic<int> decodes{0}, decoded{0};
    std::promise<void> resume;
    std::shared_future<void> resumed = resume.get_future().share();
    std::atomic<bool> held{false};
    provider.runtime().setDecodeObserver([&](int n) {
        decoded += n;
        if (++decodes == 1) {
            held = true;
            resumed.wait();
        }
    });
    auto warming = provider.prefill(request(field, 0));
    QElapsedTimer timer;
    timer.start();
    while (!held && timer.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(held);
    auto older = provider.prefill(request(QStringLiteral("Other text. ") + test::prose(600, 22), 0));
    auto newer = provider.prefill(request(field + QStringLiteral(" and"), 0));
    auto typed = provider.complete(request(field + QStringLiteral(" and Hel"), 4));
    resume.set_value();
    EXPECT_TRUE(await(typed).hasValue());
    EXPECT_TRUE(await(warming).hasValue());
    EXPECT_TRUE(await(older).hasValue());
    EXPECT_TRUE(await(newer).hasValue());
    const int fieldTokens = int(test::onQueue(provider.runtime(), [&] { return provider.runtime().tokenize(field, 100000); }).size());
    EXPECT_LE(decoded, fieldTokens + 16);
}

TEST_F(BuiltInProviderTest, IdleUnloadFreesTheModelAndTheNextRequestLoadsItAgain)
{
    makeReady();
    BuiltInProvider provider(*store, &standIn, runtime(), clock);
    ASSERT_TRUE(await(provider.complete(request(kPrompt, 1))).hasValue());
    QCoreApplication::processEvents();
    EXPECT_TRUE(provider.runtime().isLoaded());
    EXPECT_TRUE(provider.isIdleUnloadPending());

    // A job 29 minutes later pushes the unload another 30 minutes out.
    clock.advance(std::chrono::minutes(29));
    ASSERT_TRUE(await(provider.prefill(request(kPrompt))).hasValue());
    QCoreApplication::processEvents();
    clock.advance(std::chrono::minutes(29));
    provider.runtime().waitUntilIdle();
    EXPECT_TRUE(provider.runtime().isLoaded());

    clock.advance(std::chrono::minutes(2));
    provider.runtime().waitUntilIdle();
    EXPECT_FALSE(provider.runtime().isLoaded());
    EXPECT_EQ(provider.runtime().loadCount(), 1);

    ASSERT_TRUE(await(provider.complete(request(kPrompt, 1))).hasValue());
    EXPECT_TRUE(provider.runtime().isLoaded());
    EXPECT_EQ(provider.runtime().loadCount(), 2);

    // Memory pressure frees it at once and drops the pending idle unload.
    provider.handleMemoryPressure();
    provider.runtime().waitUntilIdle();
    EXPECT_FALSE(provider.runtime().isLoaded());
    EXPECT_FALSE(provider.isIdleUnloadPending());

    // The warm-up loads ahead of a request and starts the idle timer.
    provider.warmUp();
    provider.runtime().waitUntilIdle();
    EXPECT_TRUE(provider.runtime().isLoaded());
    EXPECT_TRUE(provider.isIdleUnloadPending());
}

TEST_F(BuiltInProviderTest, AnUnloadableFileReportsTheRuntimesText)
{
    const QString junkPath = dir.filePath(QStringLiteral("junk.bin"));
    QFile junk(junkPath);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a model");
    junk.close();
    install(junkPath);
    BuiltInProvider provider(*store, &standIn, runtime(), clock);
    const auto out = await(provider.complete(request(kPrompt)));
    ASSERT_TRUE(out.isPlatformError());
    EXPECT_EQ(out.errorMessage(), QStringLiteral("The model file couldn't be loaded"));
    // Prefill never reports it.
    EXPECT_TRUE(await(provider.prefill(request(kPrompt))).hasValue());
}

// Writes `data` over the file at `path` in place (the same inode, as cp onto it does), a
// second later than the last time: a file system's clock may not tell two quick writes apart.
void overwrite(const QString& path, const QByteArray& data)
{
    static QDateTime when = QDateTime::currentDateTimeUtc();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(data), data.size());
    when = when.addSecs(1);
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
}

QByteArray tinyModel()
{
    QFile f(QString::fromStdString(test::tinyModelPath()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A damaged file of the verified size reads as ready until it is loaded: then the store says it
// couldn't be loaded, and so does the status, until the file changes.
TEST_F(BuiltInProviderTest, ADamagedModelIsShownAsOneThatCouldNotBeLoadedUntilTheFileChanges)
{
    const QByteArray good = tinyModel();
    ASSERT_GT(good.size(), 4096);
    const auto withCount = [&](int at) {
        QByteArray d = good;
        const quint64 absurd = quint64(1) << 60;
        std::memcpy(d.data() + at, &absurd, sizeof absurd);
        return d;
    };
    const struct {
        const char* what;
        QByteArray data;
    } damages[] = {
        {"an absurd tensor count", withCount(8)},
        {"an absurd key count", withCount(16)},
        {"cut short and padded to its size", good.left(4096) + QByteArray(good.size() - 4096, '\0')},
    };
    const QString path = dir.filePath(QStringLiteral("copy.gguf"));
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.what);
        overwrite(path, damage.data);
        install(path);
        BuiltInProvider provider(*store, &standIn, runtime(), clock);
        const auto failed = await(provider.complete(request(kPrompt)));
        ASSERT_TRUE(failed.isPlatformError());
        EXPECT_EQ(failed.errorMessage(), QStringLiteral("The model file couldn't be loaded"));
        QCoreApplication::processEvents();
        EXPECT_EQ(store->phase(), ModelStore::Phase::failedToLoad());
        // Not "Downloaded", nor the stand-in's: the file's own failure, with a ready stand-in too.
        standIn.answer = ProviderStatus::ready(QStringLiteral("Ready"));
        EXPECT_EQ(await(provider.status()).value(),
                  ProviderStatus::unavailable(QStringLiteral("The model file couldn't be loaded")));
        standIn.answer = ProviderStatus::unavailable(QStringLiteral("no"));

        // The good file put in its place is checked again and answers.
        overwrite(path, good);
        const auto answered = await(provider.complete(request(kPrompt, 2)));
        EXPECT_TRUE(answered.hasValue()) << answered.errorMessage().toStdString();
        EXPECT_TRUE(store->phase().is(ModelStore::Phase::Kind::ready));
    }
}

// The loaded file overwritten in place: the next request checks it again and loads the new
// file, or, when it no longer has the verified size, says to download it and frees the model.
TEST_F(BuiltInProviderTest, AModelOverwrittenInPlaceIsCheckedAgainBeforeTheNextRequest)
{
    const QByteArray good = tinyModel();
    const QString path = dir.filePath(QStringLiteral("copy.gguf"));
    overwrite(path, good);
    install(path);
    BuiltInProvider provider(*store, &standIn, runtime(), clock);
    ASSERT_TRUE(await(provider.complete(request(kPrompt, 2))).hasValue());
    EXPECT_EQ(provider.runtime().loadCount(), 1);

    QByteArray other = good;
    other[other.size() - 1] = char(other.back() ^ 1); // the same size, another file
    overwrite(path, other);
    ASSERT_TRUE(await(provider.complete(request(kPrompt, 2))).hasValue());
    EXPECT_EQ(provider.runtime().loadCount(), 2);

    overwrite(path, good.left(good.size() / 2));
    const auto cut = await(provider.complete(request(kPrompt, 2)));
    ASSERT_TRUE(cut.isProviderError());
    EXPECT_EQ(cut.errorMessage(), QStringLiteral("Download the Tessaquill model in Settings first"));
    EXPECT_TRUE(store->phase().is(ModelStore::Phase::Kind::missing));
    provider.runtime().waitUntilIdle();
    EXPECT_FALSE(provider.runtime().isLoaded());
    EXPECT_EQ(await(provider.status()).value(), ProviderStatus::unavailable(QStringLiteral("Download the model to start")));
}

} // namespace
} // namespace tq
