#pragma once
// The real program in a desktop test: a home of its own (settings, data and runtime folders),
// a fake OpenAI-compatible server answering every completion with one reply, the process
// started with accessibility on and ended with the test, its log and its visible windows.

#include "engines/EngineTestSupport.h"
#include "support/AtSpi.h"
#include "support/Desktop.h"
#include "support/RivalLock.h"
#include "support/Wait.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace tq::desktoptest {

// Settings that keep a desktop test to its point: the engine at `serverURL` answering at once,
// none of the extras that change what the screen shows (key hint, fixes, screen and recent
// context). A first run still: the onboarding opens.
inline QJsonObject quietSettings(const QString& serverURL)
{
    return QJsonObject{{"engine", "openAI"},         {"serverURL", serverURL},   {"serverModel", "fixed"},
                       {"delayMilliseconds", 0.0},   {"showKeyHint", false},     {"suggestFixes", false},
                       {"contextScreen", false},     {"contextRecent", false}};
}

// What a finished first run leaves, added to `values`: the onboarding and the intro seen and
// no reminder of a hidden tray icon.
inline QJsonObject firstRunDone(QJsonObject values)
{
    values.insert("onboardingDone", true);
    values.insert("introSeen", true);
    values.insert("remindHiddenIcon", false);
    return values;
}

class Program {
public:
    // Completions answer `reply`; the program's settings stay unwritten until writeSettings().
    explicit Program(const QByteArray& reply)
    {
        const auto answer = [reply](const test::FakeHttpServer::Request&) {
            const QJsonObject choice{{"text", QString::fromUtf8(reply)},
                                     {"index", 0},
                                     {"message", QJsonObject{{"role", "assistant"}, {"content", QString::fromUtf8(reply)}}},
                                     {"finish_reason", "stop"}};
            return test::FakeHttpServer::Response{200, QJsonDocument(QJsonObject{{"choices", QJsonArray{choice}}}).toJson()};
        };
        server.on("/v1/completions", answer);
        server.on("/v1/chat/completions", answer);
        server.reply("/v1/models", 200, R"({"data":[{"id":"fixed"}]})");
        const QDir dir(home.path());
        for (const char* d : {"data", "runtime", "config/Tessaquill"})
            dir.mkpath(QString::fromLatin1(d));
        QFile::setPermissions(dir.filePath("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    ~Program() { end(); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool isValid() const { return home.isValid(); }
    QString path(const QString& relative) const { return QDir(home.path()).filePath(relative); }
    QString settingsPath() const { return path("config/Tessaquill/com.morvenfax.tessaquill.json"); }
    QString serverURL() const { return server.base() + "/v1"; }

    bool writeSettings(const QJsonObject& values) const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(values).toJson()) > 0;
    }
    QJsonObject settings() const { return readJson("config/Tessaquill/com.morvenfax.tessaquill.json"); }
    // A JSON file of the home, empty when missing.
    QJsonObject readJson(const QString& relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
    }

    // The session's environment with the program's folders in the home, accessibility on, on
    // the session's display, its servers reachable.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", path("config"));
        env.insert("XDG_DATA_HOME", path("data"));
        env.insert("XDG_RUNTIME_DIR", path("runtime"));
        env.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        env.remove("TESSAQUILL_LOCAL_ONLY");
        env.remove("QT_QPA_PLATFORM");
        env.remove("NO_AT_BRIDGE");
        return env;
    }
    bool start(const QStringList& args = {}) { return start(args, environment()); }
    bool start(const QStringList& args, const QProcessEnvironment& env)
    {
        if (!rivals_)
            rivals_.emplace(RivalLock::Mode::shared); // no competing program starts meanwhile
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), args);
        const bool started = process.waitForStarted(5000);
        pid_ = process.processId();
        return started;
    }
    void end()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
    // Ready once the key tap runs.
    bool waitUntilRunning()
    {
        return testwait::waitFor([&] { return log().contains("system-wide start: tap running 1"); }, testwait::kPatience);
    }
    // What a failure message shows of the program: whether it runs, its visible windows, its
    // windows over accessibility with the names they show, and the tail of its log.
    std::string seen()
    {
        std::string out;
        if (process.state() == QProcess::NotRunning)
            out = process.exitStatus() == QProcess::CrashExit ? "the program crashed\n"
                                                               : "the program has ended (exit code " + std::to_string(process.exitCode()) + ")\n";
        // The whole log beside the screenshots: its tail below may miss how it began.
        const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
        QDir().mkpath(dir);
        QFile whole(QDir(dir).filePath(QStringLiteral("program-%1.log").arg(pid())));
        if (whole.open(QIODevice::WriteOnly))
            whole.write(log().toUtf8());
        out += "whole log: " + whole.fileName().toStdString() + "\n";
        out += "visible windows:";
        for (const QString& w : windows())
            out += " " + w.toStdString() + " \"" + QString::fromUtf8(testwait::run("xdotool", {"getwindowname", w})).trimmed().toStdString() + "\"";
        out += "\n" + describeApplication(pid()) + "log (last lines):\n" + testwait::tail(log());
        return out;
    }
    // Polls `done`; a failure says what was awaited and what the program showed last.
    ::testing::AssertionResult until(const std::string& what, const std::function<bool()>& done,
                                     int timeoutMs = testwait::kPatience)
    {
        return testwait::until(what, done, [this] { return seen(); }, timeoutMs);
    }
    // The first showing control of the program named `name` (and of `role`), awaited into `found`.
    ::testing::AssertionResult control(const QString& name, Node& found, AtspiRole role = ATSPI_ROLE_INVALID,
                                       int timeoutMs = testwait::kPatience)
    {
        atspi_init();
        return until("a control named \"" + name.toStdString() + "\"",
                     [&] {
                         Node app = application(pid());
                         found = app ? find(app.p, name, role) : Node();
                         return bool(found);
                     },
                     timeoutMs);
    }
    // A visible window of the program titled exactly `title`, awaited into `window`.
    ::testing::AssertionResult window(const QString& title, QString& window, int timeoutMs = testwait::kPatience)
    {
        return until("a window titled \"" + title.toStdString() + "\"",
                     [&] { return !(window = windowTitled(title, pid())).isEmpty(); }, timeoutMs);
    }
    QString log()
    {
        log_ += process.readAllStandardError();
        log_ += process.readAllStandardOutput();
        return QString::fromUtf8(log_);
    }
    qint64 pid() const { return process.processId() > 0 ? process.processId() : pid_; } // kept once it ends
    QStringList windows() const { return visibleWindows(pid()); }

    // Completion requests the server was sent, and their bodies joined.
    qsizetype completions() const
    {
        return server.requestsTo("/v1/completions").size() + server.requestsTo("/v1/chat/completions").size();
    }
    bool asked() const { return completions() > 0; }
    QByteArray prompts() const
    {
        QByteArray out;
        for (const auto& r : server.requests())
            if (r.path.endsWith("completions"))
                out += r.body + "\n";
        return out;
    }

    QTemporaryDir home;
    test::FakeHttpServer server;
    QProcess process;

private:
    QByteArray log_;
    qint64 pid_ = 0;
    std::optional<RivalLock> rivals_;
};

} // namespace tq::desktoptest
