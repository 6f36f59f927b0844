#pragma once
// The intro: one clock drives the stage from the cue table; "Skip" (Escape) from the first
// frame, "Get Started" (Return) once its cue has come, a sound toggle, and a leaving fade
// after which `done` is called once.

#include "ui/onboarding/IntroCues.h"
#include "ui/onboarding/IntroPlayer.h"

#include "ui/design/Animation.h"

#include <QImage>
#include <QUrl>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QGraphicsOpacityEffect;

namespace tq {

class IntroStage;
class Preferences;
class PrimaryButton;

struct IntroServices {
    Preferences& prefs;
    MotionContext& motion;
    Clock& clock;
    bool localOnly = false; // the sound starts silent
    QUrl sound = IntroPlayer::defaultSource();
};

class IntroView final : public QWidget {
    Q_OBJECT
public:
    IntroView(IntroServices services, std::function<void()> done, QWidget* parent = nullptr);
    ~IntroView() override;

    void leave();

    // Seconds since the intro came on screen (frozen once it leaves).
    double sceneTime() const;
    const IntroCues& cues() const { return IntroCues::pick(services_.motion.reduceMotion()); }
    bool isLeaving() const { return ending_.leaving(); }
    bool isTicking() const { return listener_ != 0; }
    double shownOpacity() const;

    IntroStage* stage() const { return stage_; }
    QAbstractButton* skipButton() const { return skip_; }
    QAbstractButton* startButton() const;
    QAbstractButton* soundButton() const { return sound_; }
    IntroPlayer& player() { return player_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void frame();
    void place();
    void toggleSound();
    void followMuted();
    void stopTicking();
    void finish();

    IntroServices services_;
    std::function<void()> done_;
    IntroEnding ending_;
    IntroPlayer player_;
    IntroStage* stage_;
    QAbstractButton* skip_;
    QAbstractButton* sound_;
    PrimaryButton* startButton_;
    QGraphicsOpacityEffect* fade_;
    QGraphicsOpacityEffect* startFade_;
    AnimatedValue enter_;
    AnimatedValue leave_;
    Timer doneTimer_;
    double startedAt_ = 0;
    double frozenAt_ = -1;
    bool started_ = false;
    FrameClock::ListenerId listener_ = 0;
    QImage lastFrame_;
};

} // namespace tq
