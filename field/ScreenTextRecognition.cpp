#include "field/ScreenText.h"

#include "platform/ActiveApp.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/WindowCapture.h"

#include <QCoreApplication>
#include <QSet>

namespace tq {

namespace {

constexpr double kMinCaptureWidth = 100;

} // namespace

std::optional<ListedWindow> ScreenText::captureWindow(const QVector<ListedWindow>& windows,
                                                      const std::optional<QRectF>& fieldFrame)
{
    QVector<ListedWindow> candidates;
    for (const ListedWindow& w : windows)
        if (w.layer == 0 && w.bounds.width() > kMinCaptureWidth)
            candidates.push_back(w);
    if (candidates.isEmpty())
        return std::nullopt;
    if (fieldFrame) {
        for (const ListedWindow& w : candidates)
            if (w.bounds.contains(fieldFrame->center()))
                return w;
    }
    return candidates.front();
}

QVector<ScreenLine> ScreenText::mapObservations(const QVector<RecognizedText>& observations, const QRectF& window)
{
    QVector<ScreenLine> out;
    for (const RecognizedText& o : observations) {
        if (o.text.isEmpty())
            continue;
        const QRectF& b = o.box;
        out.push_back({o.text, QRectF(window.x() + b.x() * window.width(),
                                      window.y() + (1.0 - (b.y() + b.height())) * window.height(),
                                      b.width() * window.width(), b.height() * window.height())});
    }
    return out;
}

void ScreenText::ocrLines(Platform& platform, const QString& bundleID, const std::optional<QRectF>& fieldFrame,
                          std::function<void(std::optional<QVector<ScreenLine>>)> done,
                          const std::function<bool(const QString&)>& isAppAllowed)
{
    // The application's windows in the list's order.
    QVector<ListedWindow> own;
    QHash<qint64, bool> isTheApp;
    ActiveApp& apps = platform.activeApp();
    for (const ListedWindow& w : platform.windowList().windows()) {
        auto it = isTheApp.find(w.pid);
        if (it == isTheApp.end()) {
            const auto app = w.pid > 0 ? apps.application(w.pid) : std::nullopt;
            it = isTheApp.insert(w.pid, app && app->bundleIdentifier == bundleID);
        }
        if (*it)
            own.push_back(w);
    }
    const std::optional<ListedWindow> window = captureWindow(own, fieldFrame);
    if (!window) {
        done(QVector<ScreenLine>());
        return;
    }
    WindowCapture& capture = platform.windowCapture();
    const WindowShot shot = capture.capture(window->id, window->bounds, capture.scale());
    if (shot.image.isNull()) {
        done(std::nullopt);
        return;
    }
    // What lies over the window was painted out; an excluded application's window there may
    // still show at its edges (shadows, popups of its own): nothing is recognised meanwhile.
    const qint64 self = QCoreApplication::applicationPid();
    for (const qint64 pid : shot.covering) {
        if (pid <= 0 || pid == self)
            continue;
        const auto app = apps.application(pid);
        const QString id = app ? app->bundleIdentifier : QString();
        if (!id.isEmpty() && id != bundleID && (isPasswordManager(id) || (isAppAllowed && !isAppAllowed(id)))) {
            log::info(QStringLiteral("screen recognition skipped: a window of an excluded application lies over the window"));
            done(QVector<ScreenLine>());
            return;
        }
    }
    const QRectF frame = window->bounds;
    platform.textRecognition().recognize(shot.image, [frame, done = std::move(done)](auto observations) {
        if (!observations) {
            done(std::nullopt);
            return;
        }
        done(mapObservations(*observations, frame));
    });
}

} // namespace tq
