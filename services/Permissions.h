#pragma once
// What the desktop lets this program do: use the accessibility interface, capture windows,
// and whether the system's own inline predictions are on. Asks for accessibility access,
// notices the grant, opens the matching settings pages and switches start at login.

#include "platform/Clock.h"

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

namespace tq {

class AccessibilityAccess;
class DesktopSettings;
class LoginItem;
class ScreenCaptureAccess;

class Permissions final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool accessibility READ accessibility NOTIFY accessibilityChanged)
    Q_PROPERTY(bool screenRecording READ screenRecording NOTIFY screenRecordingChanged)
    Q_PROPERTY(bool systemPredictionsOn READ systemPredictionsOn NOTIFY systemPredictionsOnChanged)
    Q_PROPERTY(QDateTime accessibilityGrantedAt READ accessibilityGrantedAt NOTIFY accessibilityGrantedAtChanged)
    Q_PROPERTY(bool accessibilityLooksStuck READ accessibilityLooksStuck NOTIFY accessibilityLooksStuckChanged)

public:
    static constexpr Nanos kPollWhileMissing = std::chrono::seconds(1);
    static constexpr Nanos kPollWhileGranted = std::chrono::seconds(5);
    static constexpr Nanos kStuckAfter = std::chrono::seconds(10);
    static constexpr Nanos kCelebrationWindow = std::chrono::seconds(120);
    static constexpr Nanos kNotificationDelay = std::chrono::milliseconds(300);

    Permissions(AccessibilityAccess& access, ScreenCaptureAccess& capture, DesktopSettings& settings,
                LoginItem& loginItem, Clock& clock, QObject* parent = nullptr);
    ~Permissions() override;

    bool accessibility() const { return accessibility_; }
    bool screenRecording() const { return screenRecording_; }
    bool systemPredictionsOn() const { return systemPredictionsOn_; }
    // Invalid until this run saw access become granted.
    QDateTime accessibilityGrantedAt() const { return grantedAt_; }
    bool accessibilityLooksStuck() const { return looksStuck_; }
    std::optional<QDateTime> accessibilityRequestedAt() const { return requestedAtDate_; }

    // Places that have shown the access-granted moment ("onboarding", "overview").
    const QSet<QString>& celebrated() const { return celebrated_; }
    void markCelebrated(const QString& place) { celebrated_.insert(place); }
    // Access was granted in this run less than 120 s ago and `place` has not celebrated it.
    bool justGranted(const QString& place) const;

    // Runs once each time access becomes granted.
    void setOnAccessibilityGranted(std::function<void()> fn) { onAccessibilityGranted_ = std::move(fn); }

    // Starts polling (restarting the poll when called again) and, once, watching the
    // desktop's change hints and this application becoming active.
    void startWatching();
    void refresh();
    void requestAccessibility();
    // Asks for window capture; answers whether it is allowed now (and publishes the change).
    bool requestScreenRecording();

    // "Privacy_Accessibility" or "Privacy_ScreenCapture"; other anchors open nothing.
    void openPrivacyPane(const QString& anchor);
    void openKeyboardSettings();

    // Start at login. A failed change is only logged.
    void setLaunchAtLogin(bool enabled);
    bool launchAtLogin() const;

    bool isPolling() const { return timer_.isActive(); }
    Nanos pollInterval() const { return accessibility_ ? kPollWhileGranted : kPollWhileMissing; }

signals:
    void accessibilityChanged(bool granted);
    void screenRecordingChanged(bool allowed);
    void systemPredictionsOnChanged(bool on);
    void accessibilityGrantedAtChanged();
    void accessibilityLooksStuckChanged(bool stuck);

private:
    void schedulePolling();
    void setLooksStuck(bool stuck);

    AccessibilityAccess& access_;
    ScreenCaptureAccess& capture_;
    DesktopSettings& settings_;
    LoginItem& loginItem_;
    Clock& clock_;

    bool accessibility_ = false;
    bool screenRecording_ = false;
    bool systemPredictionsOn_ = false;
    QDateTime grantedAt_;
    std::optional<Nanos> grantedAtMono_;
    bool looksStuck_ = false;
    std::optional<QDateTime> requestedAtDate_;
    std::optional<Nanos> requestedAtMono_;
    QSet<QString> celebrated_;
    std::function<void()> onAccessibilityGranted_;
    Timer timer_;
    Timer notificationDelay_;
    bool observing_ = false;
};

} // namespace tq
