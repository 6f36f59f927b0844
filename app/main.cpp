#include "app/AppDelegate.h"
#include "app/AppModel.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"
#include "ui/design/BrandMark.h"

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
    app.setWindowIcon(tq::appIcon());

    // A second launch hands its arguments to the running instance and ends.
    auto instance = tq::SingleInstance::system();
    if (!instance->claim(app.arguments()))
        return 0;

    tq::AppModel model;
    tq::AppModel::setShared(&model);
    auto sessionEnd = tq::SessionEnd::system();
    tq::AppDelegate delegate(model, *instance, *sessionEnd);
    delegate.didFinishLaunching(app.arguments());
    return app.exec();
}
