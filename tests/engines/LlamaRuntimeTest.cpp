#include "LlamaTestSupport.h"

#include "engines/LlamaRuntime.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <llama.h>

#include <atomic>
#include <cmath>
#include <random>
#include <utility>

namespace tq {
namespace {

using test::onQueue;
using test::tinyModelPath;
using Token = LlamaRuntime::Token;

const QString kPrompt = QStringLiteral("The quick brown fox jumps over the lazy dog while the cat sleeps in the sun");

class LlamaRuntimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        onQueue(rt, [this] { rt.load(tinyModelPath()); });
        rt.setDecodeObserver([this](int n) {
            decodes += 1;
            decodedTokens += n;
        });
    }

    LlamaRuntime::Job job(QString prompt, int maxTokens)
    {
        LlamaRuntime::Job j;
        j.path = tinyModelPath();
        j.prompt = std::move(prompt);
        j.maxTokens = maxTokens;
        j.temperature = 0.0;
        j.job = rt.nextJob();
        return j;
    }

    LlamaRuntime::Output generate(LlamaRuntime::Job j)
    {
        return onQueue(rt, [this, j] { return rt.generate(j); });
    }

    void resetCounts()
    {
        decodes = 0;
        decodedTokens = 0;
    }

    LlamaRuntime rt{2048, test::kTestThreads};
    std::atomic<int> decodes{0};
    std::atomic<int> decodedTokens{0};
};

TEST_F(LlamaRuntimeTest, LoadingKeepsTheSameModelAndFailsCleanlyOnABadFile)
{
    EXPECT_TRUE(rt.isLoaded());
    EXPECT_EQ(rt.loadCount(), 1);
    generate(job(kPrompt, 0));
    const auto cached = onQueue(rt, [this] { return rt.evaluated(); });
    ASSERT_FALSE(cached.empty());

    // The same path again: nothing reloaded, the cache stays.
    EXPECT_FALSE(onQueue(rt, [this] { return rt.load(tinyModelPath()).has_value(); }));
    EXPECT_EQ(onQueue(rt, [this] { return rt.evaluated(); }), cached);
    EXPECT_EQ(rt.loadCount(), 1);

    // Another path unloads first, so a failure leaves no model at all.
    try {
        onQueue(rt, [this] { rt.load("/nonexistent/model.gguf"); });
        FAIL() << "loading a missing file succeeded";
    } catch (const LlamaRuntime::Failure& f) {
        EXPECT_EQ(f.kind(), LlamaRuntime::Failure::Kind::loadFailed);
        EXPECT_EQ(f.description(), QStringLiteral("The model file couldn't be loaded"));
    }
    EXPECT_FALSE(rt.isLoaded());
    try {
        generate(job(kPrompt, 4));
        FAIL() << "generation without a model succeeded";
    } catch (const LlamaRuntime::Failure& f) {
        EXPECT_EQ(f.kind(), LlamaRuntime::Failure::Kind::contextFailed);
    }

    // The next run loads it again.
    auto j = job(kPrompt, 0);
    onQueue(rt, [this, j] { return rt.run(j); });
    EXPECT_TRUE(rt.isLoaded());
    EXPECT_EQ(rt.loadCount(), 2);
}

