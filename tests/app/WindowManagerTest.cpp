#include "AppFixture.h"

#include "settings/Preferences.h"

#include <QLabel>
#include <QLayout>
#include <QSignalSpy>

namespace tq {

TEST_F(AppFixture, WindowsBeforeTheModelStartedStayClosed)
{
    AppModel& m = build();
    WindowManager& w = m.windows();
    w.showOnboarding();
    w.showIntro();
    w.showRivalPrompt();
    w.showHiddenIconPrompt();
    w.showSettings(SettingsPane::keys);
    EXPECT_EQ(w.onboardingWindow(), nullptr);
    EXPECT_EQ(w.introWindow(), nullptr);
    EXPECT_EQ(w.rivalWindow(), nullptr);
    EXPECT_EQ(w.hiddenIconWindow(), nullptr);
    EXPECT_EQ(w.settingsWindow(), nullptr);
    EXPECT_EQ(w.router().pane(), SettingsPane::overview);
}

TEST_F(AppFixture, OnboardingAndSettingsWindowsAreKeptAndShownAgain)
{
    AppModel& m = build();
    m.start();
    WindowManager& w = m.windows();
    w.showOnboarding();
    QWidget* first = w.onboardingWindow();
    w.showOnboarding();
    EXPECT_EQ(w.onboardingWindow(), first);
    first->close();
    EXPECT_FALSE(first->isVisible());
    w.showOnboarding();
    EXPECT_EQ(w.onboardingWindow(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Welcome to Tessaquill"));
    EXPECT_EQ(first->size(), QSize(640, 660));
    EXPECT_EQ(first->minimumSize(), QSize(560, 540));

    w.showSettings(SettingsPane::general);
    QWidget* settings = w.settingsWindow();
    EXPECT_EQ(settings->windowTitle(), QStringLiteral("Tessaquill"));
    EXPECT_EQ(settings->minimumSize(), QSize(760, 500));
    QSignalSpy paneChanges(&w.router(), &SettingsRouter::paneChanged);
    w.showSettings(SettingsPane::insights);
    w.showSettings();
    w.showSettings(SettingsPane::insights);
    EXPECT_EQ(w.settingsWindow(), settings);
    EXPECT_EQ(w.router().pane(), SettingsPane::insights);
    EXPECT_EQ(paneChanges.count(), 1);
}

TEST_F(AppFixture, IntroIsReplacedAndOnlyTheFinishingOneRunsItsAction)
{
    AppModel& m = build();
    m.start();
    WindowManager& w = m.windows();
    std::function<void()> firstClose, secondClose;
    w.setContent(WindowManager::Kind::intro, [&](AppModel&, std::function<void()> close) {
        (firstClose ? secondClose : firstClose) = close;
        return new QLabel;
    });
    int firstDone = 0, secondDone = 0;
    w.showIntro([&] { ++firstDone; });
    QPointer<QWidget> first = w.introWindow();
    w.showIntro([&] { ++secondDone; });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(w.introWindow(), nullptr);
    EXPECT_EQ(w.introWindow()->palette().color(QPalette::Window), QColor(Qt::black));
    firstClose();
    EXPECT_EQ(firstDone, 0);
    secondClose();
    secondClose();
    EXPECT_EQ(secondDone, 1);
    EXPECT_EQ(w.introWindow(), nullptr);
}

TEST_F(AppFixture, OnboardingFinishMarksItDone)
{
    defaults.set(QStringLiteral("onboardingDone"), false);
    AppModel& m = build();
    std::function<void()> finish;
    m.windows().setContent(WindowManager::Kind::onboarding, [&](AppModel&, std::function<void()> close) {
        finish = close;
        return new QLabel;
    });
    m.start();
    ASSERT_TRUE(finish);
    finish();
    EXPECT_TRUE(m.prefs().onboardingDone());
    EXPECT_FALSE(m.windows().onboardingWindow()->isVisible());
}

TEST_F(AppFixture, PromptsAreFixedAndTheRivalPromptFloats)
{
    AppModel& m = build();
    m.start();
    WindowManager& w = m.windows();
    w.showRivalPrompt();
    QWidget* rival = w.rivalWindow();
    EXPECT_EQ(rival->windowTitle(), QStringLiteral("Another autocomplete app is running"));
    EXPECT_TRUE(rival->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(rival->minimumSize(), rival->maximumSize());
    EXPECT_FALSE(rival->windowFlags() & Qt::WindowMinimizeButtonHint);
    w.showHiddenIconPrompt();
    QPointer<QWidget> hidden = w.hiddenIconWindow();
    EXPECT_EQ(hidden->windowTitle(), QStringLiteral("Your tray icon is hidden"));
    EXPECT_EQ(hidden->size(), QSize(440, 400));
    EXPECT_FALSE(hidden->windowFlags() & Qt::WindowStaysOnTopHint);
    w.showHiddenIconPrompt();
    EXPECT_NE(w.hiddenIconWindow(), hidden.data());
}

TEST_F(AppFixture, AFixedPromptGrowsTallerForContentThatNeedsIt)
{
    AppModel& m = build();
    m.start();
    WindowManager& w = m.windows();
    // A long wrapped text, as a longer translation makes, no longer fits 440 × 400.
    w.setContent(WindowManager::Kind::hiddenIcon, [](AppModel&, std::function<void()>) {
        auto* content = new QLabel(QString(QStringLiteral("Ein ziemlich langer Satz. ")).repeated(150));
        content->setWordWrap(true);
        return content;
    });
    w.showHiddenIconPrompt();
    QWidget* hidden = w.hiddenIconWindow();
    EXPECT_EQ(hidden->width(), 440);
    EXPECT_GT(hidden->height(), 400);
    EXPECT_EQ(hidden->minimumSize(), hidden->maximumSize());
    EXPECT_GE(hidden->height(), hidden->layout()->totalHeightForWidth(440));
}

TEST_F(AppFixture, LastCountedWindowClosingIsReportedAndTheHiddenIconPromptIsNotCounted)
{
    AppModel& m = build();
    m.start();
    WindowManager& w = m.windows();
    QSignalSpy last(&w, &WindowManager::lastWindowClosed);
    w.showSettings();
    w.showOnboarding();
    w.showHiddenIconPrompt();
    w.settingsWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(last.count(), 0);
    EXPECT_TRUE(w.hasCountedWindowOpen());
    w.onboardingWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(last.count(), 1);
    EXPECT_TRUE(w.hiddenIconWindow()->isVisible());
}

TEST_F(AppFixture, WaitingWindowPrefersTheOnboarding)
{
    AppModel& m = build();
    m.start();
    WindowManager& w = m.windows();
    w.presentWaitingWindow(); // nothing open: nothing happens
    EXPECT_EQ(w.settingsWindow(), nullptr);
    w.showSettings();
    w.showOnboarding();
    w.presentWaitingWindow();
    EXPECT_TRUE(w.onboardingWindow()->isVisible());
}

TEST_F(AppFixture, SettingsFrameComesBackAtTheNextLaunch)
{
    {
        AppModel& m = build();
        m.start();
        m.windows().showSettings();
        m.windows().settingsWindow()->setGeometry(40, 50, 800, 600);
        m.windows().settingsWindow()->close();
        model.reset();
    }
    EXPECT_TRUE(defaults.contains(QString::fromLatin1(WindowManager::kSettingsFrameKey)));
    AppModel& again = build();
    again.start();
    again.windows().showSettings();
    EXPECT_EQ(again.windows().settingsWindow()->size(), QSize(800, 600));
}

} // namespace tq
