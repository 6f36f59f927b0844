#include "engines/LlamaRuntime.h"

#include "platform/Chars.h"
#include "platform/Text.h"

#include <llama.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <future>
#include <limits>
#include <new>
#include <random>
#include <set>

#include <dirent.h>
#include <sched.h>
#include <time.h>
#include <unistd.h>

#include <QRegularExpression>

namespace tq {

namespace {

constexpr int kPromptReserve = 4;
constexpr int kDecodeBatch = 512;
constexpr int kHealExtension = 3;
constexpr int kScoreSteps = 12;
constexpr float kLogitWindow = 12.0f;
// The chain's first step keeps this many of the best tokens.
constexpr std::size_t kTopK = 40;
// Sampling scans the scores in runs of this many and holds at most about this many candidates.
constexpr std::size_t kScanChunk = 4096;
constexpr std::size_t kHeldMost = 512;
// A score this far below the best adds less than e^-24 of it to a softmax's sum: even a
// vocabulary of 262,144 such tokens moves the sum by a hundred-thousandth, so they are skipped.
constexpr float kSumWindow = 24.0f;
constexpr double kAlternativeTemperature = 0.8;
constexpr double kGreedyBelow = 0.05;
constexpr QChar kReplacement(0xFFFD);
// Kept prompts: at most this many, together at most a quarter of the model's size; a prompt
// is kept when a new one leaves at least kNewPrompt of its tokens, and only from kKeptMinimum.
constexpr std::size_t kKeptMost = 8;
constexpr std::size_t kNewPrompt = 32;
constexpr std::size_t kKeptMinimum = 64;
// Generation thread counts within this share of the fastest count as fast; the fewest wins.
constexpr double kThreadsTolerance = 1.05;
// The library's threads wait for each other at every step of a decode by spinning: past the cores
// other programs leave free, one of them is always waiting for a core, and a decode that takes
// milliseconds on an idle machine takes seconds. Other programs' share of the CPUs is read again
// once this long has passed (ms)...
constexpr double kCpuSample = 500;
// ...and a reading older than this says little about the load now, so the tasks running at this
// moment bound the free cores too (ms). So does a reading taken before a pause: the share since
// then is mostly what others did while the runtime waited for work, such as a burst that is over.
constexpr double kCpuStale = 3000;
// A batch of up to this many tokens (the tail of a prompt after a keystroke) costs about what one
// token does: reading the weights bounds it, so it runs on the generation threads.
constexpr int kSmallBatch = 4;
// A run of cached tokens is moved into a new prompt from this many tokens: a shorter one saves
// less than the extra decode in front of it costs.
constexpr std::size_t kMovedRun = 32;
// The sequence that holds moved runs while the section in front of them is decoded.
constexpr llama_seq_id kParked = 1;
// On a model with sliding-window layers the library reuses a cell that only one sequence holds
// once it lies a window below that sequence's last position, dropping every lower position of
// the sequence with it: the current prompt's cells and parked runs would be lost to a later
// truncation or join. This sequence holds every cell of the first sequence and of the parked
// runs too, so that no cell is held by one sequence alone.
constexpr llama_seq_id kShadow = 2;

std::size_t commonPrefix(const std::vector<LlamaRuntime::Token>& a, const std::vector<LlamaRuntime::Token>& b)
{
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return std::size_t(ia - a.begin());
}

// This process's tasks running or ready to run now, the calling thread among them: the library's
// threads still spinning after a decode are no other program's load.
int ownRunnableTasks()
{
    int n = 0;
    if (DIR* dir = opendir("/proc/self/task")) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream in(std::string("/proc/self/task/") + entry->d_name + "/stat");
            std::string line;
            std::getline(in, line);
            // The state follows the command name, which is in parentheses and may hold any byte.
            const auto close = line.rfind(')');
            if (close != std::string::npos && close + 2 < line.size() && line[close + 2] == 'R')
                ++n;
        }
        closedir(dir);
    }
    return std::max(n, 1);
}

int readNumber(const std::string& path)
{
    std::ifstream in(path);
    int value = -1;
    if (!(in >> value))
        return -1;
    return value;
}

void setUpLibraryOnce()
{
    // llama.cpp's backend is process-wide state of the library: set up once, never torn down.
    static std::once_flag once;
    std::call_once(once, [] {
        llama_log_set([](ggml_log_level, const char*, void*) {}, nullptr);
        llama_backend_init();
        // No exit handler: the process's own exit status must stand.
    });
}

double nowMilliseconds()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

bool isHealable(unsigned char b)
{
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || (b >= 0xC0 && b <= 0xDF);
}

// Scores are read several at a time with the compiler's vector extension: four (SSE on x86-64,
// NEON on ARM), or eight where an x86-64 CPU has AVX2. The 32-byte vectors never cross a call
// (every helper is inlined into the function built for AVX2), so the compiler's note on their ABI
// does not apply (it comes at the end of the file, where the helpers are instantiated).
#pragma GCC diagnostic ignored "-Wpsabi"
using Floats4 = float __attribute__((vector_size(16)));
using Ints4 = std::int32_t __attribute__((vector_size(16)));
using Floats8 = float __attribute__((vector_size(32)));
using Ints8 = std::int32_t __attribute__((vector_size(32)));

template <class F>
constexpr std::size_t kLanes = sizeof(F) / sizeof(float);

