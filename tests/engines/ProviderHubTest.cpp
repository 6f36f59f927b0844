// The provider hub: which engine answers, refresh order and model choice, the Ollama warm-up,
// model names on battery, warm-up of a field session and the server key; the contract's values.
#include "EngineTestSupport.h"

#include "engines/AppleIntelligenceProvider.h"
#include "engines/ProviderHub.h"
#include "platform/Clock.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeDiskSpace.h"
#include "platform/fakes/FakeKeychain.h"
#include "platform/fakes/FakeOnDeviceModel.h"
#include "settings/Preferences.h"
#include "stores/Keychain.h"
#include "stores/BlockingKeychain.h"
#include "stores/ServerKey.h"
#include "support/Wait.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

namespace {

// A built-in engine that records what it was asked.
struct RecordingProvider final : CompletionProvider {
    int statusCalls = 0;
    int modelCalls = 0;
    QStringList order;
    PromptStyle style() const override { return PromptStyle::raw; }
    Future<QString> complete(const CompletionRequest&) override { return Future<QString>::ready(QStringLiteral("built-in")); }
    Future<ProviderStatus> status() override
    {
        ++statusCalls;
        order << "status";
        return Future<ProviderStatus>::ready(ProviderStatus::ready(QStringLiteral("Downloaded")));
    }
    Future<QStringList> models() override
    {
        ++modelCalls;
        order << "models";
        return Future<QStringList>::ready(QStringList{});
    }
};

struct IdleTransfer final : ModelTransfer {
    void start() override {}
    void cancel(ResumeDataHandler) override {}
};

struct HubFixture : ::testing::Test {
    SystemClock clock; // the server engines' time-outs
    QTemporaryDir tmp;
    FakeDefaults defaults;
    Preferences prefs{defaults};
    FakeDiskSpace disk;
    FakeOnDeviceModel onDevice;
    FakeKeychain keychainStore;
    Keychain keychain{keychainStore};
    ModelSpec spec;
    std::unique_ptr<ModelStore> store;
    RecordingProvider* builtIn = nullptr;
    int builtInWarmUps = 0;
    std::unique_ptr<ProviderHub> hub;
    FakeHttpServer server;

    void SetUp() override
    {
        spec = ModelSpec::builtIn();
        spec.bytes = 4;
        spec.sha256 = QString(64, u'a');
        prefs.setOllamaURL(server.base());
        prefs.setServerURL(server.base() + "/v1");
    }
    void makeHub(bool modelPresent = false)
    {
        const QString dir = tmp.filePath("Models");
        if (modelPresent) {
            QDir().mkpath(dir);
            QFile m(dir + "/" + spec.fileName);
            m.open(QIODevice::WriteOnly);
            m.write("GGUF");
            m.close();
            QFile v(dir + "/" + spec.fileName + ".verified");
            v.open(QIODevice::WriteOnly);
            v.write(spec.sha256.toUtf8());
        }
        store = std::make_unique<ModelStore>(spec, dir, disk, [](auto&&...) -> std::unique_ptr<ModelTransfer> {
            return std::make_unique<IdleTransfer>();
        });
        hub = std::make_unique<ProviderHub>(prefs, *store, keychain, onDevice, clock,
                                            [this](ModelStore&, AppleIntelligenceProvider&) {
                                                auto p = std::make_unique<RecordingProvider>();
                                                builtIn = p.get();
                                                return ProviderHub::BuiltIn{std::move(p), [this] { ++builtInWarmUps; }};
                                            });
    }
};

} // namespace

