#pragma once
// The X desktop as desktop tests see it through xdotool: window geometry and focus, a
// program's visible windows, screenshots into the artifacts folder, and zenity fields.

#include "support/Wait.h"

#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QScreen>
#include <QStringList>
#include <QtTest/QTest>

#include <string>

namespace tq::desktoptest {

inline QRect windowGeometry(const QString& window)
{
    const QString out = QString::fromUtf8(testwait::run("xdotool", {"getwindowgeometry", "--shell", window}));
    QHash<QString, int> v;
    for (const QString& line : out.split('\n')) {
        const auto parts = line.split('=');
        if (parts.size() == 2)
            v[parts[0]] = parts[1].toInt();
    }
    return v.contains("WIDTH") ? QRect(v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]) : QRect();
}

inline QString focusedWindow() { return QString::fromUtf8(testwait::run("xdotool", {"getwindowfocus"})).trimmed(); }

// Activates `window` until it holds the keyboard focus: the window manager may still be busy
// with it, and under load an activation can be dropped.
inline bool activate(const QString& window)
{
    return testwait::waitFor(
        [&] {
            if (focusedWindow() == window)
                return true;
            testwait::run("xdotool", {"windowactivate", window});
            testwait::run("xdotool", {"windowfocus", window});
            return testwait::waitFor([&] { return focusedWindow() == window; }, 1000);
        }, testwait::kPatience);
}

// What a failure message says about a window: its id, title, class, process and type, and
// whether the window manager manages it.
inline std::string describeWindow(const QString& window)
{
    if (window.isEmpty())
        return "no window";
    const QByteArray props = testwait::run("xprop", {"-id", window, "WM_NAME", "WM_CLASS", "_NET_WM_PID", "_NET_WM_WINDOW_TYPE", "WM_HINTS"});
    const QByteArray info = testwait::run("xwininfo", {"-id", window});
    QByteArray state;
    for (const QByteArray& line : info.split('\n'))
        if (line.contains("Map State") || line.contains("Override Redirect"))
            state += line.trimmed() + "; ";
    return "window " + window.toStdString() + ": " + props.simplified().toStdString() + " " + state.toStdString();
}

// Visible windows, of the process `pid` (0: any) whose title matches `title` (empty: any).
inline QStringList visibleWindows(qint64 pid, const QString& title = {})
{
    QStringList args{"search", "--onlyvisible"};
    if (pid > 0)
        args << "--pid" << QString::number(pid);
    if (!title.isEmpty())
        args << "--name" << title;
    return QString::fromUtf8(testwait::run("xdotool", args)).split('\n', Qt::SkipEmptyParts);
}

// The first visible window titled exactly `title`; empty when none shows.
inline QString windowTitled(const QString& title, qint64 pid = 0)
{
    return visibleWindows(pid, "^" + QRegularExpression::escape(title) + "$").value(0);
}

// The whole screen, saved as `name` in the artifacts folder.
inline QImage screenshot(const QString& name)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QImage shot = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
    QDir().mkpath(dir);
    shot.save(QDir(dir).filePath(name));
    return shot;
}

// A zenity entry or editable text view, activated and focused; ended with the test. Its
// window is found by its own process: another test's window of the same title may still be
// going away.
class Zenity {
public:
    enum class Kind { entry, textView };
    Zenity(Kind kind, const QString& title, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
           const QStringList& options = {})
    {
        QProcessEnvironment x11 = env;
        x11.insert("GDK_BACKEND", "x11");
        process.setProcessEnvironment(x11);
        if (kind == Kind::entry)
            process.start("zenity", QStringList{"--entry", "--title=" + title, "--text=Field"} + options);
        else
            process.start("zenity", {"--text-info", "--editable", "--title=" + title, "--width=700", "--height=300"});
        if (!process.waitForStarted(10000)) {
            problem = "zenity did not start";
            return;
        }
        const QString name = "^" + QRegularExpression::escape(title) + "$";
        if (!testwait::waitFor([&] { return !(window = visibleWindows(pid(), name).value(0)).isEmpty(); }, testwait::kPatience)) {
            problem = "no window \"" + title.toStdString() + "\" of zenity " + std::to_string(pid()) + " was mapped";
            return;
        }
        if (!activate(window)) {
            problem = "zenity's " + describeWindow(window) + " never took the focus from " + describeWindow(focusedWindow());
            window.clear();
            return;
        }
        if (kind == Kind::textView)
            testwait::run("xdotool", {"key", "ctrl+Home"});
    }
    ~Zenity() { end(); }
    void end()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
    bool ready() const { return !window.isEmpty(); }
    qint64 pid() const { return process.processId(); }

    QProcess process;
    QString window;
    std::string problem; // what kept it from being ready
};

} // namespace tq::desktoptest
