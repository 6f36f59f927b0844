#pragma once
// The window content that tells the user the tray icon cannot be seen and where to look:
// a "Not Now" button (Escape), a button that opens the desktop's settings (Return) and
// "Don't remind me again", which turns the reminder off.

#include <QWidget>

#include <functional>

class QCheckBox;
class QPushButton;

namespace tq {

class DesktopSettings;
class MotionContext;
class Preferences;
class PrimaryButton;

class HiddenIconPrompt final : public QWidget {
    Q_OBJECT
public:
    HiddenIconPrompt(Preferences& prefs, DesktopSettings& settings, MotionContext& motion, std::function<void()> close,
                     QWidget* parent = nullptr);

    QPushButton* notNowButton() const { return notNow_; }
    PrimaryButton* openButton() const { return open_; }
    QCheckBox* dontRemindBox() const { return dontRemind_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    Preferences& prefs_;
    DesktopSettings& settings_;
    std::function<void()> close_;
    QPushButton* notNow_;
    PrimaryButton* open_;
    QCheckBox* dontRemind_;
};

} // namespace tq