TEST(ProviderStatus, LabelsAndEquality)
{
    EXPECT_EQ(ProviderStatus::unknown().label(), QStringLiteral("Not checked yet"));
    EXPECT_EQ(ProviderStatus::checking().label(), QStringLiteral("Checking…"));
    EXPECT_EQ(ProviderStatus::ready(QStringLiteral("Ready")).label(), QStringLiteral("Ready"));
    EXPECT_EQ(ProviderStatus::ready("x"), ProviderStatus::ready("x"));
    EXPECT_NE(ProviderStatus::ready("x"), ProviderStatus::unavailable("x"));
    EXPECT_NE(ProviderStatus::unknown(), ProviderStatus::checking());
    // Canonically equivalent texts are equal: "é" precomposed and decomposed.
    EXPECT_EQ(ProviderStatus::ready(QStringLiteral("caf\u00e9")), ProviderStatus::ready(QStringLiteral("cafe\u0301")));
    const ProviderError e{QStringLiteral("Pick a model for your local server")};
    EXPECT_EQ(e.localizedDescription(), QStringLiteral("Pick a model for your local server"));
}

TEST(Future, CancelIsNotAnErrorAndContinuationsRunLater)
{
    Promise<int> p;
    bool handlerRan = false;
    p.onCancel([&] { handlerRan = true; });
    auto f = p.future();
    bool ran = false;
    f.then([&](const Outcome<int>& o) {
        ran = true;
        EXPECT_TRUE(o.isCancelled());
        EXPECT_FALSE(o.isError());
    });
    f.cancel();
    EXPECT_TRUE(handlerRan);
    EXPECT_FALSE(ran); // never inside cancel()
    EXPECT_FALSE(p.finish(5)); // a late value does not count
    ASSERT_TRUE(spinUntil([&] { return ran; }));

    QObject* context = new QObject;
    bool skipped = true;
    Future<int>::ready(1).then(context, [&](const Outcome<int>&) { skipped = false; });
    delete context;
    spinUntil([] { return false; }, 30);
    EXPECT_TRUE(skipped);
}

TEST(AppleIntelligenceProvider, OnDeviceEngineOverItsPlatformModel)
{
    FakeOnDeviceModel model;
    AppleIntelligenceProvider apple(model);
    EXPECT_EQ(apple.style(), PromptStyle::instruct);

    CompletionRequest r;
    r.instructions = QStringLiteral("Continue the text.");
    r.prompt = QStringLiteral("the prompt");
    r.rawPrompt = QStringLiteral("[raw]");
    r.temperature = 0.5;
    r.maxTokens = 30;
    auto f = apple.complete(r);
    ASSERT_EQ(model.prompts, QStringList{QStringLiteral("the prompt")});
    EXPECT_EQ(model.sessionInstructions, QStringList{QStringLiteral("Continue the text.")});
    EXPECT_EQ(model.options[0].maxResponseTokens, 30);
    model.answer({QStringLiteral(" more"), false, std::nullopt});
    EXPECT_EQ(await(f)->value(), QStringLiteral(" more"));

    auto guarded = apple.complete(r);
    model.answer({QString(), true, std::nullopt});
    EXPECT_EQ(await(guarded)->value(), QString()); // a guardrail stop is an empty reply

    auto failed = apple.complete(r);
    model.answer({QString(), false, QStringLiteral("Context window exceeded")});
    EXPECT_EQ(await(failed)->platformError()->message, QStringLiteral("Context window exceeded"));

    EXPECT_TRUE(await(apple.alternatives(r, 5))->value().isEmpty());
    EXPECT_TRUE(await(apple.models())->value().isEmpty());

    using A = OnDeviceModel::Availability;
    const std::pair<A, ProviderStatus> table[] = {
        {A::available, ProviderStatus::ready("Ready")},
        {A::deviceNotEligible, ProviderStatus::unavailable("This computer has no on-device language model")},
        {A::notEnabled, ProviderStatus::unavailable("Turn on the on-device model in the desktop's settings")},
        {A::modelNotReady, ProviderStatus::unavailable("The model is still downloading")},
        {A::otherReason, ProviderStatus::unavailable("The on-device model is unavailable")},
    };
    for (const auto& [availability, status] : table) {
        model.available = availability;
        EXPECT_EQ(await(apple.status())->value(), status);
    }

    apple.setPrewarmInstructions([] { return QStringLiteral("ten words"); });
    apple.prewarm();
    apple.prewarm();
    EXPECT_EQ(model.prewarms, 2);
    EXPECT_EQ(model.sessionInstructions.last(), QStringLiteral("ten words"));
}

