#pragma once
// The real program as a new user runs it: first-run settings (only the engine and its
// address), a fake OpenAI-compatible server, optionally a compositing manager, and what the
// screen shows right of the caret.

#include "support/Wait.h"
#include "engines/EngineTestSupport.h"

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <optional>

namespace tq::realprogram {

using testwait::run;
using testwait::waitFor;
QRect windowGeometry(const QString& window);
QString focusedWindow();

// xcompmgr for as long as it lives, once it owns the compositing selection.
class Compositor {
public:
    explicit Compositor(bool on);
    ~Compositor();
    bool ready() const { return ready_; }

private:
    QProcess process_;
    bool ready_ = false;
};

// The program with a first run's settings against a fake server that answers `reply`, or
// against the OpenAI-compatible server at `base`.
class Program {
public:
    explicit Program(const QByteArray& reply, const QString& base = {});
    ~Program();

    void start();
    // Ready once the key tap runs.
    bool waitUntilRunning();
    QString log();
    qint64 pid() const { return process.processId(); }
    // The program's visible windows; its ghost window by name.
    QStringList windows();
    std::optional<QRect> ghost();
    // Prompts the server was sent, joined.
    QByteArray prompts() const;
    bool asked() const;

    QTemporaryDir home;
    test::FakeHttpServer server;
    QProcess process;

private:
    QByteArray log_;
};

// Another application's focused text field, read over accessibility as the program reads it.
struct FieldState {
    QString text;
    int caretX = 0;     // screen x of the caret
    int lineStartX = 0; // screen x where the caret's line starts
    bool ok = false;
};
FieldState readField(qint64 pid);

// A zenity entry or editable text view, activated and focused.
class Zenity {
public:
    enum class Kind { entry, textView };
    Zenity(Kind kind, const QString& title);
    ~Zenity();
    bool ready() const { return !window.isEmpty(); }
    qint64 pid() const { return process.processId(); }
    QString text() { return readField(pid()).text; }

    QProcess process;
    QString window;
};

// A screenshot of the whole screen, saved as `name` in the artifacts folder.
QImage screenshot(const QString& name);

// What the screen shows in the caret's row: typed text left of the caret (from the line's
// start), ghost text right of it inside the ghost window.
struct RowPixels {
    int greyGhostPixels = 0;  // neutral grey ink right of the caret
    int longestDarkRun = 0;   // widest run of near-black pixels right of the caret
    int typedGlyphHeight = 0; // ink height of the typed text
    int ghostGlyphHeight = 0; // ink height of the ghost's first characters
};
RowPixels measureRow(const QImage& shot, const QRect& ghost, int lineStartX, int caretX);

} // namespace tq::realprogram
