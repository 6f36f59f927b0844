#pragma once
// The built-in engine's wrapper around llama.cpp: one loaded model, its context and
// vocabulary, and one worker thread (the queue) on which every library call is made.
//
// Besides the current field's prompt (sequence 0 of the context), the evaluated state of the
// last few prompts left for another one is kept in memory, so that returning to a field
// restores its prompt instead of evaluating it again.
//
// When an early section of a prompt changes (the text on screen, the copied text), the cached
// tokens that follow it and come again in the new prompt are moved to their new positions
// (the library's position shift) instead of being evaluated again: only the changed section
// and the new tail are decoded. Sequence 1 holds the moved runs while the changed section is
// decoded in front of them.
//
// On a model with sliding-window layers the library reuses a cell held by one sequence alone once
// it lies a window below that sequence's last position: sequence 2 then holds every cell of the
// first sequence and of the parked runs, so that none is lost. After every join and at the end of
// each evaluation the cache must still agree with what was evaluated, or it is cleared and the
// prompt decoded in full.
//
// The file loaded is watched: a load finds it changed since (another inode, size or modification
// time) and loads it again, and a read of its mapping that faults (the file cut short while in
// use) ends the work with FileChanged, or loadFailed when the file is unchanged, and unloads it.
//
// Except `latest`, every member is read and written only by work running on the queue.
// Jobs are numbered by `nextJob()`; a running job stops at its next check once `latest`
// no longer equals its number (a newer job was numbered, or the job was cancelled).

#include "engines/MappedFile.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include <llama-cpp.h>

namespace tq {

class LlamaRuntime {
public:
    using Token = std::int32_t;
    using Bytes = std::string; // raw bytes; a piece may hold part of a UTF-8 character

    struct LoadInfo {
        std::uint64_t parameters = 0;
        std::uint64_t bytes = 0;
        double seconds = 0;
    };

    // The runtime's own failures; `description()` is the text shown to the user.
    class Failure : public std::exception {
    public:
        enum class Kind { decodeFailed, loadFailed, contextFailed, tokenizeFailed };
        explicit Failure(Kind kind, std::int32_t code = 0) : kind_(kind), code_(code) {}
        Kind kind() const { return kind_; }
        std::int32_t code() const { return code_; }
        QString description() const;
        const char* what() const noexcept override { return "llama runtime failure"; }

    private:
        Kind kind_;
        std::int32_t code_;
    };

    // Thrown when a newer job or a cancellation stopped the work.
    struct Stopped : std::exception {
        const char* what() const noexcept override { return "llama job stopped"; }
    };

    // Thrown when the model file changed while it was read; the model is unloaded.
    struct FileChanged : std::exception {
        const char* what() const noexcept override { return "llama model file changed"; }
    };

    struct Output {
        QString text;
        int promptTokens = 0;
        int reusedTokens = 0; // from the common start and from moved runs
        int shiftedTokens = 0; // of those, moved runs
        int generatedTokens = 0;
        double promptMilliseconds = 0;
        double generateMilliseconds = 0;
        QStringList alternatives;
    };

    // One candidate of a generation.
    struct Step {
        double logprob = 0;
        int offset = 0; // characters of the candidate's text before this step
        bool startsWord = false;
    };
    struct Reply {
        QString text;
        int tokens = 0;
        std::vector<Step> steps;
        // Mean log-probability of the first 12 steps; -infinity without steps.
        double score() const;
    };

    using PartialCallback = std::function<void(const QString&)>;

    struct Job {
        std::string path;
        QString prompt;
        int maxTokens = 0;
        QStringList stop;
        bool healLast = false;
        int count = 1;
        bool prefillOnly = false;
        bool spaceTyped = false;
        std::int64_t job = 0;
        PartialCallback partial; // called on the queue, candidate 0 only
        double temperature = 0.3;
        double wordFloor = 0;
    };

