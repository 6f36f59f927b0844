#include "completion/Prompts.h"
#include "platform/Chars.h"

#include <gtest/gtest.h>

using tq::PromptBuilder;
using tq::PromptContext;

namespace {

const QString kEllipsis = QStringLiteral("\u2026");

QString repeated(const QString& piece, int times)
{
    QString out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

} // namespace

TEST(Prompts, InstructionsSayComputerAndCarryTheWordLimit)
{
    const QString expected = QStringLiteral(
        "You are the autocomplete inside a computer text field. You get the text a person has typed so far and you "
        "predict the words they will type next.\n"
        "Rules:\n"
        "- Reply with the continuation only. No quotes, labels, notes or explanations.\n"
        "- Continue exactly where the text stops and never repeat any of it.\n"
        "- Match the person's language, spelling, tone and formatting.\n"
        "- Write at most 10 words and stop at a natural point.\n"
        "- If the text stops in the middle of a word, finish that word first.\n"
        "- Use the context only to guess better. Never mention it.\n"
        "Examples of text and the reply you would give:\n"
        "Text: \"Let me know if you have any\" Reply: questions or need anything else.\n"
        "Text: \"I'll be out of the off\" Reply: ice until Monday, back on the 14th.\n"
        "Text: \"We tried the new place on Main Street and the pasta was \" Reply: honestly the best I've had in years.");
    EXPECT_EQ(PromptBuilder::instructions(10), expected);
    EXPECT_TRUE(PromptBuilder::instructions(4).contains(QStringLiteral("- Write at most 4 words and stop")));
}

TEST(Prompts, EndingHints)
{
    const struct {
        QString text, hint;
    } cases[] = {
        {"", "it is empty"},
        {"Hi Sam,", "it ends with \",\""},
        {"Hi ", "it ends with a space, so start with a new word"},
        {"Hi\n", "it ends with a space, so start with a new word"},
        {"Hel", "it may end mid-word"},
        {"Room 4", "it may end mid-word"},
        {"Great \U0001F44D\U0001F3FD", "it ends with \"\U0001F44D\U0001F3FD\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PromptBuilder::endingHint(c.text), c.hint) << c.text.toStdString();
}

TEST(Prompts, InstructPromptForMail)
{
    PromptContext ctx;
    ctx.appName = QStringLiteral("Mail");
    EXPECT_EQ(PromptBuilder::instructPrompt(QStringLiteral("Hi Sam,"), ctx),
              QStringLiteral("Context, for your guess only:\n"
                             "App: Mail\n"
                             "\n"
                             "Text typed so far (it ends with \",\"):\n"
                             "\"\"\"\n"
                             "Hi Sam,\n"
                             "\"\"\"\n"
                             "Continue it."));
}

TEST(Prompts, InstructPromptWithEveryLineInOrder)
{
    PromptContext ctx;
    ctx.appName = "Mail";
    ctx.windowTitle = "Re: Lunch";
    ctx.domain = "mail.example.org";
    ctx.clipboard = "Friday 12:30";
    ctx.screenText = "Lunch on Friday?";
    ctx.nearbyText = "Calendar\nFriday";
    ctx.aboutWriter = "I keep it short.";
    ctx.examples = {"Sounds good!", "See you then"};
    ctx.recentText = "Menu";
    ctx.writerName = "Alex";
    ctx.now = "Monday 9:00";
    EXPECT_EQ(PromptBuilder::instructPrompt(QStringLiteral("Sure "), ctx),
              QStringLiteral("Context, for your guess only:\n"
                             "App: Mail\n"
                             "Window: Re: Lunch\n"
                             "Website: mail.example.org\n"
                             "Now: Monday 9:00\n"
                             "The writer's name: Alex\n"
                             "About the writer: I keep it short.\n"
                             "How the writer phrases things:\n"
                             "- \"Sounds good!\"\n"
                             "- \"See you then\"\n"
                             "Recently copied text: \"Friday 12:30\"\n"
                             "Text visible on screen: \"Lunch on Friday?\"\n"
                             "Other windows beside it:\nCalendar\nFriday\n"
                             "Windows looked at just before:\nMenu\n"
                             "\n"
                             "Text typed so far (it ends with a space, so start with a new word):\n"
                             "\"\"\"\nSure \n\"\"\"\nContinue it."));
}

TEST(Prompts, InstructPromptWithoutContextStartsWithTheText)
{
    PromptContext ctx;
    ctx.aboutWriter = QString(); // present but empty: no line
    const QString p = PromptBuilder::instructPrompt(QString(), ctx);
    EXPECT_EQ(p, QStringLiteral("Text typed so far (it is empty):\n\"\"\"\n\n\"\"\"\nContinue it."));

    ctx = {};
    ctx.domain = QString(); // present, even empty: a line
    EXPECT_TRUE(PromptBuilder::instructPrompt("a", ctx).startsWith("Context, for your guess only:\nWebsite: \n\n"));
}

TEST(Prompts, InstructCuts)
{
    const QString title120 = repeated("t", 120);
    PromptContext ctx;
    ctx.windowTitle = title120;
    EXPECT_TRUE(PromptBuilder::instructPrompt("x", ctx).contains("Window: " + title120 + "\n"));
    ctx.windowTitle = title120 + "u";
    EXPECT_TRUE(PromptBuilder::instructPrompt("x", ctx).contains("Window: " + title120 + kEllipsis + "\n"));

    // Screen text keeps its end; counts are user-visible characters (each flag is one).
    const QString flag = QStringLiteral("\U0001F1EB\U0001F1F7");
    ctx = {};
    ctx.screenText = repeated("a", 100) + repeated(flag, 900);
    EXPECT_TRUE(PromptBuilder::instructPrompt("x", ctx).contains("Text visible on screen: \"" + kEllipsis + repeated(flag, 900) + "\"\n"));

    ctx = {};
    ctx.examples = {repeated("e", 220), repeated("f", 221)};
    const QString p = PromptBuilder::instructPrompt("x", ctx);
    EXPECT_TRUE(p.contains("- \"" + repeated("e", 220) + "\"\n"));
    EXPECT_TRUE(p.contains("- \"" + repeated("f", 220) + kEllipsis + "\"\n"));

    ctx = {};
    ctx.aboutWriter = repeated("w", 1201);
    ctx.clipboard = repeated("c", 501);
    ctx.nearbyText = repeated("n", 501);
    ctx.recentText = repeated("r", 500);
    const QString q = PromptBuilder::instructPrompt("x", ctx);
    EXPECT_TRUE(q.contains("About the writer: " + repeated("w", 1200) + kEllipsis + "\n"));
    EXPECT_TRUE(q.contains("Recently copied text: \"" + repeated("c", 500) + kEllipsis + "\"\n"));
    EXPECT_TRUE(q.contains("Other windows beside it:\n" + repeated("n", 500) + kEllipsis + "\n"));
    EXPECT_TRUE(q.contains("Windows looked at just before:\n" + repeated("r", 500) + "\n"));

    // Only the last 1500 characters of the typed text.
    const QString typed = repeated("a", 10) + repeated(flag, 1500);
    EXPECT_TRUE(PromptBuilder::instructPrompt(typed, {}).contains("\"\"\"\n" + repeated(flag, 1500) + "\n\"\"\""));
}

TEST(Prompts, RawPromptWithWindowTitle)
{
    PromptContext ctx;
    ctx.appName = "Mail";
    ctx.windowTitle = "Re: Lunch on Friday";
    EXPECT_EQ(PromptBuilder::rawPrompt(QStringLiteral("Hi Sam,\nThanks for \t "), ctx),
              QStringLiteral("[Context] Mail \u00B7 Re: Lunch on Friday\n\nHi Sam,\nThanks for"));
    EXPECT_EQ(PromptBuilder::rawPrompt(QStringLiteral("Hi Sam, "), {}), QStringLiteral("Hi Sam,"));
    EXPECT_EQ(PromptBuilder::rawPrompt(QString(), ctx), QStringLiteral("[Context] Mail \u00B7 Re: Lunch on Friday\n\n"));
}

// An editor's mark for unsaved changes leaves the title, so the first key typed into a saved
// document does not change the start of the prompt.
TEST(Prompts, WindowTitleWithoutModifiedMark)
{
    const struct {
        QString title, shown;
    } cases[] = {
        {"*Untitled 1 - Mousepad", "Untitled 1 - Mousepad"},
        {QStringLiteral("\u25CF notes.md - Code"), "notes.md - Code"},
        {QStringLiteral("notes.txt * \u2014 Kate"), QStringLiteral("notes.txt \u2014 Kate")},
        {"notes.txt *", "notes.txt"},
        {"2 * 3 = 6 - Calculator", "2 * 3 = 6 - Calculator"},
        {"Re: Lunch", "Re: Lunch"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        PromptContext ctx;
        ctx.windowTitle = c.title;
        EXPECT_EQ(PromptBuilder::rawPrompt("x", ctx), "[Context] " + c.shown + "\n\nx");
        EXPECT_TRUE(PromptBuilder::instructPrompt("x", ctx).contains("Window: " + c.shown + "\n"));
    }
}

TEST(Prompts, RawPromptWithEveryLineFlattenedAndCut)
{
    PromptContext ctx;
    ctx.domain = "example.org";
    ctx.windowTitle = repeated("t", 101);
    ctx.now = "Monday";
    ctx.writerName = "Alex";
    ctx.aboutWriter = "Short\n\nreplies.\r\nNo emoji.";
    ctx.examples = {repeated("e", 161), "Cheers"};
    ctx.clipboard = "line one\nline two";
    ctx.nearbyText = "Calendar\u2028Friday";
    ctx.recentText = "Menu\n";
    ctx.screenText = repeated("s", 1000);
    EXPECT_EQ(PromptBuilder::rawPrompt(QStringLiteral("Hello"), ctx),
              "[Context] " + repeated("t", 100) + kEllipsis + QStringLiteral(" \u00B7 example.org\n") +
                  "[Now] Monday\n"
                  "[Writer] Alex. Short replies. No emoji.\n"
                  "[Writer's phrasing] " + repeated("e", 160) + kEllipsis + " | Cheers\n"
                  "[Copied] line one line two\n"
                  "[Beside it] Calendar Friday\n"
                  "[Looked at just before] Menu\n"
                  "[On screen] " + kEllipsis + repeated("s", 900) + "\n\nHello");

    // About the writer is flattened before its cut; whitespace-only custom text is no value.
    ctx = {};
    ctx.aboutWriter = repeated("a\n", 600);
    EXPECT_EQ(PromptBuilder::rawPrompt("x", ctx), "[Writer] " + repeated("a ", 300) + kEllipsis + "\n\nx");
    ctx.aboutWriter = QString();
    EXPECT_EQ(PromptBuilder::rawPrompt("x", ctx), QStringLiteral("x"));
}

TEST(Prompts, TailTextStartsAfterALineOrSentenceEnd)
{
    const QString body = repeated("b", 2400);
    const struct {
        const char* name;
        QString text;
        QString expected;
    } cases[] = {
        {"short text stays whole", "Hi there", "Hi there"},
        {"line feed in the head", repeated("x", 500) + repeated("a", 40) + "\nfirst. second " + body, "first. second " + body},
        {"ideographic full stop", repeated("x", 500) + repeated("a", 40) + QStringLiteral("\u3002  next ") + body,
         "next " + body},
        {"space, then further spaces", repeated("x", 500) + repeated("a", 40) + "   next" + body.left(2400), ""},
        {"nothing to cut at", repeated("x", 500) + repeated("a", 2500), repeated("a", 2500)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString got = PromptBuilder::tailText(c.text, 2500);
        if (c.expected.isEmpty()) {
            EXPECT_TRUE(got.startsWith("next")) << got.left(20).toStdString();
            EXPECT_EQ(tq::chars::count(got), 2400 + 4);
        } else {
            EXPECT_EQ(got, c.expected);
        }
    }
    // A full stop beyond the first quarter of the tail is not a cut point.
    const QString late = repeated("x", 100) + repeated("a", 700) + ". " + repeated("c", 1798);
    EXPECT_EQ(PromptBuilder::tailText(late, 2500), late.right(2500));
}
