#include "DesktopSupport.h"
#include "support/FieldReading.h"

#include "input/TextInjector.h"
#include "platform/Platform.h"
#include "support/Wait.h"

#include <QBuffer>
#include <QClipboard>
#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace tq {
namespace {

QByteArray samplePng()
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(QColor(200, 40, 90));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Run in a child process: owns the clipboard (text and a PNG) like the user's application.
TEST(ClipboardHelper, Own)
{
    if (qEnvironmentVariable("TQ_CLIPBOARD_HELPER") != "own")
        GTEST_SKIP() << "helper for the paste test";
    auto* data = new QMimeData;
    data->setText("what the user copied");
    data->setData("image/png", samplePng());
    QGuiApplication::clipboard()->setMimeData(data);
    std::cout << "ready" << std::endl;
    QTest::qWait(20000);
}

// Run in a child process: prints the clipboard's text and the digest of its PNG.
TEST(ClipboardHelper, Read)
{
    if (qEnvironmentVariable("TQ_CLIPBOARD_HELPER") != "read")
        GTEST_SKIP() << "helper for the paste test";
    QTest::qWait(200);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    std::cout << "text=" << data->text().toStdString() << std::endl;
    std::cout << "png=" << QCryptographicHash::hash(data->data("image/png"), QCryptographicHash::Sha256).toHex().toStdString()
              << std::endl;
}

QProcess* startHelper(const QString& role)
{
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TQ_CLIPBOARD_HELPER", role);
    p->setProcessEnvironment(env);
    p->start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ClipboardHelper.*"});
    return p;
}

TEST(InjectorDesktop, TypedTextArrivesExactly)
{
    desktop::ZenityEntry field("TQ typing");
    ASSERT_TRUE(field.ready());
    SystemPlatform platform;
    TextInjector injector(platform.keySynth(), platform.clipboard(), platform.clock());
    const auto shows = [&](const QString& text) {
        return QTest::qWaitFor([&] { return desktoptest::readField(field.pid()).text == text; }, testwait::kPatience);
    };
    injector.type(QStringLiteral("héllo wörld 😀"));
    EXPECT_TRUE(shows(QStringLiteral("héllo wörld 😀"))) << desktoptest::readField(field.pid()).text.toStdString();
    injector.deleteBackward(2);
    injector.type(QStringLiteral("😀!"));
    EXPECT_TRUE(shows(QStringLiteral("héllo wörld😀!"))) << desktoptest::readField(field.pid()).text.toStdString();
    EXPECT_EQ(field.finish(), QStringLiteral("héllo wörld😀!"));
}

TEST(InjectorDesktop, HeldModifiersDoNotMixIntoTypedKeys)
{
    desktop::ZenityEntry field("TQ held modifiers");
    ASSERT_TRUE(field.ready());
    desktop::run("xdotool", {"type", "start "});
    desktop::run("xdotool", {"keydown", "ctrl"}); // the user still holds Ctrl after a shortcut
    SystemPlatform platform;
    TextInjector injector(platform.keySynth(), platform.clipboard(), platform.clock());
    injector.type("ab");
    desktop::settle(200);
    desktop::run("xdotool", {"keyup", "ctrl"});
    EXPECT_EQ(field.finish(), "start ab");
}

TEST(InjectorDesktop, PasteArrivesAndTheClipboardComesBack)
{
    std::unique_ptr<QProcess> owner(startHelper("own"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return owner->readAllStandardOutput().contains("ready"); }, testwait::kPatience));
    desktop::settle(200);

    desktop::ZenityEntry field("TQ paste");
    ASSERT_TRUE(field.ready());
    SystemPlatform platform;
    TextInjector injector(platform.keySynth(), platform.clipboard(), platform.clock());
    injector.paste(QStringLiteral("pasted wörds"));
    EXPECT_TRUE(injector.restorePending());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !injector.restorePending(); }, testwait::kPatience));
    EXPECT_EQ(field.finish(), QStringLiteral("pasted wörds"));

    std::unique_ptr<QProcess> reader(startHelper("read"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return reader->state() == QProcess::NotRunning; }, testwait::kPatience));
    const QString out = QString::fromUtf8(reader->readAllStandardOutput());
    EXPECT_TRUE(out.contains("text=what the user copied")) << out.toStdString();
    const QString png = QCryptographicHash::hash(samplePng(), QCryptographicHash::Sha256).toHex();
    EXPECT_TRUE(out.contains("png=" + png)) << out.toStdString();
    owner->kill();
    owner->waitForFinished(2000);
}

} // namespace
} // namespace tq