template <class F>
[[gnu::always_inline]] inline F loadFloats(const float* p)
{
    F v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// e^x for x <= 0, to a millionth: 2^n by the exponent bits and 2^f, |f| <= 1/2, by its series.
template <class F, class I>
[[gnu::always_inline]] inline F expNonPositive(F x)
{
    x = x < -87.0f ? F{} - 87.0f : x;
    const F t = x * 1.44269504f;
    const I n = __builtin_convertvector(t - 0.5f, I); // t rounded to the nearest integer
    const F f = t - __builtin_convertvector(n, F);
    const F p = 1.0f + f * (0.69314718f + f * (0.24022651f + f * (0.05550411f + f * (0.00961813f + f * 0.00133336f))));
    return p * std::bit_cast<F>((n + 127) << 23);
}

// The sum of e^(v - max) over `count` scores; scores more than kSumWindow below `max` add nothing.
template <class F, class I>
[[gnu::always_inline]] inline float sumExpOf(const float* v, std::size_t count, float max)
{
    F lanes{};
    std::size_t i = 0;
    for (; i + kLanes<F> <= count; i += kLanes<F>) {
        const F d = loadFloats<F>(v + i) - max;
        lanes += d > -kSumWindow ? expNonPositive<F, I>(d) : F{};
    }
    float sum = 0;
    for (std::size_t k = 0; k < kLanes<F>; ++k)
        sum += lanes[k];
    for (; i < count; ++i) {
        const float d = v[i] - max;
        if (d > -kSumWindow)
            sum += expNonPositive<Floats4, Ints4>(Floats4{} + d)[0];
    }
    return sum;
}

template <class F>
[[gnu::always_inline]] inline float maxIn(const float* v, std::size_t count)
{
    F lanes = F{} - std::numeric_limits<float>::infinity();
    std::size_t i = 0;
    for (; i + kLanes<F> <= count; i += kLanes<F>) {
        const F x = loadFloats<F>(v + i);
        lanes = lanes < x ? x : lanes;
    }
    float max = lanes[0];
    for (std::size_t k = 1; k < kLanes<F>; ++k)
        max = std::max(max, lanes[k]);
    for (; i < count; ++i)
        max = std::max(max, v[i]);
    return max;
}

// Writes the indexes of the scores above `floor` to `out` (room for `count`) and returns how many;
// a group of scores all below it costs one test.
template <class F, class I>
[[gnu::always_inline]] inline std::size_t indexesAbove(const float* v, std::size_t count, float floor, std::uint32_t* out)
{
    std::size_t n = 0;
    std::size_t i = 0;
    for (; i + kLanes<F> <= count; i += kLanes<F>) {
        const I above = loadFloats<F>(v + i) > floor;
        std::uint64_t words[sizeof(I) / sizeof(std::uint64_t)];
        std::memcpy(words, &above, sizeof words);
        std::uint64_t any = 0;
        for (std::uint64_t w : words)
            any |= w;
        if (any == 0)
            continue;
        for (std::size_t k = 0; k < kLanes<F>; ++k) {
            out[n] = std::uint32_t(i + k);
            n += above[k] != 0;
        }
    }
    for (; i < count; ++i) {
        out[n] = std::uint32_t(i);
        n += v[i] > floor;
    }
    return n;
}

#if defined(__x86_64__)
[[gnu::target("avx2,fma")]] float sumExpWide(const float* v, std::size_t count, float max)
{
    return sumExpOf<Floats8, Ints8>(v, count, max);
}
[[gnu::target("avx2,fma")]] float maxOfWide(const float* v, std::size_t count)
{
    return maxIn<Floats8>(v, count);
}
[[gnu::target("avx2,fma")]] std::size_t indexesAboveWide(const float* v, std::size_t count, float floor,
                                                         std::uint32_t* out)
{
    return indexesAbove<Floats8, Ints8>(v, count, floor, out);
}
bool hasWideVectors()
{
    static const bool wide = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return wide;
}
#endif

float sumExp(const float* v, std::size_t count, float max)
{
#if defined(__x86_64__)
    if (hasWideVectors())
        return sumExpWide(v, count, max);
#endif
    return sumExpOf<Floats4, Ints4>(v, count, max);
}

float maxOf(const float* v, std::size_t count)
{
#if defined(__x86_64__)
    if (hasWideVectors())
        return maxOfWide(v, count);
#endif
    return maxIn<Floats4>(v, count);
}

std::size_t scoresAbove(const float* v, std::size_t count, float floor, std::uint32_t* out)
{
#if defined(__x86_64__)
    if (hasWideVectors())
        return indexesAboveWide(v, count, floor, out);
#endif
    return indexesAbove<Floats4, Ints4>(v, count, floor, out);
}

QString withoutTrailingReplacement(QString s)
{
    if (s.endsWith(kReplacement))
        s.chop(1);
    return s;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Failure, reply score

QString LlamaRuntime::Failure::description() const
{
    switch (kind_) {
    case Kind::decodeFailed:
        return text("The model stopped with error %1").arg(code_);
    case Kind::loadFailed:
        return text("The model file couldn't be loaded");
    case Kind::contextFailed:
        return text("There wasn't enough memory to start the model");
    case Kind::tokenizeFailed:
        return text("The text couldn't be prepared for the model");
    }
    return {};
}

double LlamaRuntime::Reply::score() const
{
    if (steps.empty())
        return -std::numeric_limits<double>::infinity();
    const std::size_t n = std::min<std::size_t>(kScoreSteps, steps.size());
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum += steps[i].logprob;
    return sum / double(n);
}

// ---------------------------------------------------------------------------------------------
// Queue

LlamaRuntime::LlamaRuntime(int contextTokens, int threads) : contextTokens_(contextTokens), threads_(threads)
{
    setUpLibraryOnce();
    worker_ = std::thread([this] { workerLoop(); });
}

LlamaRuntime::~LlamaRuntime()
{
    // Stop whatever runs, let the queue drain (stale jobs end at once), then free the model.
    latest_.fetch_add(1);
    post([this] { unload(); });
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    worker_.join();
}

void LlamaRuntime::post(std::function<void()> work)
{
    {
        std::lock_guard lock(mutex_);
        work_.push_back(std::move(work));
    }
    wake_.notify_one();
}

void LlamaRuntime::workerLoop()
{
    for (;;) {
        std::function<void()> item;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !work_.empty(); });
            if (work_.empty()) {
                if (stopping_)
                    return;
                continue;
            }
            item = std::move(work_.front());
            work_.pop_front();
            busy_ = true;
        }
        try {
            item();
        } catch (...) {
            // Work items report their own failures; one that escapes must not end the queue.
        }
        {
            std::lock_guard lock(mutex_);
            busy_ = false;
        }
        idle_.notify_all();
    }
}

void LlamaRuntime::waitUntilIdle()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return work_.empty() && !busy_; });
}

std::int64_t LlamaRuntime::nextJob()
{
    return latest_.fetch_add(1) + 1;
}

void LlamaRuntime::cancelJob(std::int64_t job)
{
    std::int64_t expected = job;
    latest_.compare_exchange_strong(expected, job + 1);
}

void LlamaRuntime::unloadLater()
{
    post([this] { unload(); });
}

// ---------------------------------------------------------------------------------------------
// Loading