// The loaded file changed on disk (copied onto, cut short): the next load reads it again, and
// a file cut short in the middle of a job faults in its mapping without ending the program.
TEST_F(LlamaRuntimeTest, AModelFileChangedOnDiskIsLoadedAgainAndCuttingItShortEndsNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("model.gguf")).toStdString();
    const auto overwrite = [&](const std::string& from) {
        QFile source(QString::fromStdString(from));
        QFile target(QString::fromStdString(path));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        ASSERT_TRUE(target.open(QIODevice::WriteOnly | QIODevice::Truncate)); // in place, as cp does
        target.write(source.readAll());
    };
    overwrite(tinyModelPath());
    auto j = job(kPrompt, 4);
    j.path = path;
    onQueue(rt, [this, j] { return rt.run(j); });
    const int loads = rt.loadCount();
    EXPECT_FALSE(onQueue(rt, [&] { return rt.load(path).has_value(); })) << "unchanged: kept";

    overwrite(test::tinyGemma4ModelPath());
    EXPECT_TRUE(onQueue(rt, [&] { return rt.load(path).has_value(); })) << "changed: loaded again";
    EXPECT_EQ(rt.loadCount(), loads + 1);

    // Cut to nothing just before the library reads the weights.
    bool cut = false;
    rt.setDecodeObserver([&](int) {
        if (!std::exchange(cut, true))
            ASSERT_TRUE(QFile::resize(QString::fromStdString(path), 0));
    });
    j.job = rt.nextJob();
    EXPECT_THROW(onQueue(rt, [this, j] { return rt.run(j); }), LlamaRuntime::FileChanged);
    EXPECT_TRUE(cut);
    EXPECT_FALSE(rt.isLoaded());
    rt.setDecodeObserver({});

    // The cut file can't be loaded; put back, it answers again.
    j.job = rt.nextJob();
    EXPECT_THROW(onQueue(rt, [this, j] { return rt.run(j); }), LlamaRuntime::Failure);
    overwrite(tinyModelPath());
    j.job = rt.nextJob();
    EXPECT_NO_THROW(onQueue(rt, [this, j] { return rt.run(j); }));
    EXPECT_TRUE(rt.isLoaded());
}

TEST_F(LlamaRuntimeTest, TokenizeWithALimitKeepsTheBeginTokenAndTheLastTokens)
{
    const auto all = onQueue(rt, [this] { return rt.tokenize(kPrompt, 10000); });
    ASSERT_GT(all.size(), 6u);
    const Token bos = all.front();
    EXPECT_EQ(bos, onQueue(rt, [this] { return llama_vocab_bos(rt.vocab()); }));

    const auto five = onQueue(rt, [this] { return rt.tokenize(kPrompt, 5); });
    ASSERT_EQ(five.size(), 5u);
    EXPECT_EQ(five.front(), bos);
    EXPECT_TRUE(std::equal(five.begin() + 1, five.end(), all.end() - 4));

    for (int limit : {1, 0, -3}) {
        const auto one = onQueue(rt, [this, limit] { return rt.tokenize(kPrompt, limit); });
        ASSERT_EQ(one.size(), 2u) << limit;
        EXPECT_EQ(one[0], bos);
        EXPECT_EQ(one[1], all.back());
    }

    EXPECT_THROW(onQueue(rt, [this] { return rt.tokenize(QString(), 100); }), LlamaRuntime::Failure);
    // Special-token text is plain text.
    const auto special = onQueue(rt, [this] { return rt.tokenize(QStringLiteral("<s>"), 100); });
    EXPECT_GT(special.size(), 2u);
}

TEST_F(LlamaRuntimeTest, PiecesAndTokensMatchingAPrefix)
{
    // Library pieces: raw bytes, with the whole piece even past 32 bytes.
    const auto tokens = onQueue(rt, [this] { return rt.tokenize(QStringLiteral("apple pie"), 100); });
    std::string spelled;
    for (std::size_t i = 1; i < tokens.size(); ++i)
        spelled += onQueue(rt, [this, t = tokens[i]] { return rt.piece(t); });
    EXPECT_EQ(spelled, " apple pie");

    onQueue(rt, [this] { rt.setPieceTables({"a", "ab", "abc", "b", ""}); });
    auto matching = [this](std::string r) { return onQueue(rt, [this, r] { return rt.tokensMatching(r); }); };
    EXPECT_EQ(matching("abx"), (std::vector<Token>{1}));
    EXPECT_EQ(matching("ab"), (std::vector<Token>{1, 2}));
    EXPECT_EQ(matching("a"), (std::vector<Token>{0, 1, 2}));
    EXPECT_TRUE(matching("zz").empty());
    EXPECT_TRUE(matching("").empty());
    EXPECT_EQ(onQueue(rt, [this] { return rt.piece(2); }), "abc");
}