    // Threads for prompt batches and for generation (one token at a time).
    struct Threads {
        int batch = 0;
        int generation = 0;
    };
    // `threads` 0: prompt batches on the machine's physical cores, generation on the count that
    // decodes one token fastest, measured once with the first model loaded; neither on more cores
    // than other programs leave free (followed as the work runs). Otherwise both.
    explicit LlamaRuntime(int contextTokens, int threads = 0);
    ~LlamaRuntime();
    LlamaRuntime(const LlamaRuntime&) = delete;
    LlamaRuntime& operator=(const LlamaRuntime&) = delete;

    int contextTokens() const { return contextTokens_; }

    // --- Any thread ---
    // Hands work to the queue; it runs after everything handed earlier.
    void post(std::function<void()> work);
    // Numbers a new job: every earlier job still running stops at its next check.
    std::int64_t nextJob();
    // Stops `job` if it is still the latest; a late cancellation leaves newer jobs alone.
    void cancelJob(std::int64_t job);
    std::int64_t latest() const { return latest_.load(); }
    // Unloads once the work handed earlier has finished.
    void unloadLater();
    // Blocks until the queue has run everything handed to it so far (not from the queue).
    void waitUntilIdle();
    // Observation for tests and diagnostics.
    bool isLoaded() const { return loadedFlag_.load(); }
    int loadCount() const { return loads_.load(); }
    bool isOnQueue() const { return std::this_thread::get_id() == worker_.get_id(); }
    // Physical cores this process may run on (logical CPUs when the topology is unknown).
    static int physicalCores();

    // --- On the queue ---
    // Loads `path` unless it is loaded and unchanged on disk. Throws Failure or FileChanged.
    std::optional<LoadInfo> load(const std::string& path);
    void unload();
    // Frees the kept states of earlier prompts; the current one stays.
    void dropKeptPrompts();
    // The thread counts in use (after a load; they follow the free cores).
    Threads threads() const { return inUse_; }
    std::vector<Token> tokenize(const QString& text, int limit); // throws Failure
    Bytes piece(Token token) const;
    void buildPieceTables();
    // Replaces the piece tables (tests: hand-made pieces); pieces then come from them.
    void setPieceTables(std::vector<Bytes> pieces);
    // The tokens that agree with `remaining` (valid until the next call).
    const std::vector<Token>& tokensMatching(const Bytes& remaining);

    Output run(const Job& job);      // load, then generate; throws Failure, Stopped or FileChanged
    Output generate(const Job& job); // throws Failure or Stopped
    struct Evaluated {
        int reused = 0;
        int shifted = 0;
    };
    Evaluated evaluate(const std::vector<Token>& tokens, std::int64_t job);
    llama_sampler_ptr makeSampler(double temperature, std::uint32_t seed) const;
    struct Sampled {
        Token token = 0;
        double logprob = 0;
    };
    // The chain's choice among `allowed` (empty: every token), with its log-probability among them.
    Sampled sampleAmong(const std::vector<Token>& allowed, const float* logits, llama_sampler* chain,
                        int vocabularySize);
    double logSumExp(const float* logits, int count);
    static QString trimDanglingSentence(const QString& text);
    // Alternatives from finished candidates: best score first, trailing U+FFFD dropped,
    // each text once.
    static QStringList rankAlternatives(const std::vector<Reply>& replies);

    // Called with the batch size before every llama_decode (tests count decodes).
    void setDecodeObserver(std::function<void(int)> observer) { decodeObserver_ = std::move(observer); }

    // Prompt tokens decoded since the runtime was made (any thread; benchmarks and tests).
    std::int64_t promptTokensDecoded() const { return promptDecoded_.load(); }

