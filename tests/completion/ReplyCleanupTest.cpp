#include "completion/ReplyCleanup.h"

#include <QSet>

#include <gtest/gtest.h>

using tq::PromptStyle;
using tq::ReplyCleaner;

namespace {

// A small dictionary standing in for the spelling checker.
bool misspelled(const QString& word)
{
    static const QSet<QString> known{"the", "there", "help", "helpful", "meeting", "thanks", "see", "you",
                                     "tomorrow", "theater", "with", "this", "hello", "world"};
    return !known.contains(word);
}

struct Case {
    const char* name;
    QString reply;
    QString before;
    QString expected;
    PromptStyle style = PromptStyle::instruct;
    QString after = {};
    int limit = 10;
};

void runCases(std::initializer_list<Case> cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReplyCleaner::clean(c.reply, c.before, c.after, c.limit, c.style, misspelled), c.expected);
    }
}

} // namespace

TEST(ReplyCleanup, ThinkBlocksAndContextMarkers)
{
    runCases({
        {"closed think block", "<think>they want a day</think> tomorrow", "See you ", "tomorrow"},
        {"two think blocks", "<think>a</think>see<think>b</think> you", "I will ", "see you"},
        {"unclosed think block", "Sure <think>plan the rest", "I am ", "Sure"},
        {"raw reply quoting a context marker", " and [Copied] text", "Hi ", "", PromptStyle::raw},
        {"instruct reply quoting a context marker", "[On screen] stuff", "Hi ", ""},
        {"raw reply starting a new line", "\nDear Sam", "Hi ", "", PromptStyle::raw},
        {"raw reply on a second line is cut", " there\nSecond line", "Hi", " there", PromptStyle::raw},
    });
}

TEST(ReplyCleanup, LabelsFencesQuotesAndRefusals)
{
    runCases({
        {"two labels in capitals", "\nCONTINUATION: Output:  the meeting\n", "Let's move ", "the meeting"},
        {"answer label", "Answer: tomorrow", "See you ", "tomorrow"},
        {"triple quote fence", "\"\"\"see you soon\"\"\"", "I will ", "see you soon"},
        {"backtick fence", "```to the park```", "Let's go ", "to the park"},
        {"curly quotes", "\u201Csee you soon\u201D", "I will ", "see you soon"},
        {"straight quotes", "\"see you soon\"", "I will ", "see you soon"},
        {"apostrophes", "'see you soon'", "I will ", "see you soon"},
        {"refusal in mixed case", "As An AI, I cannot guess", "He said ", ""},
        {"curly refusal", "I\u2019m sorry, but no", "He said ", ""},
        {"refusal kept for raw engines", " As an AI model, he", "He said ", "As an AI model, he", PromptStyle::raw},
        {"labels kept for raw engines", " Output: done", "He said ", "Output: done", PromptStyle::raw},
    });
}

TEST(ReplyCleanup, OverlapWithTheTypedText)
{
    runCases({
        {"repeated last word after a space", "the park", "Let's meet at the ", "park"},
        {"repeated last word, no space typed", "the park", "Let's meet at the", " park"},
        {"case-insensitive short overlap", "The park", "Let's meet at the ", "park"},
        {"long exact overlap", "meet at the park today", "We could meet at the ", "park today"},
        {"longer word with the same letters is no overlap", "theater tonight", "We could see the", " theater tonight"},
        {"overlap never starts inside a typed word", "her phone", "Call my brother ", "her phone"},
    });
}

TEST(ReplyCleanup, JoinSpacing)
{
    runCases({
        {"rest of a known word stays glued", "p with this", "Thanks for your hel", "p with this"},
        {"a new word after a complete one gets a space", "with this", "Thanks for your help", " with this"},
        {"leading spaces become one", "   with this", "Thanks for your help", " with this"},
        {"after a full stop", "Great news", "It works.", " Great news"},
        {"after a comma", "and then", "First,", " and then"},
        {"after other punctuation stays glued", "s a test", "It'", "s a test"},
        {"empty typed text", "  Hello there", "", "Hello there"},
        {"after a line break", " Dear Sam", "Hi\n", "Dear Sam"},
        {"raw, space typed, reply glued", "world", "Hello ", "", PromptStyle::raw},
        {"raw, space typed, reply spaced", " world", "Hello ", "world", PromptStyle::raw},
        {"raw, glued reply stays glued", "lo world", "Hel", "lo world", PromptStyle::raw},
    });
    // Without a spelling checker (the settings' engine test) a glued reply continues the word.
    EXPECT_EQ(ReplyCleaner::clean("with this", "Thanks for your help", {}, 10, PromptStyle::instruct), "with this");
}

