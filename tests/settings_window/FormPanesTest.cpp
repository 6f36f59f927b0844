// The Context, Your Voice, Keys, Emoji and About panes, built offscreen over an application
// model of fake services: what they show for the stored settings, that building them writes
// nothing, and that each user action writes exactly its own setting.

#include "app/AppFixture.h"
#include "app/SettingsWindow.h"

#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "ui/design/Animation.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/ShortcutRecorder.h"
#include "ui/settings/AboutPane.h"
#include "ui/settings/ContextPane.h"
#include "ui/settings/EmojiPane.h"
#include "ui/settings/GeneralPane.h"
#include "ui/settings/KeysPane.h"
#include "ui/settings/AppsPane.h"
#include "ui/settings/PersonalPane.h"
#include "ui/settings/SettingsRoot.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QToolButton>
#include <QtTest/QTest>

namespace tq {

namespace {
class FormPanesTest : public AppFixture {
protected:
    ~FormPanesTest() override
    {
        delete pane;
        model.reset();
    }
    SettingsContext& context()
    {
        if (!model)
            build(true);
        if (!ctx) {
            ctx = std::make_unique<SettingsContext>(settingsContext(*model, motion));
            ctx->hooks.showOnboarding = [this] { ++onboardingShown; };
            ctx->hooks.showIntro = [this] { ++introShown; };
            ctx->hooks.dataFolder = [this] { return folder.path(); };
            ctx->hooks.openPath = [this](const QString& p) { opened << p; };
        }
        return *ctx;
    }
    template <typename T, typename... Args>
    T& open(Args&&... args)
    {
        auto* p = new T(context(), std::forward<Args>(args)...);
        pane = p;
        p->resize(700, 900);
        p->show();
        QCoreApplication::processEvents();
        return *p;
    }
    Preferences& prefs() { return model->prefs(); }
    static QAbstractButton* dialogButton(Confirmation* box, const QString& label)
    {
        for (QAbstractButton* b : {box->actionButton(), box->cancelButton()})
            if (b && b->text() == label)
                return b;
        return nullptr;
    }
    static MemoryEntry entry(const QString& text)
    {
        return {QUuid::createUuid(), QDateTime::currentDateTimeUtc(), QStringLiteral("app:org.example.Editor"), text};
    }

