// libs: tq_engines
// The built-in runtime against llama.cpp's own tools, on one generated model of realistic size,
// one prompt of about 1500 tokens and one thread count:
//   - cold request, the request after one more typed word (prefix reuse), generation speed;
//   - llama-bench's prompt and generation speed for the same model and threads;
//   - a keystroke trace replayed through the runtime and through llama-server's
//     /v1/completions with cache_prompt.
// Generation and the trace take turns with the reference tools, so a busy machine slows both alike.
// The model is written by tq-gguf-gen into the build tree the first time (a few hundred MB).
// Environment: TQ_BENCH_THREADS (default 4), TQ_BENCH_MODEL (use this GGUF file instead).

#include "engines/LlamaRuntime.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <future>
#include <optional>
#include <random>
#include <thread>

using tq::LlamaRuntime;

namespace {

constexpr int kContextTokens = 2048;
constexpr int kPromptTokens = 1500;
constexpr int kTraceMaxTokens = 8;
constexpr int kGenerateTokens = 64;
const QString kTyped = QStringLiteral(" Let me know if the new plan works for you and the team");

int threads()
{
    const int t = qEnvironmentVariableIntValue("TQ_BENCH_THREADS");
    return t > 0 ? t : 4;
}

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const double pos = p * double(v.size() - 1);
    const auto lo = std::size_t(pos);
    const auto hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (v[hi] - v[lo]) * (pos - double(lo));
}

template <class F>
auto onQueue(LlamaRuntime& rt, F fn) -> std::invoke_result_t<F>
{
    using R = std::invoke_result_t<F>;
    auto task = std::make_shared<std::packaged_task<R()>>(std::move(fn));
    auto result = task->get_future();
    rt.post([task] { (*task)(); });
    return result.get();
}

// --- The shared set-up -------------------------------------------------------------------

std::string modelPath()
{
    if (auto env = qEnvironmentVariable("TQ_BENCH_MODEL"); !env.isEmpty())
        return env.toStdString();
    const QString path = QStringLiteral(TQ_BINARY_DIR "/models/bench-llama-250m-q8.gguf");
    if (QFileInfo::exists(path))
        return path.toStdString();
    std::fprintf(stderr, "Writing the benchmark model %s …\n", qPrintable(path));
    QProcess gen;
    gen.setProcessChannelMode(QProcess::ForwardedChannels);
    gen.start(QStringLiteral(TQ_BINARY_DIR "/tools/gguf-gen/tq-gguf-gen"),
              {"--vocab", TQ_LLAMA_SOURCE "/models/ggml-vocab-llama-spm.gguf", "--out", path, "--embd", "1024",
               "--layers", "20", "--heads", "16", "--kv-heads", "4", "--ff", "2816", "--context", "4096",
               "--type", "q8_0", "--seed", "11", "--spread", "0.04"});
    if (!gen.waitForFinished(-1) || gen.exitCode() != 0) {
        std::fprintf(stderr, "tq-gguf-gen failed (build the target tq-gguf-gen first)\n");
        std::exit(1);
    }
    return path.toStdString();
}

// Plain English-like text, the same every run.
QString sentence(std::mt19937& rng)
{
    static const QStringList words = QStringLiteral(
        "the of and to in is was that for on with as by at from this have are be not or which one all "
        "were they their there been has more when will would who so no she he we you them time people "
        "year way day man thing woman life child world school state family student group country problem "
        "hand part place case week company system program question work government number night point home "
        "water room mother area money story fact month lot right study book eye job word business issue side "
        "kind head house service friend father power hour game line end member law car city community name "
        "team minute idea kid body information back parent face others level office door health person art "
        "war history party result change morning reason research girl guy moment air teacher force education "
        "good new first last long great little own other old big high different small large next early young "
        "important few public bad same able said made found gave told asked wrote called seemed felt left kept")
        .split(u' ', Qt::SkipEmptyParts);
    std::uniform_int_distribution<int> len(8, 16), pick(0, int(words.size()) - 1);
    QString s;
    const int n = len(rng);
    for (int i = 0; i < n; ++i) {
        QString w = words[pick(rng)];
        if (i == 0)
            w[0] = w[0].toUpper();
        s += (i ? QStringLiteral(" ") : QString()) + w;
    }
    return s + QStringLiteral(".");
}

