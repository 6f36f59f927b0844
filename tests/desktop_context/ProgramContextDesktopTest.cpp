// Screen context in the running program: a window whose title carries an unsaved document's
// mark gets its screen text into the prompt, and a large page read meanwhile never keeps the
// accept key from the ghost.
#include "desktop_app/RealProgram.h"
#include "support/DesktopApp.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tq {

using namespace realprogram;

namespace {

// The program with screen and recent context on, answering `reply`.
struct ContextProgram : Program {
    explicit ContextProgram(const QByteArray& reply) : Program(reply)
    {
        QJsonObject s = settings();
        s.insert("contextScreen", true);
        s.insert("contextRecent", true);
        writeSettings(s);
    }
};

bool skipWithoutSession()
{
    return qEnvironmentVariableIsEmpty("DISPLAY");
}

} // namespace

TEST(ProgramContext, ScreenTextReachesThePromptOfAMarkedMousepad)
{
    if (skipWithoutSession() || QStandardPaths::findExecutable("mousepad").isEmpty())
        GTEST_SKIP() << "needs the desktop session and Mousepad";
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("notes.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Harbour log\n");
    f.close();
    // The document is changed before the program starts: the first window it sees is marked.
    desktoptest::DesktopApp mousepad(QStringLiteral("mousepad"), {path}, {{"XDG_CONFIG_HOME", dir.filePath("config")}});
    const QString window =
        QString::fromUtf8(run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "notes.txt"}, 30000)).split('\n').value(0).trimmed();
    ASSERT_FALSE(window.isEmpty()) << "Mousepad showed no window";
    run("xdotool", {"windowactivate", "--sync", window});
    run("xdotool", {"key", "ctrl+End"});
    run("xdotool", {"type", "--delay", "30", "The herons "});
    ASSERT_TRUE(waitFor([&] { return windowGeometry(window).isValid() && run("xdotool", {"getwindowname", window}).startsWith("*"); }, testwait::kPatience));

    ContextProgram program(" came back");
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    run("xdotool", {"windowactivate", "--sync", window});
    ASSERT_TRUE(waitFor([&] { return program.log().contains("screen read: "); }, testwait::kPatience)) << program.log().toStdString();
    run("xdotool", {"type", "--delay", "60", "flew "});
    ASSERT_TRUE(waitFor([&] { return program.asked(); }, testwait::kPatience)) << program.log().toStdString();
    const QByteArray prompts = program.prompts();
    EXPECT_TRUE(prompts.contains("[On screen]") || prompts.contains("Text visible on screen")) << prompts.left(3000).toStdString();
    screenshot("context-marked-mousepad.png");
}

TEST(ProgramContext, TabDuringTheReadOfALargePageAccepts)
{
    if (skipWithoutSession() || QStandardPaths::findExecutable("firefox-esr").isEmpty())
        GTEST_SKIP() << "needs the desktop session and firefox-esr";
    ContextProgram program(" world is wide");
    program.server.on("/large.html", [](const test::FakeHttpServer::Request&) {
        QByteArray html = R"(<!doctype html><html><head><meta charset="utf-8"><title>Large notes</title></head>
<body style="font-family: sans-serif; margin: 40px"><textarea style="width: 600px; height: 240px"></textarea>)";
        for (int i = 0; i < 10000; ++i)
            html += "<p>Paragraph " + QByteArray::number(i) + " of the harbour master's report on the herons.</p>";
        test::FakeHttpServer::Response r{200, html + "</body></html>"};
        r.contentType = "text/html; charset=utf-8";
        return r;
    });
    QTemporaryDir profile;
    QFile prefs(QDir(profile.path()).filePath("user.js"));
    ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
    prefs.write(R"(user_pref("network.proxy.type", 1);
user_pref("network.proxy.http", "127.0.0.1");
user_pref("network.proxy.http_port", 9);
user_pref("network.proxy.no_proxies_on", "127.0.0.1");
user_pref("app.update.auto", false);
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
)");
    prefs.close();
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();

    QProcess firefox;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MOZ_CRASHREPORTER_DISABLE", "1");
    env.insert("GDK_BACKEND", "x11");
    firefox.setProcessEnvironment(env);
    firefox.start("firefox-esr", {"--no-remote", "--new-instance", "--profile", profile.path(), "--width", "1000", "--height", "700",
                                  program.server.base() + "/large.html"});
    ASSERT_TRUE(firefox.waitForStarted(10000));
    const auto end = qScopeGuard([&] {
        firefox.kill();
        firefox.waitForFinished(5000);
    });
    const QString window =
        QString::fromUtf8(run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "Large notes"}, 60000)).split('\n').value(0).trimmed();
    ASSERT_FALSE(window.isEmpty()) << "Firefox showed no window";
    run("xdotool", {"windowactivate", "--sync", window});
    // The page laid out and painted: the paragraphs' dark ink below the textarea.
    const QRect w = windowGeometry(window);
    const QRect text(w.x(), w.y() + w.height() / 2, w.width() * 4 / 5, w.height() * 3 / 10);
    ASSERT_TRUE(program.until("the page painted", [&] {
        const QImage grab = screenshot("context-large-page.png");
        int dark = 0;
        for (int y = text.top(); y <= text.bottom() && y < grab.height(); y += 2)
            for (int x = std::max(text.left(), 0); x <= text.right() && x < grab.width(); x += 2)
                dark += qGray(grab.pixel(x, y)) < 100;
        return dark > 100;
    }));
    // Entering the field starts the read of the page; the typing and the Tab follow at once.
    const qsizetype beforeFocus = program.log().size();
    run("xdotool", {"mousemove", QString::number(w.x() + 200), QString::number(w.y() + 200), "click", "1"});
    const bool focused = waitFor([&] { return readField(firefox.processId()).ok; }, testwait::kPatience);
    if (!focused)
        screenshot("context-large-page-unfocused.png");
    ASSERT_TRUE(focused) << program.seen();
    run("xdotool", {"type", "--delay", "40", "Hello "});
    ASSERT_TRUE(program.until("the ghost", [&] { return bool(program.ghost()); }));
    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return readField(firefox.processId()).text.trimmed() == QStringLiteral("Hello world"); }, testwait::kPatience))
        << readField(firefox.processId()).text.toStdString();
    EXPECT_FALSE(readField(firefox.processId()).text.contains('\t'));
    // The Tab fell during the read: its accept is logged before the read's end.
    ASSERT_TRUE(program.until("the read's end", [&] { return program.log().indexOf("screen read: ", beforeFocus) >= 0; }));
    const QString log = program.log();
    const qsizetype accepted = log.indexOf("accept next: ", beforeFocus);
    ASSERT_GE(accepted, 0) << program.seen();
    // The read takes what the screen shows, so it may end before the ghost does: then this run
    // says it checked nothing rather than pass.
    if (accepted > log.indexOf("screen read: ", beforeFocus))
        GTEST_SKIP() << "the read ended before the Tab";
    screenshot("context-large-page-accepted.png");
}

} // namespace tq
