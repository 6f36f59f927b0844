// Text recognised from a field's window is the window's own: a window of another program
// laid over part of it never reaches a prompt, with and without a compositing manager.
#include "desktop_app/RealProgram.h"
#include "field/AXElement.h"
#include "field/AXFieldSource.h"
#include "platform/Platform.h"

#include <QDir>
#include <QLabel>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tq {

using namespace realprogram;

namespace {

// The focused field of the process on screen (top-left coordinates), as accessibility has it.
QRect fieldRect(qint64 pid)
{
    SystemPlatform platform;
    AXFieldSource source(nullptr, platform.accessibility(), platform.activeApp(), platform.screenGeometry(), platform.clock());
    source.attach(pid);
    std::optional<FieldSnapshot> snap;
    waitFor([&] { return (snap = source.snapshot()) && snap->fieldFrame; }, 5000);
    return snap && snap->fieldFrame ? AXElement::appKitRect(*snap->fieldFrame, platform.screenGeometry()).toRect() : QRect();
}

class CoveredWindow : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        ASSERT_TRUE(compositor.ready()) << "compositing manager " << GetParam();
        QJsonObject s = program.settings();
        s.insert("contextScreen", true);
        program.writeSettings(s);
    }

    QString suffix() const { return GetParam() ? QStringLiteral("xcompmgr") : QStringLiteral("plain"); }

    Compositor compositor{GetParam()};
    Program program{" 42"};
};

} // namespace

TEST_P(CoveredWindow, TextOfAWindowOverTheFieldsWindowStaysOutOfThePrompt)
{
    Zenity field(Zenity::Kind::entry, "Covered", QProcessEnvironment::systemEnvironment(), {"--width=520"});
    ASSERT_TRUE(field.ready()) << field.problem;
    const QRect entry = fieldRect(field.pid());
    ASSERT_FALSE(entry.isEmpty());

    // A popup of another program over the row of the dialog's label, right above the entry,
    // there before the program first looks; the entry keeps the keyboard focus.
    QLabel popup(QStringLiteral("SECRET-123"));
    popup.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    popup.setAttribute(Qt::WA_ShowWithoutActivating);
    popup.setStyleSheet("background: white; color: black; font-size: 22px; padding: 2px");
    popup.setGeometry(entry.x() + 140, entry.y() - 36, 300, 34);
    popup.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
    ASSERT_TRUE(waitFor([&] { return focusedWindow() == field.window; }, 5000)) << describeWindow(focusedWindow());
    screenshot("covered-" + suffix() + ".png");

    // What the program's capture is given, kept beside the test's screenshots.
    const QString dumps = QDir(qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath())).filePath("covered-" + suffix());
    QDir(dumps).removeRecursively();
    QDir().mkpath(dumps);
    QProcessEnvironment env = program.environment();
    env.insert("TESSAQUILL_CAPTURE_DUMP", dumps);
    program.start({}, env);
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    ASSERT_TRUE(waitFor([&] { return program.log().contains("screen read: "); }, 20000)) << program.log().toStdString();

    run("xdotool", {"type", "--delay", "60", "The secret code is "});
    ASSERT_TRUE(waitFor([&] { return program.asked(); }, 15000)) << program.log().toStdString();
    screenshot("covered-" + suffix() + "-asked.png");

    // The window itself was captured, through the compositing manager's pixmap where one runs.
    const QStringList shots = QDir(dumps).entryList({GetParam() ? "capture-*-own.png" : "capture-*-screen.png"});
    EXPECT_FALSE(shots.isEmpty()) << QDir(dumps).entryList().join(' ').toStdString();
    const QByteArray prompts = program.prompts();
    EXPECT_TRUE(prompts.contains("[On screen]") || prompts.contains("Text visible on screen")) << prompts.left(3000).toStdString();
    EXPECT_FALSE(prompts.contains("SECRET")) << prompts.left(3000).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Compositing, CoveredWindow, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "xcompmgr" : "plain"; });

} // namespace tq
