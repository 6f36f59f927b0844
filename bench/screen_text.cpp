// libs: tq_field
// Line picking on the largest reads it meets: a focused window of 1600 elements' lines with a
// field frame, a nearby window, and the recent picker, each with 400 characters typed.
#include "field/ScreenText.h"

#include <benchmark/benchmark.h>

namespace {

QVector<tq::ScreenLine> windowLines(int count)
{
    QVector<tq::ScreenLine> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back({QStringLiteral("Line %1 of the quarterly budget review with the design team").arg(i),
                         QRectF((i % 3) * 300, i * 6.0, 280, 18)});
    return lines;
}

const QString& typed()
{
    static const QString s = QStringLiteral("We should review the quarterly budget with the design team on Monday. ").repeated(6);
    return s;
}

void BM_PickFocusedWindow(benchmark::State& state)
{
    const auto lines = windowLines(1600);
    const QRectF field(300, 4000, 500, 40);
    for (auto _ : state)
        benchmark::DoNotOptimize(tq::ScreenText::pickLines(lines, field, typed(), 1200));
}
BENCHMARK(BM_PickFocusedWindow);

void BM_PickNearbyWindow(benchmark::State& state)
{
    const auto lines = windowLines(700);
    for (auto _ : state)
        benchmark::DoNotOptimize(tq::ScreenText::pickLines(lines, std::nullopt, typed(), 240));
}
BENCHMARK(BM_PickNearbyWindow);

void BM_PickRecent(benchmark::State& state)
{
    const auto lines = windowLines(1200);
    for (auto _ : state)
        benchmark::DoNotOptimize(tq::ScreenText::pickRecent(lines, typed(), 300));
}
BENCHMARK(BM_PickRecent);

void BM_ReadingOrder(benchmark::State& state)
{
    const auto lines = windowLines(1600);
    for (auto _ : state) {
        auto copy = lines;
        tq::ScreenText::sortReadingOrder(copy);
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_ReadingOrder);

} // namespace

BENCHMARK_MAIN();