    FakeReduceMotion reduce{true};
    MotionContext motion{clock, reduce};
    std::unique_ptr<SettingsContext> ctx;
    QWidget* pane = nullptr;
    int onboardingShown = 0;
    int introShown = 0;
    QStringList opened;
};
} // namespace

TEST_F(FormPanesTest, OpeningEachPaneWritesNoSetting)
{
    // Values a careless fill would "correct": out-of-range strength, over-long instructions.
    defaults.set(QStringLiteral("memoryStrength"), 9.0);
    defaults.set(QStringLiteral("customInstructions"), QString(2100, QLatin1Char('x')));
    defaults.set(QStringLiteral("escapeBehavior"), QStringLiteral("passThrough"));
    defaults.set(QStringLiteral("skinTone"), 3);
    defaults.set(QStringLiteral("contextScreen"), false);
    build(true);
    const int writes = defaults.writeCount();
    const QVariantMap stored = defaults.stored();
    auto check = [&](const char* name) {
        QCoreApplication::processEvents();
        EXPECT_EQ(defaults.writeCount(), writes) << name;
        delete pane;
        pane = nullptr;
    };
    open<ContextPane>();
    check("context");
    auto& personal = open<PersonalPane>(2000);
    EXPECT_EQ(personal.influence()->value(), 6);
    EXPECT_EQ(personal.counter()->text(), QStringLiteral("2100 / 2000")); // shown, not cut, until the user edits
    check("personal");
    auto& keys = open<KeysPane>();
    EXPECT_EQ(keys.escapePicker()->currentIndex(), 2);
    check("keys");
    open<EmojiPane>();
    check("emoji");
    open<AboutPane>();
    check("about");
    EXPECT_EQ(defaults.stored(), stored);
}

TEST_F(FormPanesTest, ContextAsksForCaptureOnlyWhereAPermissionIsMissing)
{
    capture.allowed = false; // a system that needs a permission; X11 never does
    auto& p = open<ContextPane>();
    QLabel* title = p.toggle(ContextPane::app)->titleLabel(); // a label inside a toggle is drawn in paper
    EXPECT_EQ(title->palette().color(title->foregroundRole()), palette::paper());
    SettingRow* row = p.screenRecordingRow();
    EXPECT_TRUE(row->isVisibleTo(&p));

    p.allowButton()->click(); // refused: the settings page opens
    EXPECT_EQ(capture.requests, 1);
    ASSERT_EQ(desktopSettings.opened.size(), 1u);
    EXPECT_EQ(desktopSettings.opened.back(), SettingsPage::screenRecording);

    capture.grantOnRequest = true; // granted when asked: no page, the row leaves
    p.allowButton()->click();
    EXPECT_EQ(desktopSettings.opened.size(), 1u);
    EXPECT_FALSE(row->isVisibleTo(&p));

    // Text on screen off: the two rows that need it are dimmed and keep their values.
    prefs().setContextNearbyWindows(true);
    capture.allowed = false;
    model->permissions().refresh();
    EXPECT_TRUE(row->isVisibleTo(&p));
    p.toggle(ContextPane::screen)->click();
    EXPECT_FALSE(prefs().contextScreen());
    EXPECT_FALSE(row->isVisibleTo(&p));
    EXPECT_FALSE(p.toggle(ContextPane::recent)->isEnabled());
    EXPECT_FALSE(p.toggle(ContextPane::nearby)->isEnabled());
    p.toggle(ContextPane::screen)->click();
    EXPECT_TRUE(prefs().contextRecent());
    EXPECT_TRUE(prefs().contextNearbyWindows());
    EXPECT_TRUE(p.toggle(ContextPane::nearby)->isChecked());
}

TEST_F(FormPanesTest, OnX11TheCaptureRowNeverShows)
{
    capture.allowed = true;
    auto& p = open<ContextPane>();
    EXPECT_TRUE(prefs().contextScreen());
    EXPECT_FALSE(p.screenRecordingRow()->isVisibleTo(&p));
}

TEST_F(FormPanesTest, YourVoiceCutsPastedInstructionsAndErasesOnlyWhenConfirmed)
{
    auto& p = open<PersonalPane>(2000);
    p.editor()->setFocus();
    QTest::keyClicks(p.editor(), QStringLiteral("Hi"));
    EXPECT_EQ(prefs().customInstructions(), QStringLiteral("Hi"));
    p.editor()->insertPlainText(QString(2500, QLatin1Char('a'))); // a paste
    EXPECT_EQ(prefs().customInstructions(), QStringLiteral("Hi") + QString(1998, QLatin1Char('a')));
    EXPECT_EQ(p.editor()->toPlainText(), prefs().customInstructions());
    EXPECT_EQ(p.counter()->text(), QStringLiteral("2000 / 2000"));
    prefs().setCustomInstructions(QString(2300, QLatin1Char('b'))); // set elsewhere while the pane is open
    EXPECT_EQ(prefs().customInstructions(), QString(2000, QLatin1Char('b')));
    EXPECT_EQ(p.editor()->toPlainText(), prefs().customInstructions());

    // Memory off: the two rows that depend on it are inactive.
    EXPECT_FALSE(p.recordAllToggle()->isEnabled());
    EXPECT_FALSE(p.influenceRow()->isEnabled());
    p.memoryToggle()->click();
    EXPECT_TRUE(prefs().memoryEnabled());
    EXPECT_TRUE(p.influenceRow()->isEnabled());
    p.influence()->setValue(5); // as the keyboard or a drag does
    EXPECT_EQ(prefs().memoryStrength(), 5.0);

    EXPECT_EQ(p.passages()->text(), QStringLiteral("Nothing remembered yet"));
    EXPECT_FALSE(p.eraseButton()->isEnabled());
    model->memory().setEntries({entry(QStringLiteral("A first remembered passage of text.")),
                                entry(QStringLiteral("A second remembered passage of text."))});
    EXPECT_EQ(p.passages()->text(), QStringLiteral("2 passages remembered"));
    ASSERT_TRUE(p.eraseButton()->isEnabled());

    p.eraseButton()->click();
    ASSERT_TRUE(p.eraseDialog());
    dialogButton(p.eraseDialog(), QStringLiteral("Cancel"))->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(model->memory().entries().size(), 2);
    EXPECT_FALSE(model->memory().hasPendingSave());

    p.eraseButton()->click();
    ASSERT_TRUE(p.eraseDialog());
    dialogButton(p.eraseDialog(), QStringLiteral("Erase All"))->click();
    EXPECT_TRUE(model->memory().entries().isEmpty());
    EXPECT_EQ(p.passages()->text(), QStringLiteral("Nothing remembered yet"));
    EXPECT_TRUE(model->memory().hasPendingSave()); // saved after its delay
}

TEST_F(FormPanesTest, KeysWarnOfADuplicateAndClearAnyShortcut)
{
    auto& p = open<KeysPane>();
    EXPECT_FALSE(p.warningRow()->isVisibleTo(&p));
    // A shortcut another program holds is named in its own keys, and goes when let go.
    EXPECT_FALSE(p.takenRow()->isVisibleTo(&p));
    tapSource.refuse({TapGrab{keycode::kSpace, 6}});
    EXPECT_TRUE(p.takenRow()->isVisibleTo(&p));
    EXPECT_EQ(p.taken()->text(), QStringLiteral("Ctrl+Alt+Space is taken by another program."));
    tapSource.refuse({});
    EXPECT_FALSE(p.takenRow()->isVisibleTo(&p));
    prefs().setTriggerKey(KeyCombo{keycode::kTab, {}});
    EXPECT_TRUE(p.warningRow()->isVisibleTo(&p));
    EXPECT_EQ(p.warning()->text(), QStringLiteral("Take the next word and Suggest now use the same keys. Only the first will work."));
    EXPECT_EQ(p.recorder(2)->combo(), (KeyCombo{keycode::kTab, {}}));

    p.recorder(0)->clearButton()->click(); // the accept shortcut too can be cleared
    EXPECT_EQ(prefs().acceptWordKey(), std::nullopt);
    EXPECT_FALSE(p.warningRow()->isVisibleTo(&p));

    emit p.escapePicker()->activated(1);
    EXPECT_EQ(prefs().escapeBehavior(), EscapeBehavior::dismissForField);
    EXPECT_EQ(defaults.stored().value(QStringLiteral("escapeBehavior")), QStringLiteral("dismissForField"));
    p.trailingSpace()->click();
    EXPECT_FALSE(prefs().trailingSpace());
}

TEST_F(FormPanesTest, EmojiSearchFollowsTheQueryAndTheSkinTone)
{
    auto& p = open<EmojiPane>();
    EXPECT_EQ(p.searchField()->text(), QStringLiteral("party"));
    const QStringList party = p.shownEmoji();
    EXPECT_FALSE(party.isEmpty());
    EXPECT_LE(party.size(), 8);
    EXPECT_FALSE(p.noMatch()->isVisibleTo(&p));

    QTest::keyClicks(p.searchField(), QStringLiteral("Qzx"));
    EXPECT_TRUE(p.shownEmoji().isEmpty());
    EXPECT_EQ(p.noMatch()->text(), QString::fromUtf8("No emoji match “partyQzx”"));
    p.searchField()->clear();
    EXPECT_TRUE(p.shownEmoji().isEmpty());
    EXPECT_FALSE(p.noMatch()->isVisibleTo(&p));

    // Tone 0: the neutral toggle is off limits and nothing carries a modifier.
    EXPECT_FALSE(p.neutralToggle()->isEnabled());
    p.searchField()->setText(QStringLiteral("wave"));
    const QString medium = QString::fromUtf8("\U0001F3FD");
    for (const QString& e : p.shownEmoji())
        EXPECT_FALSE(e.contains(medium));
    p.swatch(3)->click();
    EXPECT_EQ(prefs().skinTone(), 3);
    EXPECT_TRUE(p.swatch(3)->isChecked());
    EXPECT_FALSE(p.swatch(0)->isChecked());
    EXPECT_EQ(p.swatch(3)->accessibleName(), QStringLiteral("Medium"));
    EXPECT_TRUE(p.neutralToggle()->isEnabled());
    const QStringList toned = p.shownEmoji();
    ASSERT_FALSE(toned.isEmpty());
    EXPECT_TRUE(toned.first().endsWith(medium));
    p.neutralToggle()->click();
    const QStringList both = p.shownEmoji();
    ASSERT_GE(both.size(), 2);
    EXPECT_EQ(both[1] + medium, both[0]); // toned first, then plain
    EXPECT_LE(both.size(), 8);

    // Emoji off: the emoticon switch is dimmed and keeps its value.
    p.emojiToggle()->click();
    EXPECT_FALSE(p.emoticonsToggle()->isEnabled());
    EXPECT_TRUE(prefs().emoticons());
}

TEST_F(FormPanesTest, AboutResetsOnlyWhenConfirmedAndKeepsStatisticsAndMemory)
{
    auto& p = open<AboutPane>();
    EXPECT_EQ(p.version()->text(), QStringLiteral("Version " TQ_PROJECT_VERSION));
    p.resize(900, 900);
    QCoreApplication::processEvents();
    EXPECT_TRUE(p.buttons()->isOneRow());
    p.resize(380, 900);
    QCoreApplication::processEvents();
    EXPECT_FALSE(p.buttons()->isOneRow());
    EXPECT_LT(p.button(0)->geometry().bottom(), p.button(2)->geometry().top());

    p.button(1)->click();
    p.button(2)->click();
    p.button(0)->click();
    EXPECT_EQ(onboardingShown, 1);
    EXPECT_EQ(introShown, 1);
    p.noticesButton()->click();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], folder.path());
    EXPECT_TRUE(opened[1].endsWith(QStringLiteral("share/tessaquill/ThirdPartyNotices.txt")));
    // A folder that cannot be made is named in the notice in its own direction.
    const QString unmade = QStringLiteral("/proc/tessaquill-test/data");
    ctx->hooks.dataFolder = [unmade] { return unmade; };
    p.button(0)->click();
    auto* notice = p.window()->findChild<QLabel*>(QStringLiteral("confirmationTitle"));
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->text().contains(QChar(0x2068) + unmade + QChar(0x2069))) << notice->text().toStdString();
    EXPECT_EQ(opened.size(), 2);
    notice->window()->close();

    prefs().setEngine(EngineKind::ollama);
    model->rules().setRule(AppRule{RuleMode::off, true, std::nullopt, std::nullopt, true}, QStringLiteral("app:org.example.Editor"));
    model->memory().setEntries({entry(QStringLiteral("A passage the reset must keep in memory."))});
    model->stats().recordAccepted(QStringLiteral("three words here"), QStringLiteral("app:org.example.Editor"), clock.now());
    const qint64 words = model->stats().totalWords();

    p.button(3)->click();
    ASSERT_TRUE(p.resetDialog());
    dialogButton(p.resetDialog(), QStringLiteral("Cancel"))->click();
    EXPECT_EQ(prefs().engine(), EngineKind::ollama);
    EXPECT_FALSE(model->rules().rules().isEmpty());

    p.button(3)->click();
    ASSERT_TRUE(p.resetDialog());
    dialogButton(p.resetDialog(), QStringLiteral("Reset"))->click();
    EXPECT_EQ(prefs().engine(), EngineKind::builtIn);
    EXPECT_TRUE(model->rules().rules().isEmpty());
    EXPECT_TRUE(prefs().onboardingDone());
    EXPECT_EQ(model->memory().entries().size(), 1);
    EXPECT_EQ(model->stats().totalWords(), words);
    EXPECT_EQ(onboardingShown, 1);
}

