// libs: tq_completion tq_engines
// The first suggestion in a field, through the completion engine over the built-in runtime and
// the realistic 1B model (written by tq_bench_llama_builtin): the field is focused (or its caret
// moved to the end of its text), 6 s pass, three characters are typed, and the time from the
// last of them to the ghost on screen is what the user waits after the pause.
// Environment: TQ_BENCH_MODEL (use this GGUF file instead), TQ_BENCH_WAIT_MS (default 6000).
#include "EngineRig.h"
#include "QtBenchMain.h"
#include "app/services/PowerMonitor.h"
#include "app/services/TypoChecker.h"
#include "completion/CompletionEngine.h"
#include "completion/Prompts.h"
#include "engines/BuiltInProvider.h"
#include "engines/ModelDownload.h"
#include "engines/ModelStore.h"
#include "overlay/GhostPanel.h"
#include "platform/Chars.h"
#include "platform/Clock.h"
#include "platform/fakes/FakeCrypto.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeDiskSpace.h"
#include "platform/fakes/FakeKeychain.h"
#include "platform/fakes/FakePlatform.h"
#include "platform/fakes/FakePowerSource.h"
#include "platform/fakes/FakeSpellChecker.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <future>
#include <random>

namespace {

using namespace tq;
using bench::Source;

QString modelFile()
{
    if (auto env = qEnvironmentVariable("TQ_BENCH_MODEL"); !env.isEmpty())
        return env;
    return QStringLiteral(TQ_BINARY_DIR "/models/bench-llama-1b-q8.gguf");
}

int waitMs()
{
    const int ms = qEnvironmentVariableIntValue("TQ_BENCH_WAIT_MS");
    return ms > 0 ? ms : 6000;
}

// Plain text of about `characters` characters in sentences, the same every run.
QString prose(int characters, unsigned seed)
{
    static const QStringList words = QStringLiteral(
        "the of and to in is was that for on with as by at from this have are be not or which one all "
        "were they their there been has more when will would who so no she he we you them time people "
        "year way day man thing woman life child world school state family student group country problem "
        "hand part place case week company system program question work government number night point home "
        "water room mother area money story fact month lot right study book eye job word business issue side")
        .split(u' ', Qt::SkipEmptyParts);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> len(8, 16), pick(0, int(words.size()) - 1);
    QString out;
    while (out.size() < characters) {
        const int n = len(rng);
        for (int i = 0; i < n; ++i) {
            QString w = words[pick(rng)];
            if (i == 0)
                w[0] = w[0].toUpper();
            out += (out.isEmpty() ? QString() : QStringLiteral(" ")) + w;
        }
        out += QStringLiteral(".");
    }
    return out.left(characters);
}

struct Rig : bench::EngineStores {
    FakeDiskSpace disk;
    QTemporaryDir dir;
    std::optional<ModelStore> store;
    std::unique_ptr<BuiltInProvider> provider;
    Source source;
    std::unique_ptr<CompletionEngine> engine;
    PromptContext context;

    Rig()
    {
        // The model in place as a verified download.
        ModelSpec spec = ModelSpec::builtIn();
        spec.fileName = QStringLiteral("model.gguf");
        spec.bytes = QFileInfo(modelFile()).size();
        store.emplace(spec, dir.path(), disk, ModelDownload::factory(clock));
        QFile::link(modelFile(), store->modelPath());
        QFile marker(store->markerPath());
        if (marker.open(QIODevice::WriteOnly))
            marker.write(spec.sha256.toUtf8());
        marker.close();
        store->check();
        QCoreApplication::processEvents();
        provider = std::make_unique<BuiltInProvider>(*store, nullptr, nullptr, clock);

        ProviderAccess providers;
        providers.active = [this]() -> CompletionProvider& { return *provider; };
        providers.modelName = [](EngineKind, bool) { return QString(); };
        providers.warmUp = [this] { provider->warmUp(); };
        // Context sections as a mail window gives them: with the field's text about 1500 tokens.
        context.appName = QStringLiteral("Mail");
        context.windowTitle = QStringLiteral("Re: the plan for next week");
        context.writerName = QStringLiteral("Sam");
        context.now = QStringLiteral("Monday 5 January 2026, morning");
        context.aboutWriter = prose(600, 3);
        context.clipboard = prose(400, 4);
        context.nearbyText = prose(400, 5);
        context.recentText = prose(500, 6);
        context.screenText = prose(900, 7);
        ContextAccess access;
        access.context = [this](const FieldSnapshot&, const std::optional<QString>&, const QStringList&) {
            return context;
        };
        access.prepare = [](const FieldSnapshot&) {};
        platform.overlayScreens().list = {ScreenArea{QRectF(0, 0, 1440, 900), QRectF(0, 0, 1440, 875)}};
        engine = std::make_unique<CompletionEngine>(prefs, rules, stats, memory, providers, access, power, typo,
                                                    platform);
        engine->setSource(&source);
    }

