// libs: tq_ui_onboarding
// The intro at 1440×900: one stage frame must paint well inside 16.7 ms (60 frames a second)
// at its busiest moments, and the whole run must stop ticking once it has left.
#include "QtBenchMain.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "settings/Preferences.h"
#include "ui/onboarding/IntroStage.h"
#include "ui/onboarding/IntroView.h"

#include <QImage>
#include <QPainter>

using namespace tq;

// One frame at time `range(0)` tenths of a second: 0.5 motes, 20 drop, 24 splash and letters,
// 45 acceptance burst and sweep, 70 everything after the button.
static void BM_IntroFrame1440x900(benchmark::State& state)
{
    const IntroWordmarkFont word;
    QImage img(1440, 900, QImage::Format_ARGB32_Premultiplied);
    IntroFrame f;
    f.t = state.range(0) / 10.0;
    f.size = img.size();
    for (auto _ : state) {
        QPainter p(&img);
        paintIntroStage(p, f, word);
    }
    state.counters["fps_possible"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_IntroFrame1440x900)->Arg(5)->Arg(20)->Arg(24)->Arg(45)->Arg(70)->Unit(benchmark::kMillisecond);

// A frame while the intro leaves: the last frame grown and blurred (radius 5 of 10 here).
static void BM_IntroLeavingFrame1440x900(benchmark::State& state)
{
    IntroStage stage;
    stage.resize(1440, 900);
    stage.setFrame(6.5, IntroCues::regular(), false);
    const QImage last = stage.renderFrame();
    stage.setLeaving(state.range(0) / 10.0, true, last);
    QImage img(1440, 900, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        stage.render(&img);
}
BENCHMARK(BM_IntroLeavingFrame1440x900)->Arg(1)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);

// The view in virtual time: frames delivered until it has left, and whether its clock stops.
static void BM_IntroStopsTicking(benchmark::State& state)
{
    for (auto _ : state) {
        VirtualClock clock;
        FakeReduceMotion reduce(false);
        MotionContext motion(clock, reduce);
        FakeDefaults defaults;
        Preferences prefs(defaults);
        int done = 0;
        IntroView view(IntroServices{prefs, motion, clock, true}, [&] { ++done; });
        view.resize(1440, 900);
        view.show();
        for (int i = 0; i < 420; ++i)
            clock.advance(Millis(16));
        view.leave();
        for (int i = 0; i < 120; ++i)
            clock.advance(Millis(16));
        state.counters["done"] = done;
        state.counters["clock_running_after"] = motion.frames().isRunning() ? 1 : 0;
    }
}
BENCHMARK(BM_IntroStopsTicking)->Iterations(1)->Unit(benchmark::kMillisecond);

TQ_QT_BENCHMARK_MAIN(QApplication)
