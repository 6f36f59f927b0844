#include "AppFixture.h"

#include "input/RivalWatcher.h"
#include "platform/fakes/FakeTrayHost.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"
#include "settings/Preferences.h"
#include "support/LookCheck.h"
#include "ui/menubar/MenuPanel.h"
#include "ui/menubar/StatusItem.h"
#include "ui/onboarding/OnboardingFlow.h"
#include "ui/onboarding/OnboardingView.h"

#include <QApplication>
#include <QLabel>

namespace tq {

namespace {

// Every window of the program on a light desktop palette: each keeps the type ladder and the
// ink theme.
class LookFixture : public AppFixture {
protected:
    LookFixture() : saved_(QApplication::palette())
    {
        QPalette light = saved_;
        light.setColor(QPalette::Window, QColor(239, 239, 239));
        light.setColor(QPalette::Base, Qt::white);
        light.setColor(QPalette::Button, QColor(240, 240, 240));
        light.setColor(QPalette::WindowText, Qt::black);
        light.setColor(QPalette::Text, Qt::black);
        light.setColor(QPalette::ButtonText, Qt::black);
        QApplication::setPalette(light);
    }
    ~LookFixture() override { QApplication::setPalette(saved_); }
    void TearDown() override
    {
        // The hidden-icon prompt animates over the delegate's motion context: it goes first.
        if (model)
            delete model->windows().hiddenIconWindow();
        delegate_.reset();
    }

    // The model started with the windows' contents and the tray installed.
    AppModel& started()
    {
        AppModel& m = build();
        m.prefs().setIntroSeen(true);
        delegate_ = std::make_unique<AppDelegate>(m, instance_, sessionEnd_, trayHost_, desktopSettings, clock, [](int) {});
        m.start();
        return m;
    }
    static std::string faults(QWidget* window)
    {
        EXPECT_NE(window, nullptr);
        if (!window)
            return {};
        QCoreApplication::processEvents();
        return testing::lookFaults(window).join(QLatin1Char('\n')).toStdString();
    }

    QPalette saved_;
    FakeSingleInstance instance_;
    FakeSessionEnd sessionEnd_;
    FakeTrayHost trayHost_;
    std::unique_ptr<AppDelegate> delegate_;
};

} // namespace

TEST_F(LookFixture, OnboardingStepsIntroAndPrompts)
{
    AppModel& m = started();
    WindowManager& w = m.windows();

    w.showOnboarding();
    auto* view = w.onboardingWindow()->findChild<OnboardingView*>();
    ASSERT_NE(view, nullptr);
    for (OnboardingStep step : {OnboardingStep::welcome, OnboardingStep::access, OnboardingStep::engine,
                                OnboardingStep::practice}) {
        view->flow().goTo(step);
        EXPECT_EQ(faults(w.onboardingWindow()), "") << "step " << int(step);
    }

    w.showIntro();
    EXPECT_EQ(faults(w.introWindow()), "");
    w.showHiddenIconPrompt();
    EXPECT_EQ(faults(w.hiddenIconWindow()), "");

    workspace.launch(WorkspaceApp{700, QStringLiteral("com.example.tabtype"), QStringLiteral("TabType"), QIcon()});
    QCoreApplication::processEvents();
    m.rivals().refresh(true);
    ASSERT_NE(w.rivalWindow(), nullptr);
    EXPECT_EQ(faults(w.rivalWindow()), "");
}

TEST_F(LookFixture, TrayPanel)
{
    started();
    menu::StatusItem* tray = delegate_->tray();
    tray->toggle(QPoint(200, 10));
    ASSERT_NE(tray->panel(), nullptr);
    EXPECT_EQ(faults(tray->panel()), "");
    EXPECT_EQ(faults(tray->contextMenu()), "");
}

// The check itself: a light field, a font in points and a sheet without selectors are found.
TEST(LookCheck, FindsTheDesktopLookInAWindow)
{
    QWidget window;
    QPalette light = window.palette();
    light.setColor(QPalette::Window, QColor(239, 239, 239));
    window.setPalette(light);
    auto* label = new QLabel(QStringLiteral("Hello"), &window);
    auto* badge = new QWidget(&window);
    badge->setStyleSheet(QStringLiteral("background: rgba(232,176,74,31); border-radius: 9px;"));
    QFont points = label->font();
    points.setPointSizeF(10);
    label->setFont(points);
    window.show();
    const QString found = testing::lookFaults(&window).join(QLatin1Char('\n'));
    EXPECT_TRUE(found.contains(QStringLiteral("QLabel \"Hello\": font 10 pt"))) << found.toStdString();
    EXPECT_TRUE(found.contains(QStringLiteral("light window colour"))) << found.toStdString();
    EXPECT_TRUE(found.contains(QStringLiteral("without a selector"))) << found.toStdString();
}

} // namespace tq
