// The competing-application prompt over a fake workspace in virtual time.

#include "platform/Clock.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "platform/fakes/FakeWorkspace.h"
#include "settings/Preferences.h"
#include "ui/design/Animation.h"
#include "ui/design/Buttons.h"
#include "ui/onboarding/RivalPromptView.h"
#include "ui/onboarding/TugOfWar.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <memory>

namespace tq::testing {
namespace {

RivalApp app(qint64 id, const char* name)
{
    return {id, QString::fromLatin1(name), {}};
}

TEST(RivalPromptTexts, EveryStateInSingularAndPlural)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QList<RivalApp> one{app(1, "Cotabby")};
    const QList<RivalApp> twoCopies{app(1, "Cotabby"), app(2, "Cotabby")};
    const QList<RivalApp> three{app(1, "A"), app(2, "B"), app(3, "C")};
    struct Row {
        RivalPromptState state;
        QList<RivalApp> shown, open;
        QString headline, primary;
        bool plural;
    };
    const QString abc = QLocale().createSeparatedList({"A", "B", "C"});
    const Row rows[] = {
        {RivalPromptState::waiting, one, one, "Cotabby is also running", "Quit Cotabby", false},
        {RivalPromptState::waiting, twoCopies, twoCopies, "Cotabby is also running", "Quit Cotabby", false},
        {RivalPromptState::waiting, three, three, abc + " are also running", "Quit " + abc, true},
        {RivalPromptState::quitting, one, one, "Cotabby is also running", QString::fromUtf8("Quitting…"), false},
        {RivalPromptState::refused, three, three, abc + " are still open", "Force Quit", true},
        // B and C went by themselves: the texts name only A.
        {RivalPromptState::waiting, three, {app(1, "A")}, "A is also running", "Quit A", false},
        {RivalPromptState::refused, three, {app(1, "A")}, "A is still open", "Force Quit", false},
        {RivalPromptState::resolved, three, {}, "Tessaquill has the Tab key", "Done", true},
        // No name known: the quit button says so in its own words.
        {RivalPromptState::waiting, {}, {}, "The other app is also running", "Quit the other app", false},
        {RivalPromptState::refused, {}, {}, "The other app is still open", "Force Quit", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.headline.toStdString());
        const RivalPromptTexts t = rivalPromptTexts(r.state, r.shown, r.open);
        EXPECT_EQ(t.headline, r.headline);
        EXPECT_EQ(t.primary, r.primary);
        EXPECT_EQ(t.primaryEnabled, r.state != RivalPromptState::quitting);
        EXPECT_EQ(t.toggle.isEmpty(), r.state == RivalPromptState::resolved);
        EXPECT_EQ(t.secondary, r.state != RivalPromptState::resolved);
        EXPECT_FALSE(t.explanation.contains(QLatin1String("macOS")));
        EXPECT_FALSE(t.explanation.contains(QLatin1String(" The other app"))) << t.explanation.toStdString();
        if (r.state != RivalPromptState::resolved)
            EXPECT_EQ(t.explanation.contains(QRegularExpression(QStringLiteral("\\b(?:they|them)\\b"))), r.plural)
                << t.explanation.toStdString();
    }
    // The explanations in their own words, for one app and for several.
    EXPECT_EQ(rivalPromptTexts(RivalPromptState::waiting, one, one).explanation,
              "Both apps answer the Tab key, and the system gives it to Cotabby first. Tessaquill stays paused in your "
              "other apps until Cotabby quits.");
    EXPECT_EQ(rivalPromptTexts(RivalPromptState::waiting, three, three).explanation,
              "These apps answer the Tab key before Tessaquill can, so Tessaquill stays paused in your other apps until "
              "they quit.");
    EXPECT_EQ(rivalPromptTexts(RivalPromptState::refused, one, one).explanation,
              "It may be waiting on a dialog of its own. Force Quit closes it right away.");
    EXPECT_EQ(rivalPromptTexts(RivalPromptState::waiting, three, three).names, abc);
    EXPECT_EQ(rivalPromptTexts(RivalPromptState::resolved, three, {}).explanation,
              abc + " quit, so your suggestions are back in every app.");
    EXPECT_EQ(rivalNames({}), QStringLiteral("The other app"));
    EXPECT_EQ(rivalPromptTexts(RivalPromptState::waiting, three, three).toggle, "Next time, quit " + abc + " without asking");
    EXPECT_EQ(rivalPromptTexts(RivalPromptState::waiting, {}, {}).toggle,
              QStringLiteral("Quit other autocomplete apps when they open"));
}

class RivalPromptTest : public ::testing::Test {
protected:
    RivalPromptTest() : motion(clock, reduceMotion)
    {
        workspace.apps = {{10, "", "Cotabby", {}}};
        watcher.refresh(false);
        watcher.startObserving();
    }
    void open()
    {
        view = std::make_unique<RivalPromptView>(
            RivalPromptServices{watcher, prefs, motion, clock, [this](const QString& t) { announced << t; }},
            [this] { ++closed; });
        view->resize(460, 440);
        view->show();
    }
    void run(Millis ms) { clock.advance(ms); }
    // Keeps a picture of the prompt; drawn twice, the same pixels.
    void shot(const QString& name)
    {
        const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
        QDir().mkpath(dir);
        const QImage a = view->grab().toImage();
        EXPECT_EQ(a, view->grab().toImage()) << name.toStdString();
        a.save(QDir(dir).filePath(name));
    }