TEST(ReplyCleanup, RepeatsWordLimitsAndEchoes)
{
    runCases({
        {"cut before a repeated phrase", "Then we meet the design team on Monday again",
         "We should meet the design team on Monday to review the plan. ", "Then we"},
        {"repeat from the first word leaves nothing", "Meet the design team soon",
         "Please meet the design team on Monday. ", ""},
        {"runaway repetition inside the reply", "go to the shops and buy bread then go to the shops and buy",
         "Tomorrow I will ", "go to the shops and buy bread then go to", PromptStyle::instruct, {}, 22},
        {"twelve words, limit ten", "one two three four five six seven eight nine ten eleven twelve", "Count: ",
         "one two three four five six seven eight nine ten"},
        {"limit four", "see you all at the party", "I will ", "see you all at", PromptStyle::instruct, {}, 4},
        {"limit zero", "see you", "I will ", "", PromptStyle::instruct, {}, 0},
        {"echo of the last words", "coffee please", "We need more coffee and tea ", ""},
        {"echo after a sentence end", "pizza is great", "I love pizza. ", ""},
        {"capitalised word after a sentence end is no echo", "Pizza is great", "I love pizza. ", "Pizza is great"},
        {"one by one is no echo", "one and see", "Take it one by ", "one and see"},
        {"word after the caret is dropped", "hello world", "Say ", "hello", PromptStyle::instruct, " world\nnext"},
        {"only punctuation", "...", "Wait ", ""},
    });
}

TEST(ReplyCleanup, ControlCharactersNeverReachTheField)
{
    runCases({
        {"a single tab stays", "go\tahead", "Please ", "go\tahead"},
        {"a run of spaces and tabs is one space", "go \t\tahead  now", "Please ", "go ahead now"},
        {"escape, backspace and bell are removed", "go\x1B ahead\x08\x07 now", "Please ", "go ahead now"},
        {"leading tab is spacing", "\tahead", "Go", " ahead"},
        {"vertical tab ends the line", "go\vahead", "Please ", "go"},
        {"next-line character ends the line", "go\u0085ahead", "Please ", "go"},
    });
    QString every;
    for (char16_t c = 1; c < 0x20; ++c)
        every += QChar(c) + QStringLiteral("a");
    every += QStringLiteral("\u007Fb\u009Fc");
    for (PromptStyle style : {PromptStyle::instruct, PromptStyle::raw}) {
        const QString out = ReplyCleaner::normalizeSpacing(every);
        for (QChar ch : out) // a single tab is the writer's own
            EXPECT_TRUE(ch == u'\t' || ch.category() != QChar::Other_Control) << int(ch.unicode());
        const QString cleaned = ReplyCleaner::clean(" word\x1B\tnext\x0D\x0Amore", "Type ", {}, 10, style);
        EXPECT_EQ(cleaned, "word\tnext");
        // Where Tab moves the focus on, every tab is written as a space.
        EXPECT_EQ(ReplyCleaner::clean(" world\tand \tmore\t", "Hello ", {}, 10, style, {}, true), "world and more");
    }
}

