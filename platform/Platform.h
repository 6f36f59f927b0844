#pragma once
// Every service the program asks of the operating system, in one bundle.
//
// Where services come from:
//  - app/main.cpp makes one SystemPlatform after QApplication and before anything else, and
//    hands `Platform&` to the application model; it is destroyed before QApplication ends.
//  - Everything below the entry takes the services it uses by reference in its constructor
//    (`Clock&`, `Accessibility&`, `Defaults&`, …), or `Platform&` when it builds others that
//    need several of them. Nothing reaches a service through a global, and no service
//    parameter has a default: a caller always says which one it means.
//  - Tests make one FakePlatform (platform/fakes/FakePlatform.h), which owns an in-memory
//    fake of every service; its accessors return the fake types, so a test steers the fake
//    it passed in (`platform.clock().advance(…)`, `platform.activeApp().activate(pid)`).
//  - A window or view takes the services it needs from whoever builds it (app/ or a test);
//    it never makes a platform of its own.
//  - Services that run threads own them and join them when the platform ends: the key tap,
//    text recognition (one worker, platform/LatestJobWorker.h). Text helpers are no service:
//    user-visible characters, scalars and trimming live in platform/Chars.h, shown texts in
//    platform/Text.h (`text()`, written in the Linux words).
//
// The system implementations are made on first use (main thread), so a program that never
// asks for, say, the key tap never opens the X input extension.

#include <memory>
#include <mutex>

namespace tq {

class Accessibility;
class AccessibilityAccess;
class ActiveApp;
class Clipboard;
class Clock;
class Crypto;
class Defaults;
class DesktopSettings;
class DiskSpace;
class InjectedKeys;
class InstalledApps;
class KeyLayout;
class KeySynth;
class KeyTapSource;
class KeychainService;
class LoginItem;
class MemoryPressure;
class OnDeviceModel;
class OverlayScreens;
class PointerWatcher;
class PowerSource;
class ReduceMotion;
class ScreenCaptureAccess;
class ScreenGeometry;
class SessionEnd;
class SingleInstance;
class SpellChecker;
class TrayHost;
class TextRecognition;
class UserAccount;
class WindowCapture;
class WindowList;
class Workspace;

class Platform {
public:
    virtual ~Platform() = default;

    virtual Clock& clock() = 0;
    virtual Defaults& defaults() = 0;
    virtual Accessibility& accessibility() = 0;
    virtual AccessibilityAccess& accessibilityAccess() = 0;
    virtual ActiveApp& activeApp() = 0;
    virtual Workspace& workspace() = 0;
    virtual WindowList& windowList() = 0;
    virtual WindowCapture& windowCapture() = 0;
    virtual TextRecognition& textRecognition() = 0;
    virtual ScreenGeometry& screenGeometry() = 0;
    virtual OverlayScreens& overlayScreens() = 0;
    virtual ScreenCaptureAccess& screenCaptureAccess() = 0;
    virtual KeyTapSource& keyTapSource() = 0;
    virtual PointerWatcher& pointerWatcher() = 0;
    virtual KeySynth& keySynth() = 0;
    virtual KeyLayout& keyLayout() = 0;
    virtual Clipboard& clipboard() = 0;
    virtual KeychainService& keychain() = 0;
    virtual Crypto& crypto() = 0;
    virtual SpellChecker& spellChecker() = 0;
    virtual PowerSource& powerSource() = 0;
    virtual MemoryPressure& memoryPressure() = 0;
    virtual DiskSpace& diskSpace() = 0;
    virtual LoginItem& loginItem() = 0;
    virtual DesktopSettings& desktopSettings() = 0;
    virtual UserAccount& userAccount() = 0;
    virtual OnDeviceModel& onDeviceModel() = 0;
    virtual ReduceMotion& reduceMotion() = 0;
    virtual SingleInstance& singleInstance() = 0;
    virtual SessionEnd& sessionEnd() = 0;
    virtual TrayHost& trayHost() = 0;
    virtual InstalledApps& installedApps() = 0;
};

// The Linux desktop: AT-SPI, X11, libsecret, OpenSSL, Enchant, Tesseract and the rest.
class SystemPlatform final : public Platform {
public:
    SystemPlatform();
    ~SystemPlatform() override;
    SystemPlatform(const SystemPlatform&) = delete;
    SystemPlatform& operator=(const SystemPlatform&) = delete;

