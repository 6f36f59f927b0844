#include "platform/Platform.h"

#include "platform/AccessibilityAccess.h"
#include "platform/ActiveApp.h"
#include "platform/AtSpiAccessibility.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Crypto.h"
#include "platform/Defaults.h"
#include "platform/DesktopSettings.h"
#include "platform/DiskSpace.h"
#include "platform/InstalledApps.h"
#include "platform/KeyNames.h"
#include "platform/Keychain.h"
#include "platform/LoginItem.h"
#include "platform/MemoryPressure.h"
#include "platform/OnDeviceModel.h"
#include "platform/OverlayWindow.h"
#include "platform/PowerSource.h"
#include "platform/ReduceMotion.h"
#include "platform/Screen.h"
#include "platform/ScreenCaptureAccess.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"
#include "platform/PointerWatcher.h"
#include "platform/SpellChecker.h"
#include "platform/TextRecognition.h"
#include "platform/TrayHost.h"
#include "platform/UserAccount.h"
#include "platform/WindowCapture.h"
#include "platform/WindowList.h"
#include "platform/Workspace.h"
#include "platform/X11ActiveApp.h"
#include "platform/XInputKeyTap.h"
#include "platform/XTestInjectedKeys.h"
#include "platform/XTestKeySynth.h"

namespace tq {

namespace {
// The service in `slot`, made by `make` the first time it is asked for.
template <typename T, typename Make>
T& made(std::recursive_mutex& lock, std::unique_ptr<T>& slot, Make make)
{
    const std::lock_guard guard(lock);
    if (!slot)
        slot = make();
    return *slot;
}
} // namespace

SystemPlatform::SystemPlatform() : injectedKeys_(std::make_unique<InjectedKeys>()) {}

SystemPlatform::~SystemPlatform()
{
    // The services that run threads or hold connections stop before the ones they use.
    trayHost_.reset();
    sessionEnd_.reset();
    singleInstance_.reset();
    keyTapSource_.reset();
    textRecognition_.reset();
    memoryPressure_.reset();
    reduceMotion_.reset();
    workspace_.reset();
    accessibility_.reset();
}

Clock& SystemPlatform::clock()
{
    return made(made_, clock_, [] { return std::make_unique<SystemClock>(); });
}

Defaults& SystemPlatform::defaults()
{
    return made(made_, defaults_, [this] { return std::make_unique<JsonFileDefaults>(clock()); });
}

Accessibility& SystemPlatform::accessibility()
{
    return made(made_, accessibility_, [this] { return std::make_unique<AtSpiAccessibility>(accessibilityAccess()); });
}

AccessibilityAccess& SystemPlatform::accessibilityAccess()
{
    return made(made_, accessibilityAccess_, [] { return std::make_unique<AtSpiAccessibilityAccess>(); });
}

ActiveApp& SystemPlatform::activeApp()
{
    return made(made_, activeApp_, [] { return std::make_unique<X11ActiveApp>(); });
}

Workspace& SystemPlatform::workspace()
{
    return made(made_, workspace_, [this] { return Workspace::createSystem(activeApp(), clock()); });
}

WindowList& SystemPlatform::windowList()
{
    return made(made_, windowList_, [this] { return WindowList::createSystem(screenGeometry()); });
}

WindowCapture& SystemPlatform::windowCapture()
{
    return made(made_, windowCapture_, [] { return WindowCapture::createSystem(); });
}

TextRecognition& SystemPlatform::textRecognition()
{
    return made(made_, textRecognition_, [] { return TextRecognition::createSystem(); });
}

ScreenGeometry& SystemPlatform::screenGeometry()
{
    return made(made_, screenGeometry_, [] { return ScreenGeometry::createSystem(); });
}

OverlayScreens& SystemPlatform::overlayScreens()
{
    return made(made_, overlayScreens_, [] { return OverlayScreens::createSystem(); });
}

ScreenCaptureAccess& SystemPlatform::screenCaptureAccess()
{
    return made(made_, screenCaptureAccess_, [] { return std::make_unique<X11ScreenCaptureAccess>(); });
}

KeyTapSource& SystemPlatform::keyTapSource()
{
    return made(made_, keyTapSource_, [this] { return std::make_unique<XInputKeyTap>(*injectedKeys_); });
}

PointerWatcher& SystemPlatform::pointerWatcher()
{
    return made(made_, pointerWatcher_, [] { return PointerWatcher::createSystem(); });
}

KeySynth& SystemPlatform::keySynth()
{
    return made(made_, keySynth_, [this] { return std::make_unique<XTestKeySynth>(clock(), *injectedKeys_); });
}

KeyLayout& SystemPlatform::keyLayout()
{
    return made(made_, keyLayout_, [this] { return std::make_unique<XkbKeyLayout>(clock()); });
}

Clipboard& SystemPlatform::clipboard()
{
    return made(made_, clipboard_, [] { return Clipboard::createSystem(); });
}

KeychainService& SystemPlatform::keychain()
{
    return made(made_, keychain_, [] { return std::make_unique<SecretServiceKeychain>(); });
}

Crypto& SystemPlatform::crypto()
{
    return made(made_, crypto_, [] { return std::make_unique<OpenSslCrypto>(); });
}

SpellChecker& SystemPlatform::spellChecker()
{
    return made(made_, spellChecker_, [] { return std::make_unique<EnchantSpellChecker>(EnchantSpellChecker::sessionLanguages()); });
}

PowerSource& SystemPlatform::powerSource()
{
    return made(made_, powerSource_, [] { return std::make_unique<SysfsPowerSource>(); });
}

MemoryPressure& SystemPlatform::memoryPressure()
{
    return made(made_, memoryPressure_, [this] { return std::make_unique<LinuxMemoryPressure>(clock()); });
}

DiskSpace& SystemPlatform::diskSpace()
{
    return made(made_, diskSpace_, [] { return DiskSpace::createSystem(); });
}

LoginItem& SystemPlatform::loginItem()
{
    return made(made_, loginItem_, [] { return std::make_unique<XdgAutostartItem>(); });
}

DesktopSettings& SystemPlatform::desktopSettings()
{
    return made(made_, desktopSettings_, [] { return std::make_unique<XdgDesktopSettings>(); });
}

UserAccount& SystemPlatform::userAccount()
{
    return made(made_, userAccount_, [] { return UserAccount::createSystem(); });
}

OnDeviceModel& SystemPlatform::onDeviceModel()
{
    return made(made_, onDeviceModel_, [] { return OnDeviceModel::createSystem(); });
}

ReduceMotion& SystemPlatform::reduceMotion()
{
    return made(made_, reduceMotion_, [] { return std::make_unique<SystemReduceMotion>(); });
}

SingleInstance& SystemPlatform::singleInstance()
{
    return made(made_, singleInstance_, [] { return std::make_unique<LocalSocketInstance>(); });
}

SessionEnd& SystemPlatform::sessionEnd()
{
    return made(made_, sessionEnd_, [] { return std::make_unique<LinuxSessionEnd>(); });
}

TrayHost& SystemPlatform::trayHost()
{
    return made(made_, trayHost_, [] { return std::make_unique<DesktopTrayHost>(); });
}

InstalledApps& SystemPlatform::installedApps()
{
    return made(made_, installedApps_, [] { return std::make_unique<XdgInstalledApps>(); });
}

} // namespace tq
