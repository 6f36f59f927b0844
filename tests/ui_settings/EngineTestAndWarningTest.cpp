// The engine test's request and result texts, the remote warning over addresses as the server
// engines parse them, and the General pane's two slider labels.

#include "completion/EngineTest.h"
#include "engines/ProviderHub.h"
#include "platform/Clock.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeDiskSpace.h"
#include "platform/fakes/FakeKeychain.h"
#include "platform/fakes/FakeOnDeviceModel.h"
#include "settings/Preferences.h"
#include "stores/Keychain.h"
#include "ui/settings/EngineTestText.h"
#include "ui/settings/GeneralPane.h"
#include "ui/settings/RemoteWarning.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tq {

TEST(RemoteWarning, WarnsForEveryHostTheServerEnginesWouldSendTo)
{
    const QString network = QStringLiteral(" is another device on your network, so the text around your caret will be sent there.");
    const QString other = QStringLiteral(" isn't this computer, so the text around your caret will be sent there.");
    const struct {
        const char* address;
        QString expected;
    } cases[] = {
        {"http://10.0.0.5:1234/v1", QStringLiteral("10.0.0.5") + other},
        {"http://box.local:1234", QStringLiteral("box.local") + network},
        {"http://localhost:11434", {}},
        {"http://127.0.0.1:1234/v1", {}},
        {"http://[::1]:1234", {}},
        {"", {}},
        {"not an address", {}},
        // No scheme: the engines take it as http and send there, so it is warned.
        {"ollama.example.com:11434", QStringLiteral("ollama.example.com") + other},
        {"  https://gpu.example.org/v1\t", QStringLiteral("gpu.example.org") + other},
        {"localhost:11434", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(remoteWarningText(QString::fromUtf8(c.address)), c.expected) << c.address;
    // The warned host is the one the engine's request goes to.
    EXPECT_EQ(serverHost(QStringLiteral("ollama.example.com:11434")), QStringLiteral("ollama.example.com"));
}

TEST(EngineTestRun, RequestIsTheEnginesOwnForTenWords)
{
    const CompletionRequest r = enginetest::request(0.0, QStringLiteral("qwen"));
    EXPECT_TRUE(r.instructions.contains(QStringLiteral("Write at most 10 words and stop at a natural point.")));
    EXPECT_TRUE(r.prompt.contains(QStringLiteral("I'll review the draft tonight and")));
    EXPECT_TRUE(r.rawPrompt.endsWith(QStringLiteral("I'll review the draft tonight and")));
    EXPECT_EQ(r.maxTokens, 26);
    EXPECT_EQ(r.stop, QStringList{QStringLiteral("\n")});
    EXPECT_EQ(r.model, QStringLiteral("qwen"));
    EXPECT_TRUE(r.healLast);
    EXPECT_FALSE(r.spaceTyped);
    EXPECT_EQ(enginetest::sample().size(), 75);
    const struct {
        double creativity;
        double temperature;
    } temps[] = {{-1, 0.1}, {0, 0.1}, {0.5, 0.45}, {1, 0.8}, {3, 0.8}};
    for (const auto& t : temps)
        EXPECT_NEAR(enginetest::request(t.creativity, {}).temperature, t.temperature, 1e-9) << t.creativity;
}

// With no model yet and no on-device model, the test sends nothing and says why.
TEST(EngineTestRun, NothingIsSentWhileNoEngineCanAnswer)
{
    QTemporaryDir tmp;
    FakeDefaults defaults;
    Preferences prefs(defaults);
    prefs.setEngine(EngineKind::builtIn);
    FakeDiskSpace disk;
    FakeOnDeviceModel onDevice;
    onDevice.available = OnDeviceModel::Availability::deviceNotEligible;
    FakeKeychain keys;
    const Keychain keychain(keys);
    VirtualClock clock;
    ModelStore store(ModelSpec::builtIn(), tmp.filePath("Models"), disk,
                     [](auto&&...) -> std::unique_ptr<ModelTransfer> { return nullptr; });
    ProviderHub hub(prefs, store, keychain, onDevice, clock);
    EngineTest test(hub, prefs, clock);
    std::optional<EngineTestReply> reply;
    QObject::connect(&test, &EngineTest::finished, [&](const EngineTestReply& r) { reply = r; });
    test.run();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->failure, QStringLiteral("Download the model to start"));
    EXPECT_FALSE(reply->cleaned);
    EXPECT_TRUE(onDevice.prompts.isEmpty());
    EXPECT_FALSE(test.running());
}

TEST(EngineTestRun, ResultTexts)
{
    EXPECT_EQ(enginetest::replyText(QStringLiteral("send it over."), 412), QStringLiteral("…draft tonight and send it over.   (412 ms)"));
    EXPECT_EQ(enginetest::replyText(QStringLiteral(" send it."), 90), QStringLiteral("…draft tonight and send it.   (90 ms)"));
    EXPECT_EQ(enginetest::replyText(QString(), 85), QStringLiteral("The engine answered in 85 ms but had nothing useful to add."));
    EXPECT_TRUE(enginetest::replyText(QStringLiteral("ok"), 1500).endsWith(QStringLiteral("s)")));
    EXPECT_EQ(enginetest::failureText(QStringLiteral("Can't reach Ollama.")), QStringLiteral("That didn't work: Can't reach Ollama."));
}

TEST(GeneralPaneLabels, SliderValues)
{
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(textScaleLabel(0.85), QStringLiteral("85%"));
    EXPECT_EQ(textScaleLabel(1.0), QStringLiteral("100%"));
    EXPECT_EQ(textScaleLabel(1.15), QStringLiteral("115%"));
    EXPECT_EQ(verticalNudgeLabel(4), QStringLiteral("+4.0 pt"));
    EXPECT_EQ(verticalNudgeLabel(-4), QStringLiteral("-4.0 pt"));
    EXPECT_EQ(verticalNudgeLabel(0), QStringLiteral("+0.0 pt"));
    EXPECT_EQ(verticalNudgeLabel(-1.5), QStringLiteral("-1.5 pt"));
}

} // namespace tq
