// libs: tq_engines
// What the Gemma 4 vocabulary (262,144 tokens, the default model's) costs the runtime at each
// generated token, beside what the library's own sampler costs for the same step:
//   - the library's chain (top-k, penalties, greedy; and the sampled chain) over every token, as
//     llama_sampler_sample runs it;
//   - the runtime's step after a typed space (only tokens that begin with a space) and a healed
//     word's first step ("Hel" and one letter);
//   - the runtime's own step over the whole vocabulary, the token's log-probability included (the
//     library's sampler gives none);
//   - the piece tables, built once per load.
// The vocabulary comes from the tiny gemma4 test model the build writes (its weights play no part);
// the scores are drawn the same every run, peaked as a trained model's (a spread of 2.5 with a few
// tokens well above it) or flat as the random test models' (a spread of 3).

#include "engines/LlamaRuntime.h"

#include <benchmark/benchmark.h>

#include <llama.h>

#include <future>
#include <random>
#include <vector>

using tq::LlamaRuntime;

namespace {

LlamaRuntime& runtime()
{
    static LlamaRuntime rt(2048, 1);
    static const bool loaded = [] {
        std::promise<bool> done;
        rt.post([&] {
            try {
                rt.load(TQ_BINARY_DIR "/models/tiny-gemma4.gguf");
                done.set_value(true);
            } catch (...) {
                done.set_value(false);
            }
        });
        return done.get_future().get();
    }();
    if (!loaded) {
        std::fprintf(stderr, "build/models/tiny-gemma4.gguf could not be loaded (build tq_tiny_model)\n");
        std::exit(1);
    }
    return rt;
}

// `peaked`: as a trained model's next-token scores; otherwise flat.
const std::vector<float>& scores(bool peaked)
{
    auto draw = [](bool peaked) {
        const int n = llama_vocab_n_tokens(runtime().vocab());
        std::mt19937 rng(5);
        std::normal_distribution<float> spread(0.0f, peaked ? 2.5f : 3.0f);
        std::vector<float> v(static_cast<std::size_t>(n));
        for (float& x : v)
            x = spread(rng);
        if (peaked) {
            std::uniform_int_distribution<int> token(0, n - 1);
            std::uniform_real_distribution<float> height(14.0f, 20.0f);
            for (int i = 0; i < 20; ++i)
                v[std::size_t(token(rng))] = height(rng);
        }
        return v;
    };
    static const std::vector<float> peakedScores = draw(true), flatScores = draw(false);
    return peaked ? peakedScores : flatScores;
}

// Runs `fn` on the runtime's queue, where its members may be used.
template <class F>
void onQueue(F fn)
{
    std::promise<void> done;
    runtime().post([&] {
        fn();
        done.set_value();
    });
    done.get_future().get();
}

// Arguments: sampled (else greedy), peaked scores (else flat).
void BM_LibrarySampler(benchmark::State& state)
{
    onQueue([&] {
        LlamaRuntime& rt = runtime();
        const std::vector<float>& logits = scores(state.range(1) != 0);
        const llama_sampler_ptr chain = rt.makeSampler(state.range(0) ? 0.3 : 0.0, 1);
        std::vector<llama_token_data> all(logits.size());
        for (auto _ : state) {
            for (std::size_t i = 0; i < logits.size(); ++i)
                all[i] = {llama_token(i), logits[i], 0.0f};
            llama_token_data_array array{all.data(), all.size(), -1, false};
            llama_sampler_apply(chain.get(), &array);
            const llama_token token = array.data[array.selected].id;
            llama_sampler_accept(chain.get(), token);
            benchmark::DoNotOptimize(token);
        }
    });
}

// The runtime's step over the whole vocabulary, its log-probability included.
void BM_RuntimeStep(benchmark::State& state)
{
    onQueue([&] {
        LlamaRuntime& rt = runtime();
        const std::vector<float>& logits = scores(state.range(1) != 0);
        const llama_sampler_ptr chain = rt.makeSampler(state.range(0) ? 0.3 : 0.0, 1);
        for (auto _ : state)
            benchmark::DoNotOptimize(rt.sampleAmong({}, logits.data(), chain.get(), int(logits.size())));
    });
}

// One forced step: `required` " " after a typed space, or the bytes of the healed word.
void forcedStep(benchmark::State& state, const LlamaRuntime::Bytes& required)
{
    std::size_t allowed = 0;
    onQueue([&] {
        LlamaRuntime& rt = runtime();
        const std::vector<float>& logits = scores(state.range(0) != 0);
        const llama_sampler_ptr chain = rt.makeSampler(0.0, 1);
        for (auto _ : state) {
            const std::vector<LlamaRuntime::Token>& tokens = rt.tokensMatching(required);
            allowed = tokens.size();
            benchmark::DoNotOptimize(rt.sampleAmong(tokens, logits.data(), chain.get(), int(logits.size())));
        }
    });
    state.counters["allowed"] = double(allowed);
}

void BM_StepAfterATypedSpace(benchmark::State& state) { forcedStep(state, " "); }
void BM_HealedWordStep(benchmark::State& state) { forcedStep(state, "Hel"); }
void BM_HealedLetterStep(benchmark::State& state) { forcedStep(state, "t"); }

void BM_PieceTables(benchmark::State& state)
{
    onQueue([&] {
        LlamaRuntime& rt = runtime();
        for (auto _ : state) {
            rt.setPieceTables({});
            rt.buildPieceTables();
        }
    });
}

} // namespace

BENCHMARK(BM_LibrarySampler)->ArgsProduct({{0, 1}, {1, 0}})->ArgNames({"sampled", "peaked"})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RuntimeStep)->ArgsProduct({{0, 1}, {1, 0}})->ArgNames({"sampled", "peaked"})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StepAfterATypedSpace)->Arg(1)->Arg(0)->ArgName("peaked")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HealedWordStep)->Arg(1)->ArgName("peaked")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HealedLetterStep)->Arg(1)->ArgName("peaked")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PieceTables)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
