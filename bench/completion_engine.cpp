// libs: tq_completion
// The completion engine on its main road: a keystroke read from a full field (3000 characters
// before the caret, 500 after) with every context section at its cap, a request built and
// answered at once by a canned provider, the reply cleaned and the ghost shown. Also the
// cheaper keystroke that only moves a shown suggestion on, and how many provider calls a burst
// of typing makes (it must be 1).
#include "EngineRig.h"
#include "QtBenchMain.h"
#include "services/PowerMonitor.h"
#include "services/TypoChecker.h"
#include "completion/CompletionEngine.h"
#include "overlay/GhostPanel.h"
#include "platform/Chars.h"
#include "platform/Clock.h"
#include "platform/fakes/FakeCrypto.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeKeychain.h"
#include "platform/fakes/FakePlatform.h"
#include "platform/fakes/FakePowerSource.h"
#include "platform/fakes/FakeSpellChecker.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using namespace tq;
using bench::Source;

QString prose(int characters)
{
    static const QString words = QStringLiteral(
        "We should meet the design team on Monday to review the plan, and then decide whether the new "
        "layout works for everyone. \u00C9t\u00E9 \U0001F44D I'll send the notes afterwards. ");
    QString out;
    while (chars::count(out) < characters)
        out += words;
    return chars::first(out, characters).toString();
}

class CannedProvider final : public CompletionProvider {
public:
    PromptStyle style() const override { return PromptStyle::instruct; }
    Future<QString> complete(const CompletionRequest&) override
    {
        ++calls;
        return Future<QString>::ready(QStringLiteral(" and then we can talk about the budget for next year"));
    }
    Future<ProviderStatus> status() override { return Future<ProviderStatus>::ready(ProviderStatus::ready({})); }
    Future<QStringList> models() override { return Future<QStringList>::ready(QStringList{}); }
    int calls = 0;
};

// Every context section well over what a prompt keeps of it.
PromptContext fullContext()
{
    PromptContext c;
    c.appName = QStringLiteral("Mail");
    c.windowTitle = prose(300);
    c.domain = QStringLiteral("mail.example.com");
    c.clipboard = prose(1000);
    c.screenText = prose(2400);
    c.nearbyText = prose(1200);
    c.recentText = prose(1200);
    c.writerName = QStringLiteral("Sam");
    c.now = QStringLiteral("Monday 5 January 2026, morning");
    return c;
}

struct Rig : bench::EngineStores {
    CannedProvider provider;
    Source source;
    std::unique_ptr<CompletionEngine> engine;

    Rig()
    {
        prefs.setCompleteInsideText(true);
        prefs.setCustomInstructions(prose(2000));
        ProviderAccess providers;
        providers.active = [this]() -> CompletionProvider& { return provider; };
        providers.modelName = [](EngineKind, bool) { return QString(); };
        providers.warmUp = [] {};
        ContextAccess context;
        const PromptContext full = fullContext();
        context.context = [full](const FieldSnapshot&, const std::optional<QString>& about, const QStringList& examples) {
            PromptContext c = full;
            c.aboutWriter = about;
            c.examples = examples;
            return c;
        };
        context.prepare = [](const FieldSnapshot&) {};
        // One screen as on a laptop, so that the ghost is placed and bounded as in use.
        platform.overlayScreens().list = {ScreenArea{QRectF(0, 0, 1440, 900), QRectF(0, 0, 1440, 875)}};
        engine = std::make_unique<CompletionEngine>(prefs, rules, stats, memory, providers, context, power, typo, platform);
        engine->setSource(&source);

        FieldSnapshot s;
        s.fieldKey = QStringLiteral("1:1");
        s.bundleID = QStringLiteral("org.example.Mail");
        s.appName = QStringLiteral("Mail");
        s.before = prose(3000);
        s.after = QStringLiteral("\n") + prose(499);
        s.caretRect = QRectF(300, 500, 1, 18);
        s.lineStartX = 100;
        s.fieldFrame = QRectF(100, 200, 600, 400);
        s.fontSize = 13;
        source.current = s;
        engine->refresh(false);
        QCoreApplication::processEvents();
    }

    // One keystroke: the text before the caret changes and the field is read again.
    void type(const QString& character)
    {
        QString& before = source.current->before;
        before += character;
        before = chars::last(before, 3000).toString();
        engine->refresh(true);
    }
};

void reportPercentiles(benchmark::State& state, std::vector<double>& micros)
{
    if (micros.empty())
        return;
    std::sort(micros.begin(), micros.end());
    auto at = [&](double q) { return micros[std::min(micros.size() - 1, size_t(q * double(micros.size())))]; };
    state.counters["p50_us"] = at(0.50);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = micros.back();
}

// Keystroke to ghost on screen with a provider that answers at once.
void BM_KeystrokeToGhost(benchmark::State& state)
{
    Rig rig;
    std::vector<double> micros;
    const QString letters = QStringLiteral("abcdefghij");
    int i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        rig.type(letters.at(i++ % letters.size()));
        QCoreApplication::processEvents(); // the provider's answer
        benchmark::DoNotOptimize(rig.engine->ghost().isShowing());
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    if (!rig.engine->ghost().isShowing())
        state.SkipWithError("no ghost shown");
    reportPercentiles(state, micros);
}
BENCHMARK(BM_KeystrokeToGhost)->Unit(benchmark::kMicrosecond);

// A keystroke that matches the shown suggestion: no request, the ghost moves on.
void BM_KeystrokeFollowing(benchmark::State& state)
{
    Rig rig;
    std::vector<double> micros;
    const QString reply = QStringLiteral(" and then we can talk about the budget for next year");
    const QString base = rig.source.current->before;
    int k = 0;
    for (auto _ : state) {
        if (k == 0 || k >= reply.size() - 1) {
            state.PauseTiming();
            rig.source.current->before = base;
            rig.engine->refresh(false);
            QCoreApplication::processEvents();
            k = 0;
            state.ResumeTiming();
        }
        const auto start = std::chrono::steady_clock::now();
        rig.source.current->before = base + reply.left(++k);
        rig.engine->refresh(true);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    reportPercentiles(state, micros);
}
BENCHMARK(BM_KeystrokeFollowing)->Unit(benchmark::kMicrosecond);

// A burst of 20 keys 80 ms apart with a 300 ms pause: provider calls per burst.
void BM_ProviderCallsPerBurst(benchmark::State& state)
{
    Rig rig;
    rig.prefs.setDelayMilliseconds(300);
    double bursts = 0;
    const int before = rig.provider.calls;
    for (auto _ : state) {
        for (int i = 0; i < 20; ++i) {
            rig.type(QStringLiteral("x"));
            rig.clock.advance(std::chrono::milliseconds(80));
            QCoreApplication::processEvents();
        }
        rig.clock.advance(std::chrono::milliseconds(300));
        QCoreApplication::processEvents();
        rig.type(QStringLiteral(" ")); // drops the answer's suggestion for the next burst
        ++bursts;
    }
    state.counters["calls_per_burst"] = double(rig.provider.calls - before) / bursts;
}
BENCHMARK(BM_ProviderCallsPerBurst)->Unit(benchmark::kMillisecond);

} // namespace

TQ_QT_BENCHMARK_MAIN(QApplication)
