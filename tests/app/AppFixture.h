#pragma once
// An application model over in-memory services, in virtual time, with a data folder of its own.

#include "app/AppDelegate.h"
#include "app/AppModel.h"
#include "app/WindowManager.h"
#include "services/Permissions.h"
#include "platform/fakes/FakePlatform.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <memory>

namespace tq {

// Collects the program's log lines while alive.
class LogLines {
public:
    LogLines();
    ~LogLines();
    QStringList lines;

private:
    QtMessageHandler previous_;
};

class AppFixture : public ::testing::Test {
protected:
    static constexpr qint64 kOwnPid = 4242;
    static constexpr qint64 kEditorPid = 500;

    AppFixture();
    ~AppFixture() override;

    // Builds the model (first run done and the intro seen unless a test set them).
    AppModel& build(bool localOnly = false);
    void advance(Nanos by)
    {
        clock.advance(by);
        QCoreApplication::processEvents();
    }
    // Makes `pid` the front application and reports it.
    void bringToFront(qint64 pid);

    FakePlatform platform;
    VirtualClock& clock = platform.clock();
    FakeDefaults& defaults = platform.defaults();
    FakeAccessibility& ax = platform.accessibility();
    FakeActiveApp& activeApp = platform.activeApp();
    FakeWorkspace& workspace = platform.workspace();
    FakeKeyTapSource& tapSource = platform.keyTapSource();
    FakeKeychain& keychain = platform.keychain();
    FakeClipboard& clipboard = platform.clipboard();
    FakeKeySynth& keySynth = platform.keySynth();
    FakeAccessibilityAccess& access = platform.accessibilityAccess();
    FakeScreenCaptureAccess& capture = platform.screenCaptureAccess();
    FakeDesktopSettings& desktopSettings = platform.desktopSettings();
    FakeLoginItem& loginItem = platform.loginItem();
    FakePowerSource& powerSource = platform.powerSource();
    FakeSpellChecker& spelling = platform.spellChecker();
    FakeOnDeviceModel& onDevice = platform.onDeviceModel();
    FakeMemoryPressure& pressure = platform.memoryPressure();
    QTemporaryDir folder;
    std::unique_ptr<AppModel> model;
};

} // namespace tq