struct Shared {
    std::string model;
    int threads = 4;
    QString prompt; // about kPromptTokens tokens

    // Results gathered by the benchmarks, for the summary.
    double loadSeconds = 0;
    double coldMs = 0, oneWordMs = 0, oursPromptTps = 0, oursGenTps = 0;
    int coldPromptTokens = 0, oneWordReused = 0;
    double benchPp = 0, benchTg = 0, benchTgDepth = 0;
    // The runtime's trace with the same work as the server (index 0: no new-word floor) and
    // with the built-in provider's settings (index 1: floor 0.15).
    std::vector<double> oursTrace[2], serverTrace;
    double oursTraceTokens[2] = {0, 0}, serverTraceTokens = 0;
    double serverColdMs = 0, serverOneWordMs = 0;
    QString serverError;
};

Shared& shared()
{
    static Shared s = [] {
        Shared s;
        s.model = modelPath();
        s.threads = threads();
        LlamaRuntime rt(kContextTokens, 1);
        onQueue(rt, [&] { rt.load(s.model); });
        std::mt19937 rng(42);
        QString text;
        while (onQueue(rt, [&] { return int(rt.tokenize(text + QStringLiteral(" x"), 100000).size()); })
               < kPromptTokens)
            text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + sentence(rng);
        s.prompt = text;
        return s;
    }();
    return s;
}

LlamaRuntime::Job makeJob(LlamaRuntime& rt, const QString& prompt, int maxTokens)
{
    LlamaRuntime::Job j;
    j.path = shared().model;
    j.prompt = prompt;
    j.maxTokens = maxTokens;
    j.temperature = 0.0;
    j.wordFloor = 0; // the same number of tokens as the reference tools
    j.job = rt.nextJob();
    return j;
}

// The request the engine makes for the text typed so far.
LlamaRuntime::Job keystrokeJob(LlamaRuntime& rt, const QString& typed, double wordFloor)
{
    auto j = makeJob(rt, shared().prompt + typed, kTraceMaxTokens);
    j.wordFloor = wordFloor;
    const QChar last = typed.isEmpty() ? QChar() : typed.back();
    j.healLast = last.isLetterOrNumber();
    j.spaceTyped = last.isSpace() && typed.size() > 1;
    return j;
}

// --- The runtime ----------------------------------------------------------------------------

// A fresh runtime's first request (the model loaded, the cache empty), then the same text with
// one more word. Run right after llama-server's pair of the same requests.
void coldThenOneMoreWord(Shared& s)
{
    LlamaRuntime rt(kContextTokens, s.threads);
    const auto info = onQueue(rt, [&] { return rt.load(s.model); });
    s.loadSeconds = info ? info->seconds : 0;

    const QString first = s.prompt + QStringLiteral(" We");
    double t = nowMs();
    const auto cold = onQueue(rt, [&, j = makeJob(rt, first, kTraceMaxTokens)] { return rt.generate(j); });
    s.coldMs = nowMs() - t;
    s.coldPromptTokens = cold.promptTokens;
    s.oursPromptTps = cold.promptTokens / (cold.promptMilliseconds / 1000.0);

    t = nowMs();
    const auto word = onQueue(
        rt, [&, j = makeJob(rt, first + QStringLiteral(" should"), kTraceMaxTokens)] { return rt.generate(j); });
    s.oneWordMs = nowMs() - t;
    s.oneWordReused = word.reusedTokens;
}

// --- llama-bench ------------------------------------------------------------------------------

QJsonArray runLlamaBench(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(TQ_LLAMA_BIN "/llama-bench"),
            QStringList{"-m", QString::fromStdString(shared().model), "-t", QString::number(shared().threads), "-r",
                        "1", "-o", "json"}
                + args);
    p.waitForFinished(-1);
    return QJsonDocument::fromJson(p.readAllStandardOutput()).array();
}