    bool ready() const { return store->phase().is(ModelStore::Phase::Kind::ready); }

    void show(const QString& fieldKey, const QString& before, const QString& after)
    {
        FieldSnapshot s;
        s.fieldKey = fieldKey;
        s.bundleID = QStringLiteral("org.example.Mail");
        s.appName = QStringLiteral("Mail");
        s.before = before;
        s.after = after;
        s.caretRect = QRectF(300, 500, 1, 18);
        s.lineStartX = 100;
        s.fieldFrame = QRectF(100, 200, 600, 400);
        s.fontSize = 13;
        source.current = s;
        engine->refresh(true);
    }

    // Sleeps in the event loop as the program does: a loop polling for events would keep a core
    // busy and slow every barrier of the runtime's threads.
    static void waitReal(int ms)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // Types `keys` one by one (as reads of the field), then waits for the ghost; milliseconds
    // from the last key, or -1 after 60 s. With `modifiedMark`, the first key marks the window
    // title as an editor marks a saved document's.
    double typeAndWait(const QString& keys, const QString& modifiedMark = {})
    {
        QElapsedTimer t;
        for (QChar c : keys) {
            if (!modifiedMark.isEmpty() && c == keys.front())
                context.windowTitle = modifiedMark + context.windowTitle.value_or(QString());
            source.current->before += c;
            t.start();
            engine->refresh(true);
            QCoreApplication::processEvents();
        }
        while (!engine->ghost().isShowing() && t.elapsed() < 60000)
            waitReal(2);
        return engine->ghost().isShowing() ? double(t.nsecsElapsed()) / 1e6 : -1;
    }

    int promptTokens()
    {
        auto& rt = provider->runtime();
        auto task = std::make_shared<std::packaged_task<int()>>([&] {
            return int(rt.tokenize(PromptBuilder::rawPrompt(source.current->before, context), 100000).size());
        });
        auto result = task->get_future();
        rt.post([task] { (*task)(); });
        return result.get();
    }
};

void report(benchmark::State& state, const char* what, double ms, int tokens)
{
    state.counters["after_pause_ms"] = ms;
    state.counters["prompt_tokens"] = tokens;
    std::printf("  %s: first suggestion %.0f ms after the pause, prompt %d tokens\n", what, ms, tokens);
}

// `setUp` shows the field; after the wait, "Sam" is typed and the time to the ghost reported.
template <class SetUp>
void firstSuggestion(benchmark::State& state, const char* what, SetUp setUp, const QString& modifiedMark = {})
{
    for (auto _ : state) {
        Rig rig;
        if (!rig.ready()) {
            state.SkipWithError("the model is missing: run tq_bench_llama_builtin once");
            return;
        }
        rig.provider->warmUp();
        rig.provider->runtime().waitUntilIdle(); // the model is loaded long before
        setUp(rig);
        rig.waitReal(waitMs());
        const int tokens = rig.promptTokens();
        const double ms = rig.typeAndWait(QStringLiteral("Sam"), modifiedMark);
        state.SetIterationTime(std::max(ms, 0.0) / 1000.0);
        report(state, what, ms, tokens);
    }
}

// A new field, focused with its text and the caret at the end.
void BM_NewField(benchmark::State& state)
{
    firstSuggestion(state, "new field", [](Rig& rig) {
        rig.show(QStringLiteral("1:1"), prose(2500, 1) + QStringLiteral("\nKind regards,\n"), QString());
    });
}

// A document opened with the caret at its start, then the caret moved to its end.
void BM_CaretMovedToTheEnd(benchmark::State& state)
{
    firstSuggestion(state, "caret moved to the end", [](Rig& rig) {
        const QString text = prose(2500, 2) + QStringLiteral("\nKind regards,\n");
        rig.show(QStringLiteral("2:1"), QString(), text);
        rig.waitReal(1000);
        rig.show(QStringLiteral("2:1"), text, QString());
    });
}

// A saved document in a text editor, the caret moved to its end: the first key typed puts the
// editor's mark for unsaved changes into the window title.
void BM_SavedDocumentMarked(benchmark::State& state)
{
    firstSuggestion(
        state, "saved document, title marked by the first key",
        [](Rig& rig) {
            rig.context.appName = QStringLiteral("Mousepad");
            rig.context.windowTitle = QStringLiteral("notes.txt - Mousepad");
            const QString text = prose(2500, 8) + QStringLiteral("\nKind regards,\n");
            rig.show(QStringLiteral("3:1"), QString(), text);
            rig.waitReal(1000);
            rig.show(QStringLiteral("3:1"), text, QString());
        },
        QStringLiteral("*"));
}

BENCHMARK(BM_NewField)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaretMovedToTheEnd)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavedDocumentMarked)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

TQ_QT_BENCHMARK_MAIN(QApplication)
