#include "EngineFixture.h"

#include "completion/GenerationRunner.h"

namespace tq::testing {
namespace {

using End = GenerationRunner::End;

// A runner over a fake provider; the hooks record what it reports. The clean-up trims, and
// a text saying "hidden" is refused by `show` (the field moved on).
class Runner : public ::testing::Test {
public:
    Runner()
        : runner(clock, &context, GenerationRunner::Hooks{
                                      [](const QString& text, const GenerationRunner::Run&) { return text.trimmed(); },
                                      [this](const QString& cleaned, const FieldSnapshot&, bool isNew) {
                                          shown.append((isNew ? QStringLiteral("new:") : QStringLiteral("more:")) + cleaned);
                                          return !cleaned.contains(QStringLiteral("hidden"));
                                      },
                                      [this](const QString& reply) { replies.append(reply); },
                                      [this](qint64 ms) { latencies.append(ms); },
                                      [this](End end, const QString& message) { ends.append({end, message}); }})
    {
    }

    TaskHandle start()
    {
        TaskHandle task = makeTask(clock);
        tasks.push_back(task);
        GenerationRunner::Run run;
        run.generation = runner.advance();
        runner.start(provider, CompletionRequest{}, run, task);
        return task;
    }
    void settle() { settleEvents(); }
    void advance(int ms) { advanceTime(clock, ms); }

    VirtualClock clock;
    QObject context;
    FakeProvider provider;
    GenerationRunner runner;
    std::vector<TaskHandle> tasks;
    QStringList shown;
    QStringList replies;
    QList<qint64> latencies;
    QList<std::pair<End, QString>> ends;
};

TEST_F(Runner, HowARequestEnds)
{
    struct Case {
        const char* name;
        std::function<void(Runner&)> act;
        QStringList shown;
        QList<std::pair<End, QString>> ends;
    };
    const QString boom = QStringLiteral("Boom");
    const QList<Case> cases{
        {"reply shown", [](Runner& r) { r.provider.reply(QStringLiteral(" world ")); }, {QStringLiteral("new:world")}, {}},
        {"empty reply", [](Runner& r) { r.provider.reply(QStringLiteral("  ")); }, {}, {{End::empty, {}}}},
        {"streamed then empty",
         [](Runner& r) {
             r.provider.partial(QStringLiteral("world and "));
             r.settle();
             r.provider.reply(QString());
         },
         {QStringLiteral("new:world and")},
         {{End::withdrawn, {}}}},
        {"streamed then longer",
         [](Runner& r) {
             r.provider.partial(QStringLiteral("world and "));
             r.provider.partial(QStringLiteral("world and more "));
             r.provider.partial(QStringLiteral("world "));
             r.provider.reply(QStringLiteral("world and more"));
         },
         {QStringLiteral("new:world and"), QStringLiteral("more:world and more")},
         {}},
        {"provider error", [boom](Runner& r) { r.provider.fail(boom); }, {}, {{End::failed, boom}}},
        {"provider gave up", [](Runner& r) { r.provider.last().promise.finish(Cancelled{}); }, {}, {{End::gaveUp, {}}}},
        {"watchdog", [](Runner& r) { r.advance(8000); }, {}, {{End::timedOut, {}}}},
        {"task cancelled", [](Runner& r) {
             r.tasks.back()->cancel();
             r.provider.reply(QStringLiteral("late"));
         }, {}, {}},
        {"a newer request",
         [](Runner& r) {
             auto first = r.provider.calls.first();
             r.start();
             first->partial(QStringLiteral("old words "));
             first->promise.finish(QStringLiteral("old"));
         },
         {},
         {}},
        {"refused partial is tried again",
         [](Runner& r) {
             r.provider.partial(QStringLiteral("hidden words "));
             r.provider.reply(QStringLiteral("hidden words"));
         },
         {QStringLiteral("new:hidden words"), QStringLiteral("new:hidden words")},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shown.clear();
        ends.clear();
        provider.calls.clear();
        start();
        c.act(*this);
        advance(0);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(ends, c.ends);
    }
}

TEST_F(Runner, LatencyOnceAtTheFirstShownText)
{
    start();
    advance(30);
    provider.partial(QStringLiteral("world and "));
    advance(20);
    provider.reply(QStringLiteral("world and more"));
    settle();
    EXPECT_EQ(latencies, QList<qint64>{30});
    EXPECT_EQ(replies, QStringList{QStringLiteral("world and more")});
}

TEST(StableStreamedPart, CompleteWordsOnly)
{
    const QList<std::pair<QString, std::optional<QString>>> cases{
        {QStringLiteral("world"), std::nullopt},
        {QStringLiteral("world and"), QStringLiteral("world")},
        {QStringLiteral("world and "), QStringLiteral("world and")},
        {QStringLiteral(" , x"), std::nullopt},
        {QStringLiteral("\u4F60"), std::nullopt},
        {QStringLiteral("\u4F60\u597D"), QStringLiteral("\u4F60\u597D")},
        {QStringLiteral("caf\uFFFD"), std::nullopt},
    };
    for (const auto& [text, stable] : cases)
        EXPECT_EQ(stableStreamedPart(text), stable) << text.toStdString();
}

} // namespace
} // namespace tq::testing
