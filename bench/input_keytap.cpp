// libs: tq_input tq_overlay
// Round trip of a held key: from the tap's thread reading the grabbed key press to the answer
// sent to the X server, through the handler on the main thread (goal: p99 ≤ 2 ms). Needs an X
// display (run inside tools/desktop-session.sh). Also the ghost layout, made once per keystroke.

#include "QtBenchMain.h"
#include "input/KeyTap.h"
#include "overlay/GhostLayout.h"
#include "platform/KeyNames.h"
#include "platform/XInputKeyTap.h"
#include "platform/XTestInjectedKeys.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <vector>

namespace {

void BM_GrabbedKeyRoundTrip(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("needs an X display: run inside tools/desktop-session.sh");
        return;
    }
    static tq::InjectedKeys injected;
    static tq::XInputKeyTap source(injected);
    tq::KeyTap tap(source);
    tap.handler = [](const tq::TapEvent& e) { return e.isKey() && e.key.keyCode == tq::keycode::kF9; };
    tap.setKeys({tq::KeyCombo{tq::keycode::kF9, {}}});
    if (!tap.start()) {
        state.SkipWithError("the key tap did not start");
        return;
    }
    std::atomic<int> decisions{0};
    std::atomic<long long> lastNanos{0};
    source.setDecisionObserver([&](std::chrono::nanoseconds took, bool) {
        lastNanos = took.count();
        ++decisions;
    });
    Display* typist = XOpenDisplay(nullptr); // another XTest client: the user's typing
    const KeyCode f9 = KeyCode(*tq::x11KeyCodeFromMac(tq::keycode::kF9));
    // Let the grab settle.
    for (auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300); std::chrono::steady_clock::now() < until;)
        QCoreApplication::processEvents();

    std::vector<double> samples;
    for (auto _ : state) {
        const int before = decisions;
        XTestFakeKeyEvent(typist, f9, True, CurrentTime);
        XTestFakeKeyEvent(typist, f9, False, CurrentTime);
        XFlush(typist);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (decisions == before && std::chrono::steady_clock::now() < deadline)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        const double seconds = double(lastNanos.load()) / 1e9;
        samples.push_back(seconds);
        state.SetIterationTime(seconds);
    }
    source.setDecisionObserver(nullptr);
    XCloseDisplay(typist);
    if (!samples.empty()) {
        std::sort(samples.begin(), samples.end());
        state.counters["p50_ms"] = samples[samples.size() / 2] * 1e3;
        state.counters["p99_ms"] = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)] * 1e3;
    }
}
BENCHMARK(BM_GrabbedKeyRoundTrip)->UseManualTime()->Iterations(500)->Unit(benchmark::kMicrosecond);

void BM_GhostLayoutWrapped(benchmark::State& state)
{
    tq::GhostContent c;
    c.kind = tq::GhostContent::Kind::completion(
        " and we will meet again next week to go over the remaining points of the plan together");
    c.caretRect = QRectF(600, 500, 2, 18);
    c.fieldFrame = QRectF(100, 300, 700, 240);
    c.lineStartX = 106;
    c.allowWrap = true;
    c.hint = "tab";
    const QRectF bounds(0, 0, 1600, 1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(tq::GhostLayout::make(c, bounds));
}
BENCHMARK(BM_GhostLayoutWrapped)->Unit(benchmark::kMicrosecond);

} // namespace

TQ_QT_BENCHMARK_MAIN(QGuiApplication)
