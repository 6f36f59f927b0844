#include "app/AppModel.h"

#include "app/Relaunch.h"
#include "app/WindowManager.h"
#include "services/Import.h"
#include "services/Permissions.h"
#include "services/PowerMonitor.h"
#include "services/TypoChecker.h"
#include "completion/CompletionEngine.h"
#include "overlay/AlternativesPanel.h"
#include "overlay/EmojiPickerPanel.h"
#include "overlay/GhostPanel.h"
#include "engines/BuiltInProvider.h"
#include "engines/ModelDownload.h"
#include "engines/ModelSpec.h"
#include "engines/ModelStore.h"
#include "field/ContextCollector.h"
#include "input/KeyTap.h"
#include "input/RivalWatcher.h"
#include "input/TextInjector.h"
#include "platform/AppFolder.h"
#include "platform/Defaults.h"
#include "platform/Log.h"
#include "platform/MemoryPressure.h"
#include "platform/Platform.h"
#include "platform/PointerWatcher.h"
#include "stores/KeychainQueue.h"
#include "platform/SpellChecker.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/ServerKey.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"
#include "services/AppLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

namespace tq {

namespace {
QString defaultSupportFolder()
{
    // The folder that holds this program's data folder (and the earlier product's).
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::home().filePath(QStringLiteral(".local/share"));
    return base;
}
} // namespace

bool AppModel::localOnlyFromEnvironment()
{
    return qgetenv("TESSAQUILL_LOCAL_ONLY") == "1";
}

AppModel::AppModel(Platform& platform, AppOptions options, QObject* parent)
    : QObject(parent), platform_(platform), options_(std::move(options)), reminder_(platform.clock())
{
    localOnly_ = options_.localOnly.value_or(localOnlyFromEnvironment());
    ownPid_ = options_.ownPid ? options_.ownPid : QCoreApplication::applicationPid();
    Defaults& defaults = platform.defaults();
    Clock& clock = platform.clock();

    permissions_ = std::make_unique<Permissions>(platform.accessibilityAccess(), platform.screenCaptureAccess(),
                                                 platform.desktopSettings(), platform.loginItem(), clock);
    rivals_ = std::make_unique<RivalWatcher>(platform.workspace(), clock);
    power_ = std::make_unique<PowerMonitor>(platform.powerSource(), clock);
    windows_ = std::make_unique<WindowManager>(defaults);
    injector_ = std::make_unique<TextInjector>(platform.keySynth(), platform.clipboard(), clock);
    axSource_ = std::make_unique<AXFieldSource>(injector_.get(), platform.accessibility(), platform.activeApp(),
                                                platform.screenGeometry(), clock);
    keyTap_ = std::make_unique<KeyTap>(platform.keyTapSource());

    const Keychain keychain(platform.keychain());
    // The earlier product's settings and files come over before anything reads a setting.
    if (options_.importEarlierProduct) {
        importQueue_ = std::make_unique<KeychainQueue>(this);
        migrateFromEarlierProduct(defaults, defaultSupportFolder(), keychain, *importQueue_);
    }
    prefs_ = std::make_unique<Preferences>(defaults);

    folder_ = options_.folder.isEmpty() ? applicationSupportFolder() : options_.folder;
    QDir().mkpath(folder_);
    const QDir dir(folder_);
    rules_ = std::make_unique<AppRules>(dir.filePath(QStringLiteral("rules.json")), clock);
    stats_ = std::make_unique<StatsStore>(dir.filePath(QStringLiteral("stats.json")), clock);
    stats_->load();
    memory_ = std::make_unique<WritingMemory>(dir.filePath(QStringLiteral("memory.sealed")), keychain, platform.crypto(),
                                              clock);
    memory_->load();
    modelStore_ = std::make_unique<ModelStore>(ModelSpec::builtIn(), dir.filePath(QStringLiteral("Models")),
                                               platform.diskSpace(), ModelDownload::factory(clock));
    keychain_ = std::make_unique<Keychain>(keychain);
    hub_ = std::make_unique<ProviderHub>(*prefs_, *modelStore_, *keychain_, platform.onDeviceModel(), clock,
                                         options_.builtIn);
    typo_ = std::make_unique<TypoChecker>(platform.spellChecker());
    // Word lists are wanted only while words that look misspelled are held back.
    platform.spellChecker().setWordListsWanted(prefs_->hideOnTypo());
    connect(prefs_.get(), &Preferences::changed, this, [this, &spelling = platform.spellChecker()](const QString& key) {
        if (key == QLatin1String("hideOnTypo"))
            spelling.setWordListsWanted(prefs_->hideOnTypo());
    });
    engine_ = std::make_unique<CompletionEngine>(*prefs_, *rules_, *stats_, *memory_, *hub_, *power_, *typo_, platform);

    relauncher_ = options_.relauncher
                      ? options_.relauncher(*this)
                      : std::make_unique<AppRelauncher>(*this, [this] {
                            if (windows_->onQuitRequested)
                                windows_->onQuitRequested();
                            else
                                QCoreApplication::quit();
                        }, QCoreApplication::applicationFilePath());
    const QString interface = !options_.interfaceLanguage.isEmpty()
                                  ? options_.interfaceLanguage
                                  : AppLanguage::resolve(AppLanguage::storedChoice(defaults), QLocale::system().uiLanguages());
    language_ = std::make_unique<AppLanguage>(defaults, *relauncher_, interface);
    platform.spellChecker().addLanguage(interface); // the writer may write in it too

    // The engine makes its context collector and answers its callbacks itself.
}

AppModel::~AppModel()
{
    *alive_ = false;
    if (engine_) {
        engine_->setSource(nullptr);
        engine_->ghost().waitForKeys({});
    }
    keyTap_->handler = nullptr;
    axSource_->onChange = nullptr;
    axSource_->onRestartHintChanged = nullptr;
}

void AppModel::start()
{
    if (started_)
        return;
    started_ = true;

    power_->start();
    QPointer<AppModel> self(this);
    permissions_->setOnAccessibilityGranted([self] {
        if (self)
            self->accessibilityGranted();
    });
    permissions_->startWatching();
    axSource_->onChange = [self](AXFieldSource::Change change) {
        if (self)
            self->fieldSourceChanged(change);
    };
    axSource_->onRestartHintChanged = [self] {
        if (self)
            emit self->restartHintChanged();
    };
    if (!localOnly_)
        axSource_->start();
    keyTap_->handler = [self](const TapEvent& event) { return self && self->handleTap(event); };
    // Presses are watched without the key tap, so the tray panel closes in every mode; the
    // watch itself runs only while the panel is open (the delegate starts and stops it).
    connect(&platform_.pointerWatcher(), &PointerWatcher::pressed, this, [this](bool wheel) {
        if (!wheel)
            emit pointerPressed();
    });
    syncTapKeys();
    connect(prefs_.get(), &Preferences::changed, this, [this](const QString& key) {
        syncTapKeys(); // shortcuts, and the Escape behaviour
        if (key == QLatin1String("isEnabled"))
            emit glyphInputsChanged();
    });
    connect(engine_.get(), &CompletionEngine::statusChanged, this, [this] { syncTapKeys(); });
    connect(engine_.get(), &CompletionEngine::lastSuggestionChanged, this, [this] { syncTapKeys(); });
    // Queued: a read is evaluated after it is announced, and what that shows (the picker, a fix,
    // the ghost again) can change the keys without a new status.
    connect(engine_.get(), &CompletionEngine::snapshotChanged, this, [this] { syncTapKeys(); }, Qt::QueuedConnection);
    // A ghost is drawn once the tap holds its keys: a Tab that came before the grab would go to
    // the application. The keys it offers are asked for here, ahead of the engine's signals.
    engine_->ghost().waitForKeys([this] {
        syncTapKeys();
        return keyTap_->keysInForce();
    });
    connect(keyTap_.get(), &KeyTap::keysApplied, &engine_->ghost(), &GhostPanel::keysChanged);
    connect(permissions_.get(), &Permissions::accessibilityChanged, this, [this] { emit glyphInputsChanged(); });
    connect(rules_.get(), &AppRules::globalPauseUntilChanged, this, [this] { emit glyphInputsChanged(); });
    connect(rivals_.get(), &RivalWatcher::runningChanged, this, [this] { emit glyphInputsChanged(); });

    startSystemWide();

    // Every engine's status, one after the other.
    auto refreshAll = std::make_shared<std::function<void(int)>>();
    *refreshAll = [self, refreshAll](int index) {
        static constexpr EngineKind order[] = {EngineKind::builtIn, EngineKind::apple, EngineKind::ollama, EngineKind::openAI};
        if (!self || index >= 4)
            return;
        self->hub_->refresh(order[index]).then(self, [refreshAll, index](auto) { (*refreshAll)(index + 1); });
    };
    QTimer::singleShot(0, this, [refreshAll] { (*refreshAll)(0); });
    modelStore_->setOnReady([self] {
        if (self)
            QTimer::singleShot(0, self, [self] { self->hub_->refresh(EngineKind::builtIn); });
    });

    MemoryPressure& pressure = platform_.memoryPressure();
    connect(&pressure, &MemoryPressure::pressure, this, [this] { memoryPressure(); });
    pressure.start();

    reminder_.start(kReminderDelay, [this] { checkHiddenIcon(); });

    windows_->setModel(this);
    if (!prefs_->onboardingDone()) {
        windows_->showOnboarding();
    } else if (!prefs_->introSeen()) {
        prefs_->setIntroSeen(true);
        windows_->showIntro([self] {
            if (self)
                self->introFinished();
        });
    }

    engine_->holdReason = [self]() -> std::optional<QString> { return self ? self->holdReason() : std::nullopt; };
    rivals_->onChange = [self] {
        if (self)
            self->rivalsChanged();
    };
    rivals_->onAppear = [self](const RivalApp&) {
        if (self)
            self->rivalAppeared();
    };
    rivals_->refresh(true);
    rivals_->startObserving();
}

void AppModel::startSystemWide()
{
    if (!permissions_->accessibility() || localOnly_)
        return;
    setTapRunning(keyTap_->start());
    log::info(QStringLiteral("system-wide start: tap running ") + (tapRunning_ ? QStringLiteral("1") : QStringLiteral("0")));
    axSource_->attach(platform_.activeApp().frontmostPid());
}

void AppModel::memoryPressure()
{
    if (auto* builtIn = dynamic_cast<BuiltInProvider*>(&hub_->builtIn()))
        builtIn->handleMemoryPressure();
}

void AppModel::checkHiddenIcon()
{
    const auto visible = [](QWidget* w) { return w && w->isVisible(); };
    if (visible(windows_->onboardingWindow()) || visible(windows_->introWindow())) {
        reminder_.start(kReminderRecheck, [this] { checkHiddenIcon(); });
        return;
    }
    if (prefs_->showMenuBarIcon() && prefs_->remindHiddenIcon() && iconHidden && iconHidden())
        windows_->showHiddenIconPrompt();
}

void AppModel::setFrontApp(const FrontApp& app)
{
    if (frontApp_ == app)
        return;
    frontApp_ = app;
    emit frontAppChanged_();
}

void AppModel::setTapRunning(bool running)
{
    if (tapRunning_ == running)
        return;
    tapRunning_ = running;
    emit tapRunningChanged(running);
}

void AppModel::flushStores()
{
    rules_->flush();
    stats_->flush();
    memory_->flush();
    hub_->serverKey().flush(Millis(250)); // a key still on its way to the keychain is logged
    platform_.defaults().flush();
}

void AppModel::syncTapKeys()
{
    // The tap holds exactly the keys the engine acts on now.
    keyTap_->setKeys(engine_->actingKeys());
}

} // namespace tq
