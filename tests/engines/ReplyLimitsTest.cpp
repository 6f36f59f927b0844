// Servers that answer with too much, or with bytes that are not text: every reply is read only
// up to its cap, the transfer stops there with a failure, and the memory stays small.
#include "EngineTestSupport.h"
#include "FloodServer.h"

#include "engines/HttpTransport.h"
#include "engines/OllamaProvider.h"
#include "engines/OpenAICompatibleProvider.h"
#include "platform/Clock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QNetworkAccessManager>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

namespace {

// A line of /proc/self/status in MiB: "VmRSS" (resident now) or "VmHWM" (the peak).
qint64 statusMiB(const QByteArray& name)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toLongLong() / 1024;
    return -1;
}
qint64 residentMiB() { return statusMiB("VmRSS"); }

// Starts the peak over again where the kernel allows it.
bool resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    return f.open(QIODevice::WriteOnly) && f.write("5") == 1;
}

// Awaits `f` while sampling the resident memory; the outcome and the highest resident memory
// seen since `peakReset` (the kernel's peak when it could be reset, else the samples).
template <class T>
std::pair<std::optional<Outcome<T>>, qint64> awaitSampling(const Future<T>& f, int ms, bool peakReset)
{
    qint64 peak = residentMiB();
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { peak = std::max(peak, residentMiB()); });
    sampler.start(5);
    auto out = await(f, ms);
    peak = std::max(peak, residentMiB());
    if (peakReset)
        peak = std::max(peak, statusMiB("VmHWM"));
    return {out, peak};
}

CompletionRequest request()
{
    CompletionRequest r;
    r.rawPrompt = QStringLiteral("Hello wor");
    r.model = QStringLiteral("m");
    r.maxTokens = 26;
    return r;
}

constexpr qint64 k50MB = 50LL << 20;
constexpr qint64 kMemoryLimitMiB = 200;

} // namespace

TEST(ReplyLimits, FloodsEndInAFailureWithSmallMemory)
{
    SystemClock clock;
    QNetworkAccessManager network;
    struct Case {
        const char* name;
        bool openAI;
        QByteArray prefix;
        qint64 flood;
        bool declareLength;
        int status;
    };
    const Case cases[] = {
        {"endless Ollama stream", false, R"({"response":")", -1, false, 200},
        {"endless OpenAI stream", true, R"({"choices":[{"text":")", -1, false, 200},
        {"50 MB Ollama body", false, R"({"response":")", k50MB, true, 200},
        {"50 MB OpenAI body, no length", true, R"({"choices":[{"text":")", k50MB, false, 200},
        {"50 MB error echo", false, R"({"error":")", k50MB, false, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FloodServer server({c.status, c.prefix, c.flood, c.declareLength});
        OllamaProvider ollama(clock, network, [&] { return server.base(); });
        OpenAICompatibleProvider openAI(clock, network, [&] { return server.base(); }, [] { return QString(); });
        CompletionProvider& provider = c.openAI ? static_cast<CompletionProvider&>(openAI) : ollama;

        QElapsedTimer elapsed;
        elapsed.start();
        const bool peakReset = resetPeak();
        const auto reply = provider.complete(request());
        QThread::msleep(500);  // a busy main thread: nothing may read on for it unbounded
        const auto [out, peak] = awaitSampling(reply, Providers::kLongTimeoutMs + 5000, peakReset);
        ASSERT_TRUE(out);
        EXPECT_TRUE(out->isProviderError());
        EXPECT_EQ(out->errorMessage(), Providers::replyTooLong().message);
        EXPECT_LT(elapsed.elapsed(), Providers::kLongTimeoutMs);
        EXPECT_LT(peak, kMemoryLimitMiB);
        spinUntil([] { return false; }, 100); // the reply is deleted from the event queue
        EXPECT_LT(residentMiB(), kMemoryLimitMiB);
    }
}

