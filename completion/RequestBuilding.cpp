#include "completion/RequestBuilding.h"

#include "completion/Prompts.h"
#include "platform/Chars.h"

#include <algorithm>
#include <cmath>

namespace tq {

CompletionLength requestLength(std::optional<CompletionLength> ruleLength, CompletionLength setting, bool onBattery,
                               bool batteryShorter)
{
    const CompletionLength length = ruleLength.value_or(setting);
    if (!onBattery || !batteryShorter)
        return length;
    switch (length) {
    case CompletionLength::long_: return CompletionLength::medium;
    case CompletionLength::medium:
    case CompletionLength::short_: return CompletionLength::short_;
    }
    return length;
}

double temperatureFor(double creativity)
{
    if (!(creativity > 0)) // also a value that is not a number
        return 0.1;
    return 0.1 + 0.7 * std::min(creativity, 1.0);
}

int maxTokensFor(int wordLimit) { return wordLimit * 2 + 6; }

bool healsLast(const QString& before)
{
    return !before.isEmpty() && chars::isLetterOrNumber(chars::firstScalar(chars::last(before)));
}

bool endsWithTypedSpace(const QString& before)
{
    return before.endsWith(u' ') && !chars::trimSpaceEnd(before).isEmpty();
}

std::optional<QString> customInstructions(const QString& setting)
{
    const QString trimmed = setting.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    return trimmed;
}

BuiltRequest buildRequest(const QString& before, const PromptContext& context, const RequestSettings& settings)
{
    const int words = wordLimit(requestLength(settings.ruleLength, settings.length, settings.onBattery,
                                              settings.batteryShorter));
    CompletionRequest r;
    r.instructions = PromptBuilder::instructions(words);
    r.prompt = PromptBuilder::instructPrompt(before, context);
    r.rawPrompt = PromptBuilder::rawPrompt(before, context);
    r.maxTokens = maxTokensFor(words);
    r.temperature = temperatureFor(settings.creativity);
    r.stop = QStringList{QStringLiteral("\n")};
    r.model = settings.model;
    r.healLast = healsLast(before);
    r.spaceTyped = endsWithTypedSpace(before);
    return {r, words};
}

int exampleLimit(double memoryStrength)
{
    if (!std::isfinite(memoryStrength))
        return 2;
    return int(std::clamp(std::trunc(memoryStrength), 0.0, 100.0));
}

bool exampleCacheAnswers(const ExampleCacheEntry& e, const QString& fieldKey, int limit, int typedCount,
                         const QDateTime& now)
{
    if (e.fieldKey != fieldKey || e.limit != limit || !e.at.isValid())
        return false;
    const qint64 age = e.at.msecsTo(now);
    if (age < 0 || age >= 90'000)
        return false;
    return !(e.basis < 60 && typedCount >= 60);
}

QStringList writingExamples(std::optional<ExampleCacheEntry>& cache, const QString& fieldKey, const QString& bundleID,
                            const QString& before, int limit, const QDateTime& now, const ExampleFetch& fetch)
{
    const int typedCount = chars::count(before);
    if (cache && exampleCacheAnswers(*cache, fieldKey, limit, typedCount, now))
        return cache->examples;
    const QStringList examples = fetch ? fetch(chars::last(before, 400).toString(), QStringLiteral("app:") + bundleID, limit)
                                       : QStringList{};
    cache = ExampleCacheEntry{fieldKey, limit, typedCount, now, examples};
    return examples;
}

} // namespace tq