TEST_F(LlamaRuntimeTest, RepeatedPromptReusesTheCacheAndTheShortcutDecodesNothing)
{
    const auto first = generate(job(kPrompt, 0));
    EXPECT_EQ(first.text, QString());
    EXPECT_EQ(first.generatedTokens, 0);
    EXPECT_EQ(first.reusedTokens, 0);
    const int n = first.promptTokens;
    EXPECT_EQ(decodedTokens, n);

    // The same prompt: only the last token is decoded again, for fresh logits.
    resetCounts();
    const auto again = generate(job(kPrompt, 0));
    EXPECT_EQ(again.reusedTokens, n - 1);
    EXPECT_EQ(decodes, 1);
    EXPECT_EQ(decodedTokens, 1);

    // With a required prefix (a typed space) the stored prompt logits are used: no decode
    // precedes the first sampled token, and each step decodes its one token.
    resetCounts();
    auto spaced = job(kPrompt, 3);
    spaced.spaceTyped = true;
    const auto shortcut = generate(spaced);
    EXPECT_EQ(shortcut.reusedTokens, n);
    EXPECT_EQ(decodedTokens, decodes);
    EXPECT_LE(decodes, 3);

    // A longer prompt reuses the common prefix but always decodes its own last token.
    resetCounts();
    const auto longer = generate(job(kPrompt + QStringLiteral(" and dreams"), 0));
    EXPECT_GE(longer.reusedTokens, n - 2);
    EXPECT_LT(longer.reusedTokens, longer.promptTokens);
    EXPECT_EQ(decodedTokens, longer.promptTokens - longer.reusedTokens);
    EXPECT_EQ(onQueue(rt, [this] { return int(rt.evaluated().size()); }), longer.promptTokens);
}

// The library's last position of the current prompt against what the runtime evaluated.
void expectCacheAgrees(LlamaRuntime& rt)
{
    const auto [last, evaluated] = onQueue(rt, [&rt] {
        return std::pair{llama_memory_seq_pos_max(llama_get_memory(rt.context()), 0) + 1, int(rt.evaluated().size())};
    });
    EXPECT_EQ(last, evaluated);
}

// Three fields in turn, then back to the first: its prompt comes back from the kept state
// instead of being evaluated again; once the kept states are dropped it is evaluated in full.
TEST_F(LlamaRuntimeTest, AFieldReturnedToAfterTwoOthersReusesItsPrompt)
{
    auto field = [](const QString& start, unsigned seed) { return start + QStringLiteral(" ") + test::prose(120, seed); };
    const QString a = field(QStringLiteral("Dear Anna,"), 11), b = field(QStringLiteral("Minutes:"), 12),
                  c = field(QStringLiteral("Shopping list"), 13);
    for (const std::string& model : {tinyModelPath(), test::tinyGemma4ModelPath()}) {
        SCOPED_TRACE(model);
        onQueue(rt, [&] { rt.load(model); });
        const int n = generate(job(a, 4)).promptTokens;
        generate(job(b, 4));
        const int nc = generate(job(c, 4)).promptTokens;

        resetCounts();
        const auto back = generate(job(a + QStringLiteral(" and then"), 0));
        EXPECT_GE(back.reusedTokens, n - 2);
        EXPECT_EQ(decodedTokens, back.promptTokens - back.reusedTokens);
        expectCacheAgrees(rt);
        // The field left for it was kept in turn.
        EXPECT_GE(generate(job(c, 0)).reusedTokens, nc - 1);

        onQueue(rt, [this] { rt.dropKeptPrompts(); });
        EXPECT_LE(generate(job(b, 0)).reusedTokens, 1);
    }
}

