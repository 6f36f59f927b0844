#include "platform/WebRuntime.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace tq;
using namespace tq::webruntime;

namespace {
const QStringList kZygote{QStringLiteral("/usr/lib/x/x"), QStringLiteral("--type=zygote")};
} // namespace

TEST(WebRuntime, ProcessesAreToldApartByWhatTheyShow)
{
    const struct {
        const char* what;
        ProcessFacts facts;
        WebRuntime kind;
    } cases[] = {
        {"Debian's chromium", {QStringLiteral("/usr/lib/chromium/chromium"), {}, {}, {}, {}, QStringLiteral("Chromium")}, WebRuntime::chromium},
        {"Chrome by desktop id", {QStringLiteral("/opt/google/chrome/chrome-bin"), {}, {}, {}, {}, QStringLiteral("google-chrome")}, WebRuntime::chromium},
        {"a Flatpak browser", {QStringLiteral("/app/brave/brave-x"), {}, {}, {}, {}, QStringLiteral("com.brave.Browser")}, WebRuntime::chromium},
        {"any program with Chromium helpers", {QStringLiteral("/opt/spotify/spotify"), {}, {kZygote}, {}, {}, QStringLiteral("spotify")}, WebRuntime::chromium},
        {"an app.asar beside", {QStringLiteral("/usr/lib/slack/slack"), {}, {kZygote}, {}, {QStringLiteral("app.asar")}, QStringLiteral("slack")}, WebRuntime::electron},
        {"the electron binary", {QStringLiteral("/usr/lib/electron25/electron"), {QStringLiteral("electron"), QStringLiteral("/usr/lib/code/out/main.js")}, {}, {}, {}, QStringLiteral("code")}, WebRuntime::electron},
        {"an .asar argument", {QStringLiteral("/usr/bin/node-ish"), {QStringLiteral("x"), QStringLiteral("/usr/lib/obsidian/app.asar")}, {}, {}, {}, QString()}, WebRuntime::electron},
        {"libelectron mapped", {QStringLiteral("/usr/lib/app/app"), {}, {}, {QStringLiteral("libelectron.so")}, {}, QString()}, WebRuntime::electron},
        {"VS Code's unpacked app", {QStringLiteral("/usr/share/code/code"), {}, {kZygote}, {}, {QStringLiteral("app")}, QStringLiteral("code")}, WebRuntime::electron},
        {"a resources/app folder alone", {QStringLiteral("/opt/game/game"), {}, {}, {}, {QStringLiteral("app")}, QString()}, WebRuntime::none},
        {"Firefox's content processes", {QStringLiteral("/usr/lib/firefox-esr/firefox-esr"), {}, {{QStringLiteral("firefox-esr"), QStringLiteral("-contentproc")}}, {}, {}, QStringLiteral("firefox-esr")}, WebRuntime::none},
        {"a GTK editor", {QStringLiteral("/usr/bin/gnome-text-editor"), {}, {}, {QStringLiteral("libgtk-4.so.1")}, {}, QStringLiteral("org.gnome.TextEditor")}, WebRuntime::none},
    };
    for (const auto& c : cases)
        EXPECT_EQ(classify(c.facts), c.kind) << c.what;
}

TEST(WebRuntime, CommandsComeFromDesktopEntriesWithoutFieldCodes)
{
    const struct {
        const char* exec;
        const char* command;
    } cases[] = {
        {"/usr/bin/chromium %U", "/usr/bin/chromium"},
        {"/usr/share/code/code --unity-launch %F", "/usr/share/code/code --unity-launch"},
        {"/usr/bin/flatpak run --branch=stable --command=brave com.brave.Browser @@u %U @@", "/usr/bin/flatpak run --branch=stable --command=brave com.brave.Browser"},
        {"env LEVEL=100%% slack %u", "env LEVEL=100% slack"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(commandFromExec(QString::fromUtf8(c.exec)), QString::fromUtf8(c.command)) << c.exec;
}

TEST(WebRuntime, ThisTestProgramIsNoWebRuntime)
{
    const qint64 own = QCoreApplication::applicationPid();
    EXPECT_EQ(detect(own, QStringLiteral("tq_tests_platform")), WebRuntime::none);
    EXPECT_FALSE(readProcess(own, QString(), true).libraries.isEmpty());
    EXPECT_EQ(detect(own, QString()), WebRuntime::none); // remembered
}
