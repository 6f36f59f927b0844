#pragma once
// Owns the four engines and the server engines' network session, picks the one that answers
// the next request, and keeps each engine's status and model list for the windows. Main thread.

#include "engines/AppleIntelligenceProvider.h"
#include "engines/CompletionProvider.h"
#include "engines/ModelStore.h"
#include "engines/OllamaProvider.h"
#include "engines/OpenAICompatibleProvider.h"
#include "platform/Clock.h"
#include "settings/Enums.h"

#include <QNetworkAccessManager>
#include <QObject>

#include <map>
#include <memory>
#include <utility>

namespace tq {

class Keychain;
class OnDeviceModel;
class Preferences;
class ServerKey;

class ProviderHub : public QObject {
    Q_OBJECT
public:
    // Makes the built-in engine over the store, with the on-device engine as its stand-in.
    struct BuiltIn {
        std::unique_ptr<CompletionProvider> provider;
        std::function<void()> warmUp; // loads the model ahead of use; none: nothing to do
    };
    using BuiltInFactory = std::function<BuiltIn(ModelStore& store, AppleIntelligenceProvider& standIn)>;

    // The real built-in engine (BuiltInProvider over a new LlamaRuntime).
    static BuiltIn makeBuiltIn(ModelStore& store, AppleIntelligenceProvider& standIn, Clock& clock);

    // An empty `builtIn` means makeBuiltIn. `clock` times the server engines' requests.
    ProviderHub(Preferences& prefs, ModelStore& store, const Keychain& keychain, OnDeviceModel& onDevice, Clock& clock,
                BuiltInFactory builtIn = {}, QObject* parent = nullptr);
    ~ProviderHub() override;

    // The provider that answers now: the chosen engine, or the on-device one while the
    // built-in model is not ready.
    CompletionProvider& active();
    // Why no engine can answer now: the built-in model is not ready and the on-device model,
    // which would fill in, is unavailable. The built-in engine's own status text; none when an
    // engine can answer.
    std::optional<QString> silentReason() const;
    CompletionProvider& provider(EngineKind kind);

    AppleIntelligenceProvider& apple() { return *apple_; }
    CompletionProvider& builtIn() { return *builtIn_.provider; }
    OllamaProvider& ollama() { return *ollama_; }
    OpenAICompatibleProvider& server() { return *server_; }

    // Rechecks one engine: checking, then its status and model list; fills in an empty model
    // setting and warms the chosen Ollama model. Never fails.
    Future<Done> refresh(EngineKind kind);

    QString modelName(EngineKind kind, bool onBattery) const;
    // Prepares the chosen engine when a field session opens.
    void warmUp();
    // The key of the OpenAI-compatible server: the one typed this run, else the stored one once
    // the keychain has handed it out; empty when none (yet). Never waits on the keychain.
    QString serverAPIKey() const;
    // The key for a request: at once when the stored key has arrived (or was never asked for, or
    // a key was typed); while it is on its way from the keychain, once it arrives, at most
    // kKeyWait later (then without it).
    static constexpr Millis kKeyWait{3000};
    Future<QString> serverKeyForRequest();
    ServerKey& serverKey() { return *serverKey_; }

    // An engine without an entry counts as not checked yet and without models.
    ProviderStatus status(EngineKind kind) const;
    QStringList modelList(EngineKind kind) const;

signals:
    void statusChanged(tq::EngineKind kind);
    void modelListChanged(tq::EngineKind kind);

private:
    void setStatus(EngineKind kind, const ProviderStatus& status);
    void setModelList(EngineKind kind, const QStringList& list);
    bool builtInReady() const;

    Preferences& prefs_;
    ModelStore& store_;
    Clock& clock_;
    const Keychain& keychain_;
    std::unique_ptr<ServerKey> serverKey_;
    std::map<EngineKind, ProviderStatus> status_;
    std::map<EngineKind, QStringList> modelLists_;
    std::pair<bool, bool> shownUsable_; // the model's phase last refreshed for: ready, unloadable
    // The server engines' HTTP session; it ends after them, and what is still in flight with it.
    QNetworkAccessManager network_;
    std::unique_ptr<AppleIntelligenceProvider> apple_;
    BuiltIn builtIn_;
    std::unique_ptr<OllamaProvider> ollama_;
    std::unique_ptr<OpenAICompatibleProvider> server_;
};

} // namespace tq
