#include "platform/DisplayLoss.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

// After gtest: Xlib's macros (None, Bool) would break its headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

using namespace tq;

namespace {

constexpr char kOutput[] = "TQ_DISPLAY_LOSS_OUTPUT";

// Run twice: as the test, and (with kOutput set) as the program whose X server goes away.
TEST(DisplayLoss, TheStoresAreWrittenBeforeTheProcessEnds)
{
    if (const QString out = qEnvironmentVariable(kOutput); !out.isEmpty()) {
        DisplayLossGuard guard([out] {
            QFile file(out);
            if (file.open(QIODevice::WriteOnly))
                file.write("flushed");
        });
        QTimer::singleShot(0, [] {
            std::puts("TQ-READY");
            std::fflush(stdout);
        });
        QCoreApplication::exec();
        std::_Exit(3); // the event loop never ends by itself here
    }
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        GTEST_SKIP() << "needs Xvfb";
    QProcess server;
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("320x240x24")});
    ASSERT_TRUE(server.waitForReadyRead(10000));
    const QByteArray display = server.readAllStandardOutput().trimmed();
    ASSERT_FALSE(display.isEmpty());

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("flushed"));
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + QString::fromLatin1(display));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QString::fromLatin1(kOutput), out);
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--gtest_filter=DisplayLoss.TheStoresAreWrittenBeforeTheProcessEnds")});
    QByteArray printed;
    while (!printed.contains("TQ-READY") && program.waitForReadyRead(10000))
        printed += program.readAllStandardOutput();
    ASSERT_TRUE(printed.contains("TQ-READY")) << printed.toStdString();

    server.kill();
    server.waitForFinished(5000);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_NE(program.exitCode(), 3);
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << "the stores were not written before the process ended";
    EXPECT_EQ(written.readAll(), QByteArray("flushed"));
}

// Xlib's default handler would end the test process here.
TEST(DisplayLoss, AWindowThatWentWhileItWasReadIsAnEmptyAnswer)
{
    Display* display = openXDisplay();
    if (!display)
        GTEST_SKIP() << "needs an X display";
    const Window gone = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XDestroyWindow(display, gone);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, gone, XA_WM_NAME, 0, 64, False, AnyPropertyType, &type, &format, &count, &after, &data);
    XSync(display, False);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(type, Atom(None));
    XCloseDisplay(display);
}

} // namespace
