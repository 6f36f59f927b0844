#include "completion/EngineTest.h"

#include "completion/CompletionEngine.h"
#include "completion/Prompts.h"
#include "completion/RequestBuilding.h"
#include "engines/ProviderHub.h"
#include "platform/Clock.h"
#include "platform/Text.h"
#include "settings/Preferences.h"

namespace tq {

namespace enginetest {

QString sample()
{
    return QStringLiteral("Thanks for the update on the launch plan. I'll review the draft tonight and");
}

CompletionRequest request(double creativity, const QString& model)
{
    const QString s = sample();
    const PromptContext empty;
    CompletionRequest r;
    r.instructions = PromptBuilder::instructions(kWordLimit);
    r.prompt = PromptBuilder::instructPrompt(s, empty);
    r.rawPrompt = PromptBuilder::rawPrompt(s, empty);
    r.maxTokens = maxTokensFor(kWordLimit);
    r.temperature = temperatureFor(creativity);
    r.stop = {QStringLiteral("\n")};
    r.model = model;
    r.healLast = healsLast(s);
    r.spaceTyped = endsWithTypedSpace(s);
    return r;
}

} // namespace enginetest

EngineTest::EngineTest(ProviderHub& hub, Preferences& prefs, Clock& clock, QObject* parent)
    : QObject(parent), hub_(hub), prefs_(prefs), clock_(clock)
{
}

void EngineTest::run()
{
    if (running_)
        return;
    running_ = true;
    emit runningChanged(true);
    if (const auto why = hub_.silentReason()) {
        // Nothing could answer: no request is sent.
        EngineTestReply reply;
        reply.failure = *why;
        running_ = false;
        emit finished(reply);
        emit runningChanged(false);
        return;
    }
    const CompletionRequest request =
        enginetest::request(prefs_.creativity(), hub_.modelName(prefs_.engine(), false));
    CompletionProvider& provider = hub_.active();
    const Nanos start = clock_.monotonic();
    // Bound to this object: after it is gone the reply is dropped.
    provider.complete(request).then(this, [this, start](const Outcome<QString>& o) {
        EngineTestReply reply;
        if (o.hasValue()) {
            reply.cleaned =
                CompletionEngine::cleanReplyForTest(o.value(), enginetest::sample(), QString(), enginetest::kWordLimit);
            reply.milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(clock_.monotonic() - start).count();
        } else if (o.isCancelled()) {
            reply.failure = text("The request was cancelled.");
        } else {
            reply.failure = o.errorMessage();
        }
        running_ = false;
        emit finished(reply);
        emit runningChanged(false);
    });
}

} // namespace tq
