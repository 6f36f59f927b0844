#pragma once
// Every service of another platform; a test derives from it and overrides the few services it
// replaces (a settings file on disk instead of in-memory defaults, say).

#include "platform/Platform.h"

namespace tq {

class ForwardingPlatform : public Platform {
public:
    explicit ForwardingPlatform(Platform& base) : base_(base) {}

    Clock& clock() override { return base_.clock(); }
    Defaults& defaults() override { return base_.defaults(); }
    Accessibility& accessibility() override { return base_.accessibility(); }
    AccessibilityAccess& accessibilityAccess() override { return base_.accessibilityAccess(); }
    ActiveApp& activeApp() override { return base_.activeApp(); }
    Workspace& workspace() override { return base_.workspace(); }
    WindowList& windowList() override { return base_.windowList(); }
    WindowCapture& windowCapture() override { return base_.windowCapture(); }
    TextRecognition& textRecognition() override { return base_.textRecognition(); }
    ScreenGeometry& screenGeometry() override { return base_.screenGeometry(); }
    OverlayScreens& overlayScreens() override { return base_.overlayScreens(); }
    ScreenCaptureAccess& screenCaptureAccess() override { return base_.screenCaptureAccess(); }
    KeyTapSource& keyTapSource() override { return base_.keyTapSource(); }
    PointerWatcher& pointerWatcher() override { return base_.pointerWatcher(); }
    KeySynth& keySynth() override { return base_.keySynth(); }
    KeyLayout& keyLayout() override { return base_.keyLayout(); }
    Clipboard& clipboard() override { return base_.clipboard(); }
    KeychainService& keychain() override { return base_.keychain(); }
    Crypto& crypto() override { return base_.crypto(); }
    SpellChecker& spellChecker() override { return base_.spellChecker(); }
    PowerSource& powerSource() override { return base_.powerSource(); }
    MemoryPressure& memoryPressure() override { return base_.memoryPressure(); }
    DiskSpace& diskSpace() override { return base_.diskSpace(); }
    LoginItem& loginItem() override { return base_.loginItem(); }
    DesktopSettings& desktopSettings() override { return base_.desktopSettings(); }
    UserAccount& userAccount() override { return base_.userAccount(); }
    OnDeviceModel& onDeviceModel() override { return base_.onDeviceModel(); }
    ReduceMotion& reduceMotion() override { return base_.reduceMotion(); }
    SingleInstance& singleInstance() override { return base_.singleInstance(); }
    SessionEnd& sessionEnd() override { return base_.sessionEnd(); }
    TrayHost& trayHost() override { return base_.trayHost(); }
    InstalledApps& installedApps() override { return base_.installedApps(); }

private:
    Platform& base_;
};

} // namespace tq
