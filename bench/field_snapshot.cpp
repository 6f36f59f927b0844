// libs: tq_field
// Snapshot time of the focused-field source for a 5000-character GTK entry (zenity) and a
// 5000-character Qt text field (tq_fieldapp), and the AT-SPI messages each snapshot sends.
// Needs the desktop session: tools/desktop-session.sh build/bench/tq_bench_field_snapshot
#include "QtBenchMain.h"
#include "field/AXFieldSource.h"
#include "platform/ActiveApp.h"
#include "platform/AtSpiAccessibility.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

using namespace tq;

namespace {

QString letters(int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(i % 61 == 60 ? u' ' : char16_t(u'a' + i % 26));
    return s;
}

// Runs the event loop until `ok` holds or `ms` pass.
bool waitFor(const std::function<bool()>& ok, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!ok()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

struct Session {
    SystemPlatform platform;
    AXFieldSource source{nullptr, platform.accessibility(), platform.activeApp(), platform.screenGeometry(),
                         platform.clock()};
    QProcess process;

    bool open(const QString& program, const QStringList& args)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        process.setProcessEnvironment(env);
        process.start(program, args);
        if (!process.waitForStarted(5000))
            return false;
        if (!waitFor([&] { return platform.activeApp().frontmostPid() == process.processId(); }, 15000))
            return false;
        waitFor([] { return false; }, 300);
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+End")});
        source.start();
        return waitFor([&] {
            const auto s = source.snapshot();
            return s && s->before.size() == AXFieldSource::kBeforeLimit;
        }, 10000);
    }
    ~Session()
    {
        process.kill();
        process.waitForFinished(3000);
    }
};

void measure(benchmark::State& state, Session& session)
{
    std::vector<double> ms;
    const quint64 messagesBefore = AtSpiAccessibility::messageCount();
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        auto s = session.source.snapshot();
        ms.push_back(t.nsecsElapsed() / 1e6);
        benchmark::DoNotOptimize(s);
        if (!s) {
            state.SkipWithError("the field went away");
            return;
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["p50_ms"] = ms[ms.size() / 2];
    state.counters["p90_ms"] = ms[ms.size() * 9 / 10];
    state.counters["atspi_calls"] = double(AtSpiAccessibility::messageCount() - messagesBefore) / double(ms.size());
}

void BM_SnapshotGtkEntry5000(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("needs the desktop session");
        return;
    }
    Session session;
    if (!session.open(QStringLiteral("zenity"), {QStringLiteral("--entry"), QStringLiteral("--entry-text=") + letters(5000)})) {
        state.SkipWithError("the GTK entry did not come up");
        return;
    }
    measure(state, session);
}

void BM_SnapshotQtField5000(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("needs the desktop session");
        return;
    }
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("text.txt")));
    if (!f.open(QIODevice::WriteOnly))
        return state.SkipWithError("no temporary file");
    f.write(letters(5000).toUtf8());
    f.close();
    Session session;
    if (!session.open(QStringLiteral(TQ_BINARY_DIR "/tools/fieldapp/tq_fieldapp"),
                      {QStringLiteral("--multi-file"), f.fileName(), QStringLiteral("--focus"), QStringLiteral("multi")})) {
        state.SkipWithError("the Qt field did not come up");
        return;
    }
    measure(state, session);
}

} // namespace

BENCHMARK(BM_SnapshotGtkEntry5000)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_SnapshotQtField5000)->Unit(benchmark::kMillisecond)->Iterations(200);

TQ_QT_BENCHMARK_MAIN(QApplication)
