// The tray item, its panel and the hidden-icon prompt over in-memory services, in virtual time.

#include "services/Permissions.h"
#include "input/RivalWatcher.h"
#include "platform/fakes/FakeAccessibilityAccess.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeDesktopSettings.h"
#include "platform/fakes/FakeLoginItem.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "platform/fakes/FakeScreenCaptureAccess.h"
#include "platform/fakes/FakeTrayHost.h"
#include "platform/fakes/FakeWorkspace.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "ui/design/Animation.h"
#include "ui/design/Buttons.h"
#include "ui/design/HandToggle.h"
#include "ui/menubar/HiddenIconPrompt.h"
#include "ui/menubar/MenuBarGlyph.h"
#include "ui/menubar/MenuContent.h"
#include "ui/menubar/MenuPanel.h"
#include "ui/menubar/PanelControls.h"
#include "ui/menubar/StatusItem.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace tq::menu {
namespace {

class MenuFixture : public ::testing::Test {
protected:
    MenuFixture()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        access.trusted = true;
        permissions = std::make_unique<Permissions>(access, capture, desktop, login, clock);
    }
    MenuServices services() { return {prefs, rules, stats, *permissions, rivals, clock, host, desktop, motion}; }
    MenuCallbacks callbacks()
    {
        MenuCallbacks cb;
        cb.frontApp = [this] { return front; };
        cb.pauseFrontApp = [this](std::optional<double> s) {
            rules.pause(AppRules::appKey(front->bundleID), s, clock.now());
            ++engineReads;
        };
        cb.refreshEngine = [this] { ++engineReads; };
        cb.openPlayground = [this] { opened << "playground"; };
        cb.openSettings = [this] { opened << "settings"; };
        cb.quit = [this] { opened << "quit"; };
        cb.restartHint = [this] { return hint; };
        cb.copyText = [this](const QString& text) { copied << text; };
        cb.engineSilent = [this] { return silence; };
        cb.watchEngines = [this](QObject*, std::function<void()> changed) { enginesChanged = std::move(changed); };
        cb.openEngineSettings = [this] { opened << "engine"; };
        return cb;
    }
    void advance(Nanos by)
    {
        clock.advance(by);
        QCoreApplication::processEvents();
    }
    std::unique_ptr<MenuContent> content() { return std::make_unique<MenuContent>(services(), callbacks()); }

    VirtualClock clock{QDateTime(QDate(2026, 1, 5), QTime(21, 0), Qt::LocalTime).toUTC()};
    FakeDefaults defaults;
    Preferences prefs{defaults};
    AppRules rules{std::nullopt, clock};
    StatsStore stats{QString(), clock};
    FakeAccessibilityAccess access;
    FakeScreenCaptureAccess capture;
    FakeDesktopSettings desktop;
    FakeLoginItem login;
    std::unique_ptr<Permissions> permissions;
    FakeWorkspace workspace;
    RivalWatcher rivals{workspace, clock};
    FakeTrayHost host;
    FakeReduceMotion reduceMotion{true};
    MotionContext motion{clock, reduceMotion};
    std::optional<MenuFrontApp> front;
    std::optional<RestartHint> hint;
    std::optional<EngineSilence> silence;
    std::function<void()> enginesChanged;
    int engineReads = 0;
    QStringList opened;
    QStringList copied;
};

TEST_F(MenuFixture, TimedPauseEndAndMidnightRefreshTheItemWithoutAnyOtherChange)
{
    StatusItem item(services(), callbacks());
    item.refresh();
    prefs.setShowWordCountInMenuBar(true);
    stats.recordAccepted(QStringLiteral("one two three"), QStringLiteral("app:x"), clock.now());
    EXPECT_EQ(item.glyph(), GlyphVariant::active);
    EXPECT_EQ(item.item()->toolTip(), QStringLiteral("Tessaquill\n3 words saved today"));

    rules.pauseEverywhere(900, clock.now());
    EXPECT_EQ(item.glyph(), GlyphVariant::paused);
    item.toggle(QPoint(100, 100));
    ASSERT_NE(item.panel(), nullptr);
    EXPECT_EQ(item.panel()->content()->state().globalPauseUntil, rules.globalPauseUntil());
    EXPECT_EQ(item.panel()->content()->statusLabel()->accessibleName().left(13), QStringLiteral("Paused until "));

    advance(899s);
    EXPECT_EQ(item.glyph(), GlyphVariant::paused);
    advance(1s);
    EXPECT_EQ(item.glyph(), GlyphVariant::active) << "the pause's end is observed";
    EXPECT_EQ(item.panel()->content()->statusLabel()->accessibleName(), QStringLiteral("Ready"));
    EXPECT_EQ(item.panel()->content()->pills().back()->text(), QStringLiteral("Pause Everywhere"));

    // 21:15 local: midnight is 2 h 45 min away; yesterday's count leaves the tooltip and the card.
    advance(2h + 44min);
    EXPECT_EQ(item.panel()->content()->countLabel()->text(), QStringLiteral("3"));
    advance(1min);
    EXPECT_EQ(item.item()->toolTip(), QStringLiteral("Tessaquill"));
    EXPECT_EQ(item.panel()->content()->countLabel()->text(), QStringLiteral("0"));
}