TEST(AppleIntelligenceProvider, LinuxHasNoSystemModel)
{
    const auto none = OnDeviceModel::createSystem();
    AppleIntelligenceProvider apple(*none);
    const ProviderStatus s = await(apple.status())->value();
    EXPECT_EQ(s, ProviderStatus::unavailable(QStringLiteral("This computer has no on-device language model")));
    auto out = await(apple.complete(CompletionRequest{}));
    ASSERT_TRUE(out && out->isPlatformError());
}

TEST_F(HubFixture, BuiltInFallsBackUntilTheModelIsReady)
{
    makeHub();
    prefs.setEngine(EngineKind::builtIn);
    EXPECT_EQ(&hub->active(), &hub->apple());
    store->download();
    ASSERT_TRUE(store->phase().is(ModelStore::Phase::Kind::downloading));
    EXPECT_EQ(&hub->active(), &hub->apple());

    // Refreshing the built-in engine asks the built-in provider itself.
    await(hub->refresh(EngineKind::builtIn));
    EXPECT_EQ(builtIn->statusCalls, 1);
    EXPECT_EQ(builtIn->order, (QStringList{"status", "models"}));

    makeHub(true);
    EXPECT_TRUE(store->phase().is(ModelStore::Phase::Kind::ready));
    EXPECT_EQ(&hub->active(), builtIn);
    prefs.setEngine(EngineKind::ollama);
    EXPECT_EQ(&hub->active(), &hub->ollama());
    prefs.setEngine(EngineKind::openAI);
    EXPECT_EQ(&hub->active(), &hub->server());
    prefs.setEngine(EngineKind::apple);
    EXPECT_EQ(&hub->active(), &hub->apple());
}

// With no model yet and no on-device model to fill in, nothing can answer: the built-in
// engine's own sentence says why, and only then.
TEST_F(HubFixture, SilentWhileNeitherTheModelNorTheStandInCanAnswer)
{
    using A = OnDeviceModel::Availability;
    makeHub();
    prefs.setEngine(EngineKind::builtIn);
    onDevice.available = A::deviceNotEligible;
    EXPECT_EQ(hub->silentReason(), QStringLiteral("Download the model to start"));
    store->download();
    EXPECT_EQ(hub->silentReason(), QStringLiteral("Downloading. Suggestions start once it's done."));
    onDevice.available = A::available;
    EXPECT_EQ(hub->silentReason(), std::nullopt);

    onDevice.available = A::deviceNotEligible;
    for (EngineKind other : {EngineKind::apple, EngineKind::ollama, EngineKind::openAI}) {
        prefs.setEngine(other); // the chosen engine answers (or fails) for itself
        EXPECT_EQ(hub->silentReason(), std::nullopt);
    }
    makeHub(true);
    prefs.setEngine(EngineKind::builtIn);
    EXPECT_EQ(hub->silentReason(), std::nullopt);
}

TEST_F(HubFixture, RefreshGoesThroughCheckingAndFillsAnEmptyModelChoice)
{
    makeHub();
    server.reply("/v1/models", 200, R"({"data":[{"id":"zeta"},{"id":"Beta"}]})");
    QList<ProviderStatus> seen;
    QObject::connect(hub.get(), &ProviderHub::statusChanged, [&](EngineKind k) {
        if (k == EngineKind::openAI)
            seen << hub->status(EngineKind::openAI);
    });
    EXPECT_EQ(hub->status(EngineKind::openAI), ProviderStatus::unknown());
    auto f = hub->refresh(EngineKind::openAI);
    EXPECT_EQ(hub->status(EngineKind::openAI), ProviderStatus::checking());
    await(f);
    EXPECT_EQ(seen, (QList<ProviderStatus>{ProviderStatus::checking(), ProviderStatus::ready("2 models available")}));
    EXPECT_EQ(hub->modelList(EngineKind::openAI), (QStringList{"Beta", "zeta"}));
    EXPECT_EQ(prefs.serverModel(), QStringLiteral("Beta"));

    prefs.setServerModel(QStringLiteral("zeta"));
    await(hub->refresh(EngineKind::openAI));
    EXPECT_EQ(prefs.serverModel(), QStringLiteral("zeta"));
}

