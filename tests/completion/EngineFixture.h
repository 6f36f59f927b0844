#pragma once
// A completion engine over fakes: a field source the test writes, a provider whose calls the
// test answers, in-memory stores and settings, real panels (offscreen) and virtual time.

#include "services/PowerMonitor.h"
#include "services/TypoChecker.h"
#include "completion/CompletionEngine.h"
#include "engines/CompletionProvider.h"
#include "overlay/AlternativesPanel.h"
#include "overlay/EmojiPickerPanel.h"
#include "overlay/GhostPanel.h"
#include "platform/Chars.h"
#include "platform/Clock.h"
#include "platform/fakes/FakeCrypto.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeKeychain.h"
#include "platform/fakes/FakePlatform.h"
#include "platform/fakes/FakePowerSource.h"
#include "platform/fakes/FakeSpellChecker.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"

#include <QCoreApplication>
#include <QList>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace tq {
inline void PrintTo(const CompletionEngine::Status& s, std::ostream* os)
{
    static const char* names[] = {"blocked", "failed", "idle", "waiting", "thinking", "showing"};
    *os << names[int(s.kind)] << "(" << s.text.toStdString() << ")";
}
} // namespace tq

namespace tq::testing {

// Runs the queued continuations (future results, posted calls).
inline void settleEvents()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Moves virtual time on, running what falls due and the continuations it queues.
inline void advanceTime(VirtualClock& clock, int ms)
{
    settleEvents();
    clock.advance(std::chrono::milliseconds(ms));
    settleEvents();
}

// The focused field as the test sets it. With `applyEdits` the engine's insertions and
// deletions change `current` the way an application would (at the caret, at once).
class FakeFieldSource final : public FieldSource {
public:
    struct Insert {
        QString text;
        InsertionMethod mode;
        bool operator==(const Insert&) const = default;
    };

    std::optional<FieldSnapshot> snapshot() override
    {
        ++reads;
        return current;
    }
    void insert(const QString& text, InsertionMethod mode) override
    {
        inserts.append({text, mode});
        edits.append(QStringLiteral("insert:") + text);
        if (applyEdits && current)
            current->before += text;
    }
    void deleteBackward(int count) override
    {
        deletes.append(count);
        edits.append(QStringLiteral("delete:") + QString::number(count));
        if (applyEdits && current)
            current->before.chop(qMin<qsizetype>(count, current->before.size()));
    }
    std::optional<QString> whyNoField() const override { return why; }

    std::optional<FieldSnapshot> current;
    std::optional<QString> why;
    bool applyEdits = false;
    int reads = 0;
    QList<Insert> inserts;
    QList<int> deletes;
    QStringList edits; // inserts and deletes in order
};

// A provider whose calls stay open until the test answers them (or, with `autoReply`, are
// answered at once).
class FakeProvider final : public CompletionProvider {
public:
    struct Call {
        CompletionRequest request;
        PartialHandler partial;
        Promise<QString> promise;
        bool cancelled = false;
    };

    PromptStyle style() const override { return promptStyle; }
    Future<QString> complete(const CompletionRequest& request) override { return complete(request, {}); }
    Future<QString> complete(const CompletionRequest& request, PartialHandler partial) override
    {
        auto call = std::make_shared<Call>();
        call->request = request;
        call->partial = std::move(partial);
        std::weak_ptr<Call> weak = call;
        call->promise.onCancel([weak] {
            if (auto c = weak.lock())
                c->cancelled = true;
        });
        calls.append(call);
        if (autoReply)
            call->promise.finish(*autoReply);
        return call->promise.future();
    }
    Future<ProviderStatus> status() override { return Future<ProviderStatus>::ready(ProviderStatus::ready(QStringLiteral("Ready"))); }
    Future<QStringList> models() override { return Future<QStringList>::ready(QStringList{}); }
    Future<Done> prefill(const CompletionRequest& request) override
    {
        prefills.append(request);
        return Future<Done>::ready(Done{});
    }
    Future<QStringList> alternatives(const CompletionRequest& request, int count) override
    {
        alternativeRequests.append(count);
        if (alternativesError)
            return Future<QStringList>::ready(ProviderError{*alternativesError});
        if (holdAlternatives) {
            alternativesPromise = Promise<QStringList>();
            return alternativesPromise.future();
        }
        return Future<QStringList>::ready(alternativesReply);
    }

    Call& last() { return *calls.last(); }
    void reply(const QString& text) { last().promise.finish(text); }
    void fail(const QString& message) { last().promise.finish(ProviderError{message}); }
    void partial(const QString& text) { last().partial(text); }

