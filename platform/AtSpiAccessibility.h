#pragma once
// The accessibility interface over AT-SPI2 (libatspi), translated to the AX names.
//
// Roles: entry / single-line text → "AXTextField", multi-line text → "AXTextArea", password
// text → "AXTextField" with subrole "AXSecureTextField", web document → "AXWebArea", labels →
// "AXStaticText". Notifications: focus → "AXFocusedUIElementChanged", window:activate →
// "AXFocusedWindowChanged", text changes → "AXValueChanged", caret and selection moves →
// "AXSelectedTextChanged". Offsets become UTF-16 units whatever the toolkit counts (GTK code
// points, Qt UTF-16 units). Text markers do not exist here. Each message carries the
// element's time-out; nothing is ever sent to this process itself. "AXManualAccessibility" is
// settable on the application element of a Chromium program (browser or Electron): setting it
// true asks the application for its attributes, on which Chromium builds its tree.

#include "platform/Accessibility.h"
#include "platform/KeyboardGrab.h"

#include <QProcessEnvironment>
#include <QStringView>

#include <functional>
#include <memory>

namespace tq {

class AccessibilityAccess;

class AtSpiAccessibility final : public Accessibility {
public:
    explicit AtSpiAccessibility(AccessibilityAccess& access);
    ~AtSpiAccessibility() override;

    AccessibilityElement application(qint64 pid) override;
    std::unique_ptr<AccessibilityObserver> createObserver(qint64 pid, AXNotificationHandler handler) override;
    bool isProcessTrusted() override;
    // Another client holds the keyboard: one grab probe a call.
    bool isSecureInputEnabled() override { return keyboardgrab::heldByOthers(); }
    // On a thread of this object's with a D-Bus connection of its own; jobs still waiting
    // when it ends are dropped. While that connection cannot be made the work is left to
    // the caller (false), and a job the thread got meanwhile runs on the main thread.
    bool readElsewhere(std::function<void(Accessibility&)> work) override;
    // A lost connection to the bus (it restarted) is made again once the bus's launcher is
    // back on the session bus: libatspi is ended and started again, and the listener with it.
    std::optional<QString> connectionProblem() override;
    void whenReconnected(std::function<void()> handler) override;

    // Messages sent to applications since the start (for measurements).
    static quint64 messageCount();

    // Translations, pure.
    static QString roleName(int atspiRole, bool multiLine);
    // The role as the AX names it, asking `hasState` for the states that refine it.
    static QString roleAttribute(int atspiRole, const std::function<bool(int atspiState)>& hasState);
    // The environment a process was started with; empty when it cannot be read.
    static QProcessEnvironment environmentOf(qint64 pid);
    // A font size as toolkits report it ("11" and "11pt" in points, "14.5px", "1.2em") → screen
    // pixels at `dotsPerInch`, the unit the ghost draws in; nullopt when it does not parse.
    static std::optional<double> fontSizeOnScreen(QStringView css, double dotsPerInch);
    // How much larger than this program a toolkit draws text of one point size, from the
    // scale its application was started with: GTK's GDK_SCALE (which multiplies the desktop's
    // resolution it already takes whole) and GDK_DPI_SCALE, Qt's QT_SCALE_FACTOR, each over
    // this program's own QT_SCALE_FACTOR in `own`.
    static double textScale(QStringView toolkit, const QProcessEnvironment& field, const QProcessEnvironment& own);
    // How many of this program's logical pixels (at `devicePixelRatio` screen pixels each) one
    // pixel of a position or size the toolkit reports covers. GTK reports the screen's pixels
    // over its whole GDK_SCALE (a fractional desktop leaves it at 1 and scales text by the
    // resolution), Qt its own logical pixels, the others the screen's pixels.
    static double pixelScale(QStringView toolkit, const QProcessEnvironment& field, const QProcessEnvironment& own,
                             double devicePixelRatio);
    static QString axNotification(QStringView atspiEvent, int detail1);

    struct Impl;

private:
    AccessibilityAccess& access_;
    // The listener and focus records; the elements and observers it made hold it weakly.
    std::shared_ptr<Impl> d;
    std::shared_ptr<Accessibility*> self_; // held weakly by work handed back to the main thread
    class ReadThread;
    std::unique_ptr<ReadThread> reader_;
};

} // namespace tq
