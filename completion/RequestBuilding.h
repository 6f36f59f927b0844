#pragma once
// Building the completion request for the text before the caret: the word limit from the length
// setting, the rule and the battery, the token budget, the temperature, the stop string, the
// two hints about how the text ends, and the short-lived cache of writing-memory examples.
// Pure functions over plain values; the engine gathers the values.

#include "engines/CompletionProvider.h"
#include "field/PromptContext.h"
#include "settings/Enums.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tq {

struct RequestSettings {
    std::optional<CompletionLength> ruleLength; // the rule decision's length, when it sets one
    CompletionLength length = CompletionLength::medium;
    bool onBattery = false;
    bool batteryShorter = true;
    double creativity = 0.3;
    QString model; // the provider hub's model name for the engine and the power source
};

struct BuiltRequest {
    CompletionRequest request;
    int wordLimit = 0;
};

// The rule's length, else the setting; one step shorter on battery when asked for.
CompletionLength requestLength(std::optional<CompletionLength> ruleLength, CompletionLength setting,
                               bool onBattery, bool batteryShorter);
// 0.1 at creativity 0 or below, rising to 0.8 at 1 and above.
double temperatureFor(double creativity);
int maxTokensFor(int wordLimit);
// The text ends inside a word: its last character is a letter or a number.
bool healsLast(const QString& before);
// The text ends with a space (U+0020) after some text that is not whitespace.
bool endsWithTypedSpace(const QString& before);
// The custom instructions trimmed; none when nothing is left.
std::optional<QString> customInstructions(const QString& setting);

// The whole request. `context` already carries the custom instructions and the examples.
BuiltRequest buildRequest(const QString& before, const PromptContext& context, const RequestSettings& settings);

// Writing-memory examples are asked for at most once per field every 90 seconds while the
// text stays on the same side of 60 characters.
struct ExampleCacheEntry {
    QString fieldKey;
    int limit = 0;
    int basis = 0; // character count of the typed text when made
    QDateTime at;
    QStringList examples;
};

// How many examples the memory strength setting asks for (its whole part; 2 when not a number).
int exampleLimit(double memoryStrength);
bool exampleCacheAnswers(const ExampleCacheEntry& entry, const QString& fieldKey, int limit, int typedCount,
                         const QDateTime& now);

// Asks the writing memory: query text, application key ("app:" + bundle id), limit.
using ExampleFetch = std::function<QStringList(const QString& query, const QString& appKey, int limit)>;

// The examples for a field: from the cache when it answers, else fetched (query: the last 400
// characters typed) and cached.
QStringList writingExamples(std::optional<ExampleCacheEntry>& cache, const QString& fieldKey, const QString& bundleID,
                            const QString& before, int limit, const QDateTime& now, const ExampleFetch& fetch);

} // namespace tq
