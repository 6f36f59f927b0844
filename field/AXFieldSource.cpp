// Attaching to the active application and watching its focused element.
#include "field/AXFieldSource.h"

#include "platform/Log.h"

#include <QCoreApplication>

namespace tq {

namespace {

const QString kFocusChanged = QString::fromLatin1(ax::kFocusedUIElementChanged);
const QString kWindowChanged = QString::fromLatin1(ax::kFocusedWindowChanged);
const QString kValueChanged = QString::fromLatin1(ax::kValueChanged);
const QString kSelectionChanged = QString::fromLatin1(ax::kSelectedTextChanged);

} // namespace

AXFieldSource::AXFieldSource(TextInjecting* injector, Accessibility& accessibility, ActiveApp& workspace,
                             ScreenGeometry& screen, Clock& clock, QObject* parent)
    : QObject(parent), injector_(injector), accessibility_(accessibility), workspace_(workspace), screen_(screen),
      clock_(clock), retry_(clock)
{
}

AXFieldSource::~AXFieldSource()
{
    *alive_ = false;
    detach();
}

void AXFieldSource::report(Change change)
{
    if (onChange)
        onChange(change);
}

QString AXFieldSource::label() const
{
    return app_ && !app_->bundleIdentifier.isEmpty() ? app_->bundleIdentifier : QStringLiteral("no app");
}

void AXFieldSource::start()
{
    if (!started_) {
        started_ = true;
        connect(&workspace_, &ActiveApp::activated, this, [this](qint64 pid) {
            attach(pid > 0 ? std::optional<qint64>(pid) : std::nullopt);
        });
        // What was read over a bus that went away is dead: the frontmost application afresh.
        std::weak_ptr<bool> alive = alive_;
        accessibility_.whenReconnected([this, alive] {
            if (auto a = alive.lock(); a && *a)
                attach(workspace_.frontmostPid());
        });
    }
    attach(workspace_.frontmostPid());
}

void AXFieldSource::detach()
{
    retry_.cancel();
    observer_.reset();
    watched_ = AXElement();
    appElement_ = AXElement();
    app_.reset();
    focusDomain_.reset();
    focusWindowTitle_.reset();
}

void AXFieldSource::attach(std::optional<qint64> pid)
{
    detach();
    if (!pid)
        return;
    const std::optional<RunningApplication> running = workspace_.application(*pid);
    if (!running)
        return;
    app_ = running;
    // Never talk to this process itself through the accessibility interface.
    if (*pid == QCoreApplication::applicationPid() || !accessibility_.isProcessTrusted()) {
        report(Change::app);
        return;
    }
    appElement_ = AXElement(accessibility_.application(*pid), screen_);
    if (appElement_) {
        appElement_.setMessagingTimeout(kMessagingTimeout);
        enableWebAccessibility();
        std::weak_ptr<bool> alive = alive_;
        observer_ = accessibility_.createObserver(*pid, [this, alive](const AccessibilityElement&, const QString& notification) {
            if (auto a = alive.lock(); a && *a)
                onNotification(notification);
        });
        if (observer_) {
            observer_->add(appElement_.ref, kFocusChanged);
            observer_->add(appElement_.ref, kWindowChanged);
            refreshWatch();
        }
    }
    if (!watched_)
        startRetry();
    report(Change::app);
}

void AXFieldSource::onNotification(const QString& notification)
{
    if (notification == kFocusChanged || notification == kWindowChanged) {
        refreshWatch();
        report(Change::focus);
    } else {
        report(Change::value);
    }
}

void AXFieldSource::refreshWatch()
{
    if (!observer_ || !appElement_)
        return;
    if (watched_) {
        observer_->remove(watched_.ref, kValueChanged);
        observer_->remove(watched_.ref, kSelectionChanged);
    }
    watched_ = appElement_.element(QString::fromLatin1(ax::kFocusedUIElement)).value_or(AXElement());
    if (watched_) {
        watched_.setMessagingTimeout(kMessagingTimeout);
        observer_->add(watched_.ref, kValueChanged);
        observer_->add(watched_.ref, kSelectionChanged);
    }
    focusDomain_ = watched_ ? siteHost(watched_) : std::nullopt;
    focusWindowTitle_ = windowTitle(appElement_);
}

void AXFieldSource::enableWebAccessibility()
{
    if (!app_ || !appElement_ || webAccessibilityEnabled_.contains(app_->pid) || app_->webRuntime == WebRuntime::none)
        return;
    const bool browser = app_->webRuntime == WebRuntime::chromium;
    bool on = appElement_.set(QString::fromLatin1(ax::kManualAccessibility), true);
    if (!on && browser)
        on = appElement_.set(QString::fromLatin1(ax::kEnhancedUserInterface), true);
    if (on) {
        webAccessibilityEnabled_.insert(app_->pid);
        log::info(QStringLiteral("asked %1 for its web content").arg(label()));
    }
}

void AXFieldSource::setRestartHint(std::optional<RestartHint> hint)
{
    if (hint == restartHint_)
        return;
    restartHint_ = std::move(hint);
    if (onRestartHintChanged)
        onRestartHintChanged();
}

void AXFieldSource::startRetry()
{
    retry_.cancel();
    if (!app_)
        return;
    const qint64 pid = app_->pid;
    retry_.start(Millis(kRetryDelays[0]), [this, pid] { retryLook(pid, 0); });
}

void AXFieldSource::retryLook(qint64 pid, int index)
{
    if (!app_ || app_->pid != pid || watched_)
        return;
    if (!appElement_) {
        // The application may register its accessibility tree a moment after it starts:
        // attach afresh, which looks again on its own when still nothing is focused.
        if (!accessibility_.application(pid))
            return scheduleNextLook(pid, index);
        attach(pid);
        if (watched_)
            attachedLate(index);
        return;
    } else if (observer_) {
        enableWebAccessibility();
        observer_->add(appElement_.ref, kFocusChanged);
        observer_->add(appElement_.ref, kWindowChanged);
    }
    refreshWatch();
    if (watched_)
        return attachedLate(index);
    scheduleNextLook(pid, index);
}

void AXFieldSource::attachedLate(int index)
{
    const QString id = app_ && !app_->bundleIdentifier.isEmpty() ? app_->bundleIdentifier : QStringLiteral("?");
    log::info(QStringLiteral("attached to %1 on a later look, after %2 ms").arg(id).arg(kRetryDelays[index]));
    report(Change::focus);
}

void AXFieldSource::scheduleNextLook(qint64 pid, int index)
{
    if (index + 1 < int(std::size(kRetryDelays)))
        retry_.start(Millis(kRetryDelays[index + 1]), [this, pid, index] { retryLook(pid, index + 1); });
}

std::optional<QString> AXFieldSource::siteHost(const AXElement& focused)
{
    std::optional<AXElement> e = focused;
    for (int i = 0; i < 30 && e; ++i) {
        if (e->string(QString::fromLatin1(ax::kRole)) == QLatin1String(ax::kWebArea)) {
            const std::optional<QUrl> url = e->url(QString::fromLatin1(ax::kURL));
            if (!url || (url->scheme() != QLatin1String("http") && url->scheme() != QLatin1String("https")))
                return std::nullopt;
            QString host = url->host(QUrl::FullyEncoded);
            if (host.isEmpty())
                return std::nullopt;
            if (host.startsWith(QLatin1String("www.")))
                host = host.mid(4);
            return host;
        }
        e = e->element(QString::fromLatin1(ax::kParent));
    }
    return std::nullopt;
}

std::optional<QString> AXFieldSource::windowTitle(const AXElement& appElement)
{
    const std::optional<AXElement> window = appElement.element(QString::fromLatin1(ax::kFocusedWindow));
    if (!window)
        return std::nullopt;
    const std::optional<QString> title = window->string(QString::fromLatin1(ax::kTitle));
    if (!title || title->isEmpty())
        return std::nullopt;
    return title;
}

} // namespace tq
