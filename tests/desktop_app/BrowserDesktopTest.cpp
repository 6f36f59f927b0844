// Firefox ESR with a fresh profile and no network, its accessibility on through the session's
// AT-SPI bus: a textarea on a page served from 127.0.0.1 gets the first-run program's ghost,
// Tab and the key above Tab insert it, and the page's text reaches the prompt as context.

#include "RealProgram.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tq {

using namespace realprogram;

namespace {

// No network beyond 127.0.0.1, nothing shown on a first start, no updates or reports.
const char* const kUserPrefs = R"(user_pref("network.proxy.type", 1);
user_pref("network.proxy.http", "127.0.0.1");
user_pref("network.proxy.http_port", 9);
user_pref("network.proxy.ssl", "127.0.0.1");
user_pref("network.proxy.ssl_port", 9);
user_pref("network.proxy.no_proxies_on", "127.0.0.1");
user_pref("network.dns.disablePrefetch", true);
user_pref("network.captive-portal-service.enabled", false);
user_pref("network.connectivity-service.enabled", false);
user_pref("app.update.auto", false);
user_pref("app.normandy.enabled", false);
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("browser.safebrowsing.malware.enabled", false);
user_pref("browser.safebrowsing.phishing.enabled", false);
user_pref("browser.safebrowsing.downloads.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("datareporting.healthreport.uploadEnabled", false);
user_pref("toolkit.telemetry.enabled", false);
user_pref("extensions.update.enabled", false);
user_pref("browser.tabs.warnOnClose", false);
user_pref("browser.sessionstore.resume_from_crash", false);
)";

class Browser : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        if (QStandardPaths::findExecutable("firefox-esr").isEmpty())
            GTEST_SKIP() << "firefox-esr is not installed";
        ASSERT_TRUE(compositor.ready());
        program.serveNotesPage();
        QFile prefs(QDir(profile.path()).filePath("user.js"));
        ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
        prefs.write(kUserPrefs);
    }

    void TearDown() override
    {
        if (firefox.state() != QProcess::NotRunning) {
            firefox.kill();
            firefox.waitForFinished(5000);
        }
    }

    QString shot(const QString& stem) const { return stem + (GetParam() ? "-xcompmgr.png" : "-plain.png"); }

    Compositor compositor{GetParam()};
    Program program{" world is wide"};
    QTemporaryDir profile;
    QProcess firefox;
};

} // namespace

TEST_P(Browser, TextareaGetsTheGhostAndThePageAsContext)
{
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MOZ_CRASHREPORTER_DISABLE", "1");
    env.insert("GDK_BACKEND", "x11");
    firefox.setProcessEnvironment(env);
    firefox.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    firefox.start("firefox-esr", {"--no-remote", "--new-instance", "--profile", profile.path(), "--width", "1000", "--height",
                                  "700", program.server.base() + "/notes.html"});
    ASSERT_TRUE(firefox.waitForStarted(10000));
    const QString window =
        QString::fromUtf8(run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "Harbour notes"}, 60000)).split('\n').value(0).trimmed();
    ASSERT_FALSE(window.isEmpty()) << "Firefox showed no window";
    run("xdotool", {"windowactivate", "--sync", window});
    // The screen is read when a field takes focus, so the page's text is painted first: dark
    // pixels in the window's lower half, where the heading and paragraph stand.
    const QRect w = windowGeometry(window);
    const QRect text(w.x(), w.y() + w.height() / 2, w.width() * 4 / 5, w.height() * 3 / 10);
    const bool painted = waitFor(
        [&] {
            const QImage grab = screenshot(shot("browser-page"));
            int dark = 0;
            for (int y = text.top(); y <= text.bottom() && y < grab.height(); y += 2)
                for (int x = std::max(text.left(), 0); x <= text.right() && x < grab.width(); x += 2)
                    dark += qGray(grab.pixel(x, y)) < 100;
            return dark > 100;
        }, testwait::kPatience);
    ASSERT_TRUE(painted) << "Firefox did not paint the page";
    run("xdotool", {"mousemove", QString::number(w.x() + 200), QString::number(w.y() + 200), "click", "1"});
    const bool focusedField = waitFor([&] { return readField(firefox.processId()).ok; }, testwait::kPatience);
    ASSERT_TRUE(focusedField) << "the textarea is not reachable over accessibility\n" << program.log().toStdString();
    // Focus starts the screen read; under load it can outlast the typing below.
    ASSERT_TRUE(waitFor([&] { return program.log().contains("screen read: "); }, testwait::kPatience)) << program.log().toStdString();

    run("xdotool", {"type", "--delay", "60", "Hello "});
    const bool ghostShown = waitFor([&] { return bool(program.ghost()); }, testwait::kPatience);
    if (!ghostShown)
        screenshot(shot("browser-no-ghost"));
    ASSERT_TRUE(ghostShown) << program.log().toStdString();
    const std::optional<QRect> ghost = program.ghost();
    ASSERT_TRUE(ghost);
    // Measured once the ghost's ink is on screen: a loaded desktop paints it late.
    FieldState field;
    RowPixels px;
    waitFor([&] {
        field = readField(firefox.processId());
        px = field.ok ? measureRow(screenshot(shot("browser-ghost")), *ghost, field.lineStartX, field.caretX) : RowPixels();
        return px.greyGhostPixels > 40 && px.typedGlyphHeight > 4; // a read of the field may fail while it settles
    }, testwait::kPatience);
    EXPECT_GT(px.greyGhostPixels, 40);
    EXPECT_LT(px.longestDarkRun, 12);
    ASSERT_GT(px.typedGlyphHeight, 4);
    EXPECT_NEAR(px.ghostGlyphHeight, px.typedGlyphHeight, 0.1 * px.typedGlyphHeight);

    // The page's own text went out with the request (the screen source is on by default).
    EXPECT_TRUE(program.prompts().contains("seventeen herons")) << program.prompts().left(2000).toStdString();

    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return readField(firefox.processId()).text.trimmed() == QStringLiteral("Hello world"); }, testwait::kPatience))
        << readField(firefox.processId()).text.toStdString();
    run("xdotool", {"key", "grave"});
    EXPECT_TRUE(waitFor([&] { return readField(firefox.processId()).text == QStringLiteral("Hello world is wide"); }, testwait::kPatience))
        << readField(firefox.processId()).text.toStdString();
    screenshot(shot("browser-accepted"));
}

INSTANTIATE_TEST_SUITE_P(Desktop, Browser, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "xcompmgr" : "noCompositor"; });

} // namespace tq