    // Read-only views of the queue's state (tests, on the queue).
    const std::vector<Token>& evaluated() const { return evaluated_; }
    llama_context* context() const { return context_.get(); }
    const llama_vocab* vocab() const { return vocab_; }

private:
    void workerLoop();
    // The mapping of the loaded file faulted: unloads, then throws FileChanged when the file
    // changed since it was loaded, else loadFailed.
    [[noreturn]] void fileFaulted(const std::string& path);
    int decode(Token* tokens, int count);
    Bytes pieceFromLibrary(Token token) const;
    bool stillLatest(std::int64_t job) const { return latest_.load() == job; }
    Threads chooseThreads();
    int fastestGenerationThreads(int most);
    // The machine's CPU time and this process's own at one moment.
    struct CpuTimes {
        double milliseconds = 0;  // wall clock
        std::uint64_t total = 0;  // ticks of every CPU
        std::uint64_t idle = 0;   // of those, idle or waiting on a disk
        double own = 0;           // this process's CPU seconds
    };
    static std::optional<CpuTimes> readCpuTimes();
    int freeCoresNow(int cores);
    void followFreeCores();
    struct KeptPrompt {
        std::vector<Token> tokens;        // what the state holds, in order
        std::vector<std::uint8_t> state;  // sequence 0's cache, as the library copies it out
        std::int32_t windowFloor = 0;     // `windowFloor_` with it
    };
    bool windowHolds(std::size_t next) const;
    bool removeFrom(std::size_t pos);
    bool cacheAgrees() const;
    // A run of cached tokens that comes again in a new prompt: `count` tokens at `from` in the
    // cache, at `to` in the prompt.
    struct Move {
        std::size_t from = 0;
        std::size_t to = 0;
        std::size_t count = 0;
    };
    struct Reuse {
        std::size_t common = 0; // tokens at the start, in place
        std::vector<Move> moves; // in order, after `common`
        std::size_t total() const;
    };
    Reuse planReuse(const std::vector<Token>& cached, const std::vector<Token>& tokens) const;
    void decodeUpTo(const std::vector<Token>& tokens, std::size_t end, std::int64_t job, bool mayStop);
    void keepCurrentPrompt();
    std::optional<KeptPrompt> takeKeptPrompt(const std::vector<Token>& tokens, std::size_t reusable);
    void restore(KeptPrompt kept);

    const int contextTokens_;
    const int threads_;
    std::atomic<std::int64_t> latest_{0};

    llama_model_ptr model_;
    llama_context_ptr context_; // declared after the model: freed before it
    const llama_vocab* vocab_ = nullptr;
    std::optional<std::string> loadedPath_;
    std::optional<FileIdentity> loadedFile_; // the file as it was when loaded
    std::unique_ptr<MappedFileGuard> guard_;  // while its mapping exists
    std::vector<Token> evaluated_;
    std::size_t promptLength_ = 0; // tokens of `evaluated_` that were the last prompt
    std::deque<KeptPrompt> kept_;  // oldest first
    std::size_t keptBytes_ = 0;
    std::size_t keptBudget_ = 0;
    Threads inUse_;
    Threads machine_;          // the counts chosen at the load; `inUse_` is at most these
    Threads set_;              // the context's counts now
    std::optional<CpuTimes> cpuTimes_; // the last reading
    double decodingMilliseconds_ = 0;  // spent in the library's decode since then
    std::vector<Bytes> pieceTable_;
    std::unordered_map<std::uint8_t, std::vector<Token>> byFirstByte_;
    std::unordered_map<std::uint16_t, std::vector<Token>> byFirstTwo_;
    std::unordered_map<std::uint8_t, std::vector<Token>> singleBytes_;
    std::vector<Token> matching_;     // scratch: tokens agreeing with the bytes to spell
    std::vector<float> gathered_;     // scratch: the allowed tokens' scores
    std::vector<std::uint32_t> above_;          // scratch: indexes of the scores near the best
    std::vector<llama_token_data> survivors_;   // scratch: those tokens, for the chain
    std::vector<float> promptScores_; // empty: absent
    std::vector<Token> scoredPrompt_;
    std::function<void(int)> decodeObserver_;

    bool canShift_ = false;
    int window_ = 0;                // the model's sliding window in tokens; 0: none
    std::int32_t windowFloor_ = 0;  // the window layers hold the first sequence from here on
    bool shiftPending_ = false; // positions moved, not yet applied by a decode

    std::atomic<std::int64_t> promptDecoded_{0};
    std::atomic<bool> loadedFlag_{false};
    std::atomic<int> loads_{0};

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<std::function<void()>> work_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread worker_;
};

} // namespace tq
