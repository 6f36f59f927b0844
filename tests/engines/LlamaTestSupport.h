#pragma once
// Shared by the llama runtime and built-in provider tests: the tiny random-weight model the
// build writes, and running work on the runtime's queue from a test.

#include "engines/LlamaRuntime.h"

#include <future>
#include <string>
#include <type_traits>

namespace tq::test {

inline std::string tinyModelPath()
{
    return std::string(TQ_BINARY_DIR) + "/models/tiny.gguf";
}

// One thread: the tiny model gains nothing from more, and a busy machine loses a lot.
constexpr int kTestThreads = 1;

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
