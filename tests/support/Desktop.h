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

// A zenity entry or editable text view, activated and focused; ended with the test.
class Zenity {
public:
    enum class Kind { entry, textView };
    Zenity(Kind kind, const QString& title, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
    {
        QProcessEnvironment x11 = env;
        x11.insert("GDK_BACKEND", "x11");
        process.setProcessEnvironment(x11);
        if (kind == Kind::entry)
            process.start("zenity", {"--entry", "--title=" + title, "--text=Field"});
        else
            process.start("zenity", {"--text-info", "--editable", "--title=" + title, "--width=700", "--height=300"});
        window = QString::fromUtf8(testwait::run("xdotool", {"search", "--sync", "--name", "^" + title + "$"}, 15000))
                     .split('\n')
                     .value(0)
                     .trimmed();
        if (window.isEmpty())
            return;
        testwait::run("xdotool", {"windowactivate", "--sync", window});
        testwait::run("xdotool", {"windowfocus", "--sync", window});
        if (kind == Kind::textView)
            testwait::run("xdotool", {"key", "ctrl+Home"});
        QTest::qWait(800); // the program attaches to the new front application
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
};

} // namespace tq::desktoptest
