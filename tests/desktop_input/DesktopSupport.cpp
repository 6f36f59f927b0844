#include "DesktopSupport.h"
#include "support/Wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace tq::desktop {

QByteArray run(const QString& program, const QStringList& args, int timeoutMs)
{
    QProcess p;
    p.start(program, args);
    (void)QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, timeoutMs);
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished(1000);
    }
    return p.readAllStandardOutput();
}

void settle(int ms) { QTest::qWait(ms); }

QString focusedWindow() { return QString::fromUtf8(run("xdotool", {"getwindowfocus"})).trimmed(); }

ZenityEntry::ZenityEntry(const QString& title)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANG", "C.UTF-8");
    env.insert("LC_ALL", "C.UTF-8");
    env.insert("GDK_BACKEND", "x11");
    process_.setProcessEnvironment(env);
    process_.start("zenity", {"--entry", "--title=" + title, "--text=Field"});
    window_ = QString::fromUtf8(run("xdotool", {"search", "--sync", "--name", "^" + title + "$"}, testwait::kPatience)).split('\n').value(0).trimmed();
    if (window_.isEmpty())
        return;
    run("xdotool", {"windowactivate", "--sync", window_});
    run("xdotool", {"windowfocus", "--sync", window_});
    if (!QTest::qWaitFor([&] { return focusedWindow() == window_; }, testwait::kPatience))
        window_.clear(); // not ready: the keys would go elsewhere

}

ZenityEntry::~ZenityEntry()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

QString ZenityEntry::finish()
{
    run("xdotool", {"key", "Return"});
    (void)QTest::qWaitFor([&] { return process_.state() == QProcess::NotRunning; }, testwait::kPatience);
    QString out = QString::fromUtf8(process_.readAllStandardOutput());
    if (out.endsWith('\n'))
        out.chop(1);
    return out;
}

OtherGrab::OtherGrab(unsigned x11KeyCode)
{
    Display* d = XOpenDisplay(nullptr);
    display_ = d;
    int opcode = 0, event = 0, error = 0;
    if (!d || !XQueryExtension(d, "XInputExtension", &opcode, &event, &error))
        return;
    int major = 2, minor = 2;
    XIQueryVersion(d, &major, &minor);
    int master = -1, n = 0;
    XIDeviceInfo* devices = XIQueryDevice(d, XIAllDevices, &n);
    for (int i = 0; i < n; ++i)
        if (devices[i].use == XIMasterKeyboard && master < 0)
            master = devices[i].deviceid;
    XIFreeDeviceInfo(devices);
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_KeyPress);
    XIEventMask mask{master, int(sizeof(bits)), bits};
    XIGrabModifiers mods{0, 0};
    held_ = XIGrabKeycode(d, master, int(x11KeyCode), DefaultRootWindow(d), XIGrabModeAsync, XIGrabModeAsync, False,
                          &mask, 1, &mods) == 0;
    XSync(d, False);
}

OtherGrab::~OtherGrab()
{
    if (display_)
        XCloseDisplay(static_cast<Display*>(display_));
}

} // namespace tq::desktop
