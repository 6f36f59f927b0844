#include "AppFixture.h"

#include "platform/ActiveApp.h"
#include "platform/Clipboard.h"
#include "platform/KeySynth.h"
#include "platform/KeyTapSource.h"
#include "platform/Workspace.h"
#include "settings/Preferences.h"

#include <QElapsedTimer>

namespace tq {

namespace {
LogLines* currentLog = nullptr;

void captureLine(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (currentLog)
        currentLog->lines << message;
}
} // namespace

LogLines::LogLines()
{
    currentLog = this;
    previous_ = qInstallMessageHandler(captureLine);
}

LogLines::~LogLines()
{
    qInstallMessageHandler(previous_);
    currentLog = nullptr;
}

AppFixture::AppFixture()
{
    ActiveApp::setShared(&activeApp);
    Workspace::setShared(&workspace);
    KeyTapSource::setShared(&tapSource);
    Clipboard::setShared(&clipboard);
    KeySynth::setShared(&keySynth);
    access.trusted = true;
    workspace.own = ownPid;
    activeApp.running[editorPid] = RunningApplication{editorPid, QStringLiteral("org.example.Editor"), QStringLiteral("Editor")};
    activeApp.running[ownPid] = RunningApplication{ownPid, QStringLiteral("tessaquill"), QStringLiteral("Tessaquill")};
    activeApp.frontmost = editorPid;
    ax.apps[editorPid] = makeFakeElement(editorPid, QStringLiteral("AXApplication"))->element();
    defaults.set(QStringLiteral("onboardingDone"), true);
    defaults.set(QStringLiteral("introSeen"), true);
}

AppFixture::~AppFixture()
{
    // The engines' status checks started by start() finish before the model goes away.
    if (model && model->isStarted()) {
        QElapsedTimer waited;
        waited.start();
        const auto done = [this](EngineKind kind) {
            const auto k = model->hub().status(kind).kind();
            return k != ProviderStatus::Kind::Unknown && k != ProviderStatus::Kind::Checking;
        };
        while (waited.elapsed() < 5000 && !(done(EngineKind::builtIn) && done(EngineKind::apple) &&
                                             done(EngineKind::ollama) && done(EngineKind::openAI))) {
            clock.advance(std::chrono::milliseconds(100));
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        QCoreApplication::processEvents();
    }
    model.reset();
    ActiveApp::setShared(nullptr);
    Workspace::setShared(nullptr);
    KeyTapSource::setShared(nullptr);
    Clipboard::setShared(nullptr);
    KeySynth::setShared(nullptr);
}

AppModel& AppFixture::build(bool localOnly)
{
    AppPlatform platform;
    platform.defaults = &defaults;
    platform.folder = folder.path();
    platform.permissions = [this] {
        return std::make_unique<Permissions>(access, capture, desktopSettings, loginItem, clock);
    };
    platform.power = &powerSource;
    platform.spelling = &spelling;
    platform.memoryPressure = [this] {
        ++pressureSources;
        auto source = std::make_unique<FakeMemoryPressure>();
        pressure = source.get();
        return source;
    };
    platform.onDevice = &onDevice;
    platform.localOnly = localOnly;
    platform.importEarlierProduct = false;
    platform.ownPid = ownPid;
    model = std::make_unique<AppModel>(platform);
    return *model;
}

void AppFixture::bringToFront(qint64 pid)
{
    activeApp.activate(pid);
    QCoreApplication::processEvents();
}

} // namespace tq