double averageTps(const QJsonArray& results, int nPrompt, int nGen, int depth)
{
    for (const auto& v : results) {
        const QJsonObject o = v.toObject();
        if (o.value("n_prompt").toInt() == nPrompt && o.value("n_gen").toInt() == nGen
            && o.value("n_depth").toInt() == depth)
            return o.value("avg_ts").toDouble();
    }
    return 0;
}

void BM_LlamaBench(benchmark::State& state)
{
    Shared& s = shared();
    for (auto _ : state) {
        const auto pp = runLlamaBench({"-p", QString::number(kPromptTokens), "-n", QString::number(kGenerateTokens)});
        s.benchPp = averageTps(pp, kPromptTokens, 0, 0);
        s.benchTg = averageTps(pp, 0, kGenerateTokens, 0);
        state.SetIterationTime(1);
    }
    state.counters["pp_tok_s"] = s.benchPp;
    state.counters["tg_tok_s"] = s.benchTg;
}

// Generation after the prompt, taking turns with llama-bench's generation at the same depth so
// that a change in the machine's load hits both alike; the best round of each counts.
void BM_Generation(benchmark::State& state)
{
    Shared& s = shared();
    for (auto _ : state) {
        LlamaRuntime rt(kContextTokens, s.threads);
        onQueue(rt, [&] { rt.load(s.model); });
        for (int round = 0; round < 3; ++round) {
            const auto gen = onQueue(rt, [&, j = makeJob(rt, s.prompt, kGenerateTokens)] { return rt.generate(j); });
            s.oursGenTps = std::max(s.oursGenTps, gen.generatedTokens / (gen.generateMilliseconds / 1000.0));
            const auto tg = runLlamaBench(
                {"-p", "0", "-n", QString::number(kGenerateTokens), "-d", QString::number(kPromptTokens)});
            s.benchTgDepth = std::max(s.benchTgDepth, averageTps(tg, 0, kGenerateTokens, kPromptTokens));
        }
        state.SetIterationTime(1);
    }
    state.counters["gen_tok_s"] = s.oursGenTps;
    state.counters["llama_bench_tok_s"] = s.benchTgDepth;
}

// --- llama-server -----------------------------------------------------------------------------

int freePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