// An early section of the prompt changes (the text on screen grows, shrinks or goes; the copied
// text changes too): the document after it is moved into place, not decoded again. Moved back
// when the section returns, the document's cache is again the one evaluated behind it, and the
// greedy reply is the one a cold evaluation gives. On a model with window layers, sections
// changed far apart and the words typed after them keep the cache true.
TEST_F(LlamaRuntimeTest, AChangedEarlySectionMovesTheRestAndMovesItBackExactly)
{
    const QString head = QStringLiteral("[Context] Mousepad \u00B7 notes.txt\n[Now] Monday 5 January 2026, morning\n");
    const QString document = test::prose(300, 1);
    auto prompt = [&](const QString& copied, const QString& screen, const QString& typed) {
        QString p = head;
        if (!copied.isEmpty())
            p += QStringLiteral("[Copied] ") + copied + QStringLiteral("\n");
        if (!screen.isEmpty())
            p += QStringLiteral("[On screen] ") + screen + QStringLiteral("\n");
        return p + QStringLiteral("\n") + document + typed;
    };
    const QString copied = test::prose(30, 2), screen = test::prose(40, 3);
    const QString first = prompt(copied, screen, QString()), typed = prompt(copied, screen, QStringLiteral(" Sam"));
    const struct {
        const char* what;
        QString next;
    } cases[] = {
        {"screen text grew", prompt(copied, screen + QStringLiteral(" Line: 40 Column: 3 OVR"), QStringLiteral(" Sam"))},
        {"screen text shrank", prompt(copied, test::prose(12, 4), QStringLiteral(" Sam"))},
        {"screen text gone", prompt(copied, QString(), QString())},
        {"copied and screen text changed", prompt(test::prose(25, 5), screen + QStringLiteral(" OVR"), QStringLiteral(" S"))},
        {"two sections changed far apart",
         prompt(QStringLiteral("Note: ") + copied, screen.left(screen.size() / 2) + QStringLiteral(" Saved") + screen.mid(screen.size() / 2),
                QStringLiteral(" Sam"))},
    };
    const struct {
        const char* name;
        std::string path;
    } models[] = {{"llama", tinyModelPath()}, {"gemma4", test::tinyGemma4ModelPath()}};
    for (const auto& model : models) {
        SCOPED_TRACE(model.name);
        onQueue(rt, [&] { rt.load(model.path); });
        LlamaRuntime cold{2048, test::kTestThreads};
        auto coldReply = [&](const QString& p) {
            return onQueue(cold, [&] {
                cold.load(model.path);
                cold.dropKeptPrompts();
                llama_memory_clear(llama_get_memory(cold.context()), true);
                LlamaRuntime::Job j = job(p, 12);
                j.job = cold.nextJob();
                const QString text = cold.generate(j).text;
                cold.unload();
                return text;
            });
        };
        const QString reference = coldReply(typed);
        const int documentTokens = int(onQueue(rt, [&] { return rt.tokenize(document, 10000); }).size());
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            auto warm = job(first, 0);
            warm.prefillOnly = true;
            generate(warm);
            resetCounts();
            const auto moved = generate(job(c.next, 12));
            EXPECT_GT(moved.shiftedTokens, documentTokens * 9 / 10);
            EXPECT_LT(decodedTokens - moved.generatedTokens, moved.promptTokens - documentTokens * 9 / 10);
            const auto tokens = onQueue(rt, [&] { return rt.tokenize(c.next, 10000); });
            const auto cached = onQueue(rt, [&] { return rt.evaluated(); });
            ASSERT_GE(cached.size(), tokens.size());
            EXPECT_TRUE(std::equal(tokens.begin(), tokens.end(), cached.begin()));
            expectCacheAgrees(rt);

            resetCounts();
            const auto back = generate(job(typed, 12));
            EXPECT_GT(back.shiftedTokens, documentTokens * 9 / 10);
            EXPECT_LT(decodedTokens - back.generatedTokens, back.promptTokens - documentTokens * 9 / 10);
            EXPECT_EQ(back.text, reference);
            expectCacheAgrees(rt);
        }
        // Ten words typed after the far-apart change, one request each: each reuses the cache
        // (nothing was lost to be decoded again) and leaves it true.
        generate(job(cases[4].next, 6));
        QString text = cases[4].next;
        for (const QString& word : test::prose(10, 6).split(u' ')) {
            text += QStringLiteral(" ") + word;
            const auto out = generate(job(text, 6));
            EXPECT_GE(out.reusedTokens, out.promptTokens - 8);
            expectCacheAgrees(rt);
        }
    }
}

