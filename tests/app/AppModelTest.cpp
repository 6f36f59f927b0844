#include "AppFixture.h"

#include "completion/CompletionEngine.h"
#include "field/FieldSource.h"
#include "field/ContextCollector.h"
#include "services/PowerMonitor.h"
#include "engines/BuiltInProvider.h"
#include "engines/ModelStore.h"
#include "stores/StatsStore.h"
#include "input/KeyTap.h"
#include "overlay/EmojiPickerPanel.h"
#include "overlay/GhostPanel.h"
#include "input/RivalWatcher.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"

#include <QDir>
#include <QFile>

using namespace std::chrono_literals;

namespace tq {

namespace {

class PracticeField final : public FieldSource {
public:
    std::optional<FieldSnapshot> current;
    std::optional<FieldSnapshot> snapshot() override { return current; }
    void insert(const QString&, InsertionMethod) override {}
    void deleteBackward(int) override {}
    std::optional<QString> whyNoField() const override { return QStringLiteral("practice"); }
};

KeyPress key(std::uint16_t code, QString characters = {})
{
    KeyPress press;
    press.keyCode = code;
    press.characters = std::move(characters);
    return press;
}

} // namespace

TEST_F(AppFixture, BuildingStartsNothingAndStartRunsEveryServiceOnce)
{
    AppModel& m = build();
    EXPECT_FALSE(m.isStarted());
    EXPECT_EQ(tapSource.startCalls, 0);
    EXPECT_FALSE(m.power().isRunning());
    EXPECT_EQ(pressure.starts, 0);
    EXPECT_EQ(m.engine().contextCollector()->allowsNearby(), true);
    EXPECT_EQ(m.engine().contextCollector()->allowsClipboard(), true);

    m.start();
    EXPECT_TRUE(m.isStarted());
    EXPECT_TRUE(m.power().isRunning());
    EXPECT_GE(powerSource.reads, 1);
    EXPECT_TRUE(m.permissions().isPolling());
    EXPECT_TRUE(m.tapRunning());
    EXPECT_TRUE(m.keyTap().handler != nullptr);
    EXPECT_EQ(m.axSource().app()->pid, kEditorPid); // attached to the front application
    EXPECT_TRUE(workspace.watching);
    EXPECT_EQ(pressure.starts, 1);
    EXPECT_EQ(m.windows().model(), &m);

    // A second start installs nothing twice.
    m.start();
    EXPECT_EQ(tapSource.startCalls, 1);
    EXPECT_EQ(pressure.starts, 1);
    EXPECT_EQ(ax.live.size(), 1u);
}

TEST_F(AppFixture, StoresLieInTheDataFolderAndACorruptStatisticsFileStartsEmpty)
{
    QFile corrupt(QDir(folder.path()).filePath(QStringLiteral("stats.json")));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("{not json");
    corrupt.close();
    AppModel& m = build();
    EXPECT_TRUE(m.stats().days().isEmpty());
    EXPECT_EQ(m.modelStore().directory(), QDir(folder.path()).filePath(QStringLiteral("Models")));
    m.stats().recordAccepted(QStringLiteral("three short words"), QStringLiteral("app:x"), clock.now());
    m.flushStores();
    QFile rewritten(QDir(folder.path()).filePath(QStringLiteral("stats.json")));
    ASSERT_TRUE(rewritten.open(QIODevice::ReadOnly));
    EXPECT_TRUE(rewritten.readAll().contains("\"words\""));
}

TEST_F(AppFixture, LocalOnlyModeWatchesNoOtherApplication)
{
    AppModel& m = build(true);
    m.start();
    EXPECT_FALSE(m.tapRunning());
    EXPECT_EQ(tapSource.startCalls, 0);
    EXPECT_FALSE(m.axSource().app().has_value());
    EXPECT_EQ(ax.observersCreated, 0);
    // The windows still work.
    m.windows().showSettings();
    EXPECT_TRUE(m.windows().settingsWindow()->isVisible());
}

TEST(AppModelEnvironment, LocalOnlyOnlyForExactlyOne)
{
    const QByteArray before = qgetenv("TESSAQUILL_LOCAL_ONLY");
    for (const auto& [value, on] : {std::pair{"1", true}, {"true", false}, {"01", false}, {"", false}}) {
        qputenv("TESSAQUILL_LOCAL_ONLY", value);
        EXPECT_EQ(AppModel::localOnlyFromEnvironment(), on) << value;
    }
    qunsetenv("TESSAQUILL_LOCAL_ONLY");
    EXPECT_FALSE(AppModel::localOnlyFromEnvironment());
    if (!before.isNull())
        qputenv("TESSAQUILL_LOCAL_ONLY", before);
}

TEST_F(AppFixture, AccessGrantedLaterStartsTheTapAndAnnounces)
{
    access.trusted = false;
    AppModel& m = build();
    QStringList spoken;
    m.engine().announcer = [&](const QString& t) { spoken << t; };
    m.start();
    EXPECT_FALSE(m.tapRunning());
    EXPECT_FALSE(m.permissions().accessibility());

    access.grantOnRequest = false;
    m.permissions().requestAccessibility();
    m.windows().showSettings();
    m.windows().settingsWindow()->hide();
    advance(299s);
    access.trusted = true;
    advance(1s);
    advance(1s);
    EXPECT_TRUE(m.tapRunning());
    EXPECT_EQ(tapSource.startCalls, 1);
    ASSERT_EQ(spoken.size(), 1);
    EXPECT_EQ(spoken.first(), QStringLiteral("Accessibility is on. Tessaquill is ready in your other apps."));
    EXPECT_TRUE(m.permissions().accessibility());
}

TEST_F(AppFixture, FirstRunShowsTheOnboardingNotTheIntro)
{
    defaults.set(QStringLiteral("onboardingDone"), false);
    defaults.set(QStringLiteral("introSeen"), false);
    AppModel& m = build();
    m.start();
    ASSERT_NE(m.windows().onboardingWindow(), nullptr);
    EXPECT_TRUE(m.windows().onboardingWindow()->isVisible());
    EXPECT_EQ(m.windows().introWindow(), nullptr);
    EXPECT_FALSE(m.prefs().introSeen());
}

TEST_F(AppFixture, ALaterRunShowsTheIntroOnceAndRecordsItAtOnce)
{
    defaults.set(QStringLiteral("introSeen"), false);
    AppModel& m = build();
    m.start();
    ASSERT_NE(m.windows().introWindow(), nullptr);
    EXPECT_TRUE(m.windows().introWindow()->isVisible());
    EXPECT_TRUE(m.prefs().introSeen());
    EXPECT_EQ(m.windows().onboardingWindow(), nullptr);
}

TEST_F(AppFixture, TheEndOfTheIntroLeadsToOnboardingOrSettings)
{
    AppModel& m = build();
    m.start();
    m.introFinished();
    ASSERT_NE(m.windows().settingsWindow(), nullptr);
    EXPECT_EQ(m.windows().router().pane(), SettingsPane::overview);
    EXPECT_EQ(m.windows().onboardingWindow(), nullptr);

    access.setTrusted(false);
    m.permissions().refresh();
    m.introFinished();
    EXPECT_FALSE(m.prefs().onboardingDone());
    ASSERT_NE(m.windows().onboardingWindow(), nullptr);
}

TEST_F(AppFixture, HiddenIconReminderWaitsForTheFirstRunWindowsAndComesOnce)
{
    defaults.set(QStringLiteral("onboardingDone"), false);
    AppModel& m = build();
    int asked = 0;
    m.iconHidden = [&] {
        ++asked;
        return true;
    };
    m.start();
    advance(3900ms);
    EXPECT_EQ(m.windows().hiddenIconWindow(), nullptr);
    advance(100ms);
    EXPECT_EQ(m.windows().hiddenIconWindow(), nullptr); // the onboarding is open
    m.windows().onboardingWindow()->close();
    advance(2900ms);
    EXPECT_EQ(m.windows().hiddenIconWindow(), nullptr);
    advance(100ms);
    ASSERT_NE(m.windows().hiddenIconWindow(), nullptr);
    EXPECT_TRUE(m.windows().hiddenIconWindow()->isVisible());
    EXPECT_EQ(asked, 1);
    advance(60s);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(m.isReminderPending());
}

TEST_F(AppFixture, HiddenIconReminderRespectsTheSettings)
{
    defaults.set(QStringLiteral("remindHiddenIcon"), false);
    AppModel& m = build();
    m.iconHidden = [] { return true; };
    m.start();
    advance(5s);
    EXPECT_EQ(m.windows().hiddenIconWindow(), nullptr);
}

TEST_F(AppFixture, TappedEventsReachTheEngineOnlyWhileItServesTheFrontApplication)
{
    AppModel& m = build();
    m.start();
    bringToFront(kEditorPid);
    ASSERT_EQ(m.engine().source(), &m.axSource());
    {
        LogLines log;
        // Nothing is shown: every key passes, and only Tab, the key above Tab and Escape are logged.
        EXPECT_FALSE(m.handleTap(TapEvent::keyPress(key(keycode::kTab))));
        EXPECT_FALSE(m.handleTap(TapEvent::keyPress(key(0, QStringLiteral("a")))));
        EXPECT_FALSE(m.handleTap(TapEvent::keyPress(key(keycode::kEscape))));
        EXPECT_FALSE(m.handleTap(TapEvent::keyPress(key(keycode::kAboveTab))));
        EXPECT_FALSE(m.handleTap(TapEvent::pointer()));
        QStringList keyLines = log.lines.filter(QStringLiteral("key "));
        EXPECT_EQ(keyLines, (QStringList{QStringLiteral("key 48 mods 0 used 0"), QStringLiteral("key 53 mods 0 used 0"),
                                         QStringLiteral("key 50 mods 0 used 0")}));
        EXPECT_TRUE(log.lines.filter(QStringLiteral("a")).filter(QStringLiteral("key 0")).isEmpty());
    }

    // This program in front: the engine lets go of the accessibility source.
    const auto front = m.frontApp();
    bringToFront(kOwnPid);
    EXPECT_EQ(m.engine().source(), nullptr);
    EXPECT_EQ(m.frontApp(), front);
    EXPECT_FALSE(m.handleTap(TapEvent::keyPress(key(keycode::kTab))));
    bringToFront(kEditorPid);
    EXPECT_EQ(m.engine().source(), &m.axSource());
    ASSERT_TRUE(m.frontApp().has_value());
    EXPECT_EQ(m.frontApp()->bundleID, QStringLiteral("org.example.Editor"));
    EXPECT_EQ(m.frontAppKey(), QStringLiteral("app:org.example.Editor"));
}

TEST_F(AppFixture, ThePracticeFieldTakesTheEngineWhileFocused)
{
    AppModel& m = build();
    m.start();
    bringToFront(kEditorPid);
    PracticeField practice;
    bringToFront(kOwnPid);
    m.playgroundFocusChanged(&practice, true);
    EXPECT_EQ(m.engine().source(), &practice);
    m.fieldSourceChanged(AXFieldSource::Change::value);
    EXPECT_EQ(m.engine().source(), &practice);
    EXPECT_FALSE(m.handleTap(TapEvent::keyPress(key(keycode::kTab))));
    PracticeField other;
    m.playgroundFocusChanged(&other, false); // not the source: nothing
    EXPECT_EQ(m.engine().source(), &practice);
    m.playgroundFocusChanged(&practice, false);
    EXPECT_EQ(m.engine().source(), nullptr);
}

TEST_F(AppFixture, CompetingApplicationsHoldTheEngineAndOpenThePrompt)
{
    AppModel& m = build();
    m.start();
    EXPECT_EQ(m.holdReason(), std::nullopt);
    workspace.launch(WorkspaceApp{700, QStringLiteral("com.example.tabtype"), QStringLiteral("TabType"), QIcon()});
    workspace.launch(WorkspaceApp{701, QStringLiteral("com.example.cotabby"), QStringLiteral("Cotabby"), QIcon()});
    QCoreApplication::processEvents();
    m.rivals().refresh(true);
    ASSERT_EQ(m.rivals().running().size(), 2);
    EXPECT_EQ(m.holdReason(), QStringLiteral("Paused while %1 is open").arg(m.rivals().running().first().name));
    ASSERT_NE(m.windows().rivalWindow(), nullptr);
    EXPECT_TRUE(m.windows().rivalWindow()->isVisible());
}

TEST_F(AppFixture, PausingTheFrontApplicationNeedsOne)
{
    activeApp.frontmost = std::nullopt;
    AppModel& m = build();
    m.start();
    EXPECT_FALSE(m.frontApp().has_value());
    m.pauseFrontApp(600);
    EXPECT_TRUE(m.rules().pauses().isEmpty());
    bringToFront(kEditorPid);
    m.pauseFrontApp(600);
    EXPECT_EQ(m.rules().pausedUntil(QStringLiteral("app:org.example.Editor"), clock.now()), clock.now().addSecs(600));
    EXPECT_EQ(m.rules().names().value(QStringLiteral("app:org.example.Editor")), QStringLiteral("Editor"));
    EXPECT_TRUE(m.rules().hasPendingSave());
}

TEST_F(AppFixture, MemoryPressureFreesTheBuiltInModel)
{
    AppModel& m = build();
    m.start();
    auto* builtIn = dynamic_cast<BuiltInProvider*>(&m.hub().builtIn());
    ASSERT_NE(builtIn, nullptr);
    builtIn->scheduleIdleUnload(); // as after a suggestion
    ASSERT_TRUE(builtIn->isIdleUnloadPending());
    LogLines log;
    pressure.fire(MemoryPressure::Level::critical);
    QCoreApplication::processEvents();
    // The model is freed at once, not at the end of the idle wait.
    EXPECT_FALSE(builtIn->isIdleUnloadPending());
    EXPECT_TRUE(log.lines.join(QLatin1Char('\n')).contains(QStringLiteral("memory pressure: the model is freed")));
    EXPECT_FALSE(builtIn->runtime().isLoaded());
}

} // namespace tq

