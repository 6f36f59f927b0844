#include "EngineFixture.h"
#include "field/ContextCollector.h"

#include <QSignalSpy>

namespace tq::testing {
namespace {

using Status = CompletionEngine::Status;

TEST(EngineStatus, LabelsAndEquality)
{
    EXPECT_EQ(Status::idle().label(), QStringLiteral("Ready"));
    EXPECT_EQ(Status::waiting().label(), QStringLiteral("Waiting for a pause"));
    EXPECT_EQ(Status::thinking().label(), QStringLiteral("Thinking"));
    EXPECT_EQ(Status::showing().label(), QStringLiteral("Showing a suggestion"));
    EXPECT_EQ(Status::blocked(QStringLiteral("Text is selected")).label(), QStringLiteral("Text is selected"));
    EXPECT_EQ(Status::failed(QStringLiteral("Boom")).label(), QStringLiteral("Boom"));

    EXPECT_EQ(Status::blocked(QStringLiteral("a")), Status::blocked(QStringLiteral("a")));
    EXPECT_FALSE(Status::blocked(QStringLiteral("a")) == Status::blocked(QStringLiteral("b")));
    EXPECT_FALSE(Status::blocked(QStringLiteral("a")) == Status::failed(QStringLiteral("a")));
    EXPECT_EQ(Status::idle(), Status::idle());
    EXPECT_FALSE(Status::idle() == Status::showing());
}

using EngineState = EngineFixture;

TEST_F(EngineState, StartsReadyWithNothingHeld)
{
    EXPECT_EQ(status(), Status::idle());
    EXPECT_FALSE(engine->snapshot());
    EXPECT_FALSE(engine->suggestion());
    EXPECT_EQ(engine->generation(), 0);
    EXPECT_FALSE(engine->ghost().isShowing());
}

TEST_F(EngineState, SameStatusNotifiesOnceButLogsThroughTheRepeatFilter)
{
    LogCapture log;
    setText(QStringLiteral("Hi"), QStringLiteral("")); // "Waiting for a few characters"
    QSignalSpy spy(engine.get(), &CompletionEngine::statusChanged);
    engine->setStatus(Status::blocked(QStringLiteral("Waiting for a few characters")));
    EXPECT_EQ(spy.count(), 0);
    engine->setStatus(Status::blocked(QStringLiteral("Other hold")));
    EXPECT_EQ(spy.count(), 1);
    engine->setStatus(Status::blocked(QStringLiteral("Waiting for a few characters")));
    engine->setStatus(Status::blocked(QStringLiteral("Waiting for a few characters")));

    // The hold is logged with counts only, and again only after a different line came between.
    EXPECT_EQ(log.count(QStringLiteral("held in org.example.Editor: Waiting for a few characters (before 2, rest of line 0, after 0, selected 0)")), 2);
    EXPECT_EQ(log.count(QStringLiteral("held in org.example.Editor: Other hold")), 1);
    for (const QString& line : LogCapture::lines())
        EXPECT_FALSE(line.contains(QStringLiteral("Hi")) && line.contains(QStringLiteral("held"))) << line.toStdString();
}

TEST_F(EngineState, PracticeFieldWritesNoDiagnosticLine)
{
    LogCapture log;
    FieldSnapshot s = snap(QStringLiteral("ab"));
    s.isLocal = true;
    setField(s);
    EXPECT_EQ(status(), Status::blocked(QStringLiteral("Waiting for a few characters")));
    EXPECT_FALSE(log.contains(QStringLiteral("held in")));
}

TEST_F(EngineState, DismissClearsEverythingOnShow)
{
    showSuggestion(QStringLiteral("Hello "), QStringLiteral("world, and more"));
    ASSERT_TRUE(engine->suggestion());
    ASSERT_TRUE(engine->ghost().isShowing());
    const int g = engine->generation();
    engine->picker().show({EmojiItem{QStringLiteral("🚀"), QStringLiteral("rocket")}}, QStringLiteral(":rocket"),
                          QRectF(300, 500, 1, 20));
    engine->choices().show({QStringLiteral("one")}, QStringLiteral("Hello "), QString(), QStringLiteral("tab"),
                           QRectF(300, 500, 1, 20));

    engine->dismiss(Status::idle());
    EXPECT_FALSE(engine->suggestion());
    EXPECT_FALSE(engine->pendingFix());
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_FALSE(engine->picker().isVisible());
    EXPECT_FALSE(engine->choices().isVisible());
    EXPECT_GT(engine->generation(), g);
    EXPECT_EQ(status(), Status::idle());
}

TEST_F(EngineState, SourceChangedEndsTheField)
{
    prefs.setMemoryEnabled(true);
    prefs.setMemoryRecordAll(true);
    setText(QStringLiteral("A long enough passage of my own writing to keep."));
    ASSERT_TRUE(engine->session());

    engine->setSource(nullptr);
    engine->sourceChanged();
    EXPECT_FALSE(engine->snapshot());
    EXPECT_FALSE(engine->session());
    EXPECT_EQ(status(), Status::idle());
    EXPECT_EQ(memory.entries().size(), 1);
}

TEST_F(EngineState, AllowsCaptureOnlyForTheHeldWindowWithoutAHold)
{
    EXPECT_FALSE(engine->allowsCapture(QStringLiteral("org.example.Editor|Doc")));
    FieldSnapshot s = snap(QStringLiteral("Hello there"));
    s.windowTitle = QStringLiteral("Doc");
    setField(s);
    EXPECT_TRUE(engine->allowsCapture(QStringLiteral("org.example.Editor|Doc")));
    EXPECT_FALSE(engine->allowsCapture(QStringLiteral("org.example.Editor|Other window")));

    // An unsaved document's mark leaves the window the collector reads the same one.
    for (const char* marked : {"*Doc", "\u25CF Doc"}) {
        s.windowTitle = QString::fromUtf8(marked);
        setField(s);
        EXPECT_TRUE(engine->allowsCapture(ContextCollector::windowKey(s))) << marked;
        EXPECT_TRUE(engine->allowsCapture(QStringLiteral("org.example.Editor|Doc"))) << marked;
    }

    s.windowTitle.reset();
    setField(s);
    EXPECT_TRUE(engine->allowsCapture(QStringLiteral("org.example.Editor|")));

    prefs.setIsEnabled(false);
    EXPECT_FALSE(engine->allowsCapture(QStringLiteral("org.example.Editor|")));
}

TEST_F(EngineState, AllowsScreenForLocalEnginesOrAnExplicitSwitch)
{
    prefs.setEngine(EngineKind::builtIn);
    EXPECT_TRUE(engine->allowsScreen());
    prefs.setEngine(EngineKind::ollama);
    prefs.setOllamaURL(QStringLiteral("http://127.0.0.1:11434"));
    EXPECT_TRUE(engine->allowsScreen());
    prefs.setEngine(EngineKind::openAI);
    prefs.setServerURL(QStringLiteral("https://models.example.com/v1"));
    EXPECT_FALSE(engine->allowsScreen());
    defaults.set(QStringLiteral("contextScreen"), false);
    EXPECT_TRUE(engine->allowsScreen());
}

TEST_F(EngineState, AppAllowedFollowsTheRules)
{
    EXPECT_TRUE(engine->isAppAllowed(QStringLiteral("org.example.Editor")));
    AppRule off;
    off.mode = RuleMode::off;
    rules.setRule(off, AppRules::appKey(QStringLiteral("org.example.Editor")));
    EXPECT_FALSE(engine->isAppAllowed(QStringLiteral("org.example.Editor")));
}

TEST_F(EngineState, ScreenReadWarmsThePromptOfTheHeldField)
{
    engine->screenReadFinished(); // no field: nothing
    EXPECT_EQ(provider.prefills.size(), 0);
    setText(QStringLiteral("ab")); // held by a later gate: warmed once on entering
    const int before = provider.prefills.size();
    engine->screenReadFinished();
    EXPECT_EQ(provider.prefills.size(), before + 1);
}

TEST_F(EngineState, QuietHoldSuppressesOnlyDirectRepeats)
{
    setText(QStringLiteral("Hello there"));
    LogCapture log;
    for (const char* hold : {"a", "a", "b", "a"})
        engine->setStatus(Status::blocked(QString::fromUtf8(hold)));
    EXPECT_EQ(log.count(QStringLiteral("Editor: a (")), 2);
    EXPECT_EQ(log.count(QStringLiteral("Editor: b (")), 1);
}

TEST_F(EngineState, AnnouncesNothingEmpty)
{
    engine->announce(QString());
    engine->announce(QStringLiteral("Hello"));
    EXPECT_EQ(announced, QStringList{QStringLiteral("Hello")});
}

TEST_F(EngineState, TasksOutliveNoEngine)
{
    prefs.setDelayMilliseconds(300);
    setText(QStringLiteral("Hello there"));
    ASSERT_EQ(status(), Status::waiting());
    engine.reset();
    advance(1000); // the debounce finds the engine gone
    EXPECT_TRUE(provider.calls.isEmpty());
}

} // namespace
} // namespace tq::testing

