// libs: tq_completion
// The completion text functions on the largest inputs they meet: a field's 3000 characters
// before the caret and 500 after, a long model reply, every prompt section well over its cap,
// and the emoji search over the whole index.
#include "completion/EmojiIndex.h"
#include "completion/Prompts.h"
#include "completion/ReplyCleanup.h"
#include "completion/RequestBuilding.h"
#include "platform/Chars.h"

#include <benchmark/benchmark.h>

#include <QStringList>

namespace {

QString prose(int characters)
{
    static const QString words = QStringLiteral(
        "We should meet the design team on Monday to review the plan, and then decide whether the new "
        "layout works for everyone. \u00C9t\u00E9 \U0001F44D I'll send the notes afterwards.\n");
    QString out;
    while (tq::chars::count(out) < characters)
        out += words;
    return tq::chars::first(out, characters).toString();
}

const QString& before() { static const QString s = prose(3000); return s; }
const QString& after() { static const QString s = prose(500); return s; }

// A reply that walks most of the pipeline: think block, label, quotes, a long first line.
QString longReply()
{
    return QStringLiteral("<think>") + prose(1500) + QStringLiteral("</think>\nContinuation: \u201C") +
           prose(2000).replace(u'\n', u' ') + QStringLiteral("\u201D\nsecond line");
}

tq::PromptContext fullContext()
{
    tq::PromptContext ctx;
    ctx.appName = QStringLiteral("Mail");
    ctx.windowTitle = prose(300);
    ctx.domain = QStringLiteral("mail.example.org");
    ctx.clipboard = prose(5000);
    ctx.screenText = prose(20000);
    ctx.nearbyText = prose(5000);
    ctx.aboutWriter = prose(2000);
    for (int i = 0; i < 6; ++i)
        ctx.examples << prose(220);
    ctx.recentText = prose(5000);
    ctx.writerName = QStringLiteral("Alex");
    ctx.now = QStringLiteral("Monday, 5 January 2026 at 09:00");
    return ctx;
}

void BM_CleanLongReply(benchmark::State& state)
{
    const QString reply = longReply();
    const tq::ReplyCleaner::MisspelledTest misspelled = [](const QString&) { return false; };
    for (auto _ : state)
        benchmark::DoNotOptimize(tq::ReplyCleaner::clean(reply, before(), after(), 22, tq::PromptStyle::instruct, misspelled));
}
BENCHMARK(BM_CleanLongReply)->Unit(benchmark::kMicrosecond);

void BM_CleanTypicalReply(benchmark::State& state)
{
    const QString reply = QStringLiteral(" and then decide whether the new layout works for everyone else too");
    for (auto _ : state)
        benchmark::DoNotOptimize(tq::ReplyCleaner::clean(reply, before(), after(), 10, tq::PromptStyle::raw));
}
BENCHMARK(BM_CleanTypicalReply)->Unit(benchmark::kMicrosecond);

void BM_InstructPrompt(benchmark::State& state)
{
    const tq::PromptContext ctx = fullContext();
    for (auto _ : state)
        benchmark::DoNotOptimize(tq::PromptBuilder::instructPrompt(before(), ctx));
}
BENCHMARK(BM_InstructPrompt)->Unit(benchmark::kMicrosecond);

void BM_RawPrompt(benchmark::State& state)
{
    const tq::PromptContext ctx = fullContext();
    for (auto _ : state)
        benchmark::DoNotOptimize(tq::PromptBuilder::rawPrompt(before(), ctx));
}
BENCHMARK(BM_RawPrompt)->Unit(benchmark::kMicrosecond);

void BM_BuildRequest(benchmark::State& state)
{
    const tq::PromptContext ctx = fullContext();
    for (auto _ : state)
        benchmark::DoNotOptimize(tq::buildRequest(before(), ctx, {}));
}
BENCHMARK(BM_BuildRequest)->Unit(benchmark::kMicrosecond);

void BM_EmojiIndexBuild(benchmark::State& state)
{
    for (auto _ : state) {
        tq::EmojiIndex index;
        benchmark::DoNotOptimize(index.entries().size());
    }
}
BENCHMARK(BM_EmojiIndexBuild)->Unit(benchmark::kMicrosecond);

void BM_EmojiSearch(benchmark::State& state, const char* query, int tone)
{
    tq::EmojiIndex index;
    index.entries();
    const QString q = QString::fromLatin1(query);
    for (auto _ : state)
        benchmark::DoNotOptimize(index.search(q, 7, tone, true));
}
BENCHMARK_CAPTURE(BM_EmojiSearch, rocket, "rocket", 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EmojiSearch, one_letter, "s", 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EmojiSearch, hand_toned, "hand", 3)->Unit(benchmark::kMicrosecond);

void BM_EmojiOffer(benchmark::State& state)
{
    tq::EmojiIndex index;
    index.entries();
    const QString text = before() + QStringLiteral(" :D");
    for (auto _ : state)
        benchmark::DoNotOptimize(tq::emojiOffer(index, text, {}));
}
BENCHMARK(BM_EmojiOffer)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
