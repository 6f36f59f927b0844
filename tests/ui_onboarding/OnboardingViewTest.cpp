// The onboarding window's content and the model download card, off screen, over fakes.

#include "completion/EngineFixture.h"

#include "services/Permissions.h"
#include "engines/BuiltInProvider.h"
#include "engines/ProviderHub.h"
#include "platform/fakes/FakeAccessibilityAccess.h"
#include "platform/fakes/FakeDesktopSettings.h"
#include "platform/fakes/FakeDiskSpace.h"
#include "platform/fakes/FakeKeychain.h"
#include "platform/fakes/FakeLoginItem.h"
#include "platform/fakes/FakeOnDeviceModel.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "platform/fakes/FakeScreenCaptureAccess.h"
#include "platform/fakes/FakeTrayHost.h"
#include "ui/design/Animation.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Theme.h"
#include "ui/onboarding/GhostDemo.h"
#include "ui/download/ModelDownloadView.h"
#include "ui/onboarding/OnboardingSteps.h"
#include "ui/onboarding/OnboardingView.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include "ui/design/Backdrop.h"

#include <QAccessible>
#include <QProgressBar>
#include <QPushButton>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>

namespace tq::testing {
namespace {

// A transfer the test drives.
struct HeldTransfer final : ModelTransfer {
    ModelTransfer::Progress progress;
    ModelTransfer::Finished finished;
    bool started = false;
    void start() override { started = true; }
    void cancel(ResumeDataHandler handler) override
    {
        finished({Result::Kind::cancelled, {}, std::nullopt, {}});
        handler(std::nullopt);
    }
};

class OnboardingViewTest : public EngineFixture {
protected:
    OnboardingViewTest()
        : permissions(access, capture, desktop, login, clock)
        , motion(clock, reduceMotion)
    {
        spec = ModelSpec::builtIn();
        spec.bytes = 4;
        spec.sha256 = QString(64, u'a');
        store = std::make_unique<ModelStore>(
            spec, models.path(), disk,
            [this](const QUrl&, const QString&, std::optional<QByteArray>, ModelTransfer::Progress p,
                   ModelTransfer::Finished f) -> std::unique_ptr<ModelTransfer> {
                auto t = std::make_unique<HeldTransfer>();
                t->progress = std::move(p);
                t->finished = std::move(f);
                transfer = t.get();
                return t;
            });
        hub = std::make_unique<ProviderHub>(prefs, *store, keychain, onDevice, clock,
                                            [this](ModelStore& s, AppleIntelligenceProvider& standIn) {
                                                auto p = std::make_unique<BuiltInProvider>(s, &standIn, nullptr, clock);
                                                builtIn = p.get();
                                                return ProviderHub::BuiltIn{std::move(p), {}};
                                            });
        engine->setSource(nullptr);
    }
    ~OnboardingViewTest() override { window.reset(); }

    OnboardingServices services()
    {
        return OnboardingServices{prefs, permissions, *hub, *store, *engine, motion, clock,
                                  [this](FieldSource* f, bool focused) {
                                      if (focused) {
                                          engine->setSource(f);
                                          engine->sourceChanged();
                                      } else if (engine->source() == f) {
                                          engine->setSource(nullptr);
                                          engine->sourceChanged();
                                      }
                                  },
                                  {}, {}};
    }

    OnboardingView& open()
    {
        window = std::make_unique<QWidget>();
        window->resize(640, 660);
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        view = new OnboardingView(services(), [this] { ++finished; }, window.get());
        layout->addWidget(view);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        settle();
        return *view;
    }
    void key(int k, Qt::KeyboardModifiers m = {})
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, Qt::Key(k), m);
        settle();
    }
    QString title() const
    {
        auto* t = view->stepPage()->findChild<QLabel*>(QStringLiteral("stepTitle"));
        return t ? t->text() : QString();
    }
    void grant(bool on)
    {
        access.setTrusted(on);
        permissions.refresh();
        settle();
    }

