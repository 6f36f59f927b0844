// The General, Engine and Battery panes built offscreen over an application model of fake
// services in virtual time, with the settings in a real file.

#include "SettingsFileFixture.h"

#include "services/PowerMonitor.h"
#include "platform/TrayHost.h"
#include "settings/Preferences.h"
#include "stores/Keychain.h"
#include "stores/ServerKey.h"
#include "engines/ProviderHub.h"
#include "ui/design/SettingsRows.h"
#include "ui/settings/BatteryPane.h"
#include "ui/settings/EnginePane.h"
#include "ui/settings/GeneralPane.h"
#include "ui/settings/SettingsRouter.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSlider>
#include <QtTest/QTest>

namespace tq {

namespace {
class GeneralEngineBatteryTest : public SettingsFileFixture {
protected:
    GeneralEngineBatteryTest() : SettingsFileFixture(true)
    {
        // Stored values the sliders and pickers must show without writing them back.
        fileDefaults->set(QStringLiteral("textScale"), 1.1);
        fileDefaults->set(QStringLiteral("verticalNudge"), -1.5);
        fileDefaults->set(QStringLiteral("creativity"), 0.37);
        fileDefaults->set(QStringLiteral("delayMilliseconds"), 130.0);
        fileDefaults->set(QStringLiteral("insertion"), QStringLiteral("paste"));
        buildOverFile();
        context = std::make_unique<SettingsContext>(settingsContext(*model, motion));
    }
    ~GeneralEngineBatteryTest() override
    {
        delete pane;
        context.reset();
    }
    template <typename P>
    P* open()
    {
        delete pane;
        auto* p = new P(*context);
        p->resize(700, 900);
        p->show();
        pane = p;
        settle();
        return p;
    }
    void settle() { SettingsFileFixture::settle(5); }

    // The key's write, which runs beside the window, has ended.
    bool keyStored()
    {
        for (int i = 0; i < 200 && model->hub().serverKey().state() == ServerKey::State::saving; ++i) {
            QTest::qWait(10);
        }
        return model->hub().serverKey().state() != ServerKey::State::saving;
    }