TEST_F(MenuFixture, FrontAppPauseEndRefreshesThePill)
{
    front = MenuFrontApp{QStringLiteral("org.example.Editor"), QStringLiteral("Editor")};
    auto c = content();
    ASSERT_EQ(c->pills().size(), 2u);
    emit c->pills().front()->durationChosen(3600.0);
    EXPECT_EQ(engineReads, 1);
    EXPECT_EQ(c->pills().front()->text(), QStringLiteral("Resume in Editor"));
    EXPECT_EQ(c->statusLabel()->accessibleName(), QStringLiteral("Ready")) << "a front-app pause leaves the status";
    advance(3600s);
    EXPECT_EQ(c->pills().front()->text(), QStringLiteral("Pause in Editor"));
}

TEST_F(MenuFixture, PauseEverywhereThenResumeReReadsTheFieldEachTime)
{
    auto c = content();
    ASSERT_EQ(c->pills().size(), 1u) << "no front application: only the global pill";
    emit c->pills().front()->durationChosen(std::nullopt);
    EXPECT_EQ(rules.globalPauseUntil(), AppRules::distantFuture());
    EXPECT_EQ(engineReads, 1);
    EXPECT_EQ(c->statusLabel()->accessibleName(), QStringLiteral("Paused until you resume"));
    ASSERT_TRUE(c->pills().front()->lit());
    c->pills().front()->click();
    EXPECT_EQ(rules.globalPauseUntil(), std::nullopt);
    EXPECT_TRUE(rules.hasPendingSave());
    EXPECT_EQ(engineReads, 2);
    EXPECT_EQ(c->pills().front()->text(), QStringLiteral("Pause Everywhere"));

    front = MenuFrontApp{QStringLiteral("org.example.Editor"), QStringLiteral("Editor")};
    rules.pause(AppRules::appKey(front->bundleID), std::nullopt, clock.now());
    ASSERT_EQ(c->pills().front()->text(), QStringLiteral("Resume in Editor"));
    c->pills().front()->click();
    EXPECT_EQ(rules.pausedUntil(AppRules::appKey(front->bundleID), clock.now()), std::nullopt);
    EXPECT_EQ(engineReads, 3);
}

TEST_F(MenuFixture, PillsShareARowOrStack)
{
    auto c = content();
    EXPECT_FALSE(c->pillsStacked()) << "one pill alone";
    front = MenuFrontApp{QStringLiteral("org.example.Long"), QStringLiteral("A Remarkably Long Application Name For Notes")};
    c->frontAppChanged();
    EXPECT_TRUE(c->pillsStacked());
    c->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(c->width(), MenuContent::kWidth);
    for (PillButton* pill : c->pills())
        EXPECT_LE(pill->geometry().right(), MenuContent::kWidth - 14) << "the long name is cut, not the panel widened";
}

