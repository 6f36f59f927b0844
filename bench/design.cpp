// libs: tq_gallery tq_ui_design
// The design system's costs: an idle window takes no frames and no CPU; the brand mark and the
// ink backdrop paint well inside a frame.
#include "QtBenchMain.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "tools/gallery/Gallery.h"
#include "ui/design/Backdrop.h"
#include "ui/design/BrandMark.h"

#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <ctime>

using namespace tq;

namespace {
double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

// Frames and CPU of a shown gallery over 5 s once its entrance has settled.
static void BM_IdleGallery(benchmark::State& state)
{
    SystemClock clock;
    FakeReduceMotion reduce(false);
    MotionContext motion(clock, reduce);
    Gallery gallery(motion, false);
    gallery.show();
    runFor(3000); // entrance, seal stamp, progress springs
    for (auto _ : state) {
        const auto ticks = motion.frames().ticks();
        const double cpu = cpuSeconds();
        runFor(5000);
        state.counters["frame_ticks"] = double(motion.frames().ticks() - ticks);
        state.counters["cpu_ms"] = (cpuSeconds() - cpu) * 1000;
        state.counters["clock_running"] = motion.frames().isRunning() ? 1 : 0;
    }
}
BENCHMARK(BM_IdleGallery)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_BrandMark512(benchmark::State& state)
{
    QImage img(512, 512, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        img.fill(Qt::transparent);
        QPainter p(&img);
        paintBrandMark(p, QPointF(0, 0), 512);
        p.end();
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_BrandMark512)->Unit(benchmark::kMillisecond);

static void BM_InkBackdrop900x640(benchmark::State& state)
{
    QImage img(900, 640, QImage::Format_ARGB32_Premultiplied);
    grainTexture(); // made once per process
    for (auto _ : state) {
        QPainter p(&img);
        paintInkBackdrop(p, QRectF(0, 0, 900, 640));
        p.end();
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_InkBackdrop900x640)->Unit(benchmark::kMillisecond);

TQ_QT_BENCHMARK_MAIN(QApplication)