namespace tq {

TEST_F(AppFixture, TheTapHoldsTheShortcutsOfTheSettings)
{
    AppModel& m = build();
    m.start();
    const auto grabbed = [&] { return m.keyTap().grabbedKeys(); };
    EXPECT_TRUE(grabbed().contains(*m.prefs().triggerKey()));
    EXPECT_FALSE(grabbed().contains(KeyCombo{keycode::kTab, {}})); // nothing shown yet
    const KeyCombo toggle{keycode::kSpace, ModifierSet{ModifierSet::control, ModifierSet::shift}};
    m.prefs().setToggleGlobalKey(toggle);
    EXPECT_TRUE(grabbed().contains(toggle));
    EXPECT_EQ(grabbed(), m.engine().actingKeys());
}

namespace {

// The practice field's snapshot, its text left to each case.
FieldSnapshot practiceSnapshot()
{
    FieldSnapshot s;
    s.fieldKey = QStringLiteral("practice");
    s.bundleID = QStringLiteral("com.morvenfax.tessaquill");
    s.role = QStringLiteral("AXTextArea");
    s.caretRect = QRectF(300, 500, 1, 20);
    s.fieldFrame = QRectF(100, 400, 600, 200);
    s.isLocal = true;
    return s;
}

} // namespace

TEST_F(AppFixture, TheTapHoldsWhatAReadOfTheFieldLeavesTheEngineActingOn)
{
    AppModel& m = build();
    m.start();
    bringToFront(kOwnPid);
    PracticeField practice;
    FieldSnapshot s = practiceSnapshot();
    practice.current = s;
    m.playgroundFocusChanged(&practice, true);
    const KeyCombo enter{keycode::kReturn, {}};
    // A one-letter name leaves Return to the field; a longer one takes it, the picker open all along.
    for (const auto& [before, returnTaken] : {std::pair{"no :r", false}, std::pair{"no :ro", true}}) {
        s.before = QString::fromLatin1(before);
        practice.current = s;
        m.engine().refresh(true);
        QCoreApplication::processEvents();
        ASSERT_TRUE(m.engine().picker().isVisible()) << before;
        EXPECT_EQ(m.engine().actingKeys().contains(enter), returnTaken) << before;
        EXPECT_EQ(m.keyTap().grabbedKeys(), m.engine().actingKeys()) << before;
    }
    m.playgroundFocusChanged(&practice, false);
}

// A Tab pressed before the window system holds it would reach the field under a ghost that
// shows it taken: the fix is drawn once the tap reports its keys held.
TEST_F(AppFixture, AGhostIsDrawnOnceTheTapHoldsItsKeys)
{
    AppModel& m = build();
    m.start();
    ASSERT_TRUE(tapSource.isRunning());
    tapSource.appliesAtOnce = false;
    tapSource.applyGrabs();
    spelling.corrections.insert(QStringLiteral("teh"), QStringLiteral("the"));
    spelling.known = {QStringLiteral("i"), QStringLiteral("saw")};
    bringToFront(kOwnPid);
    PracticeField practice;
    FieldSnapshot s = practiceSnapshot();
    s.before = QStringLiteral("I saw teh ");
    practice.current = s;
    m.playgroundFocusChanged(&practice, true);
    m.engine().refresh(true);
    QCoreApplication::processEvents();
    ASSERT_TRUE(m.engine().ghost().isShowing());
    EXPECT_TRUE(tapSource.grabs.contains(TapGrab{keycode::kTab, 0}));
    EXPECT_FALSE(m.engine().ghost().isDrawn());
    tapSource.applyGrabs();
    EXPECT_TRUE(m.engine().ghost().isDrawn());
    m.playgroundFocusChanged(&practice, false);
}

TEST_F(AppFixture, ButtonPressesAreReportedWithoutTheKeyTapAndWheelTurnsAreNot)
{
    AppModel& m = build();
    m.start();
    int presses = 0;
    QObject::connect(&m, &AppModel::pointerPressed, [&] { ++presses; });
    EXPECT_FALSE(platform.pointerWatcher().running); // watched only while the tray panel is open
    platform.pointerWatcher().start();
    platform.pointerWatcher().press();
    platform.pointerWatcher().press(true);
    tapSource.pointer(); // the key tap's own pointer events go to the engine only
    EXPECT_EQ(presses, 1);
}

} // namespace tq