#include "engines/ModelDownload.h"
#include "engines/ModelSpec.h"
#include "engines/ModelStore.h"
#include "engines/ProviderHub.h"
#include "field/ContextCollector.h"
#include "platform/fakes/FakeKeychain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tq::testing {
namespace {

// The engine as the application builds it: over the provider hub, with a context collector
// of its own whose callbacks answer through the engine.
TEST_F(EngineState, OverTheProviderHubWithItsOwnCollector)
{
    QTemporaryDir tmp;
    ModelSpec spec = ModelSpec::builtIn();
    spec.bytes = 4;
    spec.sha256 = QString(64, u'a');
    const QString dir = tmp.filePath(QStringLiteral("Models"));
    QDir().mkpath(dir);
    QFile model(dir + QLatin1Char('/') + spec.fileName);
    ASSERT_TRUE(model.open(QIODevice::WriteOnly));
    model.write("GGUF");
    model.close();
    QFile marker(dir + QLatin1Char('/') + spec.fileName + QStringLiteral(".verified"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write(spec.sha256.toUtf8());
    marker.close();
    ModelStore store(spec, dir, platform.diskSpace(), ModelDownload::factory(clock));
    ASSERT_TRUE(store.phase().is(ModelStore::Phase::Kind::ready));

    FakeProvider builtIn;
    int builtInWarmUps = 0;
    Keychain keychain(keychainStore);
    ProviderHub hub(
        prefs, store, keychain, platform.onDeviceModel(), clock,
        [&](ModelStore&, AppleIntelligenceProvider&) {
            struct Forward final : CompletionProvider {
                explicit Forward(FakeProvider& p) : p(p) {}
                PromptStyle style() const override { return p.style(); }
                Future<QString> complete(const CompletionRequest& r) override { return p.complete(r); }
                Future<QString> complete(const CompletionRequest& r, PartialHandler h) override { return p.complete(r, h); }
                Future<ProviderStatus> status() override { return p.status(); }
                Future<QStringList> models() override { return p.models(); }
                FakeProvider& p;
            };
            return ProviderHub::BuiltIn{std::make_unique<Forward>(builtIn), [&] { ++builtInWarmUps; }};
        });

    CompletionEngine real(prefs, rules, stats, memory, hub, power, typo, platform);
    ASSERT_TRUE(real.contextCollector());
    real.setSource(&field);
    FieldSnapshot s = snap(QStringLiteral("Hello there"));
    s.windowTitle = QStringLiteral("Doc");
    field.current = s;
    real.refresh(false);
    EXPECT_EQ(builtInWarmUps, 1);
    ASSERT_EQ(builtIn.calls.size(), 1);
    EXPECT_TRUE(builtIn.last().request.prompt.contains(QStringLiteral("Hello there")));
    EXPECT_TRUE(real.contextCollector()->allowsCapture(QStringLiteral("org.example.Editor|Doc")));
    EXPECT_FALSE(real.contextCollector()->allowsCapture(QStringLiteral("org.example.Editor|Other")));
    EXPECT_TRUE(real.contextCollector()->isAppAllowed(QStringLiteral("org.example.Editor")));
    real.setSource(nullptr);
}

} // namespace
} // namespace tq::testing

namespace tq::testing {
namespace {

TEST_F(EngineState, DismissCancelsTheAlternativesRequest)
{
    provider.holdAlternatives = true;
    showSuggestion(QStringLiteral("Hello "), QStringLiteral("world, and more"));
    EXPECT_TRUE(press(keycode::kDown, ModifierSet::option));
    EXPECT_FALSE(provider.alternativesPromise.isCancelled());
    engine->dismiss(Status::idle());
    EXPECT_TRUE(provider.alternativesPromise.isCancelled());
    provider.alternativesPromise.finish(QStringList{QStringLiteral("and then")});
    settle();
    EXPECT_FALSE(engine->choices().isVisible());
    EXPECT_EQ(status(), Status::idle());
}

} // namespace
} // namespace tq::testing