    FakeAccessibilityAccess access;
    FakeScreenCaptureAccess capture;
    FakeDesktopSettings desktop;
    FakeLoginItem login;
    Permissions permissions;
    FakeReduceMotion reduceMotion;
    MotionContext motion;
    QTemporaryDir models;
    FakeDiskSpace disk;
    ModelSpec spec;
    HeldTransfer* transfer = nullptr;
    std::unique_ptr<ModelStore> store;
    FakeOnDeviceModel onDevice;
    Keychain keychain{keychainStore};
    BuiltInProvider* builtIn = nullptr;
    std::unique_ptr<ProviderHub> hub;
    int finished = 0;
    std::unique_ptr<QWidget> window;
    OnboardingView* view = nullptr;
};

TEST_F(OnboardingViewTest, WalkedByKeyboardWithTheFieldKeepingReturnAndEscape)
{
    open();
    EXPECT_EQ(title(), QStringLiteral("Finish your sentences in any app."));
    EXPECT_FALSE(view->backButton()->isVisible());
    key(Qt::Key_Escape); // no Back on the first step
    EXPECT_EQ(view->flow().step(), OnboardingStep::welcome);

    key(Qt::Key_Return);
    EXPECT_EQ(title(), QStringLiteral("Let Tessaquill see what you type."));
    EXPECT_EQ(view->primaryButton()->text(), QStringLiteral("Later"));
    key(Qt::Key_Escape);
    EXPECT_EQ(view->flow().step(), OnboardingStep::welcome);
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    EXPECT_EQ(title(), QStringLiteral("Pick what writes your suggestions."));
    key(Qt::Key_Return);
    EXPECT_EQ(title(), QStringLiteral("Give it a try."));
    EXPECT_EQ(view->primaryButton()->text(), QStringLiteral("Start Writing"));

    // In the practice field Return is a new line and Escape stays there.
    auto* field = view->stepPage()->findChild<PlaygroundField*>();
    ASSERT_TRUE(field);
    EXPECT_EQ(field->placeholderText(), QStringLiteral("Hi Orlenn, thanks for the quick reply. I think we should"));
    field->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(engine->source(), field);
    QTest::keyClicks(field, QStringLiteral("Hi"));
    key(Qt::Key_Return);
    key(Qt::Key_Escape);
    EXPECT_EQ(field->toPlainText(), QStringLiteral("Hi\n"));
    EXPECT_EQ(view->flow().step(), OnboardingStep::practice);
    EXPECT_EQ(finished, 0);

    // "Start Writing" ends after the burst; coming back shows a new, empty field.
    QTest::mouseClick(view->primaryButton(), Qt::LeftButton);
    advance(849);
    EXPECT_EQ(finished, 0);
    advance(1);
    EXPECT_EQ(finished, 1);
    const QString firstKey = field->fieldKey();
    view->backButton()->click();
    EXPECT_EQ(engine->source(), nullptr); // the field went with its page
    view->primaryButton()->click();
    settle();
    auto* again = view->stepPage()->findChild<PlaygroundField*>();
    ASSERT_TRUE(again);
    EXPECT_NE(again->fieldKey(), firstKey);
    EXPECT_TRUE(again->toPlainText().isEmpty());
}

TEST_F(OnboardingViewTest, AccessGrantedOnTheStepCelebratesOnceAndLaterBecomesContinue)
{
    open();
    view->flow().goTo(OnboardingStep::access);
    settle();
    auto* step = qobject_cast<AccessStep*>(view->stepPage());
    ASSERT_TRUE(step);
    EXPECT_EQ(step->startedOff(), true);
    EXPECT_FALSE(step->grantedPanel());
    EXPECT_TRUE(step->openSettingsButton()->isVisible());
    EXPECT_FALSE(step->stuckHint()->isVisible());

    QTest::mouseClick(step->openSettingsButton(), Qt::LeftButton);
    EXPECT_EQ(access.requests, 1);

    grant(true);
    EXPECT_EQ(view->primaryButton()->text(), QStringLiteral("Continue"));
    ASSERT_TRUE(step->grantedPanel());
    EXPECT_TRUE(step->grantedPanel()->celebrates());
    EXPECT_TRUE(step->grantedPanel()->isEntering());
    if (const QString dir = qEnvironmentVariable("TQ_ARTIFACTS"); !dir.isEmpty()) {
        advance(100); // the panel growing in, the seal's ring bursting
        window->grab().save(dir + QStringLiteral("/onboarding-access-granted-0.1s.png"));
        advance(150);
        window->grab().save(dir + QStringLiteral("/onboarding-access-granted-0.25s.png"));
    }
    settle();
    EXPECT_TRUE(permissions.celebrated().contains(QStringLiteral("onboarding")));

    // Revoked and granted again while the step is shown: the seal does not play twice.
    grant(false);
    EXPECT_FALSE(step->grantedPanel());
    EXPECT_EQ(view->primaryButton()->text(), QStringLiteral("Later"));
    grant(true);
    ASSERT_TRUE(step->grantedPanel());
    EXPECT_FALSE(step->grantedPanel()->celebrates());

    // Nor when the step is shown anew.
    view->flow().back();
    view->flow().advance();
    settle();
    auto* fresh = qobject_cast<AccessStep*>(view->stepPage());
    ASSERT_TRUE(fresh && fresh->grantedPanel());
    EXPECT_EQ(fresh->startedOff(), false);
    EXPECT_FALSE(fresh->grantedPanel()->celebrates());
    EXPECT_FALSE(fresh->grantedPanel()->isEntering());
}