TEST_F(LlamaRuntimeTest, GreedyBelowTheThresholdIsRepeatableAndStopStringsCut)
{
    const auto a = generate(job(kPrompt, 12));
    const auto b = generate(job(kPrompt, 12));
    EXPECT_EQ(a.text, b.text);
    ASSERT_GT(a.generatedTokens, 0);

    auto warmish = job(kPrompt, 12);
    warmish.temperature = 0.04;
    EXPECT_EQ(generate(warmish).text, a.text);

    ASSERT_GE(a.text.size(), 3) << "the tiny model wrote too little to cut";
    const QString stop = a.text.mid(a.text.size() / 2, 2);
    auto stopped = job(kPrompt, 12);
    stopped.stop = {QStringLiteral("never there"), stop};
    const auto cut = generate(stopped);
    EXPECT_EQ(cut.text, a.text.left(a.text.indexOf(stop)));

    // A floor no new word can reach keeps the first word only (it is never cut itself).
    auto floored = job(kPrompt, 12);
    floored.wordFloor = 0.999;
    const auto one = generate(floored);
    EXPECT_TRUE(a.text.startsWith(one.text));
    EXPECT_LE(one.text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size(), 1);
    if (!a.text.trimmed().isEmpty()) {
        EXPECT_FALSE(one.text.trimmed().isEmpty());
    }
}

TEST_F(LlamaRuntimeTest, HealingTakesTheHalfWordOutAndForcesItsSpelling)
{
    const auto tokens = onQueue(rt, [this] { return rt.tokenize(kPrompt, 10000); });
    const int vocabulary = onQueue(rt, [this] { return llama_vocab_n_tokens(rt.vocab()); });
    const Token t1 = tokens[tokens.size() - 2];
    const Token t2 = tokens.back();
    Token apple = 5000;
    while (std::find(tokens.begin(), tokens.end(), apple) != tokens.end())
        ++apple;

    // Hand-made pieces: the prompt ends in " ap" + "p"; only " apple" spells " app" in one step.
    std::vector<std::string> pieces(static_cast<std::size_t>(vocabulary));
    pieces[std::size_t(t1)] = " ap";
    pieces[std::size_t(t2)] = "p";
    pieces[std::size_t(apple)] = " apple";
    onQueue(rt, [this, pieces] { rt.setPieceTables(pieces); });
    EXPECT_EQ(onQueue(rt, [this] { return rt.tokensMatching(" app"); }), (std::vector<Token>{apple}));

    auto healed = job(kPrompt, 1);
    healed.healLast = true;
    const auto out = generate(healed);
    EXPECT_EQ(out.text, QStringLiteral("le"));
    EXPECT_EQ(out.promptTokens, int(tokens.size()) - 2);

    // A prompt of two tokens (begin token and one more) is never healed.
    auto shortOne = job(QStringLiteral("x"), 0);
    shortOne.healLast = true;
    EXPECT_EQ(generate(shortOne).promptTokens, 2);
}