std::optional<LlamaRuntime::LoadInfo> LlamaRuntime::load(const std::string& path)
{
    // The file is looked at before every use: one changed on disk is loaded again.
    const std::optional<FileIdentity> file = fileIdentity(path);
    if (loadedPath_ && *loadedPath_ == path && context_ && file == loadedFile_)
        return std::nullopt;
    unload();
    if (!file)
        throw Failure(Failure::Kind::loadFailed);
    const double start = nowMilliseconds();

    // Guarded from before the library maps the file until after it has let go of it (unload()).
    guard_ = std::make_unique<MappedFileGuard>(*file, &latest_);
    llama_model_params mp = llama_model_default_params();
    mp.n_gpu_layers = -1;
    llama_model_ptr model(llama_model_load_from_file(path.c_str(), mp));
    if (!model) {
        guard_.reset();
        throw Failure(Failure::Kind::loadFailed);
    }

    llama_context_params cp = llama_context_default_params();
    cp.n_ctx = std::uint32_t(contextTokens_);
    cp.n_batch = kDecodeBatch;
    cp.n_ubatch = kDecodeBatch;
    // A second sequence parks moved runs; one buffer for both keeps the cells shared, not copied.
    // A model with window layers keeps every position in those layers too (their cache can only
    // be shifted then), and a third sequence shadows the other two.
    const int window = std::max(0, llama_model_n_swa(model.get()));
    cp.n_seq_max = window > 0 ? 3 : 2;
    cp.swa_full = window > 0;
    cp.kv_unified = true;
    cp.no_perf = true;
    if (threads_ > 0) {
        cp.n_threads = threads_;
        cp.n_threads_batch = threads_;
    }
    llama_context_ptr context(llama_init_from_model(model.get(), cp));
    if (!context) {
        model.reset();
        guard_.reset();
        throw Failure(Failure::Kind::contextFailed);
    }

    model_ = std::move(model);
    context_ = std::move(context);
    vocab_ = llama_model_get_vocab(model_.get());
    canShift_ = llama_memory_can_shift(llama_get_memory(context_.get()));
    window_ = window;
    windowFloor_ = 0;
    loadedPath_ = path;
    loadedFile_ = file;
    evaluated_.clear();
    promptLength_ = 0;
    keptBudget_ = std::size_t(llama_model_size(model_.get()) / 4);
    loadedFlag_ = true;
    loads_.fetch_add(1);
    inUse_ = chooseThreads();
    llama_set_n_threads(context_.get(), inUse_.generation, inUse_.batch);
    set_ = inUse_;

    // Warm-up: tables, then one small decode so the first real request pays no set-up.
    buildPieceTables();
    Token warm[2] = { llama_vocab_bos(vocab_), llama_vocab_bos(vocab_) };
    decode(warm, 2);
    if (guard_->faulted())
        fileFaulted(path);
    llama_memory_clear(llama_get_memory(context_.get()), true);
    evaluated_.clear();
    windowFloor_ = 0;

    LoadInfo info;
    info.parameters = llama_model_n_params(model_.get());
    info.bytes = llama_model_size(model_.get());
    info.seconds = (nowMilliseconds() - start) / 1000.0;
    return info;
}

void LlamaRuntime::unload()
{
    context_.reset(); // before the model it was made from
    model_.reset();
    guard_.reset(); // the mapping is gone
    vocab_ = nullptr;
    loadedPath_.reset();
    loadedFile_.reset();
    evaluated_.clear();
    promptLength_ = 0;
    shiftPending_ = false;
    window_ = 0;
    windowFloor_ = 0;
    dropKeptPrompts();
    pieceTable_.clear();
    scoredPrompt_.clear();
    promptScores_ = {};
    byFirstByte_ = {};
    byFirstTwo_ = {};
    singleBytes_ = {};
    loadedFlag_ = false;
}

void LlamaRuntime::fileFaulted(const std::string& path)
{
    const bool changed = fileIdentity(path) != loadedFile_;
    unload();
    if (changed)
        throw FileChanged();
    throw Failure(Failure::Kind::loadFailed); // the same file, unreadable
}

void LlamaRuntime::dropKeptPrompts()
{
    kept_.clear();
    keptBytes_ = 0;
}

// ---------------------------------------------------------------------------------------------
// Threads

int LlamaRuntime::physicalCores()
{
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    const bool masked = sched_getaffinity(0, sizeof allowed, &allowed) == 0;
    const int logicalTotal = int(std::max(1u, std::thread::hardware_concurrency()));
    std::set<std::pair<int, int>> cores; // (package, core)
    int logical = 0;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (masked ? !CPU_ISSET(cpu, &allowed) : cpu >= logicalTotal)
            continue;
        ++logical;
        const std::string topology = "/sys/devices/system/cpu/cpu" + std::to_string(cpu) + "/topology/";
        const int core = readNumber(topology + "core_id");
        const int package = readNumber(topology + "physical_package_id");
        if (core < 0)
            return std::max(1, masked ? CPU_COUNT(&allowed) : logicalTotal);
        cores.insert({package, core});
    }
    return std::max<int>(1, cores.empty() ? logical : int(cores.size()));
}

LlamaRuntime::Threads LlamaRuntime::chooseThreads()
{
    if (threads_ > 0)
        return {threads_, threads_};
    const int cores = physicalCores();
    const int free = freeCoresNow(cores);
    // The machine does not change while the program runs: measured with the first model, among
    // the counts the free cores allow (again by a later load that finds more of them free).
    static std::mutex mutex;
    static std::optional<std::pair<int, int>> measured; // the fastest count, the most tried
    {
        std::lock_guard lock(mutex);
        if (!measured || measured->second < free)
            measured = std::pair{fastestGenerationThreads(free), free};
        machine_ = {cores, measured->first};
    }
    return {std::min(cores, free), std::min(machine_.generation, free)};
}

std::optional<LlamaRuntime::CpuTimes> LlamaRuntime::readCpuTimes()
{
    // user, nice, system, idle, iowait, irq, softirq, steal (guests are counted in user)
    std::ifstream in("/proc/stat");
    std::string label;
    std::uint64_t field[8] = {};
    if (!(in >> label) || label != "cpu")
        return std::nullopt;
    for (std::uint64_t& f : field)
        if (!(in >> f))
            return std::nullopt;
    timespec own{};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &own) != 0)
        return std::nullopt;
    CpuTimes t;
    t.milliseconds = nowMilliseconds();
    for (std::uint64_t f : field)
        t.total += f;
    t.idle = field[3] + field[4];
    t.own = double(own.tv_sec) + double(own.tv_nsec) / 1e9;
    return t;
}

// The cores of `cores` that other programs leave free: their share of the CPU time since the last
// reading (idle time and this process's own count as free) while the runtime decoded for most of
// it, and the tasks running now when it mostly waited or the reading is old. At least two: on a
// machine busy throughout, two threads still decode faster than one.
int LlamaRuntime::freeCoresNow(int cores)
{
    const std::optional<CpuTimes> now = readCpuTimes();
    const double span = now && cpuTimes_ ? now->milliseconds - cpuTimes_->milliseconds : 0;
    const bool waited = decodingMilliseconds_ * 2 < span;
    double free = cores;
    if (now && cpuTimes_ && now->total > cpuTimes_->total && !waited) {
        const double ticks = double(now->total - cpuTimes_->total);
        const double own = (now->own - cpuTimes_->own) * double(sysconf(_SC_CLK_TCK));
        const double idle = double(now->idle) - double(cpuTimes_->idle);
        free = std::clamp((idle + own) / ticks, 0.0, 1.0) * cores;
    }
    if (!now || !cpuTimes_ || waited || span >= kCpuStale) {
        // The fourth field counts the tasks running or ready to run, this thread among them.
        std::ifstream in("/proc/loadavg");
        double average = 0;
        int running = 0;
        char slash = 0;
        if (in >> average >> average >> average >> running >> slash && slash == '/')
            free = std::min(free, double(cores - std::max(0, running - ownRunnableTasks())));
    }
    if (now) {
        cpuTimes_ = now;
        decodingMilliseconds_ = 0;
    }
    // A core a tenth used still counts as free.
    return std::clamp(int(std::ceil(free - 0.1)), std::min(2, cores), cores);
}