TEST_F(HubFixture, OllamaRefreshWarmsTheChosenModelOnlyWhenOllamaIsTheEngine)
{
    makeHub();
    server.reply("/api/tags", 200, R"({"models":[{"name":"qwen"},{"name":"llama"}]})");
    server.reply("/api/generate", 200, "{}");
    prefs.setEngine(EngineKind::builtIn);
    await(hub->refresh(EngineKind::ollama));
    EXPECT_EQ(prefs.ollamaModel(), QStringLiteral("llama"));
    EXPECT_TRUE(server.requestsTo("/api/generate").isEmpty());

    prefs.setOllamaModel(QString());
    prefs.setEngine(EngineKind::ollama);
    await(hub->refresh(EngineKind::ollama));
    const auto warm = server.requestsTo("/api/generate");
    ASSERT_EQ(warm.size(), 1);
    EXPECT_EQ(QJsonDocument::fromJson(warm[0].body).object().value("model").toString(), QStringLiteral("llama"));
    // The list came before the warm-up.
    EXPECT_EQ(server.requests().last().path, QByteArray("/api/generate"));

    server.reply("/api/tags", 200, R"({"models":[]})");
    server.reply("/api/version", 404, "");
    await(hub->refresh(EngineKind::ollama));
    EXPECT_EQ(server.requestsTo("/api/generate").size(), 1); // not ready: no warm-up
    EXPECT_EQ(hub->status(EngineKind::ollama),
              ProviderStatus::unavailable(QStringLiteral("Ollama isn't running at %1.").arg(server.base())));
}

TEST_F(HubFixture, ModelNamesAndTheBatteryModel)
{
    makeHub();
    prefs.setServerModel(QStringLiteral("srv"));
    prefs.setOllamaModel(QStringLiteral("oll"));
    EXPECT_EQ(hub->modelName(EngineKind::openAI, false), QStringLiteral("srv"));
    EXPECT_EQ(hub->modelName(EngineKind::ollama, true), QStringLiteral("oll"));
    EXPECT_EQ(hub->modelName(EngineKind::builtIn, false), QString());
    prefs.setBatteryModel(QStringLiteral("small"));
    EXPECT_EQ(hub->modelName(EngineKind::apple, true), QString());
    EXPECT_EQ(hub->modelName(EngineKind::builtIn, true), QStringLiteral("small"));
    EXPECT_EQ(hub->modelName(EngineKind::ollama, true), QStringLiteral("small"));
    EXPECT_EQ(hub->modelName(EngineKind::ollama, false), QStringLiteral("oll"));
}

TEST_F(HubFixture, WarmUpOfAFieldSession)
{
    makeHub();
    prefs.setEngine(EngineKind::openAI);
    hub->warmUp();
    prefs.setEngine(EngineKind::ollama);
    hub->warmUp();
    EXPECT_EQ(onDevice.prewarms, 0);
    EXPECT_EQ(builtInWarmUps, 0);
    EXPECT_TRUE(server.requests().isEmpty());

    prefs.setEngine(EngineKind::builtIn); // model missing: the on-device engine gets ready
    hub->warmUp();
    EXPECT_EQ(onDevice.prewarms, 1);
    prefs.setEngine(EngineKind::apple);
    hub->warmUp();
    EXPECT_EQ(onDevice.prewarms, 2);

    makeHub(true);
    prefs.setEngine(EngineKind::builtIn);
    hub->warmUp();
    EXPECT_EQ(builtInWarmUps, 1);
    EXPECT_EQ(onDevice.prewarms, 2);
}

