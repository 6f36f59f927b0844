#pragma once
// The real program as a new user runs it: first-run settings (only the engine and its
// address), a fake OpenAI-compatible server, optionally a compositing manager, and what the
// screen shows right of the caret.

#include "support/Desktop.h"
#include "support/FieldReading.h"
#include "support/Program.h"
#include "support/Wait.h"

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QRect>

#include <optional>

namespace tq::realprogram {

using desktoptest::describeWindow;
using desktoptest::focusedWindow;
using desktoptest::screenshot;
using desktoptest::windowGeometry;
using testwait::run;
using testwait::waitFor;

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

// The program with a first run's settings (only the engine and its address, the first-run
// windows done) against a fake server that answers `reply`, or against the OpenAI-compatible
// server at `base`.
class Program : public desktoptest::Program {
public:
    explicit Program(const QByteArray& reply, const QString& base = {});
    // Serves "Harbour notes" at /notes.html: a textarea above a heading and a paragraph.
    void serveNotesPage();
    // Its ghost window by name.
    std::optional<QRect> ghost();
    // Its ghost shows, last drawn at the caret of the field of `fieldPid`: it has read every
    // key that reached the field.
    bool ghostAtTheCaret(qint64 fieldPid) { return ghost() && desktoptest::presentedAtTheCaret(log(), fieldPid); }
};

using desktoptest::FieldState;
using desktoptest::readField;

// A zenity field whose text is read over accessibility.
class Zenity : public desktoptest::Zenity {
public:
    using desktoptest::Zenity::Zenity;
    QString text() { return readField(pid()).text; }
};

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