// Limits the counts in use to the cores free now.
void LlamaRuntime::followFreeCores()
{
    if (threads_ > 0 || machine_.batch <= 0 || (cpuTimes_ && nowMilliseconds() - cpuTimes_->milliseconds < kCpuSample))
        return;
    const int free = freeCoresNow(machine_.batch);
    inUse_ = {std::min(machine_.batch, free), std::min(machine_.generation, free)};
}

// Generating one token reads every weight once: memory bandwidth, not the cores, bounds it,
// and past some count more threads only wait on each other. Times one-token decodes at a
// quarter, half, three quarters and all of the cores, up to the first count clearly slower than
// the best so far (on a large model each decode is costly, and on a busy machine the high counts
// are the slowest).
int LlamaRuntime::fastestGenerationThreads(int most)
{
    std::vector<int> counts;
    for (int quarter = 1; quarter <= 4; ++quarter) {
        const int n = std::max(1, most * quarter / 4);
        if (counts.empty() || counts.back() != n)
            counts.push_back(n);
    }
    if (counts.size() < 2)
        return most;
    llama_memory_t memory = llama_get_memory(context_.get());
    llama_memory_clear(memory, true);
    Token token = llama_vocab_bos(vocab_);
    if (llama_decode(context_.get(), llama_batch_get_one(&token, 1)) != 0)
        return most;
    std::vector<double> fastest;
    double overall = std::numeric_limits<double>::infinity();
    for (int n : counts) {
        llama_set_n_threads(context_.get(), n, most);
        double best = std::numeric_limits<double>::infinity();
        for (int round = 0; round < 4; ++round) { // the first round settles the new thread count
            llama_memory_seq_rm(memory, 0, 1, -1);
            Token next = token;
            const double start = nowMilliseconds();
            if (llama_decode(context_.get(), llama_batch_get_one(&next, 1)) != 0)
                break;
            const double took = nowMilliseconds() - start;
            if (round > 0)
                best = std::min(best, took);
            // A count far slower than the best one (threads waiting on each other, a busy
            // machine) is not worth more rounds.
            if (took > overall * 3)
                break;
        }
        fastest.push_back(best);
        // Past the count where bandwidth runs out more threads only wait longer: stop there.
        if (best > overall * 1.25)
            break;
        overall = std::min(overall, best);
    }
    counts.resize(fastest.size());
    llama_memory_clear(memory, true);
    overall = *std::min_element(fastest.begin(), fastest.end());
    for (std::size_t i = 0; i < counts.size(); ++i)
        if (fastest[i] <= overall * kThreadsTolerance)
            return counts[i];
    return most;
}

// ---------------------------------------------------------------------------------------------
// Kept prompts

void LlamaRuntime::keepCurrentPrompt()
{
    // The library copies positions out, not shifts still to apply to the cache.
    if (keptBudget_ == 0 || evaluated_.empty() || shiftPending_)
        return;
    // The library copies out only the last window of a window layer's cache: kept up to the
    // prompt's end, a return to it still finds the window its next token looks at.
    if (window_ > 0 && promptLength_ < evaluated_.size() && removeFrom(promptLength_))
        evaluated_.resize(promptLength_);
    const std::size_t size = llama_state_seq_get_size(context_.get(), 0);
    if (size == 0 || size > keptBudget_)
        return;
    KeptPrompt kept;
    try {
        kept.state.resize(size);
        kept.tokens = evaluated_;
        kept.windowFloor = windowFloor_;
    } catch (const std::bad_alloc&) {
        return;
    }
    if (llama_state_seq_get_data(context_.get(), kept.state.data(), size, 0) != size)
        return;
    // An older state that this one holds (the same prompt, typed further) is not kept twice.
    for (auto it = kept_.begin(); it != kept_.end();) {
        if (commonPrefix(it->tokens, kept.tokens) + kNewPrompt > it->tokens.size()) {
            keptBytes_ -= it->state.size();
            it = kept_.erase(it);
        } else {
            ++it;
        }
    }
    keptBytes_ += size;
    kept_.push_back(std::move(kept));
    while (!kept_.empty() && (kept_.size() > kKeptMost || keptBytes_ > keptBudget_)) {
        keptBytes_ -= kept_.front().state.size();
        kept_.pop_front();
    }
}

// The kept state that `tokens` can reuse most of, when clearly more than the current one
// (`reusable` tokens), taken out of the list.
std::optional<LlamaRuntime::KeptPrompt> LlamaRuntime::takeKeptPrompt(const std::vector<Token>& tokens,
                                                                     std::size_t reusable)
{
    std::size_t best = reusable + kNewPrompt;
    auto chosen = kept_.end();
    for (auto it = kept_.begin(); it != kept_.end(); ++it) {
        const std::size_t shared = planReuse(it->tokens, tokens).total();
        if (shared > best) {
            best = shared;
            chosen = it;
        }
    }
    if (chosen == kept_.end())
        return std::nullopt;
    KeptPrompt kept = std::move(*chosen);
    kept_.erase(chosen);
    keptBytes_ -= kept.state.size();
    return kept;
}

// Puts a kept state into the context in place of the current one (when the library refuses
// it, the memory is left empty).
void LlamaRuntime::restore(KeptPrompt kept)
{
    llama_memory_t memory = llama_get_memory(context_.get());
    llama_memory_clear(memory, true);
    if (llama_state_seq_set_data(context_.get(), kept.state.data(), kept.state.size(), 0) == 0
        || llama_memory_seq_pos_max(memory, 0) + 1 != llama_pos(kept.tokens.size())) {
        llama_memory_clear(memory, true);
        evaluated_.clear();
        promptLength_ = 0;
        windowFloor_ = 0;
        return;
    }
    evaluated_ = std::move(kept.tokens);
    promptLength_ = evaluated_.size();
    windowFloor_ = kept.windowFloor;
    if (window_ > 0)
        llama_memory_seq_cp(memory, 0, kShadow, -1, -1);
}

// Removes the first sequence's positions from `pos` on (with their shadow).
bool LlamaRuntime::removeFrom(std::size_t pos)
{
    llama_memory_t memory = llama_get_memory(context_.get());
    if (window_ > 0)
        llama_memory_seq_rm(memory, kShadow, llama_pos(pos), -1);
    return llama_memory_seq_rm(memory, 0, llama_pos(pos), -1);
}

// Whether the window layers' cache of the first sequence holds every position a token decoded
// at `next` looks at. The library drops cells that lie a window below a sequence's last
// position, always the lowest first; below `windowFloor_` a moved run left a gap.
bool LlamaRuntime::windowHolds(std::size_t next) const
{
    if (window_ <= 0 || next == 0)
        return true;
    const llama_pos lowest = std::max<llama_pos>(0, llama_pos(next) - window_ + 1);
    const llama_pos present = llama_memory_seq_pos_min(llama_get_memory(context_.get()), 0);
    return present >= 0 && std::max(present, windowFloor_) <= lowest;
}

