#include "services/Permissions.h"

#include "platform/AccessibilityAccess.h"
#include "platform/DesktopSettings.h"
#include "platform/Log.h"
#include "platform/LoginItem.h"
#include "platform/ScreenCaptureAccess.h"
#include "platform/Text.h"

#include <QGuiApplication>
#include <QPointer>

namespace tq {

namespace {
// The desktop has no inline text predictions of its own, so they are never in the way.
bool readSystemPredictions() { return false; }
} // namespace

Permissions::Permissions(AccessibilityAccess& access, ScreenCaptureAccess& capture, DesktopSettings& settings,
                         LoginItem& loginItem, Clock& clock, QObject* parent)
    : QObject(parent), access_(access), capture_(capture), settings_(settings), loginItem_(loginItem), clock_(clock),
      timer_(clock), notificationDelay_(clock)
{
    accessibility_ = access_.isTrusted();
    screenRecording_ = capture_.preflight();
    systemPredictionsOn_ = readSystemPredictions();
}

Permissions::~Permissions() = default;

bool Permissions::justGranted(const QString& place) const
{
    return grantedAtMono_ && clock_.monotonic() - *grantedAtMono_ < kCelebrationWindow && !celebrated_.contains(place);
}

void Permissions::startWatching()
{
    schedulePolling();
    if (observing_)
        return;
    observing_ = true;
    // The desktop's hint comes a little before its state settles: read it shortly after.
    connect(&access_, &AccessibilityAccess::changed, this, [this] {
        notificationDelay_.start(kNotificationDelay, [this] { refresh(); });
    });
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive)
                refresh();
        });
    }
}

void Permissions::schedulePolling()
{
    QPointer<Permissions> self(this);
    timer_.startRepeating(pollInterval(), [self] {
        if (self)
            self->refresh();
    });
}

void Permissions::setLooksStuck(bool stuck)
{
    if (looksStuck_ == stuck)
        return;
    looksStuck_ = stuck;
    emit accessibilityLooksStuckChanged(stuck);
}

void Permissions::refresh()
{
    const bool trusted = access_.isTrusted();
    const bool capture = capture_.preflight();
    const bool predictions = readSystemPredictions();

    if (capture != screenRecording_) {
        screenRecording_ = capture;
        emit screenRecordingChanged(capture);
    }
    if (predictions != systemPredictionsOn_) {
        systemPredictionsOn_ = predictions;
        emit systemPredictionsOnChanged(predictions);
    }

    if (trusted == accessibility_) {
        if (!trusted && !looksStuck_ && requestedAtMono_ && clock_.monotonic() - *requestedAtMono_ > kStuckAfter)
            setLooksStuck(true);
        return;
    }

    accessibility_ = trusted;
    schedulePolling();
    if (trusted) {
        grantedAt_ = clock_.now();
        grantedAtMono_ = clock_.monotonic();
        // The request is answered: a later revocation is not a request that got stuck.
        requestedAtMono_.reset();
        setLooksStuck(false);
        emit accessibilityGrantedAtChanged();
    }
    emit accessibilityChanged(trusted);
    if (trusted && onAccessibilityGranted_)
        onAccessibilityGranted_();
}

void Permissions::requestAccessibility()
{
    requestedAtDate_ = clock_.now();
    requestedAtMono_ = clock_.monotonic();
    setLooksStuck(false);
    if (!access_.requestAccess())
        openPrivacyPane(QStringLiteral("Privacy_Accessibility"));
}

bool Permissions::requestScreenRecording()
{
    const bool allowed = capture_.request();
    if (allowed != screenRecording_) {
        screenRecording_ = allowed;
        emit screenRecordingChanged(allowed);
    }
    return allowed;
}

void Permissions::openPrivacyPane(const QString& anchor)
{
    if (anchor == QLatin1String("Privacy_Accessibility"))
        settings_.open(SettingsPage::accessibility);
    else if (anchor == QLatin1String("Privacy_ScreenCapture"))
        settings_.open(SettingsPage::screenRecording);
}

void Permissions::openKeyboardSettings() { settings_.open(SettingsPage::keyboard); }

void Permissions::setLaunchAtLogin(bool enabled)
{
    QString error;
    if (!loginItem_.setEnabled(enabled, &error))
        log::error(appName() + QStringLiteral(": launch at login change failed: ") + error);
}

bool Permissions::launchAtLogin() const { return loginItem_.isEnabled(); }

} // namespace tq
