// libs: tq_ui_menubar
// Opening the tray item's menu panel: from the click's toggle to the first painted frame of
// the panel (goal: under 50 ms). Drawn off screen without a display; inside
// tools/desktop-session.sh it maps a real window.

#include "QtBenchMain.h"
#include "services/Permissions.h"
#include "input/RivalWatcher.h"
#include "platform/fakes/FakeAccessibilityAccess.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeDesktopSettings.h"
#include "platform/fakes/FakeLoginItem.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "platform/fakes/FakeScreenCaptureAccess.h"
#include "platform/fakes/FakeTrayHost.h"
#include "platform/fakes/FakeWorkspace.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "ui/design/Animation.h"
#include "ui/menubar/MenuPanel.h"
#include "ui/menubar/StatusItem.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

namespace {

void BM_PanelClickToFirstPaint(benchmark::State& state)
{
    using namespace tq;
    VirtualClock clock;
    FakeDefaults defaults;
    Preferences prefs(defaults);
    AppRules rules(std::nullopt, clock);
    StatsStore stats(QString(), clock);
    stats.recordAccepted(QStringLiteral("a few words saved"), QStringLiteral("app:x"), clock.now());
    FakeAccessibilityAccess access;
    access.trusted = true;
    FakeScreenCaptureAccess capture;
    FakeDesktopSettings desktop;
    FakeLoginItem login;
    Permissions permissions(access, capture, desktop, login, clock);
    FakeWorkspace workspace;
    RivalWatcher rivals(workspace, clock);
    FakeTrayHost host;
    MenuCallbacks cb;
    cb.frontApp = [] { return std::optional<MenuFrontApp>(MenuFrontApp{QStringLiteral("org.example.Editor"), QStringLiteral("Editor")}); };
    FakeReduceMotion reduceMotion(false);
    MotionContext motion(clock, reduceMotion);
    menu::StatusItem item({prefs, rules, stats, permissions, rivals, clock, host, desktop, motion}, cb);
    item.refresh();

    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        item.toggle(QPoint(400, 10));
        bool painted = false;
        QObject::connect(item.panel(), &menu::MenuPanel::painted, [&] { painted = true; });
        while (!painted && t.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
        if (!painted)
            state.SkipWithError("the panel was never painted");
        state.PauseTiming();
        item.closePanel();
        QCoreApplication::processEvents();
        clock.advance(std::chrono::seconds(1));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PanelClickToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace

TQ_QT_BENCHMARK_MAIN(QApplication)