// Whether the library's last position of the first sequence is the last one evaluated.
bool LlamaRuntime::cacheAgrees() const
{
    return llama_memory_seq_pos_max(llama_get_memory(context_.get()), 0) + 1 == llama_pos(evaluated_.size());
}

// ---------------------------------------------------------------------------------------------
// Tokens and pieces

std::vector<LlamaRuntime::Token> LlamaRuntime::tokenize(const QString& text, int limit)
{
    if (!vocab_)
        throw Failure(Failure::Kind::tokenizeFailed);
    const QByteArray utf8 = text.toUtf8();
    std::vector<Token> buffer(std::size_t(utf8.size()) + 8, 0);
    int n = llama_tokenize(vocab_, utf8.constData(), int(utf8.size()), buffer.data(), int(buffer.size()),
                           /*add_special*/ false, /*parse_special*/ false);
    if (n < 0) {
        buffer.assign(std::size_t(-n), 0);
        n = llama_tokenize(vocab_, utf8.constData(), int(utf8.size()), buffer.data(), int(buffer.size()), false,
                           false);
    }
    if (n < 1)
        throw Failure(Failure::Kind::tokenizeFailed);
    const int keep = std::min(n, std::max(limit - 1, 1));
    std::vector<Token> tokens;
    tokens.reserve(std::size_t(keep) + 1);
    if (llama_vocab_get_add_bos(vocab_))
        tokens.push_back(llama_vocab_bos(vocab_));
    tokens.insert(tokens.end(), buffer.begin() + (n - keep), buffer.begin() + n);
    return tokens;
}

LlamaRuntime::Bytes LlamaRuntime::pieceFromLibrary(Token token) const
{
    char small[32];
    int n = llama_token_to_piece(vocab_, token, small, sizeof small, 0, false);
    if (n >= 0)
        return Bytes(small, std::size_t(n));
    std::string big(std::size_t(-n), '\0');
    n = llama_token_to_piece(vocab_, token, big.data(), int(big.size()), 0, false);
    big.resize(std::size_t(std::max(n, 0)));
    return big;
}

LlamaRuntime::Bytes LlamaRuntime::piece(Token token) const
{
    if (token >= 0 && std::size_t(token) < pieceTable_.size())
        return pieceTable_[std::size_t(token)];
    if (!vocab_)
        return {};
    return pieceFromLibrary(token);
}

void LlamaRuntime::buildPieceTables()
{
    if (!pieceTable_.empty() || !vocab_)
        return;
    const int n = llama_vocab_n_tokens(vocab_);
    std::vector<Bytes> pieces;
    pieces.reserve(std::size_t(n));
    for (Token t = 0; t < n; ++t)
        pieces.push_back(pieceFromLibrary(t));
    setPieceTables(std::move(pieces));
}

void LlamaRuntime::setPieceTables(std::vector<Bytes> pieces)
{
    pieceTable_ = std::move(pieces);
    byFirstByte_ = {};
    byFirstTwo_ = {};
    singleBytes_ = {};
    for (std::size_t i = 0; i < pieceTable_.size(); ++i) {
        const Bytes& p = pieceTable_[i];
        if (p.empty())
            continue;
        const auto first = std::uint8_t(p[0]);
        byFirstByte_[first].push_back(Token(i));
        if (p.size() == 1)
            singleBytes_[first].push_back(Token(i));
        else
            byFirstTwo_[std::uint16_t(first * 256 + std::uint8_t(p[1]))].push_back(Token(i));
    }
}

const std::vector<LlamaRuntime::Token>& LlamaRuntime::tokensMatching(const Bytes& r)
{
    buildPieceTables();
    matching_.clear();
    const std::size_t m = r.size();
    if (m == 0)
        return matching_;
    const auto first = std::uint8_t(r[0]);
    if (m == 1) {
        // After a typed space: every token that begins with one, a good part of the vocabulary.
        auto it = byFirstByte_.find(first);
        return it == byFirstByte_.end() ? matching_ : it->second;
    }
    std::vector<Token>& agreeing = matching_;
    auto addAgreeing = [&](const std::vector<Token>& candidates) {
        for (Token t : candidates) {
            const Bytes& p = pieceTable_[std::size_t(t)];
            const std::size_t common = std::min(m, p.size());
            if (p.compare(0, common, r, 0, common) == 0)
                agreeing.push_back(t);
        }
    };
    if (auto it = byFirstTwo_.find(std::uint16_t(first * 256 + std::uint8_t(r[1]))); it != byFirstTwo_.end())
        addAgreeing(it->second);
    if (auto it = singleBytes_.find(first); it != singleBytes_.end())
        addAgreeing(it->second);
    if (agreeing.empty())
        return matching_;
    // The tokens that spell all of it, when there are any; else the longest start of it.
    const auto shorter = [&](Token t) { return pieceTable_[std::size_t(t)].size() < m; };
    if (!std::all_of(agreeing.begin(), agreeing.end(), shorter)) {
        agreeing.erase(std::remove_if(agreeing.begin(), agreeing.end(), shorter), agreeing.end());
        return matching_;
    }
    Token best = agreeing.front();
    for (Token t : agreeing)
        if (pieceTable_[std::size_t(t)].size() > pieceTable_[std::size_t(best)].size())
            best = t;
    agreeing.assign(1, best);
    return matching_;
}

// ---------------------------------------------------------------------------------------------
// Generation

int LlamaRuntime::decode(Token* tokens, int count)
{
    if (decodeObserver_)
        decodeObserver_(count);
    // The library takes the batch count for every batch of two tokens or more. Keeping a small one
    // on the generation count also keeps OpenMP's team one size between the keystroke's tail and
    // the tokens generated after it, instead of ending and starting threads at each change.
    followFreeCores();
    const int batchThreads = count <= kSmallBatch ? inUse_.generation : inUse_.batch;
    if (batchThreads > 0 && (batchThreads != set_.batch || inUse_.generation != set_.generation)) {
        llama_set_n_threads(context_.get(), inUse_.generation, batchThreads);
        set_ = {batchThreads, inUse_.generation};
    }
    const double start = nowMilliseconds();
    const int rc = llama_decode(context_.get(), llama_batch_get_one(tokens, count));
    decodingMilliseconds_ += nowMilliseconds() - start;
    if (rc == 0) {
        shiftPending_ = false; // a decode applies the shifts first
        if (window_ > 0) {
            const auto at = llama_pos(evaluated_.size());
            llama_memory_seq_cp(llama_get_memory(context_.get()), 0, kShadow, at, at + count);
        }
    }
    return rc;
}

