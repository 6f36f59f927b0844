// libs: tq_field
// Snapshot time of the focused-field source for a 5000-character GTK entry (zenity) and a
// 5000-character Qt text field (tq_fieldapp), and the AT-SPI messages each snapshot sends.
// Keystroke to snapshot in long documents, the caret at the end: Mousepad and a Firefox
// textarea of 5k, 50k, 200k and 1M characters; the time from a key sent to the snapshot that
// holds it.
// Needs the desktop session: tools/desktop-session.sh build/bench/tq_bench_field_snapshot
#include "QtBenchMain.h"
#include "field/AXFieldSource.h"
#include "platform/ActiveApp.h"
#include "platform/AtSpiAccessibility.h"
#include "platform/KeySynth.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
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

    // `clickTitle`: the window with this title is clicked 200 pixels in from its top left
    // corner, to focus its field.
    bool open(const QString& program, const QStringList& args, int startMs = 15000, const QString& clickTitle = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        process.setProcessEnvironment(env);
        process.start(program, args);
        if (!process.waitForStarted(5000))
            return false;
        if (!waitFor([&] { return platform.activeApp().frontmostPid() == process.processId(); }, startMs))
            return false;
        waitFor([] { return false; }, startMs / 50);
        if (!clickTitle.isEmpty()) {
            QProcess search;
            search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                                     QStringLiteral("--name"), clickTitle});
            search.waitForFinished(startMs);
            const QString window = QString::fromUtf8(search.readAllStandardOutput()).split(QLatin1Char('\n')).value(0).trimmed();
            if (window.isEmpty())
                return false;
            QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                                                         QStringLiteral("200"), QStringLiteral("200"), QStringLiteral("click"),
                                                         QStringLiteral("1")});
            waitFor([] { return false; }, 500);
        }
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+End")});
        source.start();
        return waitFor([&] {
            const auto s = source.snapshot();
            return s && s->before.size() == AXFieldSource::kBeforeLimit;
        }, startMs);
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

// Words and line breaks, as a document holds them.
QString document(int n)
{
    QString s;
    s.reserve(n);
    for (int i = 0; s.size() < n; ++i)
        s += (i % 12 == 11) ? QStringLiteral("harbour.\n") : QStringLiteral("lighthouse ");
    s.truncate(n);
    return s;
}

struct Document {
    QTemporaryDir dir;
    QString path;
    explicit Document(const QString& name, const QByteArray& content)
    {
        path = dir.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(content);
    }
};

// Types one letter at a time; each sample runs from the key sent to the first snapshot whose
// text before the caret ends with it.
void keyToSnapshot(benchmark::State& state, Session& session)
{
    KeySynth& keys = session.platform.keySynth();
    bool changed = false;
    session.source.onChange = [&](AXFieldSource::Change c) { changed = changed || c == AXFieldSource::Change::value; };
    std::vector<double> ms, snap;
    const quint64 messagesBefore = AtSpiAccessibility::messageCount();
    int i = 0;
    for (auto _ : state) {
        const QChar letter = QChar(u'a' + (i++ % 26));
        changed = false;
        QElapsedTimer t;
        t.start();
        keys.typeText(QString(letter));
        const auto spin = [] {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            QThread::usleep(500);
        };
        while (!changed && t.elapsed() < 3000)
            spin();
        bool seen = false;
        while (!seen && t.elapsed() < 3000) {
            QElapsedTimer one;
            one.start();
            const auto s = session.source.snapshot();
            snap.push_back(one.nsecsElapsed() / 1e6);
            seen = s && s->before.endsWith(letter);
            if (!seen)
                spin();
        }
        ms.push_back(t.nsecsElapsed() / 1e6);
        if (!seen) {
            state.SkipWithError("the key never reached the snapshot");
            return;
        }
    }
    std::sort(ms.begin(), ms.end());
    std::sort(snap.begin(), snap.end());
    state.counters["p50_ms"] = ms[ms.size() / 2];
    state.counters["p90_ms"] = ms[ms.size() * 9 / 10];
    state.counters["snapshot_p50_ms"] = snap[snap.size() / 2];
    state.counters["atspi_calls"] = double(AtSpiAccessibility::messageCount() - messagesBefore) / double(snap.size());
}

void BM_KeyToSnapshotMousepad(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable(QStringLiteral("mousepad")).isEmpty()) {
        state.SkipWithError("needs the desktop session and Mousepad");
        return;
    }
    const Document doc(QStringLiteral("notes.txt"), document(int(state.range(0))).toUtf8());
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit()); // no session of earlier documents
    Session session;
    if (!session.open(QStringLiteral("mousepad"), {doc.path})) {
        state.SkipWithError("Mousepad's document did not come up");
        return;
    }
    keyToSnapshot(state, session);
}

void BM_KeyToSnapshotFirefoxTextarea(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable(QStringLiteral("firefox-esr")).isEmpty()) {
        state.SkipWithError("needs the desktop session and firefox-esr");
        return;
    }
    QString text = document(int(state.range(0)));
    text.replace(QLatin1Char('&'), QLatin1String("&amp;")).replace(QLatin1Char('<'), QLatin1String("&lt;"));
    const Document page(QStringLiteral("long.html"),
                        "<!doctype html><html><head><meta charset=\"utf-8\"><title>Long notes</title></head><body>"
                        "<textarea style=\"width: 700px; height: 400px\">"
                            + text.toUtf8() + "</textarea></body></html>");
    QTemporaryDir profile;
    QFile prefs(QDir(profile.path()).filePath(QStringLiteral("user.js")));
    if (prefs.open(QIODevice::WriteOnly))
        prefs.write("user_pref(\"browser.shell.checkDefaultBrowser\", false);\n"
                    "user_pref(\"browser.aboutwelcome.enabled\", false);\n"
                    "user_pref(\"datareporting.policy.dataSubmissionEnabled\", false);\n"
                    "user_pref(\"app.update.auto\", false);\n");
    prefs.close();
    qputenv("MOZ_CRASHREPORTER_DISABLE", "1");
    qputenv("GDK_BACKEND", "x11");
    Session session;
    if (!session.open(QStringLiteral("firefox-esr"), {QStringLiteral("--no-remote"), QStringLiteral("--new-instance"),
                                                     QStringLiteral("--profile"), profile.path(),
                                                     QUrl::fromLocalFile(page.path).toString()},
                      60000, QStringLiteral("Long notes"))) {
        state.SkipWithError("Firefox's textarea did not come up");
        return;
    }
    keyToSnapshot(state, session);
}

} // namespace

BENCHMARK(BM_KeyToSnapshotMousepad)->Arg(5000)->Arg(50000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_KeyToSnapshotFirefoxTextarea)->Arg(5000)->Arg(50000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_SnapshotGtkEntry5000)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_SnapshotQtField5000)->Unit(benchmark::kMillisecond)->Iterations(200);

TQ_QT_BENCHMARK_MAIN(QApplication)
