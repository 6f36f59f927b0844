#pragma once
// What the completion-engine benchmarks build an engine over: fake services, real stores and a
// field source whose snapshot the benchmark sets.

#include "services/PowerMonitor.h"
#include "services/TypoChecker.h"
#include "completion/CompletionEngine.h"
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

#include <optional>

namespace tq::bench {

class Source final : public FieldSource {
public:
    std::optional<FieldSnapshot> snapshot() override { return current; }
    void insert(const QString&, InsertionMethod) override {}
    void deleteBackward(int) override {}
    std::optional<FieldSnapshot> current;
};

struct EngineStores {
    FakePlatform platform;
    VirtualClock& clock = platform.clock();
    FakeDefaults defaults;
    Preferences prefs{defaults};
    AppRules rules{std::nullopt, clock};
    StatsStore stats{QString(), clock};
    FakeKeychain keychain;
    FakeCrypto crypto;
    WritingMemory memory{QString(), Keychain(keychain), crypto, clock};
    FakePowerSource powerSource;
    PowerMonitor power{powerSource, clock};
    FakeSpellChecker spell;
    TypoChecker typo{spell, TypoChecker::Corrections{}};
};

} // namespace tq::bench