    PromptStyle promptStyle = PromptStyle::instruct;
    std::optional<QString> autoReply;
    QList<std::shared_ptr<Call>> calls;
    QList<CompletionRequest> prefills;
    QStringList alternativesReply;
    std::optional<QString> alternativesError;
    bool holdAlternatives = false;
    Promise<QStringList> alternativesPromise;
    QList<int> alternativeRequests;
};

// Collects the log lines written while it lives.
class LogCapture {
public:
    LogCapture()
    {
        lines().clear();
        previous_ = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() { qInstallMessageHandler(previous_); }
    static QStringList& lines()
    {
        static QStringList all;
        return all;
    }
    int count(const QString& needle) const
    {
        int n = 0;
        for (const QString& l : lines())
            n += l.contains(needle) ? 1 : 0;
        return n;
    }
    bool contains(const QString& needle) const { return count(needle) > 0; }

private:
    static void handle(QtMsgType, const QMessageLogContext&, const QString& message) { lines().append(message); }
    QtMessageHandler previous_ = nullptr;
};

// A field of an ordinary application with the caret at the end of `before`.
inline FieldSnapshot editorField(const QString& before, const QString& after = QString(),
                           const QString& fieldKey = QStringLiteral("100:1"))
{
    FieldSnapshot s;
    s.fieldKey = fieldKey;
    s.bundleID = QStringLiteral("org.example.Editor");
    s.appName = QStringLiteral("Editor");
    s.role = QStringLiteral("AXTextArea");
    s.before = before;
    s.after = after;
    s.caretRect = QRectF(300, 500, 1, 20);
    s.lineStartX = 100;
    s.fieldFrame = QRectF(100, 400, 600, 200);
    s.fontSize = 14;
    s.fontName = QStringLiteral("Sans");
    return s;
}

class EngineFixture : public ::testing::Test {
protected:
    EngineFixture()
        : prefs(defaults)
        , rules(std::nullopt, clock)
        , stats(QString(), clock)
        , memory(QString(), Keychain(keychainStore), crypto, clock)
        , power(powerSource, clock)
        , typo(spell, TypoChecker::Corrections{{QStringLiteral("teh"), QStringLiteral("the")}})
    {
        engine = makeEngine(typo);
    }

    // An engine over the fixture's field, provider and context, judging spelling with `judge`.
    std::unique_ptr<CompletionEngine> makeEngine(TypoChecker& judge)
    {
        ProviderAccess providers;
        providers.active = [this]() -> CompletionProvider& { return provider; };
        providers.modelName = [this](EngineKind, bool onBattery) {
            return onBattery && !prefs.batteryModel().isEmpty() ? prefs.batteryModel() : QString();
        };
        providers.warmUp = [this] { ++warmUps; };
        providers.silentReason = [this] { return silentReason; };
        ContextAccess context;
        context.context = [this](const FieldSnapshot&, const std::optional<QString>& about, const QStringList& examples) {
            PromptContext c = promptContext;
            c.aboutWriter = about;
            c.examples = examples;
            return c;
        };
        context.prepare = [this](const FieldSnapshot& s) { prepared.append(s.fieldKey); };
        auto made = std::make_unique<CompletionEngine>(prefs, rules, stats, memory, providers, context, power, judge, platform);
        made->setSource(&field);
        made->announcer = [this](const QString& text) { announced.append(text); };
        return made;
    }

    ~EngineFixture() override
    {
        engine.reset();
        settle();
    }

    // A field of an ordinary application with the caret at the end of `before`.
    static FieldSnapshot snap(const QString& before, const QString& after = QString(),
                              const QString& fieldKey = QStringLiteral("100:1"))
    {
        return editorField(before, after, fieldKey);
    }

    static void settle() { settleEvents(); }
    void advance(int ms) { advanceTime(clock, ms); }

    // Sets the field and reads it as a value change would.
    bool setField(const FieldSnapshot& s, bool onlyIfChanged = true)
    {
        field.current = s;
        const bool did = engine->refresh(onlyIfChanged);
        settle();
        return did;
    }
    bool setText(const QString& before, const QString& after = QString())
    {
        FieldSnapshot s = field.current.value_or(snap(QString()));
        s.before = before;
        s.after = after;
        return setField(s);
    }
    // Types characters into the field as an application would, one key at a time: the key
    // goes through the engine's key handler first, then the text changes and is read back.
    bool typeKey(const QString& characters, std::uint16_t keyCode = keycode::kA, ModifierSet modifiers = {})
    {
        const bool swallowed = engine->handleKey(KeyPress{keyCode, modifiers, characters, false});
        if (!swallowed && field.current)
            field.current->before += characters;
        return swallowed;
    }
    bool press(std::uint16_t keyCode, ModifierSet modifiers = {}, const QString& characters = QString())
    {
        return engine->handleKey(KeyPress{keyCode, modifiers, characters, false});
    }

    // A shown suggestion for the current field: the provider answers `reply` at once.
    void showSuggestion(const QString& before, const QString& reply)
    {
        setText(before);
        provider.reply(reply);
        settle();
    }

    // The ghost's content while it is showing.
    std::optional<GhostContent> shownGhost() const
    {
        return engine->ghost().isShowing() ? engine->ghost().content() : std::nullopt;
    }
    QString ghostText() const
    {
        auto c = shownGhost();
        return c ? c->kind.text : QString();
    }
    CompletionEngine::Status status() const { return engine->status(); }

    FakePlatform platform;
    VirtualClock& clock = platform.clock();
    FakeDefaults defaults;
    Preferences prefs;
    AppRules rules;
    StatsStore stats;
    FakeKeychain keychainStore;
    FakeCrypto crypto;
    WritingMemory memory;
    FakePowerSource powerSource;
    PowerMonitor power;
    FakeSpellChecker spell;
    TypoChecker typo;
    FakeProvider provider;
    FakeFieldSource field;
    PromptContext promptContext;
    int warmUps = 0;
    std::optional<QString> silentReason; // why no engine can answer
    QStringList prepared;
    QStringList announced;
    std::unique_ptr<CompletionEngine> engine;
};

} // namespace tq::testing