TEST_F(LlamaRuntimeTest, AlternativesAreDistinctAndBestFirst)
{
    auto several = job(kPrompt, 6);
    several.count = 3;
    several.temperature = 0.3;
    const auto out = generate(several);
    ASSERT_FALSE(out.alternatives.isEmpty());
    EXPECT_EQ(out.alternatives.front(), out.text);
    EXPECT_EQ(out.alternatives.size(), QSet<QString>(out.alternatives.begin(), out.alternatives.end()).size());
    EXPECT_LE(out.alternatives.size(), 3);

    EXPECT_TRUE(generate(job(kPrompt, 6)).alternatives.isEmpty());

    using Reply = LlamaRuntime::Reply;
    using Step = LlamaRuntime::Step;
    auto reply = [](QString text, std::vector<double> logprobs) {
        Reply r{std::move(text), int(logprobs.size()), {}};
        for (double l : logprobs)
            r.steps.push_back(Step{l, 0, false});
        return r;
    };
    std::vector<Reply> replies{
        reply(QStringLiteral("low"), {-3, -3}),
        reply(QStringLiteral("high"), {-0.5, -0.5}),
        reply(QStringLiteral("high"), {-0.5, -0.6}),
        reply(QStringLiteral("mid") + QChar(0xFFFD), {-1, -1}),
        reply(QStringLiteral("none"), {}),
    };
    EXPECT_EQ(LlamaRuntime::rankAlternatives(replies),
              (QStringList{"high", "mid", "low", "none"}));
    // Only the first 12 steps count.
    Reply longTail = reply(QStringLiteral("x"), std::vector<double>(12, -1.0));
    longTail.steps.push_back(Step{-100, 0, false});
    EXPECT_DOUBLE_EQ(longTail.score(), -1.0);
}

TEST_F(LlamaRuntimeTest, MaxTokensZeroAndPrefillGiveNoText)
{
    const auto zero = generate(job(kPrompt, 0));
    EXPECT_EQ(zero.text, QString());
    EXPECT_EQ(zero.generatedTokens, 0);

    resetCounts();
    auto prefill = job(kPrompt + QStringLiteral(" again"), 8);
    prefill.prefillOnly = true;
    const auto out = generate(prefill);
    EXPECT_EQ(out.text, QString());
    EXPECT_EQ(out.generatedTokens, 0);
    EXPECT_EQ(decodedTokens, out.promptTokens - out.reusedTokens);
}

TEST_F(LlamaRuntimeTest, SamplingAmongAllowedTokensTakesTheChainsSelection)
{
    const int vocabulary = onQueue(rt, [this] { return llama_vocab_n_tokens(rt.vocab()); });
    std::vector<float> logits(std::size_t(vocabulary), -50.0f);
    logits[10] = 1.0f;
    logits[20] = 5.0f;
    logits[30] = 2.0f;
    const auto s = onQueue(rt, [this, &logits, vocabulary] {
        const llama_sampler_ptr chain = rt.makeSampler(0.0, 0);
        return rt.sampleAmong({10, 20, 30}, logits.data(), chain.get(), vocabulary);
    });
    // The chain sorts the candidates; the choice is the best one, not the first listed.
    EXPECT_EQ(s.token, 20);
    const double expected = -std::log(std::exp(-4.0) + 1.0 + std::exp(-3.0));
    EXPECT_NEAR(s.logprob, expected, 1e-5);

    const auto whole = onQueue(rt, [this, &logits, vocabulary] {
        const llama_sampler_ptr chain = rt.makeSampler(0.0, 0);
        return rt.sampleAmong({}, logits.data(), chain.get(), vocabulary);
    });
    EXPECT_EQ(whole.token, 20);
    EXPECT_NEAR(onQueue(rt, [this, &logits] { return rt.logSumExp(logits.data(), 3); }),
                std::log(std::exp(-50.0) * 3), 1e-4);
}

