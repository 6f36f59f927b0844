// The design gallery. With --shot it renders the window at --time seconds after it was shown
// (virtual time) into a PNG and exits; otherwise it stays open on real time.
//
//   tq-gallery [--time SECONDS] [--reduce-motion] [--shot FILE.png] [--icons FOLDER]

#include "platform/KeyNames.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "platform/ReduceMotion.h"
#include "tools/gallery/Gallery.h"
#include "ui/design/BrandMark.h"
#include "look/Palette.h"
#include "ui/design/Theme.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPalette>
#include <QStyleFactory>
#include <QTextStream>

#include <cstdio>
#include <memory>

using namespace tq;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette pal;
    pal.setColor(QPalette::Window, palette::ink());
    pal.setColor(QPalette::WindowText, palette::paper());
    pal.setColor(QPalette::Base, palette::inkRaised());
    pal.setColor(QPalette::Text, palette::paper());
    pal.setColor(QPalette::Button, palette::inkRaised());
    pal.setColor(QPalette::ButtonText, palette::paper());
    pal.setColor(QPalette::Highlight, palette::gold());
    pal.setColor(QPalette::HighlightedText, palette::ink());
    QApplication::setPalette(pal);
    QApplication::setWindowIcon(appIcon());

    QCommandLineParser args;
    args.addHelpOption();
    args.addOption({QStringLiteral("time"), QStringLiteral("Seconds after showing."), QStringLiteral("seconds")});
    args.addOption({QStringLiteral("reduce-motion"), QStringLiteral("Render with Reduce Motion on.")});
    args.addOption({QStringLiteral("shot"), QStringLiteral("Write the window to this PNG and quit."), QStringLiteral("file")});
    args.addOption({QStringLiteral("icons"), QStringLiteral("Write the app icon sizes to this folder and quit."), QStringLiteral("folder")});
    args.process(app);

    if (args.isSet(QStringLiteral("icons"))) {
        const QString dir = args.value(QStringLiteral("icons"));
        for (int s : appIconSizes()) {
            const QString sub = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(s);
            QDir().mkpath(sub);
            if (!brandMarkImage(s).save(sub + QStringLiteral("/tessaquill.png"))) {
                std::fprintf(stderr, "Could not write the icon of %d pixels.\n", s);
                return 1;
            }
        }
        return 0;
    }

    const bool shot = args.isSet(QStringLiteral("shot"));
    const bool virtualTime = shot || args.isSet(QStringLiteral("time"));
    std::unique_ptr<Clock> clock = virtualTime ? std::unique_ptr<Clock>(std::make_unique<VirtualClock>())
                                               : std::unique_ptr<Clock>(std::make_unique<SystemClock>());
    std::unique_ptr<ReduceMotion> reduce;
    if (args.isSet(QStringLiteral("reduce-motion")))
        reduce = std::make_unique<FakeReduceMotion>(true);
    else if (virtualTime)
        reduce = std::make_unique<FakeReduceMotion>(false);
    else
        reduce = std::make_unique<SystemReduceMotion>();
    MotionContext motion(*clock, *reduce);
    const XkbKeyLayout layout(*clock);
    Gallery gallery(motion, layout);
    applyInkTheme(&gallery);
    // Ctrl+Q quits, as in the program's own windows.
    auto* quit = new QAction(&gallery);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(quit, &QAction::triggered, &app, &QApplication::quit);
    gallery.addAction(quit);
    if (shot) {
        // The window holds the focus itself, so no control shows a focus ring by chance.
        gallery.setFocusPolicy(Qt::StrongFocus);
        gallery.setAttribute(Qt::WA_ShowWithoutActivating);
        // Nor a hover state from wherever the pointer happens to be.
        gallery.setAttribute(Qt::WA_TransparentForMouseEvents);
        for (QWidget* w : gallery.findChildren<QWidget*>())
            w->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    gallery.show();
    if (shot)
        gallery.setFocus();
    QApplication::processEvents();

    if (virtualTime) {
        auto* vc = static_cast<VirtualClock*>(clock.get());
        const double seconds = args.value(QStringLiteral("time")).toDouble();
        // Step a frame at a time so every timer and frame fires as it would.
        const Nanos total = std::chrono::duration_cast<Nanos>(std::chrono::duration<double>(seconds));
        const Nanos frame = Millis(16);
        Nanos done(0);
        while (done + frame <= total) {
            vc->advance(frame);
            done += frame;
            QApplication::processEvents();
        }
        vc->advance(total - done);
        QApplication::processEvents();
    }
    if (shot) {
        const QString file = args.value(QStringLiteral("shot"));
        if (!gallery.grab().save(file)) {
            std::fprintf(stderr, "Could not write %s.\n", qPrintable(file));
            return 1;
        }
        return 0;
    }
    return app.exec();
}
