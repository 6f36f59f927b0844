// libs: tq_completion tq_engines tq_field
// The first suggestion in a field, through the completion engine over the built-in runtime and
// the realistic 1B model (written by tq_bench_llama_builtin): the field is focused (or its caret
// moved to the end of its text), 6 s pass, three characters are typed, and the time from the
// last of them to the ghost on screen is what the user waits after the pause.
// The editor scene replays what a text editor gives the engine, with the context collector and
// its screen reads (the status line follows the caret, a read is refreshed after 12 s): focus at
// the document's start, the screen read, Ctrl+End, a wait of 3, 6 or 12 s, three typed keys;
// it also counts the prompt tokens evaluated over the scene against one cold evaluation of the
// last prompt. It runs on the 1B model and on the default model's shape (gemma4 E2B, also
// written by tq_bench_llama_builtin) side by side.
// Environment: TQ_BENCH_MODEL (use this GGUF file instead of the 1B), TQ_BENCH_WAIT_MS (default
// 6000).
#include "EngineRig.h"
#include "QtBenchMain.h"
#include "services/PowerMonitor.h"
#include "services/TypoChecker.h"
#include "completion/CompletionEngine.h"
#include "completion/Prompts.h"
#include "engines/BuiltInProvider.h"
#include "engines/ModelDownload.h"
#include "engines/ModelStore.h"
#include "field/ContextCollector.h"
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

