#pragma once
// Visible text of windows as lines with their place on screen, and the choice of the lines
// worth putting into a prompt. Frames are in top-left screen coordinates (y grows downward).

#include "field/AXElement.h"
#include "platform/TextRecognition.h"
#include "platform/WindowList.h"

#include <QRectF>
#include <QSet>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>

namespace tq {

class Accessibility;
class Clock;
class Platform;
class ScreenGeometry;

struct ScreenLine {
    QString text; // as read, not trimmed
    QRectF frame;

    friend bool operator==(const ScreenLine&, const ScreenLine&) = default;
};

struct NearbyLines {
    QString app;
    QVector<ScreenLine> lines;
};

struct ScreenRead {
    QVector<ScreenLine> lines;   // focused window: accessibility lines, then recognised ones
    QVector<NearbyLines> nearby; // one per nearby window that gave a line, window-list order
};

class ScreenText {
public:
    // ---- Reading (main thread; `done` is called once, on the main thread). The walks run on
    // the accessibility's own thread when it has one.
    // The focused window of the application and, when `nearby`, up to two windows beside the
    // field. The field frame is in screen space (y up), as a snapshot holds it.
    static void read(Platform& platform, const QString& bundleID, const std::optional<QRectF>& fieldFrame, bool nearby,
                     std::function<bool(const QString&)> isAppAllowed, std::function<void(ScreenRead)> done);
    // The lines of an application's focused window, for the recent list.
    static void glanceRead(Platform& platform, const QString& bundleID, std::function<void(QVector<ScreenLine>)> done);

    // Password managers: never read beside the field, never remembered.
    static bool isPasswordManager(const QString& bundleID);

    // ---- Reading parts
    struct NearbyWindow {
        qint64 pid = 0;
        QString app;   // the application's name, else its identifier
        QRectF bounds; // as listed
    };
    // Up to `limit` windows beside the field (one per application, frontmost first) on the
    // field's screen; `fieldFrame` in screen space (y up).
    static QVector<NearbyWindow> nearbyWindows(Platform& platform, qint64 leaveOut, const std::optional<QRectF>& fieldFrame,
                                               const std::function<bool(const QString&)>& isAppAllowed, int limit);
    // Breadth-first walk of a window's text within an element and a time budget.
    static QVector<ScreenLine> axLines(Clock& clock, const AXElement& window, int elementBudget, double seconds);
    static std::optional<AXElement> focusedWindow(Platform& platform, qint64 pid);
    static std::optional<AXElement> focusedWindow(Accessibility& accessibility, const ScreenGeometry& screen, qint64 pid);
    // The accessibility window whose origin lies within 8 points of the listed rectangle's.
    static std::optional<AXElement> axWindow(Platform& platform, qint64 pid, const QRectF& matching);
    static std::optional<AXElement> axWindow(Accessibility& accessibility, const ScreenGeometry& screen, qint64 pid,
                                             const QRectF& matching);
    // "AXPosition" and "AXSize", top-left coordinates.
    static std::optional<QRectF> elementFrame(const AXElement& element);
    // A running process of the application, frontmost first; nothing when none runs.
    static std::optional<qint64> pidFor(Platform& platform, const QString& bundleID);
    // Accessibility text this short makes the window worth recognising from a capture.
    static bool needsOCR(const QVector<ScreenLine>& lines);

    // ---- Recognition of a captured window
    // Recognised lines of the application's window (the one holding the field's centre, else
    // the first); an empty list when there is no window or when a window of a password manager
    // or of an application `isAppAllowed` refuses (none: all are allowed) lies over it on a
    // screen read whole, nothing when capture or recognition failed. The field frame is in
    // top-left coordinates.
    static void ocrLines(Platform& platform, const QString& bundleID, const std::optional<QRectF>& fieldFrame,
                         std::function<void(std::optional<QVector<ScreenLine>>)> done,
                         const std::function<bool(const QString&)>& isAppAllowed = {});
    // The window to capture among the application's windows, in list order.
    static std::optional<ListedWindow> captureWindow(const QVector<ListedWindow>& windows,
                                                     const std::optional<QRectF>& fieldFrame);
    // Normalised boxes (origin bottom-left) onto the window's frame on screen.
    static QVector<ScreenLine> mapObservations(const QVector<RecognizedText>& observations, const QRectF& window);

    // ---- Line picking (pure)
    static QSet<QString> tokenize(const QString& text);
    // The best lines within `budget` characters (each line counts one more for its separator),
    // in reading order, joined with "\n"; empty when nothing is picked.
    static QString pickLines(const QVector<ScreenLine>& lines, const std::optional<QRectF>& fieldFrame,
                             const QString& typed, int budget);
    // Lines of recently viewed windows that share a word with the typed text.
    static QString pickRecent(const QVector<ScreenLine>& lines, const QString& typed, int budget);
    // Rows first (tops within 4 points of the row's first line), then left to right.
    static void sortReadingOrder(QVector<ScreenLine>& lines);

    // ---- Reading helpers (pure)
    // Splits an element's text at line breaks into equal bands of its frame.
    static QVector<ScreenLine> splitLines(const QRectF& frame, const QString& text);

    static bool isCJK(const QString& text);
};

} // namespace tq