TEST_F(HubFixture, ServerKeyIsReadOnceAndKeptInMemory)
{
    keychain.write(QByteArray("sk-test\n"), kServerApiKeyAccount); // stored with its pasted line break
    makeHub();
    ASSERT_TRUE(testwait::waitFor([&] { return hub->serverKey().loadState() == ServerKey::Load::found; }, 2000));
    EXPECT_EQ(hub->serverAPIKey(), QStringLiteral("sk-test"));
    const int reads = keychainStore.readCount();
    server.reply("/v1/models", 200, R"({"data":[{"id":"a"}]})");
    for (int i = 0; i < 3; ++i)
        await(hub->server().models());
    EXPECT_EQ(server.requests().last().headers.value("authorization"), QByteArray("Bearer sk-test"));
    EXPECT_EQ(keychainStore.readCount(), reads); // requests never ask the keychain

    // Without a keychain the typed key is used for the session all the same.
    keychainStore.setUnreachable(true);
    hub->serverKey().set(QStringLiteral("sk-session"));
    await(hub->server().models());
    EXPECT_EQ(server.requests().last().headers.value("authorization"), QByteArray("Bearer sk-session"));
    ASSERT_TRUE(testwait::waitFor([&] { return hub->serverKey().state() == ServerKey::State::sessionOnly; }, 2000));

    // A stored key that is not UTF-8 is not sent.
    keychainStore.setUnreachable(false);
    keychain.write(QByteArray("\xff\xfe\x00", 3), kServerApiKeyAccount);
    makeHub();
    ASSERT_TRUE(testwait::waitFor([&] { return hub->serverKey().loadState() == ServerKey::Load::failed; }, 2000));
    EXPECT_EQ(hub->serverAPIKey(), QString());
}

// A request made while the stored key is still on its way from the keychain waits for it; a
// keychain that does not answer holds the request for the bound at most, and then it goes
// without the key.
TEST_F(HubFixture, ARequestWaitsForTheKeyOnItsWayWithinTheBound)
{
    server.reply("/v1/models", 200, R"({"data":[{"id":"a"}]})");
    for (const bool answers : {true, false}) {
        SCOPED_TRACE(answers ? "the keychain answers" : "the keychain does not answer");
        auto stalled = std::make_shared<BlockingKeychain>();
        stalled->inner.write(kKeychainService, kServerApiKeyAccount, "sk-late");
        const Keychain slow(*stalled);
        store = std::make_unique<ModelStore>(spec, tmp.filePath("Models"), disk,
                                             [](auto&&...) -> std::unique_ptr<ModelTransfer> { return nullptr; });
        hub = std::make_unique<ProviderHub>(prefs, *store, slow, onDevice, clock,
                                            [](ModelStore&, AppleIntelligenceProvider&) {
                                                return ProviderHub::BuiltIn{std::make_unique<RecordingProvider>(), {}};
                                            });
        const qsizetype before = server.requests().size();
        QElapsedTimer timer;
        timer.start();
        auto models = hub->server().models();
        ASSERT_TRUE(testwait::waitFor([&] { return stalled->waitingCalls() == 1; }, 2000));
        if (answers) {
            QTest::qWait(300);
            EXPECT_EQ(server.requests().size(), before) << "sent before the key arrived";
            stalled->release();
        }
        ASSERT_TRUE(await(models));
        ASSERT_EQ(server.requests().size(), before + 1);
        const auto& headers = server.requests().last().headers;
        if (answers) {
            EXPECT_EQ(headers.value("authorization"), QByteArray("Bearer sk-late"));
            EXPECT_LT(timer.elapsed(), ProviderHub::kKeyWait.count());
        } else {
            EXPECT_FALSE(headers.contains("authorization"));
            EXPECT_GE(timer.elapsed(), ProviderHub::kKeyWait.count() - 50);
            EXPECT_LT(timer.elapsed(), ProviderHub::kKeyWait.count() + 2000);
        }
        hub.reset();
        stalled->release();
    }
}

namespace tq {

TEST_F(HubFixture, ARefreshOutlivingTheHubEndsQuietly)
{
    makeHub();
    server.reply("/v1/models", 200, R"({"data":[{"id":"zeta"}]})");
    auto f = hub->refresh(EngineKind::openAI);
    hub.reset();
    // Whatever the providers' requests do now, nothing may touch the gone hub.
    const auto out = await(f, 1500);
    if (out) {
        EXPECT_FALSE(out->hasValue());
    }
}

} // namespace tq