TEST(ReplyLimits, EndlessModelListsLeaveTheEngineUnavailable)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FloodServer server({200, R"({"models":[)", -1, false, R"({"name":"m"},)"});
    OllamaProvider ollama(clock, network, [&] { return server.base(); });

    const bool peakReset = resetPeak();
    const auto [models, peak] = awaitSampling(ollama.models(), Providers::kShortTimeoutMs + 5000, peakReset);
    ASSERT_TRUE(models && models->hasValue());
    EXPECT_TRUE(models->value().isEmpty());
    EXPECT_LT(peak, kMemoryLimitMiB);
    auto status = await(ollama.status(), Providers::kShortTimeoutMs * 2 + 5000);
    ASSERT_TRUE(status && status->hasValue());
    EXPECT_TRUE(status->value().isUnavailable());
}

TEST(ReplyLimits, AReplyUpToItsCapIsRead)
{
    SystemClock clock;
    QNetworkAccessManager network;
    FakeHttpServer server;
    const qint64 cap = Providers::completionReplyCap(request().maxTokens);
    const QByteArray head = R"({"response":")", tail = R"("})";
    const QByteArray fits = head + QByteArray(cap - head.size() - tail.size(), 'a') + tail;
    server.reply("/api/generate", 200, fits);
    OllamaProvider ollama(clock, network, [&] { return server.base(); });
    auto out = await(ollama.complete(request()));
    ASSERT_TRUE(out && out->hasValue());
    EXPECT_EQ(out->value().size(), cap - head.size() - tail.size());

    server.reply("/api/generate", 200, head + QByteArray(cap, 'a') + tail);
    auto over = await(ollama.complete(request()));
    ASSERT_TRUE(over);
    EXPECT_EQ(over->errorMessage(), Providers::replyTooLong().message);
}

TEST(ReplyLimits, ChunkedAndMeasuredBodiesUnderTheCapArriveWhole)
{
    SystemClock clock;
    QNetworkAccessManager network;
    for (const bool declareLength : {false, true}) {
        SCOPED_TRACE(declareLength ? "with a length" : "chunked");
        FloodServer server({200, "head:", 200'000, declareLength, "0123456789"});
        auto out = await(Providers::get(clock, network, Providers::endpoint(server.base(), QStringLiteral("x")), QString()));
        ASSERT_TRUE(out && out->hasValue()) << out->errorMessage().toStdString();
        EXPECT_EQ(out->value().size(), 5 + 200'000);
        EXPECT_TRUE(out->value().startsWith("head:0123456789"));
        EXPECT_TRUE(out->value().endsWith("0123456789"));
    }
}

TEST(ReplyLimits, RepliesThatAreNotUtf8AreRefused)
{
    SystemClock clock;
    QNetworkAccessManager network;
    struct Case {
        QByteArray body;
        bool valid;
    };
    const Case cases[] = {
        {"{\"response\":\"caf\xc3\xa9 \xf0\x9f\x98\x80\"}", true},
        {"{\"response\":\"ab\xff\"}", false},
        {"{\"response\":\"\xc3\"}", false},                 // cut short
        {"{\"response\":\"\xc0\xaf\"}", false},             // overlong
        {"{\"response\":\"\xed\xa0\x80\"}", false},         // a surrogate
        {"{\"response\":\"\xf4\x90\x80\x80\"}", false},     // beyond U+10FFFF
    };
    FakeHttpServer server;
    OllamaProvider ollama(clock, network, [&] { return server.base(); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body.toStdString());
        server.reply("/api/generate", 200, c.body);
        auto out = await(ollama.complete(request()));
        ASSERT_TRUE(out);
        EXPECT_EQ(out->hasValue(), c.valid);
        if (!c.valid) {
            ASSERT_TRUE(out->isPlatformError());
            EXPECT_EQ(out->platformError()->domain, QStringLiteral("json"));
        }
    }
}
