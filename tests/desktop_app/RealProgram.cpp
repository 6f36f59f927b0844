#include "RealProgram.h"

#include "field/AXFieldSource.h"
#include "platform/Platform.h"
#include "platform/OverlayWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QScreen>
#include <QtTest/QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tq::realprogram {


QRect windowGeometry(const QString& window)
{
    const QString out = QString::fromUtf8(run("xdotool", {"getwindowgeometry", "--shell", window}));
    QHash<QString, int> v;
    for (const QString& line : out.split('\n')) {
        const auto parts = line.split('=');
        if (parts.size() == 2)
            v[parts[0]] = parts[1].toInt();
    }
    if (!v.contains("WIDTH"))
        return {};
    return QRect(v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]);
}

QString focusedWindow() { return QString::fromUtf8(run("xdotool", {"getwindowfocus"})).trimmed(); }

Compositor::Compositor(bool on)
{
    if (!on) {
        ready_ = !overlay::compositing();
        return;
    }
    process_.start("xcompmgr", {});
    ready_ = process_.waitForStarted(5000) && waitFor([] { return overlay::compositing(); }, 5000);
}

Compositor::~Compositor()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
    waitFor([] { return !overlay::compositing(); }, 3000);
}

Program::Program(const QByteArray& reply, const QString& base)
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
    dir.mkpath("data");
    dir.mkpath("runtime");
    QFile::setPermissions(dir.filePath("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    dir.mkpath("config/Tessaquill");
    // What a first run leaves: the engine and its address, the first-run windows done.
    QFile settings(dir.filePath("config/Tessaquill/com.morvenfax.tessaquill.json"));
    if (settings.open(QIODevice::WriteOnly))
        settings.write(QJsonDocument(QJsonObject{{"onboardingDone", true},
                                                 {"introSeen", true},
                                                 {"remindHiddenIcon", false},
                                                 {"engine", "openAI"},
                                                 {"serverURL", (base.isEmpty() ? server.base() : base) + "/v1"}})
                           .toJson());
}

Program::~Program()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(3000);
    }
}

void Program::start()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QDir dir(home.path());
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.insert("XDG_DATA_HOME", dir.filePath("data"));
    env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
    env.remove("TESSAQUILL_LOCAL_ONLY");
    env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {});
    process.waitForStarted(5000);
}

bool Program::waitUntilRunning()
{
    return waitFor([&] { return log().contains("system-wide start: tap running 1"); }, 15000);
}

QString Program::log()
{
    log_ += process.readAllStandardError();
    log_ += process.readAllStandardOutput();
    return QString::fromUtf8(log_);
}

QStringList Program::windows()
{
    return QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid())}))
        .split('\n', Qt::SkipEmptyParts);
}

std::optional<QRect> Program::ghost()
{
    const QStringList found = QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid()),
                                                                "--name", "^Tessaquill ghost$"}))
                                  .split('\n', Qt::SkipEmptyParts);
    if (found.isEmpty())
        return std::nullopt;
    const QRect r = windowGeometry(found.first());
    return r.isEmpty() ? std::nullopt : std::optional(r);
}

QByteArray Program::prompts() const
{
    QByteArray out;
    for (const auto& r : server.requests())
        if (r.path.endsWith("completions"))
            out += r.body + "\n";
    return out;
}

bool Program::asked() const
{
    return !server.requestsTo("/v1/completions").isEmpty() || !server.requestsTo("/v1/chat/completions").isEmpty();
}

FieldState readField(qint64 pid)
{
    // The test's own reading of the field, over the desktop's services.
    SystemPlatform platform;
    AXFieldSource source(nullptr, platform.accessibility(), platform.activeApp(), platform.screenGeometry(),
                         platform.clock());
    source.attach(pid);
    QTest::qWait(200);
    const auto snap = source.snapshot();
    if (!snap)
        return {};
    FieldState out;
    out.text = snap->before + snap->after;
    out.ok = true;
    if (snap->caretRect)
        out.caretX = int(std::lround(snap->caretRect->x()));
    out.lineStartX = int(std::lround(snap->lineStartX.value_or(snap->fieldFrame ? snap->fieldFrame->x() + 4 : out.caretX - 40)));
    return out;
}

Zenity::Zenity(Kind kind, const QString& title)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("GDK_BACKEND", "x11");
    process.setProcessEnvironment(env);
    if (kind == Kind::entry)
        process.start("zenity", {"--entry", "--title=" + title, "--text=Field"});
    else
        process.start("zenity", {"--text-info", "--editable", "--title=" + title, "--width=700", "--height=300"});
    window = QString::fromUtf8(run("xdotool", {"search", "--sync", "--name", "^" + title + "$"}, 15000)).split('\n').value(0).trimmed();
    if (window.isEmpty())
        return;
    run("xdotool", {"windowactivate", "--sync", window});
    run("xdotool", {"windowfocus", "--sync", window});
    if (kind == Kind::textView)
        run("xdotool", {"key", "ctrl+Home"});
    QTest::qWait(800); // the program attaches to the new front application
}

Zenity::~Zenity()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(3000);
    }
}

QImage screenshot(const QString& name)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QImage shot = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
    QDir().mkpath(dir);
    shot.save(QDir(dir).filePath(name));
    return shot;
}

RowPixels measureRow(const QImage& shot, const QRect& ghost, int lineStartX, int caretX)
{
    RowPixels out;
    const QRect area = ghost & shot.rect();
    if (area.isEmpty())
        return out;
    // The field's background: the commonest colour under the ghost window.
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    const auto ink = [&](QRgb p) {
        return std::max({std::abs(qRed(p) - qRed(background)), std::abs(qGreen(p) - qGreen(background)),
                         std::abs(qBlue(p) - qBlue(background))})
            > 48;
    };
    const auto inkHeight = [&](int from, int to) {
        int top = -1, bottom = -1;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = std::max(from, 0); x <= std::min(to, shot.width() - 1); ++x)
                if (ink(shot.pixel(x, y))) {
                    if (top < 0)
                        top = y;
                    bottom = y;
                }
        return top < 0 ? 0 : bottom - top + 1;
    };
    const int ghostFrom = caretX + 3;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int run = 0;
        for (int x = std::max(ghostFrom, area.left()); x <= area.right(); ++x) {
            const QRgb p = shot.pixel(x, y);
            const int r = qRed(p), g = qGreen(p), b = qBlue(p);
            const bool neutral = std::abs(r - g) < 20 && std::abs(g - b) < 20 && std::abs(r - b) < 20;
            if (ink(p) && neutral && r >= 70 && r <= 215)
                ++out.greyGhostPixels;
            run = r < 50 && g < 50 && b < 50 ? run + 1 : 0;
            out.longestDarkRun = std::max(out.longestDarkRun, run);
        }
    }
    out.typedGlyphHeight = inkHeight(lineStartX + 1, caretX - 3);
    // The first characters only: the key hint's keycap further right is taller than text.
    out.ghostGlyphHeight = inkHeight(ghostFrom, ghostFrom + std::max(8, int((area.right() - ghostFrom) * 0.4)));
    return out;
}

} // namespace tq::realprogram
