#include "app/Relaunch.h"

#include "app/AppModel.h"
#include "platform/Log.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

namespace tq {

AppRelauncher::AppRelauncher(AppModel& model, std::function<void()> quit, QString program)
    : model_(model), quit_(std::move(quit)), program_(std::move(program))
{
}

void AppRelauncher::flushStores()
{
    model_.flushStores();
}

bool AppRelauncher::startNewInstance(const QStringList& arguments, QString* error)
{
    QProcess process;
    process.setProgram(program_);
    process.setArguments(arguments);
    qint64 pid = 0;
    if (process.startDetached(&pid)) {
        log::info(QStringLiteral("relaunch: new instance started, process ") + QString::number(pid));
        return true;
    }
    log::warning(QStringLiteral("relaunch: the new instance did not start: ") + process.errorString());
    if (error)
        *error = process.errorString();
    return false;
}

void AppRelauncher::quit()
{
    QTimer::singleShot(0, qApp, [quit = quit_] {
        if (quit)
            quit();
        else
            QCoreApplication::quit();
    });
}

} // namespace tq
