// libs: tq_field
// Line picking on the largest reads it meets: a focused window of 1600 elements' lines with a
// field frame, a nearby window, and the recent picker, each with 400 characters typed.
// With the desktop session and Firefox ESR, the read of a page of 3,000 and 10,000
// paragraphs: how long it takes and the longest time the main thread's event loop stood still
// meanwhile (tools/desktop-session.sh build/bench/tq_bench_screen_text).
#include "QtBenchMain.h"
#include "field/ScreenText.h"
#include "platform/ActiveApp.h"
#include "platform/Platform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>
#include <benchmark/benchmark.h>

namespace {

bool spinUntil(const std::function<bool()>& ok, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!ok()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return true;
}

void BM_ReadLargeFirefoxPage(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable(QStringLiteral("firefox-esr")).isEmpty()) {
        state.SkipWithError("needs the desktop session and firefox-esr");
        return;
    }
    QTemporaryDir dir;
    QByteArray html = "<!doctype html><html><head><meta charset=\"utf-8\"><title>Large page</title></head><body>"
                      "<textarea autofocus style=\"width: 600px; height: 120px\"></textarea>";
    for (int i = 0; i < state.range(0); ++i)
        html += "<p>Paragraph " + QByteArray::number(i) + " of the harbour master's long report on the herons.</p>";
    html += "</body></html>";
    QFile page(dir.filePath(QStringLiteral("large.html")));
    QFile prefs(dir.filePath(QStringLiteral("user.js")));
    if (!page.open(QIODevice::WriteOnly) || !prefs.open(QIODevice::WriteOnly))
        return state.SkipWithError("no temporary files");
    page.write(html);
    page.close();
    prefs.write("user_pref(\"browser.shell.checkDefaultBrowser\", false);\n"
                "user_pref(\"browser.aboutwelcome.enabled\", false);\n");
    prefs.close();

    tq::SystemPlatform platform;
    QProcess firefox;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MOZ_CRASHREPORTER_DISABLE"), QStringLiteral("1"));
    env.insert(QStringLiteral("GDK_BACKEND"), QStringLiteral("x11"));
    firefox.setProcessEnvironment(env);
    firefox.start(QStringLiteral("firefox-esr"), {QStringLiteral("--no-remote"), QStringLiteral("--new-instance"),
                                                 QStringLiteral("--profile"), dir.path(),
                                                 QUrl::fromLocalFile(page.fileName()).toString()});
    const auto end = qScopeGuard([&] {
        firefox.kill();
        firefox.waitForFinished(5000);
    });
    if (!spinUntil([&] { return platform.activeApp().frontmostPid() == firefox.processId(); }, 60000))
        return state.SkipWithError("Firefox did not come to the front");
    const auto app = platform.activeApp().application(firefox.processId());
    const QString bundleID = app ? app->bundleIdentifier : QString();
    // The page's tree is built once something reads it.
    spinUntil([&] {
        bool done = false;
        int lines = 0;
        tq::ScreenText::read(platform, bundleID, std::nullopt, false, [](const QString&) { return true; },
                             [&](tq::ScreenRead r) { lines = int(r.lines.size()); done = true; });
        spinUntil([&] { return done; }, 20000);
        return lines > 20;
    }, 60000);

    std::vector<double> stalls, reads;
    for (auto _ : state) {
        QElapsedTimer sinceTick;
        double longest = 0;
        QTimer tick;
        tick.setInterval(2);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longest = std::max(longest, sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
        });
        bool done = false;
        QElapsedTimer t;
        t.start();
        sinceTick.start();
        tick.start();
        tq::ScreenText::read(platform, bundleID, std::nullopt, false, [](const QString&) { return true; },
                             [&](tq::ScreenRead) { done = true; });
        while (!done && t.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        longest = std::max(longest, sinceTick.nsecsElapsed() / 1e6);
        reads.push_back(t.nsecsElapsed() / 1e6);
        stalls.push_back(longest);
    }
    std::sort(stalls.begin(), stalls.end());
    std::sort(reads.begin(), reads.end());
    state.counters["longest_stall_ms"] = stalls.back();
    state.counters["stall_p50_ms"] = stalls[stalls.size() / 2];
    state.counters["read_p50_ms"] = reads[reads.size() / 2];
}
BENCHMARK(BM_ReadLargeFirefoxPage)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(10);

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

TQ_QT_BENCHMARK_MAIN(QApplication)
