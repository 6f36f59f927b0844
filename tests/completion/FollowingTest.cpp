#include "completion/Following.h"

#include <gtest/gtest.h>

using tq::nextChunk;
using tq::typedProgress;

TEST(Following, TypedProgress)
{
    const QString anchor = QStringLiteral("That is a ");
    const struct {
        const char* name;
        QString suggestion, anchor, before;
        std::optional<int> expected;
    } cases[] = {
        {"nothing typed yet", "great idea", anchor, "That is a ", 0},
        {"two letters typed", "great idea", anchor, "That is a gr", 2},
        {"a letter that differs", "great idea", anchor, "That is a gx", std::nullopt},
        {"all of it typed", "great idea", anchor, "That is a great idea", 10},
        {"no-break space typed by the field", "great idea", anchor, QStringLiteral("That is a great\u00A0i"), 7},
        {"no-break space in the anchor", "idea", QStringLiteral("a\u00A0"), "a ide", 3},
        {"one backspace", "great idea", anchor, "That is a g", 1},
        {"deleted into the anchor", "great idea", anchor, "That is a", std::nullopt},
        {"earlier text changed, anchor intact", "great idea", anchor, "Oh. That is a gre", 3},
        {"empty anchor, whole text typed part", "Hello there", "", "Hel", 3},
        {"empty anchor, text before the suggestion", "Hello there", "", "xHel", std::nullopt},
        {"empty anchor, empty text", "Hello there", "", "", 0},
        {"characters, not code units", QStringLiteral("\U0001F44D\U0001F3FD yes"), "ok ",
         QStringLiteral("ok \U0001F44D\U0001F3FD"), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(typedProgress(c.suggestion, c.anchor, c.before), c.expected);
    }
}

TEST(Following, NextChunk)
{
    const struct {
        QString remaining;
        bool space, punctuation;
        QString expected;
    } cases[] = {
        {" word, next", true, true, " word, "},
        {" word, next", false, false, " word"},
        {" word, next", true, false, " word"},
        {" word, next", false, true, " word,"},
        {"... next", true, true, "... "},
        {"... next", false, false, "..."},
        {"don't-stop_now here", true, true, "don't-stop_now "},
        {QStringLiteral("it\u2019s\u2026\u201D ok"), true, true, QStringLiteral("it\u2019s\u2026\u201D ")},
        {"end.", true, true, "end."},
        {"  ", true, true, "  "},
        {"", true, true, ""},
        {QStringLiteral("\U0001F680 launch"), true, true, QStringLiteral("\U0001F680 ")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextChunk(c.remaining, c.space, c.punctuation), c.expected) << c.remaining.toStdString();
}