LlamaRuntime::Output LlamaRuntime::run(const Job& job)
{
    load(job.path);
    std::optional<Output> out;
    try {
        out = generate(job);
    } catch (...) {
        // A fault stops the job as a newer one would; what it was then is beside the point.
        if (!guard_ || !guard_->faulted())
            throw;
    }
    if (guard_ && guard_->faulted())
        fileFaulted(job.path);
    return std::move(*out);
}

std::size_t LlamaRuntime::Reuse::total() const
{
    std::size_t n = common;
    for (const Move& m : moves)
        n += m.count;
    return n;
}

// The common start of `cached` and `tokens`, then, when the cache can be shifted, the runs of
// `cached` after it that come again later in `tokens`, in order: at each place of the prompt
// the longest run found. Never the prompt's last token, which is decoded for fresh logits.
LlamaRuntime::Reuse LlamaRuntime::planReuse(const std::vector<Token>& cached, const std::vector<Token>& tokens) const
{
    Reuse reuse;
    if (tokens.empty())
        return reuse;
    const std::size_t limit = tokens.size() - 1;
    reuse.common = std::min(limit, commonPrefix(cached, tokens));
    if (!canShift_ || cached.size() < reuse.common + kMovedRun || limit < reuse.common + kMovedRun)
        return reuse;

    auto hashAt = [](const std::vector<Token>& v, std::size_t at) {
        std::uint64_t h = 1469598103934665603ull;
        for (std::size_t k = 0; k < kMovedRun; ++k)
            h = (h ^ std::uint32_t(v[at + k])) * 1099511628211ull;
        return h;
    };
    std::unordered_multimap<std::uint64_t, std::size_t> starts;
    starts.reserve(cached.size() - reuse.common);
    for (std::size_t c = reuse.common; c + kMovedRun <= cached.size(); ++c)
        starts.emplace(hashAt(cached, c), c);

    std::size_t from = reuse.common; // cached tokens before it are used or passed over
    for (std::size_t p = reuse.common; p + kMovedRun <= limit;) {
        std::size_t bestAt = 0;
        std::size_t bestRun = 0;
        const auto [lo, hi] = starts.equal_range(hashAt(tokens, p));
        for (auto it = lo; it != hi; ++it) {
            const std::size_t c = it->second;
            if (c < from)
                continue;
            std::size_t n = 0;
            while (c + n < cached.size() && p + n < limit && cached[c + n] == tokens[p + n])
                ++n;
            if (n > bestRun || (n == bestRun && c < bestAt)) {
                bestRun = n;
                bestAt = c;
            }
        }
        if (bestRun < kMovedRun) {
            ++p;
            continue;
        }
        reuse.moves.push_back({ bestAt, p, bestRun });
        p += bestRun;
        from = bestAt + bestRun;
    }
    return reuse;
}

// Decodes `tokens` from the end of `evaluated_` up to `end`, in batches; with `mayStop`, a newer
// job stops it between batches.
void LlamaRuntime::decodeUpTo(const std::vector<Token>& tokens, std::size_t end, std::int64_t job, bool mayStop)
{
    std::vector<Token> batch;
    for (std::size_t pos = evaluated_.size(); pos < end; pos += kDecodeBatch) {
        if (mayStop && !stillLatest(job))
            throw Stopped();
        const std::size_t n = std::min<std::size_t>(kDecodeBatch, end - pos);
        batch.assign(tokens.begin() + std::ptrdiff_t(pos), tokens.begin() + std::ptrdiff_t(pos + n));
        const int rc = decode(batch.data(), int(n));
        if (rc != 0) {
            evaluated_.clear();
            throw Failure(Failure::Kind::decodeFailed, rc);
        }
        promptDecoded_.fetch_add(std::int64_t(n));
        evaluated_.insert(evaluated_.end(), batch.begin(), batch.end());
        promptLength_ = evaluated_.size(); // a stopped job keeps what it evaluated
    }
}

LlamaRuntime::Evaluated LlamaRuntime::evaluate(const std::vector<Token>& tokens, std::int64_t job)
{
    Reuse reuse = planReuse(evaluated_, tokens);
    // A kept prompt this one returns to is taken out first, so that keeping the one it leaves
    // (another field, or a caret far away) cannot push it out of the budget. A prompt that
    // reuses most of the current one (an early section changed) is the same field's.
    std::optional<KeptPrompt> back = takeKeptPrompt(tokens, reuse.total());
    const std::size_t prompt = std::min(promptLength_, evaluated_.size());
    if (prompt >= kKeptMinimum && reuse.total() + kNewPrompt <= prompt && reuse.total() * 2 < prompt) {
        keepCurrentPrompt();
        reuse = planReuse(evaluated_, tokens);
    }
    if (back) {
        restore(std::move(*back));
        reuse = planReuse(evaluated_, tokens);
    }

    std::size_t keep = reuse.common;
    std::vector<Move>& moves = reuse.moves;
    llama_memory_t memory = llama_get_memory(context_.get());
    // The first position of the window layers' cache that runs taken from it can rely on.
    const llama_pos floor = window_ > 0 ? std::max(windowFloor_, llama_memory_seq_pos_min(memory, 0)) : 0;
    auto dropParked = [&] {
        llama_memory_seq_rm(memory, kParked, -1, -1);
        if (window_ > 0)
            llama_memory_seq_rm(memory, kShadow, llama_pos(evaluated_.size()), -1);
    };
    // The runs to move are parked in the second sequence, so that removing the rest of the
    // first leaves them; then they are shifted to where the prompt has them.
    for (std::size_t i = 0; i < moves.size(); ++i)
        llama_memory_seq_cp(memory, 0, kParked, llama_pos(moves[i].from), llama_pos(moves[i].from + moves[i].count));
    if (keep > 0 && window_ > 0) {
        // The shadow keeps the parked runs and lets go of the rest.
        llama_pos gap = llama_pos(keep);
        for (const Move& m : moves) {
            llama_memory_seq_rm(memory, kShadow, gap, llama_pos(m.from));
            gap = llama_pos(m.from + m.count);
        }
        llama_memory_seq_rm(memory, kShadow, gap, -1);
    }
    if (keep > 0 && (!llama_memory_seq_rm(memory, 0, llama_pos(keep), -1) || !windowHolds(keep)))
        keep = 0;
    if (keep == 0) {
        llama_memory_clear(memory, true);
        windowFloor_ = 0;
        moves.clear();
    }
    // Runs moving to earlier positions go first, from the front, and runs moving to later ones
    // from the back: no run then lands on positions another still has to leave.
    auto shift = [&](std::size_t i) {
        const Move& m = moves[i];
        llama_memory_seq_add(memory, kParked, llama_pos(m.from), llama_pos(m.from + m.count),
                             llama_pos(m.to) - llama_pos(m.from));
        shiftPending_ = true;
    };
    for (std::size_t i = 0; i < moves.size(); ++i)
        if (moves[i].to < moves[i].from)
            shift(i);
    for (std::size_t i = moves.size(); i-- > 0;)
        if (moves[i].to > moves[i].from)
            shift(i);
    evaluated_.assign(tokens.begin(), tokens.begin() + std::ptrdiff_t(keep));
    promptLength_ = keep;

    Evaluated out;
    out.reused = int(keep);
    bool lost = false;
    try {
        // Each run joins the first sequence once the section in front of it is decoded. Stopping
        // drops the runs still parked, so a newer job stops this only while what is left to
        // decode is more than what it would lose.
        std::size_t parked = reuse.total() - reuse.common;
        for (std::size_t i = 0; i < moves.size() && !lost; ++i) {
            const Move& m = moves[i];
            const std::size_t holesLeft = moves.back().to + moves.back().count - evaluated_.size() - parked;
            decodeUpTo(tokens, m.to, job, holesLeft > parked);
            const auto p0 = llama_pos(m.to);
            const auto p1 = llama_pos(m.to + m.count);
            // The run's first position still parked (the lowest run is always the next to join).
            const llama_pos first = llama_memory_seq_pos_min(memory, kParked);
            if (window_ > 0) {
                // The part of the run the window layers dropped (or that was a gap where it came
                // from) leaves a gap in the first sequence once it joins.
                const llama_pos trusted = std::max(first, p0 + std::max<llama_pos>(0, floor - llama_pos(m.from)));
                if (trusted > p0)
                    windowFloor_ = trusted;
            }
            llama_memory_seq_cp(memory, kParked, 0, p0, p1);
            llama_memory_seq_rm(memory, kParked, p0, p1);
            evaluated_.insert(evaluated_.end(), tokens.begin() + std::ptrdiff_t(m.to),
                              tokens.begin() + std::ptrdiff_t(m.to + m.count));
            promptLength_ = evaluated_.size();
            out.reused += int(m.count);
            out.shifted += int(m.count);
            parked -= m.count;
            lost = first < 0 || !cacheAgrees() || !windowHolds(evaluated_.size());
        }
    } catch (...) {
        // Runs not yet joined cannot stay: the first sequence must run on without a gap.
        dropParked();
        throw;
    }
    if (lost)
        dropParked();
    else
        decodeUpTo(tokens, tokens.size(), job, true);
    if (lost || !cacheAgrees()) {
        // The cache no longer holds what was evaluated: the prompt is decoded again in full.
        llama_memory_clear(memory, true);
        evaluated_.clear();
        promptLength_ = 0;
        windowFloor_ = 0;
        out = {};
        decodeUpTo(tokens, tokens.size(), job, true);
    }
    return out;
}