TEST_F(FormPanesTest, PicturesOfThePanesInTheWindow)
{
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS");
    if (dir.isEmpty())
        GTEST_SKIP() << "pictures go to TQ_ARTIFACTS";
    capture.allowed = false; // shows the capture row a system with the permission would show
    context();
    prefs().setTriggerKey(KeyCombo{keycode::kTab, {}});
    prefs().setSkinTone(2);
    prefs().setCustomInstructions(QStringLiteral("I write short, friendly emails in British English."));
    model->memory().setEntries({entry(QStringLiteral("A first remembered passage of text."))});
    auto* root = new SettingsRoot(context());
    pane = root;
    for (auto [p, width] : {std::pair{SettingsPane::general, 900}, {SettingsPane::context, 900}, {SettingsPane::personal, 900}, {SettingsPane::keys, 900},
                            {SettingsPane::emoji, 900}, {SettingsPane::about, 900}, {SettingsPane::about, 640}}) {
        root->resize(width, 640);
        root->show();
        model->windows().router().setPane(p);
        for (int i = 0; i < 60; ++i)
            advance(std::chrono::milliseconds(16));
        EXPECT_EQ(root->leavingPane(), nullptr) << settingsPaneName(p).toStdString();
        const QString name = QStringLiteral("form-pane-%1-%2.png").arg(settingsPaneName(p)).arg(width);
        EXPECT_TRUE(root->grab().save(QDir(dir).filePath(name)));
        if (p == SettingsPane::general) { // and its sliders further down
            for (QSlider* s : root->findChildren<QSlider*>())
                if (s->accessibleName() == QStringLiteral("Text size") && s->isVisible())
                    if (auto* area = qobject_cast<QScrollArea*>(s->window()->findChild<GeneralPane*>()->findChild<QScrollArea*>()))
                        area->ensureWidgetVisible(s, 0, 200);
            EXPECT_TRUE(root->grab().save(QDir(dir).filePath(QStringLiteral("form-pane-general-look-900.png"))));
        }
    }
    // A rule whose name takes two lines and whose identifier is cut in the middle.
    const QString key = QStringLiteral("app:org.example.AVeryLongIdentifierOfAnApplicationThatDoesNotFit.Editor");
    model->rules().rememberName(QStringLiteral("An Application With A Remarkably Long Name That Needs Two Lines Or More"), key);
    model->windows().router().setPane(SettingsPane::apps);
    for (int i = 0; i < 60; ++i)
        advance(std::chrono::milliseconds(16));
    auto* apps = root->findChild<AppsPane*>();
    ASSERT_NE(apps, nullptr);
    apps->select(key);
    QCoreApplication::processEvents();
    EXPECT_TRUE(root->grab().save(QDir(dir).filePath(QStringLiteral("form-pane-apps-rule.png"))));
}

} // namespace tq
