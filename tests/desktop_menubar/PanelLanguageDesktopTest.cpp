// The tray panel on screen in German, Russian and Portuguese over in-memory services: on a tray without labels the
// show-count switch carries its note, and the attention card's button keeps long titles
// inside the card, whole or short of their middle, never cut at both sides.

#include "services/Permissions.h"
#include "input/RivalWatcher.h"
#include "platform/fakes/FakeAccessibilityAccess.h"
#include "platform/fakes/FakeDesktopSettings.h"
#include "platform/fakes/FakeLoginItem.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "platform/fakes/FakeScreenCaptureAccess.h"
#include "platform/fakes/FakeTrayHost.h"
#include "platform/fakes/FakeWorkspace.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "platform/fakes/FakeDefaults.h"
#include "stores/StatsStore.h"
#include "support/Desktop.h"
#include "ui/design/Animation.h"
#include "ui/design/Buttons.h"
#include "ui/design/HandToggle.h"
#include "ui/design/Theme.h"
#include "ui/menubar/MenuContent.h"
#include "ui/menubar/PanelControls.h"

#include <QLocale>
#include <QTranslator>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tq::menu {
namespace {

struct Case {
    const char* name;
    const char* language;
    bool trusted;    // false: the access card
    bool refused;    // the rivals declined to quit: "Force Quit A and B"
    const char* shot;
};

class PanelInLanguage : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        const QString language = QLatin1String(GetParam().language);
        ASSERT_TRUE(translator.load(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill_") + language + QStringLiteral(".qm")));
        QCoreApplication::installTranslator(&translator);
        QLocale::setDefault(QLocale(language));
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&translator);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    QTranslator translator;
    VirtualClock clock;
    FakeDefaults defaults;
    Preferences prefs{defaults};
    AppRules rules{std::nullopt, clock};
    StatsStore stats{QString(), clock};
    FakeAccessibilityAccess access;
    FakeScreenCaptureAccess capture;
    FakeDesktopSettings desktop;
    FakeLoginItem login;
    FakeWorkspace workspace;
    FakeTrayHost host; // XEmbed: no labels
    FakeReduceMotion reduceMotion{true};
    MotionContext motion{clock, reduceMotion};
};

TEST_P(PanelInLanguage, LongButtonTitlesStayInsideTheCard)
{
    const Case c = GetParam();
    access.trusted = c.trusted;
    Permissions permissions(access, capture, desktop, login, clock);
    workspace.apps = {{11, "app.quarmel.writer", "Quarmel Schreibassistent Professionell", {}},
                      {12, "app.quarmel.inline", "Quarmel Inline-Vorschläge Hilfsprogramm", {}}};
    workspace.declines = {11, 12};
    RivalWatcher rivals(workspace, clock);
    rivals.refresh(false);
    if (c.refused) {
        rivals.quitRivals(false);
        for (int i = 0; i < 100 && rivals.quitState() != RivalWatcher::QuitState::refused; ++i) {
            clock.advance(Millis(100));
            QCoreApplication::processEvents();
        }
        ASSERT_EQ(rivals.quitState(), RivalWatcher::QuitState::refused);
    }
    MenuContent content({prefs, rules, stats, permissions, rivals, clock, host, desktop, motion}, {});
    applyInkTheme(&content);
    content.refresh();
    content.move(200, 100);
    content.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&content));
    QTest::qWait(200);
    desktoptest::screenshot(QLatin1String(c.shot));

    PrimaryButton* button = content.attentionCard()->button();
    ASSERT_TRUE(button->isVisible());
    const QString title = button->text();
    const QString shown = button->shownLines().join(QLatin1Char(' '));
    // Whole, or short of its middle: the start and the end (where German puts the verb) both show.
    // Lines may break after a hyphen: compared without spaces.
    const auto bare = [](QString s) { return s.remove(QLatin1Char(' ')); };
    const qsizetype cut = shown.indexOf(QStringLiteral(" … "));
    const QStringList halves = cut < 0 ? QStringList{shown} : QStringList{shown.left(cut), shown.mid(cut + 3)};
    EXPECT_TRUE(bare(shown) == bare(title) ||
                (halves.size() == 2 && bare(title).startsWith(bare(halves[0])) && bare(title).endsWith(bare(halves[1]))))
        << shown.toStdString();
    const QRect inCard(button->mapTo(content.attentionCard(), QPoint(0, 0)), button->size());
    EXPECT_TRUE(content.attentionCard()->rect().contains(inCard)) << "inside the card";

    // The tray shows no label: the switch is the small one and its note is shown.
    EXPECT_TRUE(content.showCountNote()->isVisible());
    EXPECT_LT(content.showCountSwitch()->switchRect().width(), HandToggle::kWidth);
    EXPECT_NE(content.showCountNote()->text(),
              QStringLiteral("This tray can't show text beside icons, so the count shows in the icon's tooltip."))
        << "translated";
}

INSTANTIATE_TEST_SUITE_P(Cards, PanelInLanguage,
                         ::testing::Values(Case{"access", "de", false, false, "menubar-panel-de-access.png"},
                                           Case{"quit", "de", true, false, "menubar-panel-de-quit.png"},
                                           Case{"forceQuit", "de", true, true, "menubar-panel-de-labelless.png"},
                                           Case{"accessRussian", "ru", false, false, "menubar-panel-ru-access.png"},
                                           Case{"forceQuitRussian", "ru", true, true, "menubar-panel-ru-labelless.png"},
                                           Case{"quitPortuguese", "pt-BR", true, false, "menubar-panel-pt-BR-quit.png"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tq::menu