// Flat scores, as a random model gives them (a quarter of all tokens near the best, far more than
// the chain keeps): the choice is the one the library's own sampler makes from every allowed token
// with the same chain, and the log-probability is the one the whole softmax gives.
TEST_F(LlamaRuntimeTest, SamplingOverFlatScoresChoosesAsTheLibraryWithTheExactLogprob)
{
    const int vocabulary = onQueue(rt, [this] { return llama_vocab_n_tokens(rt.vocab()); });
    std::mt19937 rng(3);
    std::normal_distribution<float> spread(0.0f, 3.0f);
    std::vector<float> logits(static_cast<std::size_t>(vocabulary));
    for (float& x : logits)
        x = spread(rng);
    std::vector<Token> everyOther;
    for (Token t = 1; t < vocabulary; t += 2)
        everyOther.push_back(t);
    const struct {
        const char* what;
        std::vector<Token> allowed;
        double temperature;
    } cases[] = {
        {"every token, greedy", {}, 0.0},
        {"every other token, greedy", everyOther, 0.0},
        {"every token, sampled", {}, 0.8},
        {"every other token, sampled", everyOther, 0.8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<llama_token_data> all;
        for (Token t = 0; t < vocabulary; ++t)
            if (c.allowed.empty() || std::binary_search(c.allowed.begin(), c.allowed.end(), t))
                all.push_back({t, logits[std::size_t(t)], 0.0f});
        double max = -INFINITY, sum = 0;
        for (const auto& t : all)
            max = std::max(max, double(t.logit));
        for (const auto& t : all)
            sum += std::exp(double(t.logit) - max);
        for (std::uint32_t seed : {7u, 8u, 9u}) {
            const auto [library, s] = onQueue(rt, [&] {
                const llama_sampler_ptr reference = rt.makeSampler(c.temperature, seed);
                std::vector<llama_token_data> candidates = all; // the chain rewrites them
                llama_token_data_array array{candidates.data(), candidates.size(), -1, false};
                llama_sampler_apply(reference.get(), &array);
                const llama_sampler_ptr chain = rt.makeSampler(c.temperature, seed);
                return std::pair{array.data[array.selected].id, rt.sampleAmong(c.allowed, logits.data(), chain.get(), vocabulary)};
            });
            EXPECT_EQ(s.token, library);
            EXPECT_NEAR(s.logprob, double(logits[std::size_t(s.token)]) - max - std::log(sum), 1e-4);
        }
    }
}

TEST(LlamaRuntimeText, DanglingSentenceLosesItsLoneWord)
{
    auto trim = [](const char* s) { return LlamaRuntime::trimDanglingSentence(QString::fromUtf8(s)); };
    EXPECT_EQ(trim("It works. And"), QStringLiteral("It works."));
    EXPECT_EQ(trim("It works. And more"), QStringLiteral("It works. And more"));
    EXPECT_EQ(trim("It works."), QStringLiteral("It works."));
    EXPECT_EQ(trim("v1.2 beta"), QStringLiteral("v1.2 beta"));
    EXPECT_EQ(trim("Done! "), QStringLiteral("Done! "));
    EXPECT_EQ(trim("好。 次"), QString::fromUtf8("好。"));
    EXPECT_EQ(trim("no marks"), QStringLiteral("no marks"));
}

TEST_F(LlamaRuntimeTest, ANewerJobOrItsOwnCancellationStopsAJob)
{
    // A newer job numbered while the older one generates stops it at its next step.
    auto older = job(kPrompt, 64);
    older.partial = [this](const QString&) { rt.nextJob(); };
    EXPECT_THROW(generate(older), LlamaRuntime::Stopped);

    // A stale job ends before it evaluates its prompt.
    auto stale = job(kPrompt + QStringLiteral(" stale"), 8);
    rt.nextJob();
    resetCounts();
    EXPECT_THROW(generate(stale), LlamaRuntime::Stopped);
    EXPECT_EQ(decodes, 0);

    // A late cancellation leaves the newer job alone.
    const auto a = rt.nextJob();
    const auto b = rt.nextJob();
    rt.cancelJob(a);
    EXPECT_EQ(rt.latest(), b);
    rt.cancelJob(b);
    EXPECT_EQ(rt.latest(), b + 1);

    // The cache stays true to what was decoded: the next run still works.
    EXPECT_EQ(generate(job(kPrompt, 2)).promptTokens,
              int(onQueue(rt, [this] { return rt.tokenize(kPrompt, 10000); }).size()));
}

} // namespace
} // namespace tq