llama_sampler_ptr LlamaRuntime::makeSampler(double temperature, std::uint32_t seed) const
{
    llama_sampler_ptr owned(llama_sampler_chain_init(llama_sampler_chain_default_params()));
    llama_sampler* chain = owned.get();
    llama_sampler_chain_add(chain, llama_sampler_init_top_k(int(kTopK))); // first: sampleAmong relies on it
    llama_sampler_chain_add(chain, llama_sampler_init_penalties(llama_vocab_n_tokens(vocab_), 64, 1.15f, 0.0f, 0.0f));
    if (temperature < kGreedyBelow) {
        llama_sampler_chain_add(chain, llama_sampler_init_greedy());
    } else {
        llama_sampler_chain_add(chain, llama_sampler_init_top_p(0.9f, 1));
        llama_sampler_chain_add(chain, llama_sampler_init_min_p(0.05f, 1));
        llama_sampler_chain_add(chain, llama_sampler_init_temp(float(temperature)));
        std::uint32_t s = seed;
        if (s == 0) {
            std::random_device rd;
            std::uniform_int_distribution<std::uint32_t> pick(1, 4294967295u);
            s = pick(rd);
        }
        llama_sampler_chain_add(chain, llama_sampler_init_dist(s));
    }
    return owned;
}

LlamaRuntime::Sampled LlamaRuntime::sampleAmong(const std::vector<Token>& allowed, const float* logits,
                                                llama_sampler* chain, int vocabularySize)
{
    const std::size_t n = allowed.empty() ? std::size_t(vocabularySize) : allowed.size();
    auto idAt = [&](std::size_t i) { return allowed.empty() ? Token(i) : allowed[i]; };

    // The allowed tokens' scores side by side, so that the sums run over one array.
    const float* scores = logits;
    if (!allowed.empty()) {
        gathered_.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            gathered_[i] = logits[allowed[i]];
        scores = gathered_.data();
    }
    const float max = maxOf(scores, n);
    const double sum = sumExp(scores, n, max);
    // The chain first keeps the kTopK best (makeSampler), and a token more than kLogitWindow below
    // the best loses to it whatever the rest of the chain does: only the others reach the chain,
    // found in one pass (where the library's own sampler would sort the whole vocabulary). The
    // floor rises to the kTopK-th best score of those held whenever they are too many.
    float floor = max - kLogitWindow;
    survivors_.clear();
    above_.resize(kScanChunk);
    for (std::size_t from = 0; from < n; from += kScanChunk) {
        const std::size_t count = std::min(kScanChunk, n - from);
        const std::size_t found = scoresAbove(scores + from, count, floor, above_.data());
        for (std::size_t k = 0; k < found; ++k) {
            const std::size_t i = from + above_[k];
            survivors_.push_back({ idAt(i), scores[i], 0.0f });
        }
        if (survivors_.size() > kHeldMost) {
            auto better = [](const llama_token_data& a, const llama_token_data& b) { return a.logit > b.logit; };
            std::nth_element(survivors_.begin(), survivors_.begin() + (kTopK - 1), survivors_.end(), better);
            floor = survivors_[kTopK - 1].logit;
            std::erase_if(survivors_, [floor](const llama_token_data& t) { return t.logit < floor; });
        }
    }
    llama_token_data_array array{ survivors_.data(), survivors_.size(), -1, false };
    llama_sampler_apply(chain, &array);
    // The chain may reorder the array (top-k sorts it): the selection indexes that order.
    Token token = array.selected >= 0 && std::size_t(array.selected) < array.size
        ? array.data[array.selected].id
        : idAt(0);
    llama_sampler_accept(chain, token);
    return { token, double(logits[token]) - double(max) - std::log(sum) };
}

double LlamaRuntime::logSumExp(const float* logits, int count)
{
    if (count <= 0)
        return -std::numeric_limits<double>::infinity();
    const float max = maxOf(logits, std::size_t(count));
    return std::log(double(sumExp(logits, std::size_t(count), max))) + double(max);
}

QString LlamaRuntime::trimDanglingSentence(const QString& text)
{
    static const QString marks = QStringLiteral(".!?\u3002\uFF01\uFF1F");
    qsizetype mark = -1;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (marks.contains(text.at(i))) {
            mark = i;
            break;
        }
    }
    if (mark < 0 || mark == text.size() - 1)
        return text;
    if (!text.at(mark + 1).isSpace())
        return text;
    const QStringList words = text.mid(mark + 1).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.size() == 1)
        return text.left(mark + 1);
    return text;
}

