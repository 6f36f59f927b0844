#include "completion/Prompts.h"

#include "field/WindowTitle.h"
#include "platform/Chars.h"
#include "platform/Text.h"

#include <QStringList>

namespace tq {

namespace {

const QChar kEllipsis(0x2026);
const QChar kQuote(u'"');

// First `limit` characters plus "…" once the value has `cutAt` characters or more.
QString cutHead(QStringView value, int cutAt, int limit)
{
    if (!chars::countAtLeast(value, cutAt))
        return value.toString();
    return chars::first(value, limit).toString() + kEllipsis;
}

// "…" plus the last `limit` characters once the value has `cutAt` characters or more.
QString cutTail(QStringView value, int cutAt, int limit)
{
    if (!chars::countAtLeast(value, cutAt))
        return value.toString();
    return kEllipsis + chars::last(value, limit).toString();
}

QString quoted(const QString& s) { return kQuote + s + kQuote; }

} // namespace

QString PromptBuilder::instructions(int wordLimit)
{
    const QStringList lines{
        QStringLiteral("You are the autocomplete inside a computer text field. You get the text a person has "
                       "typed so far and you predict the words they will type next."),
        QStringLiteral("Rules:"),
        QStringLiteral("- Reply with the continuation only. No quotes, labels, notes or explanations."),
        QStringLiteral("- Continue exactly where the text stops and never repeat any of it."),
        QStringLiteral("- Match the person's language, spelling, tone and formatting."),
        QStringLiteral("- Write at most ") + QString::number(wordLimit) + QStringLiteral(" words and stop at a natural point."),
        QStringLiteral("- If the text stops in the middle of a word, finish that word first."),
        QStringLiteral("- Use the context only to guess better. Never mention it."),
        QStringLiteral("Examples of text and the reply you would give:"),
        QStringLiteral("Text: \"Let me know if you have any\" Reply: questions or need anything else."),
        QStringLiteral("Text: \"I'll be out of the off\" Reply: ice until Monday, back on the 14th."),
        QStringLiteral("Text: \"We tried the new place on Main Street and the pasta was \" Reply: honestly the best I've had in years."),
    };
    return lines.join(u'\n');
}

QString PromptBuilder::endingHint(const QString& typed)
{
    if (typed.isEmpty())
        return QStringLiteral("it is empty");
    const QString last = chars::last(typed).toString();
    const char32_t c = chars::firstScalar(last);
    if (chars::isSpace(c))
        return QStringLiteral("it ends with a space, so start with a new word");
    if (chars::isLetterOrNumber(c))
        return QStringLiteral("it may end mid-word");
    return QStringLiteral("it ends with ") + quoted(last);
}

QString PromptBuilder::instructPrompt(const QString& typed, const PromptContext& ctx)
{
    QStringList lines;
    if (ctx.appName)
        lines << QStringLiteral("App: ") + *ctx.appName;
    if (ctx.windowTitle)
        lines << QStringLiteral("Window: ") + cutHead(withoutModifiedMark(*ctx.windowTitle), 121, 120);
    if (ctx.domain)
        lines << QStringLiteral("Website: ") + *ctx.domain;
    if (ctx.now)
        lines << QStringLiteral("Now: ") + *ctx.now;
    if (ctx.writerName)
        lines << QStringLiteral("The writer's name: ") + *ctx.writerName;
    if (ctx.aboutWriter && !ctx.aboutWriter->isEmpty())
        lines << QStringLiteral("About the writer: ") + cutHead(*ctx.aboutWriter, 1201, 1200);
    if (!ctx.examples.isEmpty()) {
        lines << QStringLiteral("How the writer phrases things:");
        for (const QString& e : ctx.examples)
            lines << QStringLiteral("- ") + quoted(cutHead(e, 221, 220));
    }
    if (ctx.clipboard)
        lines << QStringLiteral("Recently copied text: ") + quoted(cutHead(*ctx.clipboard, 501, 500));
    if (ctx.screenText)
        lines << QStringLiteral("Text visible on screen: ") + quoted(cutTail(*ctx.screenText, 901, 900));
    if (ctx.nearbyText)
        lines << QStringLiteral("Other windows beside it:\n") + cutHead(*ctx.nearbyText, 501, 500);
    if (ctx.recentText)
        lines << QStringLiteral("Windows looked at just before:\n") + cutHead(*ctx.recentText, 501, 500);

    QString out;
    if (!lines.isEmpty())
        out += QStringLiteral("Context, for your guess only:\n") + lines.join(u'\n') + QStringLiteral("\n\n");
    out += QStringLiteral("Text typed so far (") + endingHint(typed) + QStringLiteral("):\n\"\"\"\n");
    out += chars::last(typed, 1500);
    out += QStringLiteral("\n\"\"\"\nContinue it.");
    return out;
}

QString PromptBuilder::flatten(const QString& valueIn)
{
    const QStringView value(valueIn);
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= value.size(); ++i) {
        if (i == value.size() || chars::isLineBreak(value[i].unicode())) {
            if (i > start)
                pieces << value.mid(start, i - start).toString();
            start = i + 1;
        }
    }
    return pieces.join(u' ');
}

