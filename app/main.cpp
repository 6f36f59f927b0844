#include "app/AppDelegate.h"
#include "app/AppModel.h"
#include "platform/Platform.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fputs("Tessaquill needs an X11 desktop session, and there is no DISPLAY here.\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tessaquill"));
    app.setQuitOnLastWindowClosed(false);

    // Every service of the desktop, made once; it ends (threads joined) before QApplication.
    tq::SystemPlatform platform;

    // A second launch hands its arguments to the running instance and ends.
    tq::SingleInstance& instance = platform.singleInstance();
    if (!instance.claim(app.arguments()))
        return 0;

    tq::AppModel model(platform);
    tq::AppDelegate delegate(model, instance, platform.sessionEnd());
    delegate.didFinishLaunching(app.arguments());
    return app.exec();
}
