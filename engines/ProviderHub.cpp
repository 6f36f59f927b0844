#include "engines/ProviderHub.h"

#include <QPointer>

#include "engines/BuiltInProvider.h"
#include "settings/Preferences.h"
#include "stores/Keychain.h"
#include "stores/ServerKey.h"

namespace tq {

ProviderHub::ProviderHub(Preferences& prefs, ModelStore& store, const Keychain& keychain, OnDeviceModel& onDevice,
                         Clock& clock, BuiltInFactory builtIn, QObject* parent)
    : QObject(parent)
    , prefs_(prefs)
    , store_(store)
    , clock_(clock)
    , keychain_(keychain)
    , serverKey_(std::make_unique<ServerKey>(keychain))
{
    network_.setAutoDeleteReplies(false); // the transport deletes each reply itself
    apple_ = std::make_unique<AppleIntelligenceProvider>(onDevice);
    builtIn_ = builtIn ? builtIn(store_, *apple_) : makeBuiltIn(store_, *apple_, clock);
    Preferences* p = &prefs_;
    ollama_ = std::make_unique<OllamaProvider>(clock, network_, [p] { return p->ollamaURL(); });
    server_ = std::make_unique<OpenAICompatibleProvider>(clock, network_, [p] { return p->serverURL(); },
                                                         [this] { return serverKeyForRequest(); });
    serverKey_->load();
    // The built-in status follows the model becoming usable or not by itself (a file changed on
    // disk or one that couldn't be loaded); the download's own steps are refreshed by their callers.
    shownUsable_ = {store_.phase().is(ModelStore::Phase::Kind::ready), store_.phase().unloadable};
    connect(&store_, &ModelStore::phaseChanged, this, [this](const ModelStore::Phase& phase) {
        const std::pair<bool, bool> usable{phase.is(ModelStore::Phase::Kind::ready), phase.unloadable};
        if (usable == shownUsable_)
            return;
        shownUsable_ = usable;
        QMetaObject::invokeMethod(this, [this] { refresh(EngineKind::builtIn); }, Qt::QueuedConnection);
    });
}

ProviderHub::~ProviderHub() = default;

ProviderHub::BuiltIn ProviderHub::makeBuiltIn(ModelStore& store, AppleIntelligenceProvider& standIn, Clock& clock)
{
    auto provider = std::make_unique<BuiltInProvider>(store, &standIn, nullptr, clock);
    BuiltInProvider* raw = provider.get();
    return BuiltIn{std::move(provider), [raw] { raw->warmUp(); }};
}

bool ProviderHub::builtInReady() const { return store_.phase().is(ModelStore::Phase::Kind::ready); }

CompletionProvider& ProviderHub::provider(EngineKind kind)
{
    switch (kind) {
    case EngineKind::builtIn:
        return *builtIn_.provider;
    case EngineKind::apple:
        return *apple_;
    case EngineKind::ollama:
        return *ollama_;
    case EngineKind::openAI:
        break;
    }
    return *server_;
}

CompletionProvider& ProviderHub::active()
{
    const EngineKind engine = prefs_.engine();
    if (engine == EngineKind::builtIn && !builtInReady())
        return *apple_;
    return provider(engine);
}

std::optional<QString> ProviderHub::silentReason() const
{
    if (prefs_.engine() != EngineKind::builtIn || builtInReady())
        return std::nullopt;
    const ProviderStatus standIn = apple_->currentStatus();
    if (standIn.isReady())
        return std::nullopt;
    return builtInEngineStatus(store_.phase(), standIn).text();
}

ProviderStatus ProviderHub::status(EngineKind kind) const
{
    auto it = status_.find(kind);
    return it == status_.end() ? ProviderStatus::unknown() : it->second;
}

QStringList ProviderHub::modelList(EngineKind kind) const
{
    auto it = modelLists_.find(kind);
    return it == modelLists_.end() ? QStringList{} : it->second;
}

void ProviderHub::setStatus(EngineKind kind, const ProviderStatus& status)
{
    auto it = status_.find(kind);
    if (it != status_.end() && it->second == status) {
        it->second = status;
        return;
    }
    status_[kind] = status;
    emit statusChanged(kind);
}

void ProviderHub::setModelList(EngineKind kind, const QStringList& list)
{
    auto it = modelLists_.find(kind);
    if (it != modelLists_.end() && it->second == list)
        return;
    modelLists_[kind] = list;
    emit modelListChanged(kind);
}

Future<Done> ProviderHub::refresh(EngineKind kind)
{
    setStatus(kind, ProviderStatus::checking());
    CompletionProvider& p = provider(kind);
    auto result = std::make_shared<ProviderStatus>();
    auto statusStep = p.status();
    // A check may outlive the hub (quit, tests): each step first checks that it is still there.
    QPointer<ProviderHub> self(this);
    auto listed = chain<QStringList>(statusStep, [self, &p, result](const Outcome<ProviderStatus>& s) {
        if (s.isCancelled() || !self)
            return Future<QStringList>::ready(Cancelled{});
        *result = s.valueOr(ProviderStatus::unavailable(QString()));
        return p.models();
    });
    return chain<Done>(listed, [this, self, kind, result](const Outcome<QStringList>& o) -> Future<Done> {
        if (o.isCancelled() || !self)
            return Future<Done>::ready(Cancelled{});
        const QStringList list = o.valueOr({});
        setModelList(kind, list);
        setStatus(kind, *result);
        if (kind == EngineKind::openAI && prefs_.serverModel().isEmpty() && !list.isEmpty())
            prefs_.setServerModel(list.first());
        if (kind == EngineKind::ollama) {
            if (prefs_.ollamaModel().isEmpty() && !list.isEmpty())
                prefs_.setOllamaModel(list.first());
            if (prefs_.engine() == EngineKind::ollama && result->isReady())
                return ollama_->warmUp(prefs_.ollamaModel());
        }
        return Future<Done>::ready(Done{});
    });
}

QString ProviderHub::modelName(EngineKind kind, bool onBattery) const
{
    QString name;
    if (kind == EngineKind::openAI)
        name = prefs_.serverModel();
    else if (kind == EngineKind::ollama)
        name = prefs_.ollamaModel();
    if (kind != EngineKind::apple && onBattery && !prefs_.batteryModel().isEmpty())
        name = prefs_.batteryModel();
    return name;
}

void ProviderHub::warmUp()
{
    const EngineKind engine = prefs_.engine();
    if (engine == EngineKind::ollama || engine == EngineKind::openAI)
        return;
    if (engine == EngineKind::builtIn && builtInReady()) {
        if (builtIn_.warmUp)
            builtIn_.warmUp();
        return;
    }
    apple_->prewarm();
}

QString ProviderHub::serverAPIKey() const
{
    // Kept in memory: a request never waits on the keychain.
    return serverKey_->current();
}

Future<QString> ProviderHub::serverKeyForRequest()
{
    if (serverKey_->loadState() != ServerKey::Load::reading || serverKey_->typedKey())
        return Future<QString>::ready(serverKey_->current());
    // The first request of a run may come before the keychain has answered: a request without
    // the key would be refused by a server that needs one.
    Promise<QString> promise;
    auto connection = std::make_shared<QMetaObject::Connection>();
    auto timer = std::make_shared<TimerId>(0);
    QPointer<ServerKey> key = serverKey_.get();
    Clock* clock = &clock_;
    auto done = [promise, connection, timer, key, clock] {
        if (promise.isSettled())
            return;
        QObject::disconnect(*connection);
        if (*timer && key)
            clock->cancel(std::exchange(*timer, 0));
        if (key)
            promise.finish(key->current());
        else
            promise.finish(Cancelled{}); // the hub has ended
    };
    *connection = connect(serverKey_.get(), &ServerKey::keyChanged, this, [key, done] {
        if (key && (key->loadState() != ServerKey::Load::reading || key->typedKey()))
            done();
    });
    *timer = clock_.start(kKeyWait, [timer, done] {
        *timer = 0;
        done();
    });
    return promise.future();
}

} // namespace tq
