#pragma once
// The competing-application prompt: names the applications that hold the Tab key, quits or
// force-quits exactly those, and once they have gone says so and closes itself 3.2 s later.

#include "input/RivalWatcher.h"
#include "ui/onboarding/RivalPromptText.h"

#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;

namespace tq {

class HandButton;
class MotionContext;
class Preferences;
class PrimaryButton;
class TugOfWarScene;

struct RivalPromptServices {
    RivalWatcher& rivals;
    Preferences& prefs;
    MotionContext& motion;
    Clock& clock;
    std::function<void(const QString&)> announce; // the screen-reader announcer
};

class RivalPromptView final : public QWidget {
    Q_OBJECT
public:
    static constexpr Millis kAutoClose{3200};
    static constexpr int kWidth = 460; // the window's fixed width

    RivalPromptView(RivalPromptServices services, std::function<void()> close, QWidget* parent = nullptr);

    RivalPromptState state() const;
    const QList<RivalApp>& shown() const { return shown_; }
    bool isResolved() const { return resolved_; }
    QLabel* headline() const { return headline_; }
    QLabel* explanation() const { return explanation_; }
    QCheckBox* toggle() const { return toggle_; }
    HandButton* notNowButton() const { return notNow_; }
    PrimaryButton* primaryButton() const { return primary_; }
    TugOfWarScene* scene() const { return scene_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QList<RivalApp> stillOpen() const;
    QList<qint64> shownIds() const;
    void follow();
    void primaryPressed();

    RivalPromptServices services_;
    std::function<void()> close_;
    QList<RivalApp> shown_;
    bool resolved_ = false;
    Timer closeTimer_;
    TugOfWarScene* scene_;
    QWidget* textBlock_;
    QLabel* headline_;
    QString headlineText_; // the whole headline, of which the label may show a shortened form
    QLabel* explanation_;
    QCheckBox* toggle_;
    HandButton* notNow_;
    PrimaryButton* primary_;
};

} // namespace tq
