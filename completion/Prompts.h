#pragma once
// The texts a model is given for one request: the system instructions for a word limit, the
// instruct prompt for chat-style engines and the bracketed raw prompt for base models.
// Pure functions; every count is in user-visible characters.

#include "field/PromptContext.h"

#include <QString>
#include <QStringView>

namespace tq {

class PromptBuilder {
public:
    // System instructions with the word limit written in.
    static QString instructions(int wordLimit);
    // Chat-style prompt: the context lines, then the last 1500 characters of the typed text.
    static QString instructPrompt(const QString& typed, const PromptContext& context);
    // Plain-text prompt for base models: bracketed context lines, then the typed text.
    static QString rawPrompt(const QString& typed, const PromptContext& context);
    // How the typed text ends, for the instruct prompt's heading.
    static QString endingHint(const QString& typed);
    // The last `limit` characters of the text, starting after a line or sentence end near the
    // start of that tail when there is one.
    static QString tailText(const QString& text, int limit);
    // The value's lines joined by single spaces, empty lines dropped.
    static QString flatten(const QString& value);
};

} // namespace tq
