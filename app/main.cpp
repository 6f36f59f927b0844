#include "app/AppDelegate.h"
#include "app/AppModel.h"
#include "app/Localization.h"
#include "platform/Defaults.h"
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

    // A second launch hands its arguments to the running instance and ends. A relaunch in
    // another language first lets the instance that started it finish ending.
    auto instance = tq::SingleInstance::system();
    if (app.arguments().contains(QStringLiteral("--wait-for-instance")))
        instance->waitUntilFree(10000);
    if (!instance->claim(app.arguments()))
        return 0;

    tq::AppPlatform platform;
    platform.interfaceLanguage = tq::installTranslations(app, tq::Defaults::standard());
    tq::AppModel model(platform);
    tq::AppModel::setShared(&model);
    auto sessionEnd = tq::SessionEnd::system();
    tq::AppDelegate delegate(model, *instance, *sessionEnd);
    delegate.didFinishLaunching(app.arguments());
    return app.exec();
}
