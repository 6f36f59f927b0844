#pragma once
// Shared by the llama runtime and built-in provider tests: the tiny random-weight model the
// build writes, and running work on the runtime's queue from a test.

#include "engines/LlamaRuntime.h"

#include <QStringList>

#include <future>
#include <random>
#include <string>
#include <type_traits>

namespace tq::test {

inline std::string tinyModelPath()
{
    return std::string(TQ_BINARY_DIR) + "/models/tiny.gguf";
}

// The same shape as the default model: gemma4, with sliding-window layers of 32 tokens.
inline std::string tinyGemma4ModelPath()
{
    return std::string(TQ_BINARY_DIR) + "/models/tiny-gemma4.gguf";
}

// One thread: the tiny model gains nothing from more, and a busy machine loses a lot.
constexpr int kTestThreads = 1;

// Sentences of plain words, the same for the same seed; different seeds give texts that share
// no long runs of tokens.
inline QString prose(int words, unsigned seed)
{
    static const QStringList vocabulary = QStringLiteral(
        "the of and to in is was that for on with as by at from this have are be not or which one all were "
        "they their there been has more when will would who so no she he we you them time people year way "
        "day man thing woman life child world school state family student group country problem hand part")
        .split(u' ', Qt::SkipEmptyParts);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> pick(0, int(vocabulary.size()) - 1);
    QString out;
    for (int i = 0; i < words; ++i)
        out += (i ? QStringLiteral(" ") : QString()) + vocabulary[pick(rng)] + (i % 11 == 10 ? QStringLiteral(".") : QString());
    return out;
}

// Runs `fn` on the runtime's queue and returns its result (exceptions are rethrown here).
template <class F>
auto onQueue(LlamaRuntime& rt, F fn) -> std::invoke_result_t<F>
{
    using R = std::invoke_result_t<F>;
    auto task = std::make_shared<std::packaged_task<R()>>(std::move(fn));
    std::future<R> result = task->get_future();
    rt.post([task] { (*task)(); });
    return result.get();
}

} // namespace tq::test