    std::unique_ptr<SettingsContext> context;
    QPointer<QWidget> pane;
};

const QString kService = kKeychainService;
const QString kAccount = kServerApiKeyAccount;
} // namespace

TEST_F(GeneralEngineBatteryTest, OpeningThePanesWritesNoSettingAndNoSecret)
{
    keychain.write(kService, kAccount, "sk-stored");
    keychain.setUnreadable(kService, kAccount); // a failed read must not delete the key
    ASSERT_FALSE(settingsFile().isEmpty());
    const int writes = keychain.writeCount();
    for (EngineKind kind : {EngineKind::builtIn, EngineKind::openAI}) {
        model->prefs().setEngine(kind);
        const QByteArray withEngine = settingsFile();
        auto* engine = open<EnginePane>();
        EXPECT_TRUE(engine->apiKeyField()->text().isEmpty());
        EXPECT_NEAR(engine->creativitySlider()->value(), 370, 1);
        EXPECT_EQ(engine->delayValue()->text(), QStringLiteral("130 ms"));
        open<GeneralPane>();
        open<BatteryPane>();
        delete pane;
        QCoreApplication::processEvents();
        EXPECT_EQ(settingsFile(), withEngine);
    }
    EXPECT_EQ(keychain.writeCount(), writes);
    keychain.setUnreadable(kService, kAccount, false);
    EXPECT_EQ(keychain.value(kService, kAccount), QByteArray("sk-stored"));
}

TEST_F(GeneralEngineBatteryTest, LaunchAtLoginShowsTheRealStateAfterAChange)
{
    auto* general = open<GeneralPane>();
    EXPECT_FALSE(general->launchAtLogin()->isChecked());
    loginItem.failure = QStringLiteral("The autostart folder is read-only.");
    general->launchAtLogin()->click();
    EXPECT_EQ(loginItem.changes, 1);
    EXPECT_FALSE(general->launchAtLogin()->isChecked()); // nothing was registered
    loginItem.failure.clear();
    general->launchAtLogin()->click();
    EXPECT_TRUE(loginItem.enabled);
    EXPECT_TRUE(general->launchAtLogin()->isChecked());
}

TEST_F(GeneralEngineBatteryTest, GeneralControlsFollowAndWriteTheirSettings)
{
    Preferences& p = model->prefs();
    auto* general = open<GeneralPane>();
    EXPECT_EQ(general->textScaleValue()->text(), QStringLiteral("110%"));
    EXPECT_EQ(general->nudgeValue()->text(), QStringLiteral("-1.5 pt"));
    EXPECT_EQ(general->insertionBox()->currentIndex(), 2);
    EXPECT_EQ(general->insertionDetail()->text(), QStringLiteral("Uses the clipboard, then puts your clipboard back."));

    general->insertionBox()->setFocus();
    QTest::keyClick(general->insertionBox(), Qt::Key_Up); // the user picks another method
    EXPECT_EQ(p.insertion(), InsertionMethod::accessibility);
    EXPECT_TRUE(general->insertionDetail()->text().startsWith(QStringLiteral("Writes straight into the field.")));

    general->textScaleSlider()->setFocus();
    QTest::keyClick(general->textScaleSlider(), Qt::Key_Right);
    EXPECT_NEAR(p.textScale(), 1.15, 1e-9);
    EXPECT_EQ(general->textScaleValue()->text(), QStringLiteral("115%"));

    p.setShowWordCountInMenuBar(true);
    p.setShowMenuBarIcon(false);
    EXPECT_FALSE(general->wordCountToggle()->isEnabled());
    EXPECT_TRUE(p.showWordCountInMenuBar());
    // Linux has no system predictions: reported off, with the check mark.
    EXPECT_TRUE(general->predictionsRow()->titleLabel()->text().endsWith(QStringLiteral("predictions are off")));
    EXPECT_FALSE(general->turnOffButton()->isVisibleTo(general));

    // Where the tray cannot show the count beside the icon, the switch says so.
    const QLabel* trayDetail = static_cast<SettingToggle*>(general->wordCountToggle())->detailLabel();
    EXPECT_TRUE(trayDetail->isVisibleTo(general)) << "an XEmbed tray";
    platform.trayHost().setKind(TrayKind::statusNotifier);
    EXPECT_FALSE(trayDetail->isVisibleTo(general));
    platform.trayHost().labels = false; // KDE Plasma
    platform.trayHost().setKind(TrayKind::xembed);
    platform.trayHost().setKind(TrayKind::statusNotifier);
    EXPECT_TRUE(trayDetail->isVisibleTo(general));
}

TEST_F(GeneralEngineBatteryTest, EngineSectionsFollowTheChosenEngine)
{
    auto* engine = open<EnginePane>();
    EXPECT_TRUE(engine->choiceRow(EngineKind::builtIn)->isSelected());
    EXPECT_TRUE(engine->downloadCard()->isVisibleTo(engine));
    EXPECT_FALSE(engine->ollamaSection()->isVisibleTo(engine));
    EXPECT_FALSE(engine->advanced()->isExpanded());
    engine->choiceRow(EngineKind::ollama)->click();
    EXPECT_EQ(model->prefs().engine(), EngineKind::ollama);
    EXPECT_TRUE(engine->ollamaSection()->isVisibleTo(engine));
    EXPECT_FALSE(engine->serverSection()->isVisibleTo(engine));
    EXPECT_FALSE(engine->downloadCard()->isVisibleTo(engine));
    EXPECT_FALSE(engine->ollamaPicker()->showsList()); // no list yet: a free field
    EXPECT_FALSE(engine->ollamaWarning()->isVisibleTo(engine));

    engine->ollamaAddress()->selectAll();
    QTest::keyClicks(engine->ollamaAddress(), QStringLiteral("ollama.example.com:11434"));
    EXPECT_EQ(model->prefs().ollamaURL(), QStringLiteral("ollama.example.com:11434"));
    EXPECT_TRUE(engine->ollamaWarning()->isVisibleTo(engine));
    EXPECT_TRUE(engine->ollamaWarning()->text().contains(QStringLiteral("ollama.example.com isn't this computer")));

    engine->choiceRow(EngineKind::openAI)->click();
    EXPECT_TRUE(engine->serverSection()->isVisibleTo(engine));
    EXPECT_FALSE(engine->ollamaSection()->isVisibleTo(engine));

    // Coming back opens the disclosure for a server engine.
    engine = open<EnginePane>();
    EXPECT_TRUE(engine->advanced()->isExpanded());
}

TEST_F(GeneralEngineBatteryTest, ApiKeyIsWrittenWhenEditingEndsAndClearingDeletesIt)
{
    model->prefs().setEngine(EngineKind::openAI);
    auto* engine = open<EnginePane>();
    QLineEdit* key = engine->apiKeyField();
    key->setFocus();
    QTest::keyClicks(key, QStringLiteral("sk-new"));
    EXPECT_FALSE(keychain.contains(kService, kAccount)); // not per keystroke
    QTest::keyClick(key, Qt::Key_Return);
    ASSERT_TRUE(keyStored());
    EXPECT_EQ(keychain.value(kService, kAccount), QByteArray("sk-new"));

    engine = open<EnginePane>();
    EXPECT_EQ(engine->apiKeyField()->text(), QStringLiteral("sk-new"));
    engine->apiKeyField()->setFocus();
    engine->apiKeyField()->selectAll();
    QTest::keyClick(engine->apiKeyField(), Qt::Key_Backspace);
    QTest::keyClick(engine->apiKeyField(), Qt::Key_Return);
    ASSERT_TRUE(keyStored());
    EXPECT_FALSE(keychain.contains(kService, kAccount));
}

TEST_F(GeneralEngineBatteryTest, PastedKeysAreTrimmedOrRefusedAndAKeyWithoutKeyringLastsTheSession)
{
    model->prefs().setEngine(EngineKind::openAI);
    auto* engine = open<EnginePane>();
    QLineEdit* key = engine->apiKeyField();
    const auto paste = [&](const QString& typed) {
        key->setFocus();
        key->selectAll();
        key->insert(typed);
        QTest::keyClick(key, Qt::Key_Return);
    };
    paste(QStringLiteral("sk\r\nX-Injected: yes"));
    EXPECT_TRUE(engine->apiKeyNote()->isVisibleTo(engine));
    EXPECT_TRUE(engine->apiKeyNote()->text().contains(QStringLiteral("control character")));
    EXPECT_EQ(model->hub().serverKey().state(), ServerKey::State::untouched); // nothing stored or sent

    paste(QStringLiteral("  sk-pasted\n"));
    EXPECT_EQ(key->text(), QStringLiteral("sk-pasted"));
    ASSERT_TRUE(keyStored());
    EXPECT_EQ(keychain.value(kService, kAccount), QByteArray("sk-pasted"));
    EXPECT_FALSE(engine->apiKeyNote()->isVisibleTo(engine));

    keychain.setUnreachable(true);
    paste(QStringLiteral("sk-session"));
    ASSERT_TRUE(keyStored());
    EXPECT_EQ(model->hub().serverKey().state(), ServerKey::State::sessionOnly);
    EXPECT_TRUE(engine->apiKeyNote()->text().contains(QStringLiteral("used only until")));
    EXPECT_EQ(model->hub().serverAPIKey(), QStringLiteral("sk-session"));
    // A pane opened again shows the key in use, not the keychain's.
    engine = open<EnginePane>();
    EXPECT_EQ(engine->apiKeyField()->text(), QStringLiteral("sk-session"));
}

TEST_F(GeneralEngineBatteryTest, EngineTestShowsTheReplyAndALateReplyTouchesNothing)
{
    auto* engine = open<EnginePane>();
    engine->runButton()->click();
    EXPECT_EQ(engine->runButton()->text(), QStringLiteral("Running…"));
    EXPECT_FALSE(engine->runButton()->isEnabled());
    ASSERT_FALSE(onDevice.pending.empty()); // the built-in model is missing: the on-device one stands in
    advance(std::chrono::milliseconds(412));
    onDevice.answer({QStringLiteral("send it over."), false, std::nullopt});
    settle();
    const QString result = engine->testResult()->text();
    EXPECT_TRUE(result.startsWith(QStringLiteral("…draft tonight and send it over.   (4")) && result.endsWith(QStringLiteral(" ms)")))
        << result.toStdString();
    EXPECT_EQ(engine->runButton()->text(), QStringLiteral("Run"));
    EXPECT_TRUE(engine->runButton()->isEnabled());

    engine->runButton()->click();
    open<GeneralPane>(); // the pane is replaced before the reply comes
    onDevice.answer({QStringLiteral("late."), false, std::nullopt});
    settle();
    SUCCEED();
}

TEST_F(GeneralEngineBatteryTest, BatteryPaneFollowsThePowerSourceAndTheEngine)
{
    model->power().start();
    auto* battery = open<BatteryPane>();
    EXPECT_EQ(battery->powerText()->text(), QStringLiteral("Plugged in. These wait until you unplug."));
    EXPECT_FALSE(battery->modelRow()->isVisibleTo(battery));
    // Stored values are drawn: "Shorter suggestions" is on by default, its knob at the end.
    EXPECT_TRUE(battery->shorterToggle()->isChecked());
    EXPECT_EQ(battery->shorterToggle()->knobPosition(), 1.0);
    EXPECT_EQ(battery->onDemandToggle()->knobPosition(), 0.0);
    powerSource.battery = true;
    advance(std::chrono::seconds(31));
    EXPECT_EQ(battery->powerText()->text(), QStringLiteral("Running on battery. These apply right now."));

    model->prefs().setBatteryModel(QStringLiteral("llama3:8b"));
    model->prefs().setEngine(EngineKind::ollama);
    EXPECT_TRUE(battery->modelRow()->isVisibleTo(battery));
    EXPECT_EQ(battery->modelBox()->count(), 1);
    EXPECT_EQ(battery->modelBox()->itemText(0), QStringLiteral("Same as plugged in"));
    EXPECT_EQ(battery->modelBox()->currentIndex(), -1); // a stored name not in the list
    battery->modelBox()->setFocus();
    QTest::keyClick(battery->modelBox(), Qt::Key_Down);
    EXPECT_TRUE(model->prefs().batteryModel().isEmpty());
}

} // namespace tq
