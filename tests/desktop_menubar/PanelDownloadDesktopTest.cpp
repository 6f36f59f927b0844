// The tray panel on screen over in-memory services while the model downloads: the status line
// says it in a few words that fit in every language, the attention card says all of it, and
// the access card's button keeps every word of its title in Russian.

#include "services/Permissions.h"
#include "input/RivalWatcher.h"
#include "platform/Text.h"
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
#include "ui/design/Theme.h"
#include "platform/OverlayWindow.h"
#include "support/Wait.h"
#include "ui/menubar/MenuContent.h"
#include "ui/menubar/MenuPanel.h"
#include "ui/menubar/PanelControls.h"

#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTranslator>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tq::menu {
namespace {

using Why = EngineSilence::Why;

class PanelDownload : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        access.trusted = true;
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&translator);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    bool speak(const QString& language)
    {
        QCoreApplication::removeTranslator(&translator);
        if (!translator.load(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill_") + language + QStringLiteral(".qm")))
            return false;
        QCoreApplication::installTranslator(&translator);
        QLocale::setDefault(QLocale(language));
        return true;
    }
    // The hub's sentence for each step of the download, in the language spoken now.
    static EngineSilence silence(Why why)
    {
        switch (why) {
        case Why::downloading: return {why, text("Downloading. Suggestions start once it's done.")};
        case Why::checking: return {why, text("Checking the download. Suggestions start once it's done.")};
        case Why::notDownloaded: break;
        }
        return {why, text("Download the model to start")};
    }
    // `own`: shown as a window of its own, themed; else the tray panel themes it.
    std::unique_ptr<MenuContent> panel(Permissions& permissions, bool own = true)
    {
        MenuCallbacks cb;
        cb.engineSilent = [this] { return shown; };
        cb.watchEngines = [this](QObject*, std::function<void()> changed) { enginesChanged = std::move(changed); };
        auto content = std::make_unique<MenuContent>(
            MenuServices{prefs, rules, stats, permissions, rivals, clock, host, desktop, motion}, std::move(cb));
        if (own)
            applyInkTheme(content.get());
        content->refresh();
        return content;
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
    RivalWatcher rivals{workspace, clock};
    FakeTrayHost host;
    FakeReduceMotion reduceMotion{true};
    MotionContext motion{clock, reduceMotion};
    std::optional<EngineSilence> shown;
    std::function<void()> enginesChanged;
};

// Every language's short status fits the one line beside the dot, uncut.
TEST_F(PanelDownload, ShortStatusFitsInEveryLanguage)
{
    Permissions permissions(access, capture, desktop, login, clock);
    const QStringList files = QDir(QStringLiteral(TQ_BINARY_DIR "/app")).entryList({QStringLiteral("tessaquill_*.qm")});
    ASSERT_GE(files.size(), 40);
    for (const QString& file : files) {
        const QString language = file.mid(11).chopped(3);
        ASSERT_TRUE(speak(language)) << file.toStdString();
        auto content = panel(permissions);
        content->show();
        for (Why why : {Why::downloading, Why::checking, Why::notDownloaded}) {
            shown = silence(why);
            enginesChanged();
            auto* status = static_cast<ElidedLabel*>(content->statusLabel());
            EXPECT_EQ(status->text(), status->fullText()) << language.toStdString() << " cuts its status";
            EXPECT_EQ(content->attentionCard()->label()->text(), shown->sentence) << language.toStdString();
        }
    }
}

TEST_F(PanelDownload, DownloadInGermanAndRussian)
{
    Permissions permissions(access, capture, desktop, login, clock);
    for (const char* language : {"de", "ru"}) {
        ASSERT_TRUE(speak(QLatin1String(language)));
        shown = silence(Why::downloading);
        auto content = panel(permissions);
        content->move(200, 100);
        content->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(content.get()));
        QTest::qWait(200);
        desktoptest::screenshot(QStringLiteral("menubar-panel-%1-downloading.png").arg(QLatin1String(language)));
        EXPECT_EQ(content->attentionCard()->label()->text(), shown->sentence);
        EXPECT_EQ(content->attentionCard()->button()->shownLines().join(QLatin1Char(' ')), text("Open Engine"));

        // The download ends while the panel is open: checking, then ready.
        shown = silence(Why::checking);
        enginesChanged();
        EXPECT_EQ(content->statusLabel()->text(), text("Checking the download"));
        shown.reset();
        enginesChanged();
        EXPECT_EQ(content->statusLabel()->text(), text("Ready"));
        EXPECT_TRUE(content->attentionCard()->isHidden());
    }
}

// With a compositing manager the panel itself, translucent corners and shadow, in Russian.
TEST_F(PanelDownload, DownloadPanelWithACompositingManager)
{
    if (QStandardPaths::findExecutable("xcompmgr").isEmpty())
        GTEST_SKIP() << "xcompmgr is not installed";
    QProcess compositor;
    compositor.start("xcompmgr", {});
    ASSERT_TRUE(compositor.waitForStarted(5000));
    ASSERT_TRUE(testwait::waitFor([] { return overlay::compositing(); }, 5000));
    ASSERT_TRUE(speak(QStringLiteral("ru")));
    Permissions permissions(access, capture, desktop, login, clock);
    shown = silence(Why::downloading);
    auto* panel = new MenuPanel(this->panel(permissions, false).release(), clock);
    panel->open(QPoint(600, 100), true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel));
    QTest::qWait(200);
    desktoptest::screenshot(QStringLiteral("menubar-panel-ru-downloading-composited.png"));
    EXPECT_EQ(panel->width(), MenuContent::kWidth + 2 * MenuPanel::kShadowMargin);
    panel->close();
    compositor.kill();
    compositor.waitForFinished(3000);
}

// The access card's long Russian title keeps every word over its lines.
TEST_F(PanelDownload, RussianAccessButtonKeepsEveryWord)
{
    ASSERT_TRUE(speak(QStringLiteral("ru")));
    access.trusted = false;
    Permissions permissions(access, capture, desktop, login, clock);
    auto content = panel(permissions);
    content->move(200, 100);
    content->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(content.get()));
    QTest::qWait(200);
    desktoptest::screenshot(QStringLiteral("menubar-panel-ru-access-whole.png"));
    PrimaryButton* button = content->attentionCard()->button();
    const auto bare = [](QString s) { return s.remove(QLatin1Char(' ')); };
    EXPECT_EQ(bare(button->shownLines().join(QString())), bare(button->text()));
    EXPECT_GE(button->height(), button->heightForWidth(button->width())) << "tall enough for every line";
    const QRect inCard(button->mapTo(content->attentionCard(), QPoint(0, 0)), button->size());
    EXPECT_TRUE(content->attentionCard()->rect().contains(inCard));
}

} // namespace
} // namespace tq::menu
