#pragma once
// Helpers for desktop tests: external commands run while the event loop keeps turning (the
// key tap's handler runs on this thread), and a zenity entry as the field under test.

#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace tq::desktop {

// Runs a command to its end while processing events; its standard output.
QByteArray run(const QString& program, const QStringList& args, int timeoutMs = 10000);
// Processes events for a while (time for the X server and the application to catch up).
void settle(int ms);

// A zenity text entry, focused and ready for keys.
class ZenityEntry {
public:
    explicit ZenityEntry(const QString& title);
    ~ZenityEntry();
    bool ready() const { return !window_.isEmpty(); }
    QString window() const { return window_; }
    qint64 pid() const { return process_.processId(); }
    // Presses Return (through xdotool) and returns what zenity printed, without the newline.
    QString finish();

private:
    QProcess process_;
    QString window_;
};

// A passive key grab held by another X client for as long as it lives.
class OtherGrab {
public:
    explicit OtherGrab(unsigned x11KeyCode);
    ~OtherGrab();
    bool held() const { return held_; }

private:
    void* display_ = nullptr;
    bool held_ = false;
};

// The focused X window's id, as xdotool prints it.
QString focusedWindow();

} // namespace tq::desktop