QString PromptBuilder::rawPrompt(const QString& typed, const PromptContext& ctx)
{
    QStringList lines;

    QStringList where;
    if (ctx.appName)
        where << *ctx.appName;
    if (ctx.windowTitle)
        where << cutHead(withoutModifiedMark(*ctx.windowTitle), 101, 100);
    if (ctx.domain)
        where << *ctx.domain;
    if (!where.isEmpty())
        lines << QStringLiteral("[Context] ") + where.join(QStringLiteral(" \u00B7 "));

    if (ctx.now)
        lines << QStringLiteral("[Now] ") + *ctx.now;

    QStringList writer;
    if (ctx.writerName)
        writer << *ctx.writerName;
    if (ctx.aboutWriter && !ctx.aboutWriter->isEmpty())
        writer << cutHead(flatten(*ctx.aboutWriter), 601, 600);
    if (!writer.isEmpty())
        lines << QStringLiteral("[Writer] ") + writer.join(QStringLiteral(". "));

    if (!ctx.examples.isEmpty()) {
        QStringList examples;
        for (const QString& e : ctx.examples)
            examples << cutHead(e, 161, 160);
        lines << QStringLiteral("[Writer's phrasing] ") + examples.join(QStringLiteral(" | "));
    }
    if (ctx.clipboard)
        lines << QStringLiteral("[Copied] ") + flatten(cutHead(*ctx.clipboard, 401, 400));
    if (ctx.nearbyText)
        lines << QStringLiteral("[Beside it] ") + flatten(cutHead(*ctx.nearbyText, 401, 400));
    if (ctx.recentText)
        lines << QStringLiteral("[Looked at just before] ") + flatten(cutHead(*ctx.recentText, 501, 500));
    if (ctx.screenText)
        lines << QStringLiteral("[On screen] ") + flatten(cutTail(*ctx.screenText, 901, 900));

    const QString tail = tailText(typed, 2500);
    const QString text = chars::trimEnd(tail, chars::isSpaceOrTab).toString();
    if (lines.isEmpty())
        return text;
    return lines.join(u'\n') + QStringLiteral("\n\n") + text;
}

QString PromptBuilder::tailText(const QString& textIn, int limit)
{
    const QStringView text(textIn);
    if (!chars::countAtLeast(text, limit + 1))
        return text.toString();
    const QStringView tail = chars::last(text, limit);
    const int head = limit / 4;
    const Chars t(chars::first(tail, head + 1));

    auto firstWhere = [&](auto pred) {
        for (int i = 0; i < head && i < t.size(); ++i)
            if (pred(t.at(i)))
                return i;
        return -1;
    };
    int cut = firstWhere([](QStringView c) { return c.contains(u'\n'); });
    if (cut < 0)
        cut = firstWhere([](QStringView c) {
            const char32_t s = chars::firstScalar(c);
            return s == U'.' || s == U'!' || s == U'?' || s == 0x3002 || s == 0xFF01 || s == 0xFF1F;
        });
    if (cut < 0)
        cut = firstWhere([](QStringView c) { return chars::isSpace(chars::firstScalar(c)); });
    if (cut < 0)
        return tail.toString();
    return chars::trimStart(tail.mid(t.offset(cut + 1)), [](char32_t c) { return c == U' '; }).toString();
}

} // namespace tq
