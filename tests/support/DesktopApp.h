#pragma once
// A program started for a desktop test, with accessibility on, ended when the test ends.

#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace tq::desktoptest {

class DesktopApp {
public:
    DesktopApp(const QString& program, const QStringList& args, const QMap<QString, QString>& extra = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (auto it = extra.begin(); it != extra.end(); ++it)
            env.insert(it.key(), it.value());
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("NO_AT_BRIDGE"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, args);
        process.waitForStarted(5000);
    }
    ~DesktopApp()
    {
        process.kill();
        process.waitForFinished(3000);
    }
    qint64 pid() const { return process.processId(); }
    QProcess process;
};

inline void xdotool(const QStringList& args) { QProcess::execute(QStringLiteral("xdotool"), args); }

} // namespace tq::desktoptest