QStringList LlamaRuntime::rankAlternatives(const std::vector<Reply>& replies)
{
    std::vector<const Reply*> order;
    for (const Reply& r : replies)
        order.push_back(&r);
    std::stable_sort(order.begin(), order.end(),
                     [](const Reply* a, const Reply* b) { return a->score() > b->score(); });
    QStringList out;
    for (const Reply* r : order) {
        const QString t = withoutTrailingReplacement(r->text);
        if (!out.contains(t))
            out.push_back(t);
    }
    return out;
}

LlamaRuntime::Output LlamaRuntime::generate(const Job& job)
{
    if (!context_ || !vocab_)
        throw Failure(Failure::Kind::contextFailed);
    if (!stillLatest(job.job))
        throw Stopped();

    std::vector<Token> tokens = tokenize(job.prompt, contextTokens_ - job.maxTokens - kPromptReserve);

    // Healing: the half-typed last word leaves the prompt and must be spelled again.
    Bytes heal;
    if (job.healLast && tokens.size() > 2) {
        heal = piece(tokens.back());
        tokens.pop_back();
        for (int i = 0; i < kHealExtension; ++i) {
            if (tokens.size() > 2 && !heal.empty() && isHealable(std::uint8_t(heal[0]))) {
                heal = piece(tokens.back()) + heal;
                tokens.pop_back();
            }
        }
    }
    const Bytes required = !heal.empty() ? heal : (job.spaceTyped ? Bytes(" ") : Bytes());

    const double t0 = nowMilliseconds();
    const int nVocab = llama_vocab_n_tokens(vocab_);
    const auto n = tokens.size();
    int reused = 0;
    int shifted = 0;
    bool fromStoredScores = false;
    if (!required.empty() && job.count <= 1 && !promptScores_.empty() && scoredPrompt_ == tokens
        && evaluated_.size() >= n && std::equal(tokens.begin(), tokens.end(), evaluated_.begin())
        && windowHolds(n) && removeFrom(n)) {
        evaluated_ = tokens;
        promptLength_ = n;
        reused = int(n);
        fromStoredScores = true;
    } else {
        const Evaluated e = evaluate(tokens, job.job);
        reused = e.reused;
        shifted = e.shifted;
        if (const float* logits = llama_get_logits_ith(context_.get(), -1)) {
            promptScores_.assign(logits, logits + nVocab);
            scoredPrompt_ = tokens;
        } else {
            scoredPrompt_.clear();
        }
    }

    const double t1 = nowMilliseconds();
    Output out;
    out.promptTokens = int(n);
    out.reusedTokens = reused;
    out.shiftedTokens = shifted;
    out.promptMilliseconds = t1 - t0;
    if (job.prefillOnly)
        return out;

    const double threshold = job.wordFloor > 0 ? std::log(job.wordFloor) : -std::numeric_limits<double>::infinity();
    const std::vector<Token> everyToken; // empty: the whole vocabulary
    const int candidates = std::max(job.count, 1);

    std::vector<Reply> replies;
    int best = -1;
    int generated = 0;
    for (int c = 0; c < candidates; ++c) {
        if (!stillLatest(job.job))
            throw Stopped();
        if (c > 0) {
            if (windowHolds(n - 1)) {
                if (!removeFrom(n - 1))
                    break;
                evaluated_.assign(tokens.begin(), tokens.end() - 1);
                Token last = tokens.back();
                if (decode(&last, 1) != 0)
                    break;
                evaluated_.push_back(last);
            } else {
                // The window layers dropped what the prompt's last token looks at.
                evaluate(tokens, job.job);
            }
        }
        const llama_sampler_ptr sampler = makeSampler(c == 0 ? job.temperature : kAlternativeTemperature, std::uint32_t(c));
        llama_sampler* chain = sampler.get();
        Bytes remaining = required;
        Bytes bytes;
        QString text;
        int words = 0;
        int steps = 0;
        std::vector<Step> records;
        while (steps < job.maxTokens) {
            if (!stillLatest(job.job))
                break;
            const float* logits = (c == 0 && steps == 0 && fromStoredScores) ? promptScores_.data()
                                                                              : llama_get_logits_ith(context_.get(), -1);
            if (!logits)
                throw Failure(Failure::Kind::decodeFailed, -1);
            const Sampled sampled = sampleAmong(remaining.empty() ? everyToken : tokensMatching(remaining), logits,
                                                chain, nVocab);
            Token token = sampled.token;
            const double logprob = sampled.logprob;
            if (llama_vocab_is_eog(vocab_, token))
                break;

            const Bytes p = piece(token);
            if (p.size() < remaining.size())
                remaining.erase(0, p.size());
            else
                remaining.clear();
            bytes += p;
            const QString visible = bytes.size() > required.size()
                ? QString::fromUtf8(bytes.data() + required.size(), qsizetype(bytes.size() - required.size()))
                : QString();
            ++steps;

            const int before = chars::count(text);
            if (chars::count(visible) > before) {
                const QString added = visible.mid(chars::offsetAfter(visible, before));
                const bool startsWord = text.isEmpty() || added.at(0).isSpace()
                    || text.at(text.size() - 1).isSpace() || chars::isCJK(chars::firstScalar(added));
                if (startsWord) {
                    ++words;
                    if (words >= 2 && logprob < threshold) {
                        text = trimDanglingSentence(text);
                        break;
                    }
                }
                records.push_back({ logprob, before, startsWord });
            }

            qsizetype cut = -1;
            for (const QString& s : job.stop) {
                if (s.isEmpty())
                    continue;
                const qsizetype at = visible.indexOf(s);
                if (at >= 0 && (cut < 0 || at < cut))
                    cut = at;
            }
            if (cut >= 0) {
                text = visible.left(cut);
                break;
            }
            text = visible;
            if (c == 0 && job.partial)
                job.partial(text);
            if (steps >= job.maxTokens)
                break; // nothing reads the last token's scores

            const int rc = decode(&token, 1);
            if (rc != 0) {
                evaluated_.clear();
                throw Failure(Failure::Kind::decodeFailed, rc);
            }
            evaluated_.push_back(token);
        }
        generated += steps;
        replies.push_back({ text, steps, std::move(records) });
        if (best < 0 || replies.back().score() > replies[std::size_t(best)].score())
            best = int(replies.size()) - 1;
    }

    if (!stillLatest(job.job) || replies.empty())
        throw Stopped();
    const double t2 = nowMilliseconds();
    if (replies.size() >= 2)
        out.alternatives = rankAlternatives(replies);
    out.text = withoutTrailingReplacement(replies[std::size_t(best)].text);
    out.generatedTokens = generated;
    out.generateMilliseconds = t2 - t1;
    return out;
}

} // namespace tq