TEST(ReplyCleanup, InvisibleCharactersAndEscapeSequencesGoWhole)
{
    const QString loneHigh(QChar(0xD83D)), loneLow(QChar(0xDE00));
    runCases({
        {"right-to-left override", "go \u202Eahead", "Please ", "go ahead"},
        {"isolates and marks", "go\u2066\u200F ahead\u2069\u061C", "Please ", "go ahead"},
        {"zero-width space, word joiner, byte order mark, soft hyphen", "go\u200B a\u2060he\uFEFFa\u00ADd", "Please ",
         "go ahead"},
        {"replacement character", "go \uFFFDahead", "Please ", "go ahead"},
        {"lone surrogates", "go " + loneHigh + "ahead" + loneLow, "Please ", "go ahead"},
        {"colour sequence", "go \x1B[31mahead\x1B[0m", "Please ", "go ahead"},
        {"sequence with parameters and intermediates", "go \x1B[?25;1 qahead", "Please ", "go ahead"},
        {"eight-bit control sequence", "go \u009B1;2Hahead", "Please ", "go ahead"},
        {"title string ended by bell", "go \x1B]0;owned\x07" "ahead", "Please ", "go ahead"},
        {"device string ended by terminator", "go \x1BPq#0\x1B\\ahead", "Please ", "go ahead"},
        {"unended string takes the rest", "go ahead\x1B]8;;http://x now", "Please ", "go ahead"},
        {"charset designation", "go \x1B(Bahead", "Please ", "go ahead"},
        {"two-character escape", "go \x1B" "7ahead", "Please ", "go ahead"},
        {"escape cut short at the end", "go ahead\x1B[", "Please ", "go ahead"},
        {"joiners and variation selectors stay", "go \U0001F469\u200D\U0001F4BB now \u2764\uFE0F", "Please ",
         "go \U0001F469\u200D\U0001F4BB now \u2764\uFE0F"},
        {"non-joiner stays", "\u0645\u06CC\u200C\u062E\u0648\u0627\u0647\u0645", "Please ",
         "\u0645\u06CC\u200C\u062E\u0648\u0627\u0647\u0645"},
        {"subdivision flag stays", "go \U0001F3F4\U000E0067\U000E0062\U000E0065\U000E006E\U000E0067\U000E007F now",
         "Please ", "go \U0001F3F4\U000E0067\U000E0062\U000E0065\U000E006E\U000E0067\U000E007F now"},
        {"hidden tag text goes", "go \U000E0068\U000E0069ahead \U0001F3F4\U000E0068 now", "Please ",
         "go ahead \U0001F3F4 now"},
        {"Hangul fillers", "go \u115F\u1160a\u3164head\uFFA0", "Please ", "go ahead"},
        {"blank braille and the grapheme joiner", "go \u2800ahe\u034Fad \u2800", "Please ", "go ahead"},
        {"private use, basic and supplementary", "go \uE000ahead\U000F0000\U0010FFFD", "Please ", "go ahead"},
        {"a stack of marks keeps four", "go ahe\u0301\u0301\u0301\u0301\u0301\u0301ad", "Please ",
         "go ahe\u0301\u0301\u0301\u0301ad"},
        {"marks split by controls are one stack", "go ahe\u065F\a\u065F\x12\u065F\u001B#\u065F\a\u065F\u065Fad", "Please ",
         "go ahe\u065F\u065F\u065F\u065Fad"},
        {"marks of real text stay", "Vi\u1EC7t ng\u01B0\u0303 \u05E9\u05BC\u05C1\u05B8", "Please ",
         "Vi\u1EC7t ng\u01B0\u0303 \u05E9\u05BC\u05C1\u05B8"},
    });
}

TEST(ReplyCleanup, StreamedPartialsLoseHiddenCharactersToo)
{
    // A partial ending inside an escape sequence or a split character shows nothing of it.
    for (const QString& partial : {QStringLiteral("go ahead\x1B[3"), QStringLiteral("go ahead\x1B"),
                                   QStringLiteral("go ahead") + QChar(0xD83D), QStringLiteral("go ahead\uFFFD")})
        EXPECT_EQ(ReplyCleaner::clean(partial, "Please ", {}, 10, PromptStyle::instruct), "go ahead");
}

TEST(ReplyCleanup, WordLists)
{
    EXPECT_EQ(ReplyCleaner::wordList(QStringLiteral("  \u201CHello,\u201D  world!! -- it's ")),
              (QStringList{"hello", "world", "it's"}));
    EXPECT_EQ(ReplyCleaner::normalizeWord(QStringLiteral("\U0001F44DGreat\U0001F44D!")), "great");
    EXPECT_EQ(ReplyCleaner::normalizeWord(QStringLiteral("\U0001F44D\U0001F44D")), "");
    EXPECT_EQ(ReplyCleaner::normalizeWord(QStringLiteral("\U0001D400bc")), QStringLiteral("\U0001D400bc")); // a letter outside the BMP stays
    EXPECT_TRUE(ReplyCleaner::isContentWord("meeting"));
    EXPECT_FALSE(ReplyCleaner::isContentWord("the"));
    EXPECT_FALSE(ReplyCleaner::isContentWord("won't"));
    EXPECT_FALSE(ReplyCleaner::isContentWord("ok"));
    EXPECT_FALSE(ReplyCleaner::isContentWord("2024"));
}

TEST(ReplyCleanup, DistinctAlternatives)
{
    const QStringList got = ReplyCleaner::distinctAlternatives(
        QStringLiteral("the meeting is"),
        {"The meeting was moved", "  tomorrow", "", "...", "  tomorrow at noon ", QStringLiteral("\u6771\u4EAC\u306B\u884C\u304F"),
         QStringLiteral("\u6771\u4EAC\u3067\u4F1A\u3046")});
    EXPECT_EQ(got, (QStringList{"The meeting was moved", "  tomorrow at noon ", QStringLiteral("\u6771\u4EAC\u306B\u884C\u304F")}));
    EXPECT_EQ(ReplyCleaner::distinctAlternatives(std::nullopt, {"a b", "c"}), (QStringList{"a b", "c"}));
    EXPECT_EQ(ReplyCleaner::firstWordKey(QStringLiteral("\u201Cdon't go")), QStringLiteral("don't"));
}