    Clock& clock() override;
    Defaults& defaults() override;
    Accessibility& accessibility() override;
    AccessibilityAccess& accessibilityAccess() override;
    ActiveApp& activeApp() override;
    Workspace& workspace() override;
    WindowList& windowList() override;
    WindowCapture& windowCapture() override;
    TextRecognition& textRecognition() override;
    ScreenGeometry& screenGeometry() override;
    OverlayScreens& overlayScreens() override;
    ScreenCaptureAccess& screenCaptureAccess() override;
    KeyTapSource& keyTapSource() override;
    PointerWatcher& pointerWatcher() override;
    KeySynth& keySynth() override;
    KeyLayout& keyLayout() override;
    Clipboard& clipboard() override;
    KeychainService& keychain() override;
    Crypto& crypto() override;
    SpellChecker& spellChecker() override;
    PowerSource& powerSource() override;
    MemoryPressure& memoryPressure() override;
    DiskSpace& diskSpace() override;
    LoginItem& loginItem() override;
    DesktopSettings& desktopSettings() override;
    UserAccount& userAccount() override;
    OnDeviceModel& onDeviceModel() override;
    ReduceMotion& reduceMotion() override;
    SingleInstance& singleInstance() override;
    SessionEnd& sessionEnd() override;
    TrayHost& trayHost() override;
    InstalledApps& installedApps() override;

private:
    // Declared so that a service is destroyed before those it was made from.
    std::recursive_mutex made_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<Defaults> defaults_;
    std::unique_ptr<ScreenGeometry> screenGeometry_;
    std::unique_ptr<OverlayScreens> overlayScreens_;
    std::unique_ptr<AccessibilityAccess> accessibilityAccess_;
    std::unique_ptr<Accessibility> accessibility_;
    std::unique_ptr<ActiveApp> activeApp_;
    std::unique_ptr<Workspace> workspace_;
    std::unique_ptr<WindowList> windowList_;
    std::unique_ptr<WindowCapture> windowCapture_;
    std::unique_ptr<TextRecognition> textRecognition_;
    std::unique_ptr<ScreenCaptureAccess> screenCaptureAccess_;
    std::unique_ptr<InjectedKeys> injectedKeys_; // what the key synth sent, for the key tap
    std::unique_ptr<KeyTapSource> keyTapSource_;
    std::unique_ptr<PointerWatcher> pointerWatcher_;
    std::unique_ptr<KeySynth> keySynth_;
    std::unique_ptr<KeyLayout> keyLayout_;
    std::unique_ptr<Clipboard> clipboard_;
    std::unique_ptr<KeychainService> keychain_;
    std::unique_ptr<Crypto> crypto_;
    std::unique_ptr<SpellChecker> spellChecker_;
    std::unique_ptr<PowerSource> powerSource_;
    std::unique_ptr<MemoryPressure> memoryPressure_;
    std::unique_ptr<DiskSpace> diskSpace_;
    std::unique_ptr<LoginItem> loginItem_;
    std::unique_ptr<DesktopSettings> desktopSettings_;
    std::unique_ptr<UserAccount> userAccount_;
    std::unique_ptr<OnDeviceModel> onDeviceModel_;
    std::unique_ptr<ReduceMotion> reduceMotion_;
    std::unique_ptr<SingleInstance> singleInstance_;
    std::unique_ptr<SessionEnd> sessionEnd_;
    std::unique_ptr<TrayHost> trayHost_;
    std::unique_ptr<InstalledApps> installedApps_;
};

} // namespace tq