// 0: the 1B model (or TQ_BENCH_MODEL), 1: the E2B shape.
QString modelFile(int which = 0)
{
    if (which == 1)
        return QStringLiteral(TQ_BINARY_DIR "/models/bench-gemma4-e2b-q8.gguf");
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
    std::unique_ptr<ContextCollector> collector; // the editor scene's
    int screenReads = 0;

    // `editor`: the context comes from a collector over a text editor's window; otherwise the
    // fixed sections of a mail window.
    explicit Rig(bool editor = false, int model = 0)
    {
        // The model in place as a verified download.
        ModelSpec spec = ModelSpec::builtIn();
        spec.fileName = QStringLiteral("model.gguf");
        spec.bytes = QFileInfo(modelFile(model)).size();
        store.emplace(spec, dir.path(), disk, ModelDownload::factory(clock));
        QFile::link(modelFile(model), store->modelPath());
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
        if (editor)
            access = editorContext();
        platform.overlayScreens().list = {ScreenArea{QRectF(0, 0, 1440, 900), QRectF(0, 0, 1440, 875)}};
        engine = std::make_unique<CompletionEngine>(prefs, rules, stats, memory, providers, access, power, typo,
                                                    platform);
        engine->setSource(&source);
        if (collector) {
            CompletionEngine* e = engine.get();
            collector->onScreenRead = [e] { e->screenReadFinished(); };
        }
    }

    // A collector whose screen read takes 150 ms and gives the editor's menu, tab and status
    // lines; the status line shows the caret's line and column at the time of the read.
    ContextAccess editorContext()
    {
        collector = std::make_unique<ContextCollector>(prefs, platform);
        ContextCollector& c = *collector;
        c.allowsCapture = [](const QString&) { return true; };
        c.allowsScreen = [] { return true; };
        c.fullName = [] { return QStringLiteral("Sam Taylor"); };
        c.capture = [this](const QString&, const std::optional<QRectF>&, bool, ContextCollector::AppFilter,
                           std::function<void(ScreenRead)> done) {
            QTimer::singleShot(150, [this, done] {
                ++screenReads;
                const QString before = source.current ? source.current->before : QString();
                const int line = int(before.count(u'\n')) + 1;
                const int column = int(before.size() - (before.lastIndexOf(u'\n') + 1));
                ScreenRead read;
                const QString status = QStringLiteral("Line: %1 Column: %2").arg(line).arg(column);
                const std::pair<QString, double> lines[] = {
                    {QStringLiteral("File Edit Search View Document Help"), 10},
                    {QStringLiteral("notes.txt"), 40},
                    {QStringLiteral("Warning: you are using the root account. You may harm your system."), 70},
                    {QStringLiteral("Filetype: None"), 860},
                    {status, 860},
                    {QStringLiteral("OVR"), 860},
                };
                for (const auto& [t, y] : lines)
                    read.lines.push_back(ScreenLine{t, QRectF(10, y, 400, 18)});
                done(read);
            });
        };
        c.glanceRead = [](const QString&, std::function<void(QVector<ScreenLine>)> done) { done({}); };
        c.isSecureInputOn = [] { return false; };
        ContextAccess access;
        ContextCollector* collector = &c;
        access.context = [collector](const FieldSnapshot& s, const std::optional<QString>& about,
                                     const QStringList& examples) { return collector->context(s, about, examples); };
        access.prepare = [collector](const FieldSnapshot& s) { collector->prepare(s); };
        return access;
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

    // Waits in the event loop with the engine's clock following real time, so that its timers
    // (the watchdog, the screen read's 12 s refresh) run as in the program.
    void pass(int ms)
    {
        QElapsedTimer t;
        t.start();
        qint64 moved = 0;
        while (t.elapsed() < ms) {
            waitReal(std::min<qint64>(10, ms - t.elapsed()) + 0);
            const qint64 now = t.nsecsElapsed();
            clock.advance(Nanos(now - moved));
            moved = now;
        }
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

    int promptTokens() { return tokens(PromptBuilder::rawPrompt(source.current->before, context)); }

    int tokens(const QString& prompt)
    {
        auto& rt = provider->runtime();
        auto task = std::make_shared<std::packaged_task<int()>>([&] {
            return int(rt.tokenize(prompt, 100000).size());
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

// Types `keys` 80 ms apart as reads of the field, the engine's clock following real time, then
// waits for the ghost: milliseconds from the last key, or -1 after 30 s.
double typeInScene(Rig& rig, const QString& keys)
{
    QElapsedTimer t;
    for (QChar c : keys) {
        if (c != keys.front())
            rig.pass(80);
        rig.source.current->before += c;
        t.start();
        rig.engine->refresh(true);
    }
    while (!rig.engine->ghost().isShowing() && t.elapsed() < 30000) {
        if (rig.engine->status().is(CompletionEngine::Status::Kind::failed)) {
            std::printf("  the request failed after %lld ms: %s\n", (long long)t.elapsed(), qPrintable(rig.engine->status().text));
            return -1;
        }
        rig.pass(2);
    }
    return rig.engine->ghost().isShowing() ? double(t.nsecsElapsed()) / 1e6 : -1;
}

// The editor scene with a wait of `state.range(0)` seconds before typing, on model
// `state.range(1)` (0: 1B, 1: E2B shape).
void BM_EditorScene(benchmark::State& state)
{
    for (auto _ : state) {
        Rig rig(true, int(state.range(1)));
        if (!rig.ready()) {
            state.SkipWithError("the model is missing: run tq_bench_llama_builtin once");
            return;
        }
        rig.provider->warmUp();
        rig.provider->runtime().waitUntilIdle();
        const std::int64_t decodedBefore = rig.provider->runtime().promptTokensDecoded();
        const QString text = prose(2500, unsigned(20 + state.range(0))) + QStringLiteral("\nKind regards,\n");
        FieldSnapshot s;
        s.fieldKey = QStringLiteral("editor:1");
        s.bundleID = QStringLiteral("org.xfce.mousepad");
        s.appName = QStringLiteral("Mousepad");
        s.windowTitle = QStringLiteral("notes.txt - Mousepad");
        s.after = text;
        s.caretRect = QRectF(300, 500, 1, 18);
        s.lineStartX = 100;
        s.fieldFrame = QRectF(0, 100, 1440, 700);
        s.fontSize = 13;
        rig.source.current = s;
        rig.engine->refresh(true); // focus at the start; the screen read follows
        rig.pass(1000);
        rig.source.current->before = text; // Ctrl+End
        rig.source.current->after.clear();
        rig.engine->refresh(true);
        rig.pass(int(state.range(0)) * 1000);
        const double ms = typeInScene(rig, QStringLiteral("Sam"));
        rig.provider->runtime().waitUntilIdle();
        const auto evaluated = rig.provider->runtime().promptTokensDecoded() - decodedBefore;
        const int cold = rig.tokens(rig.engine->lastPrompt());
        state.SetIterationTime(std::max(ms, 0.0) / 1000.0);
        state.counters["after_pause_ms"] = ms;
        state.counters["evaluated_tokens"] = double(evaluated);
        state.counters["cold_tokens"] = cold;
        std::printf("  %s, wait %d s: first suggestion %s after the last key; %lld prompt tokens evaluated over the "
                    "scene, %.2f x one cold evaluation (%d); %d screen reads\n",
                    state.range(1) == 1 ? "E2B shape" : "1B", int(state.range(0)), ms < 0 ? "none (failed or over 30 s)" : qPrintable(QString::number(ms, 'f', 0) + QStringLiteral(" ms")),
                    (long long)evaluated, cold > 0 ? double(evaluated) / cold : 0.0, cold, rig.screenReads);
    }
}

BENCHMARK(BM_EditorScene)->ArgsProduct({{3, 6, 12}, {0, 1}})->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewField)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaretMovedToTheEnd)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavedDocumentMarked)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

TQ_QT_BENCHMARK_MAIN(QApplication)