TEST_F(MenuFixture, CardsSwitchAndRows)
{
    auto c = content();
    EXPECT_TRUE(c->attentionCard()->isHidden());
    workspace.launch({77, QStringLiteral("com.example.tabtype"), QStringLiteral("TabType")});
    workspace.launch({78, QStringLiteral("com.example.cotabby"), QStringLiteral("Cotabby")});
    rivals.refresh(false);
    EXPECT_FALSE(c->attentionCard()->isHidden());
    EXPECT_EQ(c->attentionCard()->label()->text(), QStringLiteral("Paused while TabType and Cotabby are open"));
    EXPECT_EQ(c->statusLabel()->accessibleName(), QStringLiteral("Paused while TabType is open"));

    access.setTrusted(false);
    permissions->refresh();
    EXPECT_EQ(c->attentionCard()->button()->text(), QStringLiteral("Grant Accessibility Access…"));
    int closes = 0;
    c->closePanel = [&] { ++closes; };
    c->attentionCard()->button()->click();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(access.requests, 1);

    // A silent Chromium program in front: its card comes after the other two and copies the
    // command; the status line names it instead of saying "Ready".
    access.setTrusted(true);
    permissions->refresh();
    rivals.refresh(false);
    hint = RestartHint{QStringLiteral("Chromium"), QStringLiteral("/usr/bin/chromium --force-renderer-accessibility")};
    c->frontAppChanged();
    EXPECT_EQ(c->attentionCard()->label()->text(), QStringLiteral("Paused while TabType and Cotabby are open"));
    workspace.exit(77);
    workspace.exit(78);
    rivals.refresh(false);
    EXPECT_EQ(c->statusLabel()->accessibleName(), QStringLiteral("Chromium shares no text"));
    EXPECT_TRUE(c->attentionCard()->label()->text().startsWith(QStringLiteral("Chromium shares no text. Quit it")));
    c->attentionCard()->button()->click();
    EXPECT_EQ(copied, (QStringList{hint->command}));
    EXPECT_EQ(closes, 1) << "copying leaves the panel open";
    hint.reset();
    c->frontAppChanged();
    EXPECT_TRUE(c->attentionCard()->isHidden());
    EXPECT_EQ(c->statusLabel()->accessibleName(), QStringLiteral("Ready"));

    c->showCountSwitch()->click();
    EXPECT_TRUE(prefs.showWordCountInMenuBar());
    prefs.setShowWordCountInMenuBar(false);
    EXPECT_FALSE(c->showCountSwitch()->isChecked());
    EXPECT_EQ(c->showCountSwitch()->accessibleDescription(), QStringLiteral("Off")) << "the knob follows a change made elsewhere";

    c->playgroundRow()->click();
    c->settingsRow()->click();
    EXPECT_EQ(closes, 3);
    c->quitRow()->click();
    EXPECT_EQ(closes, 3) << "quitting does not close the panel first";
    EXPECT_EQ(opened, (QStringList{"playground", "settings", "quit"}));
    EXPECT_EQ(c->settingsRow()->accessibleDescription(), QStringLiteral("Ctrl+,"));
    EXPECT_EQ(c->quitRow()->accessibleDescription(), QStringLiteral("Ctrl+Q"));
}

// While the panel is open the status and the card follow the download to its end.
TEST_F(MenuFixture, EngineCardFollowsTheDownload)
{
    auto c = content();
    ASSERT_TRUE(enginesChanged);
    int closes = 0;
    c->closePanel = [&] { ++closes; };
    const struct {
        std::optional<EngineSilence> silence;
        const char* status;
    } steps[] = {
        {EngineSilence{EngineSilence::Why::downloading, "Downloading. Suggestions start once it's done."}, "Downloading the model"},
        {EngineSilence{EngineSilence::Why::checking, "Checking the download. Suggestions start once it's done."}, "Checking the download"},
        {std::nullopt, "Ready"},
    };
    for (const auto& step : steps) {
        silence = step.silence;
        enginesChanged();
        EXPECT_EQ(c->statusLabel()->accessibleName(), QString::fromUtf8(step.status));
        EXPECT_EQ(c->attentionCard()->isHidden(), !step.silence);
        if (step.silence) {
            EXPECT_EQ(c->attentionCard()->label()->text(), step.silence->sentence);
            EXPECT_EQ(c->attentionCard()->button()->text(), QStringLiteral("Open Engine"));
        }
    }
    silence = EngineSilence{};
    enginesChanged();
    c->attentionCard()->button()->click();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(opened, QStringList{"engine"});
}

TEST_F(MenuFixture, ShowCountNoteFollowsTheTrayAndTheSwitchSpeaksItsValue)
{
    auto c = content();
    c->show();
    // An XEmbed tray shows no label; a StatusNotifier host with labels does; Plasma's does not.
    for (auto [kind, labels, note] : {std::tuple{TrayKind::xembed, true, true}, std::tuple{TrayKind::statusNotifier, true, false},
                                      std::tuple{TrayKind::statusNotifier, false, true}, std::tuple{TrayKind::none, true, false}}) {
        host.labels = labels;
        host.setKind(kind);
        c->refresh();
        EXPECT_EQ(c->showCountNote()->isVisible(), note) << int(kind) << labels;
    }
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c->showCountSwitch());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::CheckBox);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Show Count in Tray"));
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("Off"));
    a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("On"));
    EXPECT_TRUE(a->state().checked);
    EXPECT_TRUE(prefs.showWordCountInMenuBar());
    // The count and its unit are one element; the dot says nothing of its own.
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(c->countLine());
    EXPECT_EQ(line->childCount(), 0);
    EXPECT_EQ(line->text(QAccessible::Name), QStringLiteral("0 words saved today"));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(c->statusDot())->state().invisible);
}