// One HTTP/1.1 exchange with 127.0.0.1; the status code and body, or nothing when unreachable.
std::optional<std::pair<int, QByteArray>> http(int port, const QByteArray& method, const QByteArray& path,
                                               const QByteArray& body = {})
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(std::uint16_t(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray req = method + " " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n";
    if (!body.isEmpty())
        req += "Content-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
    req += "\r\n" + body;
    for (qsizetype sent = 0; sent < req.size();) {
        const auto n = ::send(fd, req.constData() + sent, std::size_t(req.size() - sent), 0);
        if (n <= 0)
            break;
        sent += n;
    }
    QByteArray reply;
    char buf[65536];
    for (;;) {
        const auto n = ::recv(fd, buf, sizeof buf, 0);
        if (n <= 0)
            break;
        reply.append(buf, n);
    }
    ::close(fd);
    const auto headerEnd = reply.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return std::nullopt;
    const int status = reply.mid(9, 3).toInt();
    QByteArray content = reply.mid(headerEnd + 4);
    if (reply.left(headerEnd).toLower().contains("transfer-encoding: chunked")) {
        QByteArray plain;
        qsizetype pos = 0;
        for (;;) {
            const auto eol = content.indexOf("\r\n", pos);
            if (eol < 0)
                break;
            const int size = content.mid(pos, eol - pos).toInt(nullptr, 16);
            if (size <= 0)
                break;
            plain += content.mid(eol + 2, size);
            pos = eol + 2 + size + 2;
        }
        content = plain;
    }
    return std::make_pair(status, content);
}

// The keystroke trace through llama-server and through two runtimes (the same work as the
// server, and the built-in provider's settings), taking turns request by request.
void BM_KeystrokeTrace(benchmark::State& state)
{
    Shared& s = shared();
    for (auto _ : state) {
        const int port = freePort();
        QProcess server;
        server.setProcessChannelMode(QProcess::MergedChannels);
        server.setStandardOutputFile(QProcess::nullDevice());
        server.start(QStringLiteral(TQ_LLAMA_BIN "/llama-server"),
                     {"-m", QString::fromStdString(s.model), "-t", QString::number(s.threads), "-tb",
                      QString::number(s.threads), "-c", QString::number(kContextTokens), "-np", "1", "--host",
                      "127.0.0.1", "--port", QString::number(port), "--no-webui"});
        bool up = false;
        for (int i = 0; i < 1200 && !up; ++i) {
            auto r = http(port, "GET", "/health");
            up = r && r->first == 200;
            if (!up)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (!up) {
            s.serverError = QStringLiteral("llama-server did not start");
            state.SkipWithError("llama-server did not start");
            server.kill();
            server.waitForFinished();
            return;
        }
        auto complete = [&](const QString& prompt) {
            const QJsonObject body{{"prompt", prompt}, {"max_tokens", kTraceMaxTokens}, {"temperature", 0.0},
                                   {"cache_prompt", true}, {"stream", false}};
            auto r = http(port, "POST", "/v1/completions", QJsonDocument(body).toJson(QJsonDocument::Compact));
            if (!r || r->first != 200) {
                if (qEnvironmentVariableIsSet("TQ_BENCH_VERBOSE"))
                    std::fprintf(stderr, "llama-server: %d %s\n", r ? r->first : 0,
                                 r ? r->second.left(300).constData() : "no answer");
                return -1;
            }
            return QJsonDocument::fromJson(r->second).object().value("usage").toObject()
                .value("completion_tokens").toInt();
        };
        // The same two requests as the runtime's cold one and the one after one more word.
        const QString first = s.prompt + QStringLiteral(" We");
        double t0 = nowMs();
        complete(first);
        s.serverColdMs = nowMs() - t0;
        t0 = nowMs();
        complete(first + QStringLiteral(" should"));
        s.serverOneWordMs = nowMs() - t0;
        coldThenOneMoreWord(s);
        // The field as it was before typing: cold requests are not part of the trace.
        complete(s.prompt);
        LlamaRuntime same(kContextTokens, s.threads), product(kContextTokens, s.threads);
        LlamaRuntime* runtimes[2] = {&same, &product};
        for (LlamaRuntime* rt : runtimes) {
            onQueue(*rt, [&] { rt->load(s.model); });
            onQueue(*rt, [&, j = makeJob(*rt, s.prompt, kTraceMaxTokens)] { return rt->generate(j); });
        }
        s.serverTrace.clear();
        s.oursTrace[0].clear();
        s.oursTrace[1].clear();
        double tokens = 0, ourTokens[2] = {0, 0};
        for (int i = 1; i <= kTyped.size(); ++i) {
            const QString typed = kTyped.left(i);
            for (int turn = 0; turn < 3; ++turn) {
                const int who = (i + turn) % 3; // rotate who goes first
                const double t = nowMs();
                if (who == 2) {
                    const int n = complete(s.prompt + typed);
                    s.serverTrace.push_back(nowMs() - t);
                    if (n < 0)
                        s.serverError = QStringLiteral("llama-server answered with an error");
                    tokens += std::max(n, 0);
                    continue;
                }
                LlamaRuntime& rt = *runtimes[who];
                const auto job = keystrokeJob(rt, typed, who == 1 ? 0.15 : 0.0);
                const auto out = onQueue(rt, [&] { return rt.generate(job); });
                s.oursTrace[who].push_back(nowMs() - t);
                ourTokens[who] += out.generatedTokens;
                if (qEnvironmentVariableIsSet("TQ_BENCH_VERBOSE"))
                    std::fprintf(stderr, "keystroke %d (%s): %.1f ms, prompt %d, reused %d, generated %d\n", i,
                                 who ? "built-in settings" : "same work", s.oursTrace[who].back(), out.promptTokens,
                                 out.reusedTokens, out.generatedTokens);
            }
        }
        s.oursTraceTokens[0] = ourTokens[0] / double(kTyped.size());
        s.oursTraceTokens[1] = ourTokens[1] / double(kTyped.size());
        s.serverTraceTokens = tokens / double(kTyped.size());
        server.kill();
        server.waitForFinished();
        state.SetIterationTime(percentile(s.serverTrace, 0.5) / 1000.0);
    }
    state.counters["cold_ms"] = s.coldMs;
    state.counters["one_more_word_ms"] = s.oneWordMs;
    state.counters["server_p50_ms"] = percentile(s.serverTrace, 0.5);
    state.counters["same_work_p50_ms"] = percentile(s.oursTrace[0], 0.5);
    state.counters["built_in_p50_ms"] = percentile(s.oursTrace[1], 0.5);
}

BENCHMARK(BM_LlamaBench)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generation)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeTrace)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void printSummary()
{
    const Shared& s = shared();
    auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    auto verdict = [](bool ok) { return ok ? "met" : "MISSED"; };
    // A figure that was not measured (its benchmark filtered out or failed) stays 0.
    std::printf("\nBuilt-in runtime vs llama.cpp — model %s, %d threads, prompt %d tokens\n", s.model.c_str(),
                s.threads, s.coldPromptTokens);
    std::printf("  model load + warm-up          %8.2f s\n", s.loadSeconds);
    std::printf("  cold request                  %8.1f ms  (prompt %.0f tok/s; llama-bench pp%d %.0f tok/s)\n",
                s.coldMs, s.oursPromptTps, kPromptTokens, s.benchPp);
    std::printf("  after one more word           %8.1f ms  (%d tokens reused)  ratio %.3f, target <= 0.15: %s\n",
                s.oneWordMs, s.oneWordReused, ratio(s.oneWordMs, s.coldMs),
                verdict(ratio(s.oneWordMs, s.coldMs) <= 0.15));
    std::printf("  llama-server, same requests   %8.1f ms cold, %.1f ms after one more word\n", s.serverColdMs,
                s.serverOneWordMs);
    const double depthRef = s.benchTgDepth > 0 ? s.benchTgDepth : s.benchTg;
    std::printf("  generation at depth %d      %8.1f tok/s  (llama-bench tg%d: %.1f tok/s at depth 0, %.1f at depth %d)\n",
                kPromptTokens, s.oursGenTps, kGenerateTokens, s.benchTg, s.benchTgDepth, kPromptTokens);
    std::printf("                                ratio %.3f, target >= 0.95: %s\n", ratio(s.oursGenTps, depthRef),
                verdict(ratio(s.oursGenTps, depthRef) >= 0.95));
    const double server = percentile(s.serverTrace, 0.5);
    std::printf("  keystroke trace (%lld requests, %d tokens each at most)\n", static_cast<long long>(kTyped.size()),
                kTraceMaxTokens);
    std::printf("    llama-server                 p50 %8.1f ms  p90 %8.1f ms  (%.1f tokens per request)%s%s\n",
                server, percentile(s.serverTrace, 0.9), s.serverTraceTokens, s.serverError.isEmpty() ? "" : "  ",
                qPrintable(s.serverError));
    const char* names[2] = {"runtime, same work", "runtime, built-in settings"};
    for (int k = 0; k < 2; ++k) {
        const double ours = percentile(s.oursTrace[k], 0.5);
        std::printf("    %-28s p50 %8.1f ms  p90 %8.1f ms  (%.1f tokens per request)  ratio %.3f\n", names[k], ours,
                    percentile(s.oursTrace[k], 0.9), s.oursTraceTokens[k], ratio(ours, server));
    }
    const double product = ratio(percentile(s.oursTrace[1], 0.5), server);
    std::printf("    target <= 0.8 (built-in settings): %s\n", verdict(server > 0 && product > 0 && product <= 0.8));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    return 0;
}