    VirtualClock clock;
    FakeReduceMotion reduceMotion{true};
    MotionContext motion;
    FakeDefaults defaults;
    Preferences prefs{defaults};
    FakeWorkspace workspace;
    RivalWatcher watcher{workspace, clock};
    std::unique_ptr<RivalPromptView> view;
    QStringList announced;
    int closed = 0;
};

TEST_F(RivalPromptTest, QuitRefuseForceQuitThenCloseAfterAWhile)
{
    workspace.declines.insert(10);
    open();
    EXPECT_EQ(view->headline()->text(), QStringLiteral("Cotabby is also running"));
    workspace.launch({20, "", "TabType", {}}); // starts after the prompt opened
    EXPECT_EQ(view->headline()->text(), QStringLiteral("Cotabby is also running"));
    EXPECT_EQ(view->primaryButton()->text(), QStringLiteral("Quit Cotabby"));
    shot("rival-1-waiting.png");
    // "Not Now" on the dark design face, not the desktop's light button.
    const QWidget* notNow = view->notNowButton();
    const QPoint face = notNow->mapTo(view.get(), QPoint(HandButton::kRingMargin + 4, notNow->height() / 2));
    EXPECT_LT(view->grab().toImage().pixelColor(face).lightnessF(), 0.35);

    QTest::keyClick(view.get(), Qt::Key_Return);
    EXPECT_EQ(view->state(), RivalPromptState::quitting);
    EXPECT_FALSE(view->primaryButton()->isEnabled());
    QTest::keyClick(view.get(), Qt::Key_Return); // nothing while quitting
    EXPECT_EQ(workspace.terminated, (QList<qint64>{10}));
    shot("rival-2-quitting.png");
    run(Millis(3900));
    EXPECT_EQ(view->state(), RivalPromptState::quitting);
    run(Millis(200));
    EXPECT_EQ(view->state(), RivalPromptState::refused) << "after about 4 s";
    EXPECT_EQ(view->primaryButton()->text(), QStringLiteral("Force Quit"));
    shot("rival-3-refused.png");

    view->primaryButton()->click();
    run(Millis(250));
    EXPECT_EQ(workspace.killed, (QList<qint64>{10})) << "the later one is never named, never ended";
    EXPECT_EQ(workspace.terminated, (QList<qint64>{10}));
    EXPECT_EQ(view->state(), RivalPromptState::resolved);
    EXPECT_EQ(view->headline()->text(), QStringLiteral("Tessaquill has the Tab key"));
    EXPECT_FALSE(view->toggle()->isVisible());
    EXPECT_EQ(announced, (QStringList{"Cotabby quit. Tessaquill has the Tab key."}));
    run(Millis(250)); // the still pictures have cross-faded
    EXPECT_FALSE(view->scene()->isTicking());
    shot("rival-4-resolved.png");

    run(Millis(2850));
    EXPECT_EQ(closed, 0);
    run(Millis(150));
    EXPECT_EQ(closed, 1);
}

TEST_F(RivalPromptTest, QuittingByOtherMeansResolvesAndTheToggleSavesAtOnce)
{
    workspace.launch({11, "", "TabType", {}});
    open();
    EXPECT_EQ(view->shown().size(), 2);
    shot("rival-plural.png");
    view->toggle()->click();
    EXPECT_TRUE(defaults.object(QStringLiteral("quitRivalsAutomatically")).toBool());
    workspace.exit(11);
    EXPECT_EQ(view->headline()->text(), QStringLiteral("Cotabby is also running")) << "only what is still open";
    workspace.exit(10);
    EXPECT_TRUE(view->isResolved());
    view->primaryButton()->click();
    EXPECT_EQ(closed, 1);
}

// A new headline re-flows the prompt: under Reduce Motion the toggle is at its new place at
// once; otherwise it, and then the primary button, glide there on the standard curve.
TEST_F(RivalPromptTest, ANewHeadlineReflowsOnTheStandardCurve)
{
    workspace.declines.insert(10);
    open();
    const int waiting = view->toggle()->y();
    QTest::keyClick(view.get(), Qt::Key_Return);
    run(Millis(4000));
    ASSERT_EQ(view->state(), RivalPromptState::refused); // a shorter explanation
    const int refused = view->toggle()->y();
    EXPECT_LT(refused, waiting);

    reduceMotion.set(false);
    view->primaryButton()->click(); // force-quitting: the longer text again
    run(Millis(40));
    EXPECT_GT(view->toggle()->y(), refused);
    EXPECT_LT(view->toggle()->y(), waiting) << "mid-glide";
    run(Millis(200));
    EXPECT_EQ(view->toggle()->y(), waiting);

    const int wide = view->primaryButton()->x(); // "Quitting…"
    run(Millis(10)); // the rival has gone: "Done" alone
    ASSERT_TRUE(view->isResolved());
    run(Millis(40));
    const int mid = view->primaryButton()->x();
    run(Millis(300));
    EXPECT_GT(mid, wide);
    EXPECT_LT(mid, view->primaryButton()->x()) << "mid-glide";
}

TEST_F(RivalPromptTest, OpenedAfterTheRivalWentClosesAtOnce)
{
    workspace.exit(10);
    open();
    run(Millis(1));
    EXPECT_EQ(closed, 1);
}

TEST(TugOfWar, SamePictureForTheSameMomentAndTheVictoryForgetsTheWobble)
{
    auto render = [](double t, std::optional<double> e) {
        QImage img(460, 180, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::black);
        QPainter p(&img);
        paintTugOfWar(p, img.size(), t, e, QIcon());
        return img;
    };
    EXPECT_EQ(render(1.3, std::nullopt), render(1.3, std::nullopt));
    EXPECT_NE(render(1.3, std::nullopt), render(1.4, std::nullopt));
    // Settled: the picture no longer depends on the moment it resolved.
    EXPECT_EQ(render(0, 2.4), render(1.234, 2.4));
}

} // namespace
} // namespace tq::testing
