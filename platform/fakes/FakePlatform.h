#pragma once
// Every platform service as an in-memory fake, in virtual time. A test makes one, steers the
// fakes through the typed accessors and hands it (or single services) to the code under test.

#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/fakes/FakeAccessibility.h"
#include "platform/fakes/FakeAccessibilityAccess.h"
#include "platform/fakes/FakeActiveApp.h"
#include "platform/fakes/FakeClipboard.h"
#include "platform/fakes/FakeCrypto.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeDesktopSettings.h"
#include "platform/fakes/FakeDiskSpace.h"
#include "platform/fakes/FakeInstalledApps.h"
#include "platform/fakes/FakeKeyLayout.h"
#include "platform/fakes/FakeKeySynth.h"
#include "platform/fakes/FakeKeyTapSource.h"
#include "platform/fakes/FakeKeychain.h"
#include "platform/fakes/FakeLoginItem.h"
#include "platform/fakes/FakeMemoryPressure.h"
#include "platform/fakes/FakeOnDeviceModel.h"
#include "platform/fakes/FakeOverlayScreens.h"
#include "platform/fakes/FakePowerSource.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "platform/fakes/FakeScreen.h"
#include "platform/fakes/FakeScreenCaptureAccess.h"
#include "platform/fakes/FakeSessionEnd.h"
#include "platform/fakes/FakeSingleInstance.h"
#include "platform/fakes/FakePointerWatcher.h"
#include "platform/fakes/FakeSpellChecker.h"
#include "platform/fakes/FakeTrayHost.h"
#include "platform/fakes/FakeUserAccount.h"
#include "platform/fakes/FakeWindowCapture.h"
#include "platform/fakes/FakeWindowList.h"
#include "platform/fakes/FakeWorkspace.h"

namespace tq {

class FakePlatform final : public Platform {
public:
    VirtualClock& clock() override { return clock_; }
    FakeDefaults& defaults() override { return defaults_; }
    FakeAccessibility& accessibility() override { return accessibility_; }
    FakeAccessibilityAccess& accessibilityAccess() override { return accessibilityAccess_; }
    FakeActiveApp& activeApp() override { return activeApp_; }
    FakeWorkspace& workspace() override { return workspace_; }
    FakeWindowList& windowList() override { return windowList_; }
    FakeWindowCapture& windowCapture() override { return windowCapture_; }
    FakeTextRecognition& textRecognition() override { return textRecognition_; }
    FakeScreenGeometry& screenGeometry() override { return screenGeometry_; }
    FakeOverlayScreens& overlayScreens() override { return overlayScreens_; }
    FakeScreenCaptureAccess& screenCaptureAccess() override { return screenCaptureAccess_; }
    FakeKeyTapSource& keyTapSource() override { return keyTapSource_; }
    FakePointerWatcher& pointerWatcher() override { return pointerWatcher_; }
    FakeKeySynth& keySynth() override { return keySynth_; }
    FakeKeyLayout& keyLayout() override { return keyLayout_; }
    FakeClipboard& clipboard() override { return clipboard_; }
    FakeKeychain& keychain() override { return keychain_; }
    FakeCrypto& crypto() override { return crypto_; }
    FakeSpellChecker& spellChecker() override { return spellChecker_; }
    FakePowerSource& powerSource() override { return powerSource_; }
    FakeMemoryPressure& memoryPressure() override { return memoryPressure_; }
    FakeDiskSpace& diskSpace() override { return diskSpace_; }
    FakeLoginItem& loginItem() override { return loginItem_; }
    FakeDesktopSettings& desktopSettings() override { return desktopSettings_; }
    FakeUserAccount& userAccount() override { return userAccount_; }
    FakeOnDeviceModel& onDeviceModel() override { return onDeviceModel_; }
    FakeReduceMotion& reduceMotion() override { return reduceMotion_; }
    FakeSingleInstance& singleInstance() override { return singleInstance_; }
    FakeSessionEnd& sessionEnd() override { return sessionEnd_; }
    FakeTrayHost& trayHost() override { return trayHost_; }
    FakeInstalledApps& installedApps() override { return installedApps_; }

private:
    VirtualClock clock_;
    FakeDefaults defaults_;
    FakeAccessibility accessibility_;
    FakeAccessibilityAccess accessibilityAccess_;
    FakeActiveApp activeApp_;
    FakeWorkspace workspace_;
    FakeWindowList windowList_;
    FakeWindowCapture windowCapture_;
    FakeTextRecognition textRecognition_;
    FakeScreenGeometry screenGeometry_;
    FakeOverlayScreens overlayScreens_;
    FakeScreenCaptureAccess screenCaptureAccess_;
    FakeKeyTapSource keyTapSource_;
    FakePointerWatcher pointerWatcher_;
    FakeKeySynth keySynth_;
    FakeKeyLayout keyLayout_;
    FakeClipboard clipboard_;
    FakeKeychain keychain_;
    FakeCrypto crypto_;
    FakeSpellChecker spellChecker_;
    FakePowerSource powerSource_;
    FakeMemoryPressure memoryPressure_;
    FakeDiskSpace diskSpace_;
    FakeLoginItem loginItem_;
    FakeDesktopSettings desktopSettings_;
    FakeUserAccount userAccount_;
    FakeOnDeviceModel onDeviceModel_;
    FakeReduceMotion reduceMotion_;
    FakeSingleInstance singleInstance_;
    FakeSessionEnd sessionEnd_;
    FakeTrayHost trayHost_;
    FakeInstalledApps installedApps_;
};

} // namespace tq