TEST_F(OnboardingViewTest, EngineStepChoosesAndShowsTheDownloadCardForTheBuiltInModel)
{
    open();
    view->flow().goTo(OnboardingStep::engine);
    settle();
    auto* step = qobject_cast<EngineStep*>(view->stepPage());
    ASSERT_TRUE(step);
    // The new page fades in and settles.
    EXPECT_TRUE(step->parentWidget()->graphicsEffect());
    if (const QString dir = qEnvironmentVariable("TQ_ARTIFACTS"); !dir.isEmpty()) {
        advance(90);
        window->grab().save(dir + QStringLiteral("/onboarding-step-change-0.09s.png"));
    }
    advance(300);
    EXPECT_FALSE(step->parentWidget()->graphicsEffect());
    EXPECT_TRUE(step->card(EngineKind::builtIn)->isChecked());
    EXPECT_FALSE(step->card(EngineKind::apple)->isChecked());
    EXPECT_TRUE(step->downloadCard()->isVisible());

    QTest::mouseClick(step->card(EngineKind::apple), Qt::LeftButton);
    EXPECT_EQ(prefs.engine(), EngineKind::apple);
    EXPECT_TRUE(step->card(EngineKind::apple)->isChecked());
    EXPECT_FALSE(step->downloadCard()->isVisible());

    // A server engine chosen elsewhere: no card chosen, no download card.
    prefs.setEngine(EngineKind::ollama);
    EXPECT_FALSE(step->card(EngineKind::builtIn)->isChecked());
    EXPECT_FALSE(step->card(EngineKind::apple)->isChecked());
    EXPECT_FALSE(step->downloadCard()->isVisible());

    // The engines were asked in turn: the on-device one has its answer.
    QTRY_VERIFY(hub->status(EngineKind::apple) != ProviderStatus::unknown()
                && hub->status(EngineKind::apple) != ProviderStatus::checking());
    EXPECT_EQ(step->card(EngineKind::apple)->statusLine()->status(), statusView(hub->status(EngineKind::apple)));
}

TEST_F(OnboardingViewTest, EnginesAreAskedOneAfterTheOther)
{
    open();
    view->flow().goTo(OnboardingStep::engine);
    // The first is being asked; the next waits for its answer.
    EXPECT_EQ(hub->status(EngineKind::builtIn), ProviderStatus::checking());
    EXPECT_EQ(hub->status(EngineKind::apple), ProviderStatus::unknown());
    QTRY_VERIFY(hub->status(EngineKind::apple) != ProviderStatus::unknown());
    EXPECT_NE(hub->status(EngineKind::builtIn), ProviderStatus::checking());
}

