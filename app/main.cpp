#include <QApplication>
#include <QMessageBox>

#include <cstdio>

#include "platform/Text.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fputs("Tessaquill needs an X11 desktop session, and there is no DISPLAY here.\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    app.setApplicationName(tq::appName());
    app.setQuitOnLastWindowClosed(false);
    return app.exec();
}
