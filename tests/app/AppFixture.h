#pragma once
// An application model over in-memory services, in virtual time, with a data folder of its own.

#include "app/AppDelegate.h"
#include "app/AppModel.h"
#include "app/WindowManager.h"
#include "app/services/Permissions.h"
#include "platform/fakes/FakeAccessibility.h"
#include "platform/fakes/FakeAccessibilityAccess.h"
#include "platform/fakes/FakeActiveApp.h"
#include "platform/fakes/FakeClipboard.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeDesktopSettings.h"
#include "platform/fakes/FakeKeySynth.h"
#include "platform/fakes/FakeKeyTapSource.h"
#include "platform/fakes/FakeKeychain.h"
#include "platform/fakes/FakeLoginItem.h"
#include "platform/fakes/FakeMemoryPressure.h"
#include "platform/fakes/FakeOnDeviceModel.h"
#include "platform/fakes/FakePowerSource.h"
#include "platform/fakes/FakeScreenCaptureAccess.h"
#include "platform/fakes/FakeSessionEnd.h"
#include "platform/fakes/FakeSingleInstance.h"
#include "platform/fakes/FakeSpellChecker.h"
#include "platform/fakes/FakeWorkspace.h"

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
    static constexpr qint64 ownPid = 4242;
    static constexpr qint64 editorPid = 500;

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

    VirtualClock clock;
    ScopedSharedClock sharedClock{clock};
    FakeDefaults defaults;
    ScopedStandardDefaults sharedDefaults{defaults};
    FakeAccessibility ax;
    ScopedFakeAccessibility sharedAx{ax};
    FakeActiveApp activeApp;
    FakeWorkspace workspace;
    FakeKeyTapSource tapSource;
    FakeKeychain keychain;
    ScopedSharedKeychain sharedKeychain{keychain};
    FakeClipboard clipboard;
    FakeKeySynth keySynth;
    FakeAccessibilityAccess access;
    FakeScreenCaptureAccess capture;
    FakeDesktopSettings desktopSettings;
    FakeLoginItem loginItem;
    FakePowerSource powerSource;
    FakeSpellChecker spelling;
    FakeOnDeviceModel onDevice;
    FakeMemoryPressure* pressure = nullptr;
    int pressureSources = 0;
    QTemporaryDir folder;
    std::unique_ptr<AppModel> model;
};

} // namespace tq