TEST_F(OnboardingViewTest, GhostDemoMovesOnlyWhileShownAndStandsStillUnderReduceMotion)
{
    open();
    auto* demo = view->stepPage()->findChild<GhostDemo*>();
    ASSERT_TRUE(demo);
    EXPECT_TRUE(demo->isAnimating());
    EXPECT_EQ(demo->accessibleName(), QStringLiteral("Example: after typing Thanks for the notes. I'll send the revised "
                                                     "deck, Tessaquill suggests  by Friday morning."));
    advance(4500);
    EXPECT_EQ(demo->state().typedCount, demo->script().typedLength());
    demo->hide();
    EXPECT_FALSE(demo->isAnimating());
    demo->show();
    EXPECT_TRUE(demo->isAnimating());
    EXPECT_EQ(demo->state().typedCount, 0); // a card that comes back starts its scene again

    reduceMotion.set(true);
    EXPECT_FALSE(demo->isAnimating());
    EXPECT_EQ(demo->state(), demo->script().still());
    // Moving on removes the card and its animation; under Reduce Motion the page is there at once.
    view->flow().advance();
    settle();
    EXPECT_FALSE(view->stepPage()->findChild<GhostDemo*>());
    EXPECT_FALSE(view->stepPage()->parentWidget()->graphicsEffect());
}

// The text is shaped as a run: left to right the typed words stand left of the gold caret and
// the suggestion right of it; right to left (Arabic) the other way round.
TEST_F(OnboardingViewTest, GhostDemoRunsRightToLeftWithItsCaretAtTheLogicalEnd)
{
    reduceMotion.set(true); // the still picture: whole sentence, whole suggestion, caret after the typed text
    struct Case {
        QString typed, ghost;
        bool typedOnTheRight;
    };
    for (const Case& c : {Case{QStringLiteral("Thanks for the notes"), QStringLiteral(" by Friday"), false},
                          Case{QStringLiteral("شكرا على الملاحظات"), QStringLiteral(" بحلول صباح الجمعة"), true}}) {
        GhostDemo demo(c.typed, c.ghost, motion);
        demo.resize(440, demo.heightForWidth(440));
        const QImage img = demo.grab().toImage();
        // The caret: the column of gold pixels in the text's line.
        int caret = -1;
        for (int x = 0; x < img.width() && caret < 0; ++x)
            for (int y = 18; y < 40; ++y) {
                const QColor px = img.pixelColor(x, y);
                if (px.red() > 200 && px.green() > 140 && px.green() < 200 && px.blue() < 120) {
                    caret = x;
                    break;
                }
            }
        ASSERT_GE(caret, 0) << c.typed.toStdString();
        // Bright (typed) ink on either side, and dim (ghost) ink on either side.
        const auto ink = [&](bool right, int minLight, int maxLight) {
            int n = 0;
            for (int y = 16; y < 40; ++y)
                for (int x = right ? caret + 4 : 16; x < (right ? img.width() - 16 : caret - 2); ++x) {
                    const int l = img.pixelColor(x, y).lightness();
                    n += l >= minLight && l <= maxLight;
                }
            return n;
        };
        EXPECT_GT(ink(c.typedOnTheRight, 200, 255), 20) << "typed text beside the caret: " << c.typed.toStdString();
        EXPECT_EQ(ink(!c.typedOnTheRight, 200, 255), 0) << "no typed text past the caret: " << c.typed.toStdString();
        EXPECT_GT(ink(!c.typedOnTheRight, 60, 140), 20) << "the suggestion past the caret: " << c.typed.toStdString();
        // Frames of the scene for the artifacts folder: blooming, and a word being taken.
        const QString dir = qEnvironmentVariable("TQ_ARTIFACTS");
        if (!dir.isEmpty()) {
            reduceMotion.set(false);
            for (double at : {4.6, 6.0, 6.15}) {
                demo.setFixedMoment(at);
                demo.grab().save(QStringLiteral("%1/ghost-demo-%2-%3s.png").arg(dir, c.typedOnTheRight ? "ar" : "en").arg(at));
            }
            reduceMotion.set(true);
        }
    }
}

