#include "app/AppDelegate.h"
#include "app/AppModel.h"
#include "app/Localization.h"
#include "completion/CompletionEngine.h"
#include "platform/DesktopSession.h"
#include "platform/DesktopSettings.h"
#include "platform/DisplayLoss.h"
#include "platform/Platform.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"
#include "platform/TrayHost.h"
#include "ui/design/BrandMark.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>

int main(int argc, char** argv)
{
    // Said before Qt's own, less helpful, message about a display it cannot open.
    if (const auto problem = tq::displayProblem(qgetenv("DISPLAY"))) {
        std::fprintf(stderr, "%s\n", qPrintable(*problem));
        return 1;
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tessaquill"));
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(tq::appIcon());
    // Our windows draw their own dark look; the desktop's style must not restyle the rest.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // Every service of the desktop, made once; it ends (threads joined) before QApplication.
    tq::SystemPlatform platform;

    // A second launch hands its arguments to the running instance and ends. A relaunch in
    // another language first lets the instance that started it finish ending.
    tq::SingleInstance& instance = platform.singleInstance();
    if (app.arguments().contains(QStringLiteral("--wait-for-instance")))
        instance.waitUntilFree(10000);
    if (!instance.claim(app.arguments()))
        return 0;

    tq::AppOptions options;
    options.interfaceLanguage = tq::installTranslations(app, platform.defaults());
    tq::AppModel model(platform, options);
    tq::AppDelegate delegate(model, instance, platform.sessionEnd(), platform.trayHost(), platform.desktopSettings(),
                             platform.clock());
    // A lost X server ends the process at once: the stores are written first.
    tq::DisplayLossGuard displayLoss([&model] { model.flushStores(); });
    delegate.didFinishLaunching(app.arguments());
    // Without these buses no text field is ever seen: say so, there and in the engine's status.
    if (const QString gap = tq::sessionGapText(tq::sessionGap(QDBusConnection::sessionBus())); !gap.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(gap));
        model.engine().setStatus(tq::CompletionEngine::Status::blocked(gap));
    }
    return app.exec();
}
