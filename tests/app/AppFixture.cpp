#include "AppFixture.h"

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
    access.trusted = true;
    workspace.own = kOwnPid;
    activeApp.running[kEditorPid] = RunningApplication{kEditorPid, QStringLiteral("org.example.Editor"), QStringLiteral("Editor")};
    activeApp.running[kOwnPid] = RunningApplication{kOwnPid, QStringLiteral("tessaquill"), QStringLiteral("Tessaquill")};
    activeApp.frontmost = kEditorPid;
    ax.apps[kEditorPid] = makeFakeElement(kEditorPid, QStringLiteral("AXApplication"))->element();
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
            return k != ProviderStatus::Kind::unknown && k != ProviderStatus::Kind::checking;
        };
        while (waited.elapsed() < 5000 && !(done(EngineKind::builtIn) && done(EngineKind::apple) &&
                                             done(EngineKind::ollama) && done(EngineKind::openAI))) {
            clock.advance(std::chrono::milliseconds(100));
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        QCoreApplication::processEvents();
    }
    model.reset();
}

AppModel& AppFixture::build(bool localOnly)
{
    AppOptions options;
    options.folder = folder.path();
    options.localOnly = localOnly;
    options.importEarlierProduct = false;
    options.ownPid = kOwnPid;
    model = std::make_unique<AppModel>(platform, options);
    return *model;
}

void AppFixture::bringToFront(qint64 pid)
{
    activeApp.activate(pid);
    QCoreApplication::processEvents();
}

} // namespace tq