TEST_F(OnboardingViewTest, DownloadCardFollowsEveryPhase)
{
    ModelDownloadView card(*store, *hub, motion, false);
    const auto button = [&] { return card.actionButton() ? card.actionButton()->text() : QString(); };
    EXPECT_EQ(button(), QStringLiteral("Download"));
    EXPECT_FALSE(card.statusLabel()->isVisibleTo(&card));

    card.actionButton()->click();
    ASSERT_TRUE(transfer && transfer->started);
    transfer->progress(3'000'000'000, 4'967'478'336);
    settle();
    EXPECT_EQ(button(), QStringLiteral("Cancel"));
    EXPECT_TRUE(card.progressBar()->isVisibleTo(&card));
    EXPECT_NEAR(card.progressBar()->value(), 0.604, 0.001); // no int overflow
    // Screen readers hear the sizes as the value.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(card.progressBar());
    EXPECT_EQ(bar->text(QAccessible::Name), QStringLiteral("Model download"));
    EXPECT_EQ(bar->text(QAccessible::Value), card.card().progressValue);
    EXPECT_TRUE(bar->text(QAccessible::Value).contains(QStringLiteral(" of ")));
    EXPECT_TRUE(card.statusLabel()->text().endsWith(QStringLiteral("You can keep writing while it downloads.")));

    card.actionButton()->click();
    settle();
    EXPECT_EQ(store->phase(), ModelStore::Phase::missing());
    EXPECT_EQ(button(), QStringLiteral("Download"));

    card.actionButton()->click();
    transfer->finished({ModelTransfer::Result::Kind::interrupted, {}, std::nullopt,
                        QStringLiteral("The download stopped. Check your connection, then try again.")});
    settle();
    EXPECT_EQ(button(), QStringLiteral("Try Again"));
    EXPECT_EQ(card.card().statusText, QStringLiteral("The download stopped. Check your connection, then try again."));
}

TEST_F(OnboardingViewTest, RemovingTheModelCancelsTheIdleUnloadAndRechecks)
{
    QDir().mkpath(models.path());
    QFile model(store->modelPath());
    ASSERT_TRUE(model.open(QIODevice::WriteOnly));
    model.write("GGUF");
    model.close();
    QFile marker(store->markerPath());
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write(spec.sha256.toUtf8());
    marker.close();
    store->check();
    settle();
    ASSERT_EQ(store->phase(), ModelStore::Phase::ready());

    ModelDownloadView standalone(*store, *hub, motion, true);
    EXPECT_EQ(standalone.actionButton(), nullptr);

    ModelDownloadView card(*store, *hub, motion, false);
    ASSERT_TRUE(card.actionButton());
    EXPECT_EQ(card.actionButton()->text(), QStringLiteral("Remove\u2026"));
    builtIn->scheduleIdleUnload();
    card.actionButton()->click();
    ASSERT_TRUE(card.confirmation());
    const QString message = QStringLiteral("This frees %1. The on-device model fills in until you download it again.")
                                .arg(modelcard::formatBytes(spec.bytes));
    const auto labels = card.confirmation()->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.cbegin(), labels.cend(), [&](const QLabel* l) { return l->text() == message; }));
    QAbstractButton* remove = card.confirmation()->actionButton();
    ASSERT_TRUE(remove);
    EXPECT_EQ(remove->text(), QStringLiteral("Remove"));
    remove->click();
    settle();
    EXPECT_FALSE(builtIn->isIdleUnloadPending());
    EXPECT_EQ(store->phase(), ModelStore::Phase::missing());
    EXPECT_FALSE(QFile::exists(store->modelPath()));
    EXPECT_EQ(card.actionButton()->text(), QStringLiteral("Download"));
}

// Without a tray the practice step says why the icon cannot show, and what brings one.
TEST_F(OnboardingViewTest, PracticeStepNotesAMissingTray)
{
    FakeTrayHost tray(false);
    OnboardingServices s = services();
    s.trayHost = &tray;
    PracticeStep step(s);
    applyInkTheme(&step);
    step.setAutoFillBackground(true);
    step.resize(560, 480);
    step.show();
    settle();
    ASSERT_TRUE(step.noTrayNote());
    EXPECT_TRUE(step.noTrayNote()->isVisible());
    const auto labels = step.noTrayNote()->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.cbegin(), labels.cend(), [](const QLabel* l) {
        return l->text().startsWith(QStringLiteral("No system tray runs on this desktop, so the icon cannot show. "
                                                   "There's no room for it"));
    }));
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
    QDir().mkpath(dir);
    step.grab().save(QDir(dir).filePath(QStringLiteral("onboarding-practice-no-tray.png")));
    tray.setRunning(true);
    EXPECT_FALSE(step.noTrayNote()->isVisible()) << "a tray that starts shows the icon";
}

} // namespace
} // namespace tq::testing