TEST_F(MenuFixture, PanelPressKeepsItsEaseUnderReduceMotion)
{
    ASSERT_TRUE(reduceMotion.isOn());
    auto c = content();
    c->show();
    QTest::mousePress(c->settingsRow(), Qt::LeftButton, {}, QPoint(20, 10));
    advance(60ms);
    const double midway = c->settingsRow()->pressAmount();
    EXPECT_GT(midway, 0.2);
    EXPECT_LT(midway, 1.0) << "eased over 0.12 s, not at once";
    advance(200ms);
    EXPECT_EQ(c->settingsRow()->pressAmount(), 1.0);
    QTest::mouseRelease(c->settingsRow(), Qt::LeftButton, {}, QPoint(20, 10));
}

TEST_F(MenuFixture, PanelTogglesClosesOnEscapeAndTheClosingClickDoesNotReopen)
{
    StatusItem item(services(), callbacks());
    item.refresh();
    item.toggle(QPoint(200, 10));
    ASSERT_NE(item.panel(), nullptr);
    EXPECT_EQ(item.panel()->windowOpacity(), 1.0) << "reduce motion: shown at once";
    EXPECT_EQ(item.panel()->panelRect().width(), MenuContent::kWidth);
    item.toggle(QPoint(200, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(item.panel(), nullptr);

    item.toggle(QPoint(200, 10));
    EXPECT_EQ(item.panel(), nullptr) << "the click that closed it";
    advance(StatusItem::kReopenGuard);
    item.toggle(QPoint(200, 10));
    ASSERT_NE(item.panel(), nullptr);
    QTest::keyClick(item.panel(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(item.panel(), nullptr);

    // A press anywhere on the desktop: on the panel it stays, elsewhere it closes (not the press
    // that opened it).
    advance(1s);
    item.toggle(QPoint(200, 10));
    ASSERT_NE(item.panel(), nullptr);
    const QRect on = item.panel()->panelRect();
    item.pointerPressed(on.topLeft() + QPoint(300, 300));
    EXPECT_NE(item.panel(), nullptr) << "the opening press";
    advance(500ms);
    item.pointerPressed(on.center());
    EXPECT_NE(item.panel(), nullptr);
    item.pointerPressed(on.bottomRight() + QPoint(40, 40));
    QCoreApplication::processEvents();
    EXPECT_EQ(item.panel(), nullptr);

    advance(1s);
    item.toggle(QPoint(200, 10));
    ASSERT_NE(item.panel(), nullptr);
    prefs.setShowMenuBarIcon(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(item.panel(), nullptr);
    EXPECT_EQ(item.item(), nullptr);
}

TEST_F(MenuFixture, APressInThePanelsOwnMenuKeepsThePanel)
{
    StatusItem item(services(), callbacks());
    item.refresh();
    item.toggle(QPoint(200, 10));
    ASSERT_NE(item.panel(), nullptr);
    advance(2s);
    const QRect on = item.panel()->panelRect();
    auto* menu = new QMenu(item.panel()->findChild<QWidget*>());
    menu->addAction(QStringLiteral("For 15 Minutes"));
    menu->popup(on.bottomLeft() + QPoint(0, 60));
    ASSERT_TRUE(menu->isVisible());
    const QPoint inMenu = menu->geometry().center();
    ASSERT_FALSE(on.contains(inMenu));
    item.pointerPressed(inMenu);
    QCoreApplication::processEvents();
    EXPECT_NE(item.panel(), nullptr) << "a press in its pause menu";
    menu->hide();
    item.pointerPressed(inMenu);
    QCoreApplication::processEvents();
    EXPECT_EQ(item.panel(), nullptr);
}

TEST(MenuPanelFade, EasesOutOverAnEighthOfASecond)
{
    EXPECT_EQ(fadeOpacity(0ms), 0.0);
    EXPECT_GT(fadeOpacity(60ms), 0.5) << "ease-out: most of the way at half time";
    EXPECT_LT(fadeOpacity(60ms), 1.0);
    EXPECT_EQ(fadeOpacity(120ms), 1.0);
}

TEST_F(MenuFixture, HiddenIconPromptButtonsAndReminderSwitch)
{
    int closes = 0;
    HiddenIconPrompt prompt(prefs, desktop, host, motion, [&] { ++closes; });
    EXPECT_FALSE(prompt.dontRemindBox()->isChecked());
    prompt.dontRemindBox()->click();
    EXPECT_FALSE(prefs.remindHiddenIcon());
    prompt.dontRemindBox()->click();
    EXPECT_TRUE(prefs.remindHiddenIcon());
    EXPECT_EQ(prompt.openButton()->text(), QStringLiteral("Open the desktop's settings"));
    prompt.openButton()->click();
    EXPECT_EQ(desktop.opened, std::vector<SettingsPage>{SettingsPage::panel});
    EXPECT_EQ(closes, 1);
    prompt.show();
    QTest::keyClick(&prompt, Qt::Key_Escape);
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(desktop.opened.size(), 1u);
}

TEST_F(MenuFixture, HiddenIconPromptOnGnomeNamesTheAppIndicatorExtension)
{
    int closes = 0;
    host.trayHelp = TrayHelp::enableAppIndicator;
    HiddenIconPrompt withManager(prefs, desktop, host, motion, [&] { ++closes; });
    const auto shown = [](const QWidget& w) {
        QStringList texts;
        for (const QLabel* l : w.findChildren<QLabel*>())
            texts << l->text();
        return texts.join(QLatin1Char('\n'));
    };
    EXPECT_TRUE(shown(withManager).contains(QStringLiteral("AppIndicator extension. It is installed but off")));
    EXPECT_EQ(withManager.openButton()->text(), QStringLiteral("Open Extensions"));
    withManager.show();
    QTest::keyClick(&withManager, Qt::Key_Return);
    EXPECT_EQ(desktop.opened, std::vector<SettingsPage>{SettingsPage::extensions});

    // Without an extension manager there is nothing to open: Return is "Not Now".
    host.trayHelp = TrayHelp::installAppIndicator;
    desktop.missing = {SettingsPage::extensions};
    HiddenIconPrompt without(prefs, desktop, host, motion, [&] { ++closes; });
    EXPECT_TRUE(shown(without).contains(QStringLiteral("Install the gnome-shell-extension-appindicator package")));
    without.show();
    EXPECT_FALSE(without.openButton()->isVisible());
    QTest::keyClick(&without, Qt::Key_Return);
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(desktop.opened.size(), 1u);
}

TEST_F(MenuFixture, StatusNotifierItemCarriesTodaysCountAndOpensThePanel)
{
    StatusItem item(services(), callbacks());
    item.refresh();
    ASSERT_NE(item.item(), nullptr) << "an XEmbed tray: Qt's icon";
    FakeStatusNotifierItem& sni = host.item;
    EXPECT_FALSE(sni.published());

    host.setKind(TrayKind::statusNotifier);
    EXPECT_EQ(item.item(), nullptr) << "one icon: the StatusNotifierItem alone";
    ASSERT_TRUE(sni.published());
    EXPECT_EQ(sni.icon.size(), glyphSizes().size());
    EXPECT_EQ(sni.icon.back().size(), QSize(64, 64));
    EXPECT_EQ(sni.title, QStringLiteral("Tessaquill"));

    stats.recordAccepted(QStringLiteral("one"), QStringLiteral("app:x"), clock.now());
    EXPECT_TRUE(sni.label.isEmpty()) << "the switch is off";
    prefs.setShowWordCountInMenuBar(true);
    EXPECT_EQ(sni.label, QStringLiteral("1"));
    EXPECT_EQ(sni.guide, QStringLiteral("8"));
    EXPECT_EQ(sni.body, QStringLiteral("1 word saved today"));
    prefs.setShowWordCountInMenuBar(false);
    EXPECT_TRUE(sni.label.isEmpty());
    EXPECT_TRUE(sni.body.isEmpty());

    // Any of the host's clicks opens the panel, at its position or else at the pointer.
    emit sni.activated(QPoint(400, 12));
    ASSERT_NE(item.panel(), nullptr);
    emit sni.contextMenuRequested(QPoint());
    QCoreApplication::processEvents();
    EXPECT_EQ(item.panel(), nullptr) << "a second click closes it";

    prefs.setShowMenuBarIcon(false);
    EXPECT_FALSE(sni.published());
    prefs.setShowMenuBarIcon(true);
    EXPECT_TRUE(sni.published());
    host.setKind(TrayKind::xembed);
    EXPECT_FALSE(sni.published());
    EXPECT_NE(item.item(), nullptr);
}

TEST_F(MenuFixture, IconHiddenFollowsTheTrayHost)
{
    StatusItem item(services(), callbacks());
    item.refresh();
    EXPECT_FALSE(item.iconHidden());
    host.setRunning(false);
    EXPECT_TRUE(item.iconHidden());
    host.setRunning(true);
    EXPECT_FALSE(item.iconHidden());
}

} // namespace
} // namespace tq::menu
