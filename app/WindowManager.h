#pragma once
// The program's five ordinary windows: onboarding, intro, competing-application prompt,
// hidden-icon prompt and settings. Builds each when it is first needed, keeps or replaces it
// as each window's rules say, and brings it to the front. Main thread only.

#include "app/SettingsRouter.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>

class QEvent;

namespace tq {

class AppModel;
class Defaults;

class WindowManager final : public QObject {
    Q_OBJECT
public:
    enum class Kind { onboarding, intro, rival, hiddenIcon, settings };

    // Fixed traits of each window.
    struct Traits {
        QString title;
        QSize size;
        QSize minimum;
        bool resizable = true;
        bool floating = false;
        bool titleHidden = false;
        QString objectName; // for finding the window in tests and on screen
    };
    static Traits traits(Kind kind);

    // Builds a window's content. `close` closes the window and runs the window's own closing
    // action (the onboarding's finish, the intro's done); the settings window gets none.
    using ContentFactory = std::function<QWidget*(AppModel& model, std::function<void()> close)>;

    // Saved frames of the settings window go to `defaults` (the standard one when none).
    explicit WindowManager(Defaults& defaults, QObject* parent = nullptr);
    ~WindowManager() override;

    void setModel(AppModel* model) { model_ = model; }
    AppModel* model() const { return model_; }
    SettingsRouter& router() { return router_; }
    // Content for a kind; windows made afterwards use it. Without one a window opens empty.
    void setContent(Kind kind, ContentFactory factory);
    // Ctrl+Q in any of the windows.
    std::function<void()> onQuitRequested;

    void showOnboarding();
    void showIntro(std::function<void()> onFinish = {});
    void showRivalPrompt();
    void showHiddenIconPrompt();
    void showSettings(std::optional<SettingsPane> pane = std::nullopt);
    // Brings the onboarding or else the settings window forward when it is open.
    void presentWaitingWindow();
    void present(QWidget* window);

    // Writes the settings window's frame (also done whenever it closes).
    void saveFrames();

    QWidget* settingsWindow() const { return settings_; }
    QWidget* onboardingWindow() const { return onboarding_; }
    QWidget* rivalWindow() const { return rival_; }
    QWidget* introWindow() const { return intro_; }
    QWidget* hiddenIconWindow() const { return hiddenIcon_; }
    // Whether one of the counted windows (all but the hidden-icon prompt) is open.
    bool hasCountedWindowOpen() const;

    static constexpr const char* kSettingsFrameKey = "TessaquillSettings frame";

signals:
    // The last counted window closed (the program went back to the tray only).
    void lastWindowClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* make(Kind kind, std::function<void()> closeAction);
    void windowClosing(QWidget* window);
    void closeAndForget(QPointer<QWidget>& field);
    // Closes the window in `field`, makes a new one and presents it.
    void showFresh(Kind kind, QPointer<QWidget>& field, std::function<void()> afterClose);

    Defaults& defaults_;
    QPointer<AppModel> model_;
    SettingsRouter router_;
    std::map<Kind, ContentFactory> content_;
    QPointer<QWidget> settings_;
    QPointer<QWidget> onboarding_;
    QPointer<QWidget> rival_;
    QPointer<QWidget> intro_;
    QPointer<QWidget> hiddenIcon_;
};

} // namespace tq
