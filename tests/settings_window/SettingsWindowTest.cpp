// The settings window's root, sidebar, overview and Apps & Sites pane, built offscreen over an
// application model of fake services in virtual time, with its settings in a real file.

#include "SettingsFileFixture.h"

#include "completion/CompletionEngine.h"
#include "input/RivalWatcher.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/ServerKey.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"
#include "ui/design/Animation.h"
#include "ui/design/Confirmation.h"
#include "ui/settings/AddWebsiteDialog.h"
#include "ui/settings/AppRuleDetail.h"
#include "ui/settings/AppsPane.h"
#include "ui/settings/GeneralPane.h"
#include "ui/design/SettingsRows.h"
#include "ui/settings/OverviewPane.h"
#include "ui/settings/Figures.h"
#include "ui/settings/SetupCard.h"
#include "ui/settings/SetupRowView.h"
#include "ui/settings/SettingsRoot.h"
#include "ui/settings/SettingsSidebar.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QMenu>
#include <QtTest/QTest>

#include <functional>

namespace tq {

namespace {
class SettingsWindowTest : public SettingsFileFixture {
protected:
    SettingsWindowTest() : SettingsFileFixture(false) { fileDefaults->set(QStringLiteral("length"), QStringLiteral("long")); }
    ~SettingsWindowTest() override { delete root; }

    SettingsRoot& open(SettingsPane pane = SettingsPane::overview)
    {
        platform.installedApps().list = {{QStringLiteral("org.example.Writer"), QStringLiteral("Writer"), {}}};
        buildOverFile();
        model->windows().router().setPane(pane);
        SettingsContext c = settingsContext(*model, motion);
        root = new SettingsRoot(c);
        root->resize(900, 640);
        root->show();
        QCoreApplication::processEvents();
        return *root;
    }
    void settle() { SettingsFileFixture::settle(40); }
    template <typename T>
    T* pane() const
    {
        return qobject_cast<T*>(root->currentPane());
    }
    SettingsRoot* root = nullptr;
};
} // namespace

TEST_F(SettingsWindowTest, OpeningEveryPaneWritesNothing)
{
    SettingsRoot& r = open();
    model->rules().setRule(AppRule{RuleMode::off, false, InsertionMethod::paste, CompletionLength::short_, false},
                           QStringLiteral("app:org.example.Writer"));
    model->rules().flush();
    const QByteArray before = settingsFile();
    ASSERT_FALSE(before.isEmpty());
    for (SettingsPane p : kAllSettingsPanes) {
        model->windows().router().setPane(p);
        settle();
        EXPECT_EQ(r.window()->windowTitle(), paneTitle(p));
        EXPECT_EQ(r.findChild<QLabel*>(QStringLiteral("paneHeader"))->text(), paneSubtitle(p));
    }
    model->windows().router().setPane(SettingsPane::apps);
    settle();
    pane<AppsPane>()->select(QStringLiteral("app:org.example.Writer"));
    settle();
    EXPECT_EQ(settingsFile(), before);
    EXPECT_FALSE(model->rules().hasPendingSave());
}

TEST_F(SettingsWindowTest, AChangeOfPaneRisesTheNewPaneAndDeletesTheOldOne)
{
    SettingsRoot& r = open();
    QPointer<QWidget> old = r.currentPane();
    model->windows().router().setPane(SettingsPane::keys);
    QCoreApplication::processEvents();
    QPointer<QWidget> arriving = r.currentPane();
    EXPECT_EQ(r.leavingPane(), old.data());
    EXPECT_GT(arriving->y(), 10); // starts 14 points lower
    advance(std::chrono::milliseconds(120));
    advance(std::chrono::milliseconds(16));
    EXPECT_TRUE(old.isNull()); // faded out in 0.1 s and gone
    settle();
    EXPECT_EQ(arriving->y(), 0);

    model->windows().router().setPane(SettingsPane::keys); // the same pane: nothing rebuilt
    EXPECT_EQ(r.currentPane(), arriving.data());

    reduce.set(true);
    model->windows().router().setPane(SettingsPane::about);
    QCoreApplication::processEvents();
    EXPECT_EQ(r.currentPane()->y(), 0); // a cross-fade only
    EXPECT_TRUE(r.leavingPane() != nullptr);
    settle();
    EXPECT_EQ(r.leavingPane(), nullptr);
}

TEST_F(SettingsWindowTest, TheSidebarMovesWithArrowsAndShowsTheBadge)
{
    access.trusted = false;
    SettingsRoot& r = open();
    SettingsSidebar* bar = r.sidebar();
    SidebarRow* overview = bar->row(SettingsPane::overview);
    EXPECT_EQ(overview->count(), 1);
    EXPECT_EQ(overview->accessibleName(), QStringLiteral("Overview, 1 to do"));
    EXPECT_EQ(bar->row(SettingsPane::general)->accessibleName(), QStringLiteral("General"));

    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Up);
    EXPECT_EQ(model->windows().router().pane(), SettingsPane::overview);
    QTest::keyClick(bar, Qt::Key_Down);
    EXPECT_EQ(model->windows().router().pane(), SettingsPane::general);
    EXPECT_EQ(bar->hops(SettingsPane::general), 1);
    EXPECT_TRUE(bar->row(SettingsPane::general)->isChecked());
    EXPECT_FALSE(overview->isChecked());
    bar->select(SettingsPane::general); // already selected: no hop
    EXPECT_EQ(bar->hops(SettingsPane::general), 1);
    reduce.set(true);
    bar->select(SettingsPane::engine); // Reduce Motion: chosen without a bounce
    EXPECT_EQ(model->windows().router().pane(), SettingsPane::engine);
    EXPECT_EQ(bar->hops(SettingsPane::engine), 0);
    model->windows().router().setPane(SettingsPane::about);
    QTest::keyClick(bar, Qt::Key_Down);
    EXPECT_EQ(model->windows().router().pane(), SettingsPane::about);
    EXPECT_EQ(bar->hops(SettingsPane::about), 0); // changed elsewhere: no bounce

    // The highlight glides to the user's own choice and jumps to a pane opened from elsewhere.
    reduce.set(false);
    bar->select(SettingsPane::keys);
    advance(std::chrono::milliseconds(16));
    EXPECT_NE(bar->highlight(), bar->targetHighlight());
    settle();
    EXPECT_EQ(bar->highlight(), bar->targetHighlight());
    model->windows().router().setPane(SettingsPane::general);
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->highlight(), bar->targetHighlight());

    access.trusted = true;
    model->permissions().refresh();
    QCoreApplication::processEvents();
    EXPECT_EQ(overview->count(), 0);
    EXPECT_EQ(overview->accessibleName(), QStringLiteral("Overview"));
}

TEST_F(SettingsWindowTest, OverviewShowsTheDayAndTheSetupSteps)
{
    access.trusted = false;
    open();
    auto* overview = pane<OverviewPane>();
    ASSERT_NE(overview, nullptr);
    EXPECT_EQ(overview->findChild<RollingFigure*>(QStringLiteral("todayCount"))->text(), QStringLiteral("0"));
    QStringList texts;
    for (QLabel* l : overview->findChildren<QLabel*>())
        texts << l->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("words saved today")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Start typing anywhere. Tessaquill keeps count here.")));
    EXPECT_EQ(overview->findChild<RollingFigure*>(QStringLiteral("streak"))->text(), QStringLiteral("Start your streak today."));
    EXPECT_TRUE(texts.contains(QStringLiteral("Needs Accessibility access")));

    SetupCard* card = overview->setupCard();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->doneText(), QStringLiteral("1 of 3 done")); // predictions off; the engine still checking
    EXPECT_EQ(card->row(SetupItem::engine)->title(), QStringLiteral("Checking Tessaquill model"));
    EXPECT_EQ(card->row(SetupItem::accessibility)->buttons().size(), 1);
    settle();
    if (const QString dir = qEnvironmentVariable("TQ_ARTIFACTS"); !dir.isEmpty())
        root->grab().save(QDir(dir).filePath(QStringLiteral("settings-overview-setup-offscreen.png")));

    // A request that seems stuck brings a note into the card: the slot's height moves to it.
    QWidget* slot = card->parentWidget()->parentWidget();
    const int before = slot->height();
    model->permissions().requestAccessibility();
    advance(Permissions::kStuckAfter + std::chrono::seconds(1));
    model->permissions().refresh();
    ASSERT_TRUE(model->permissions().accessibilityLooksStuck());
    QCoreApplication::processEvents();
    advance(std::chrono::milliseconds(48));
    QCoreApplication::processEvents();
    const int midway = slot->heightForWidth(slot->width()); // what the column lays out now
    settle();
    const int after = slot->height();
    EXPECT_GT(after, before);
    EXPECT_GT(midway, before);
    EXPECT_LT(midway, after);

    access.trusted = true;
    model->permissions().refresh();
    QCoreApplication::processEvents();
    EXPECT_EQ(overview->setupCard(), nullptr);
    ASSERT_NE(overview->readyCard(), nullptr); // finished while watching: the ready card
    texts.clear();
    for (QLabel* l : overview->findChildren<QLabel*>())
        texts << l->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("You're all set")));
    EXPECT_TRUE(texts.contains(QStringLiteral("On")));

    // Words saved: screen readers hear the new count at once, the figure counts up to it.
    settle();
    auto* count = overview->findChild<RollingFigure*>(QStringLiteral("todayCount"));
    auto* streak = overview->findChild<RollingFigure*>(QStringLiteral("streak"));
    model->stats().recordAccepted(QStringLiteral("a b c d e f g h i j k l"), QStringLiteral("app:org.example.Editor"), clock.now());
    EXPECT_EQ(count->text(), QStringLiteral("12"));
    for (int pass = 0; pass < 8; ++pass) // laid out from the inside out, as the screen shows it
        QCoreApplication::processEvents();
    // The caption now wraps: the card grows for it rather than squeeze the count.
    EXPECT_GE(count->height(), count->sizeHint().height());
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS");
    for (int frame = 0; frame <= 30; frame += 3) {
        EXPECT_EQ(streak->shownText(), QStringLiteral("1 day streak")) << frame; // no frame of the wider sentence
        if (frame == 6) {
            const int shown = count->shownText().toInt();
            EXPECT_GT(shown, 0);
            EXPECT_LT(shown, 12);
        }
        if (!dir.isEmpty())
            overview->grab().save(QDir(dir).filePath(QStringLiteral("overview-count-%1ms.png").arg(frame * 16)));
        SettingsFileFixture::settle(3);
    }
    SettingsFileFixture::settle(60);
    EXPECT_EQ(count->shownText(), QStringLiteral("12"));
}

TEST_F(SettingsWindowTest, SetupChangesFadeOutAndTheColumnFollows)
{
    access.trusted = false;
    workspace.apps.append({20, "tabtype", "Tab-Type", {}});
    open();
    model->rivals().refresh(true);
    settle();
    auto* overview = pane<OverviewPane>();
    SetupCard* card = overview->setupCard();
    ASSERT_NE(card->row(SetupItem::rivalApps), nullptr);
    // The row came while the card was on screen: its symbol faded in and takes its room.
    const auto* symbol = card->row(SetupItem::rivalApps)->findChild<Presence*>();
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->size(), QSize(15, 15));
    auto* playground = overview->findChild<QWidget*>(QStringLiteral("playgroundCard"));
    auto top = [&] { return playground->mapTo(overview, QPoint()).y(); };
    // Steps to 0, a third and two thirds of the 0.22 s move and its end; shoots each and
    // gives the playground's top at each.
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS");
    auto watch = [&](const QString& name, const std::function<void(int)>& check = {}) {
        QList<int> tops;
        int at = 0;
        for (int frame : {0, 5, 9, 14}) {
            SettingsFileFixture::settle(frame - at);
            at = frame;
            if (!dir.isEmpty())
                overview->grab().save(QDir(dir).filePath(QStringLiteral("%1-%2.png").arg(name).arg(tops.size())));
            if (check)
                check(int(tops.size()));
            tops << top();
        }
        settle();
        return tops;
    };

    // A step done while another is left: its button fades out where it stood, then goes.
    QPointer<QAbstractButton> allow = card->row(SetupItem::accessibility)->buttons().value(0);
    access.trusted = true;
    model->permissions().refresh();
    watch(QStringLiteral("overview-button-out"), [&](int i) { EXPECT_EQ(allow && allow->isVisible(), i < 3) << i; });

    // Setup finished: the setup card cross-fades into the shorter ready card and the column
    // below moves up along the same move, not at once.
    const int before = top();
    workspace.apps.removeLast();
    model->rivals().refresh(true);
    const QList<int> tops = watch(QStringLiteral("overview-ready-move"));
    const int after = top();
    EXPECT_EQ(tops[0], before);
    EXPECT_LT(tops[1], before);
    EXPECT_GT(tops[1], tops[2]);
    EXPECT_GT(tops[2], after);
    EXPECT_EQ(tops[3], after);

    // Under Reduce Motion a returning step brings the setup card back at once.
    reduce.set(true);
    workspace.apps.append({20, "tabtype", "Tab-Type", {}});
    model->rivals().refresh(true);
    SettingsFileFixture::settle(2); // the layout's own round trips, far less than the move
    const int jumped = top();
    EXPECT_GT(jumped, after);
    settle();
    EXPECT_EQ(top(), jumped);
}

TEST_F(SettingsWindowTest, AppsAndSitesListsAddsAndEdits)
{
    open(SettingsPane::apps);
    auto* apps = pane<AppsPane>();
    ASSERT_NE(apps, nullptr);
    EXPECT_EQ(apps->emptyTitle(), QStringLiteral("No apps yet"));

    // Cancel keeps what was typed for the next time.
    apps->openAddWebsite();
    auto* sheet = apps->findChild<AddWebsiteDialog*>();
    ASSERT_NE(sheet, nullptr);
    QTest::keyClicks(sheet->field(), QStringLiteral("intranet"));
    const auto addButton = [&] {
        for (QAbstractButton* b : sheet->findChildren<QAbstractButton*>())
            if (b->text() == QStringLiteral("Add"))
                return b;
        return static_cast<QAbstractButton*>(nullptr);
    };
    ASSERT_NE(addButton(), nullptr);
    EXPECT_FALSE(addButton()->isEnabled()); // "Add" waits for a domain
    sheet->reject();
    QCoreApplication::processEvents();
    apps->openAddWebsite();
    sheet = apps->findChildren<AddWebsiteDialog*>().last();
    EXPECT_EQ(sheet->typed(), QStringLiteral("intranet"));
    sheet->reject();

    EXPECT_FALSE(apps->addSite(QStringLiteral("intranet")));
    EXPECT_TRUE(apps->addSite(QStringLiteral("HTTPS://www.Example.com/a?b=1")));
    EXPECT_EQ(apps->selection(), QStringLiteral("web:example.com"));
    EXPECT_EQ(apps->keys().sites, QStringList{QStringLiteral("web:example.com")});
    EXPECT_EQ(model->rules().displayName(QStringLiteral("web:example.com")), QStringLiteral("example.com"));
    apps->setSearch(QStringLiteral("zzz"));
    EXPECT_EQ(apps->emptyTitle(), QStringLiteral("No matches"));
    ASSERT_NE(apps->detail(), nullptr); // the selection stays
    apps->setSearch(QString());

    // A code editor while code editors are off: "Default, off" and the group disabled.
    const QString key = QStringLiteral("app:com.jetbrains.pycharm");
    apps->addApp({QStringLiteral("com.jetbrains.pycharm"), QStringLiteral("PyCharm"), {}});
    AppRuleDetail* d = apps->detail();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->key(), key);
    EXPECT_EQ(d->modeBox()->itemText(0), QStringLiteral("Default, off"));
    EXPECT_FALSE(d->group()->isEnabled());
    EXPECT_FALSE(d->resetButton()->isVisibleTo(d));
    EXPECT_TRUE(model->rules().rules().isEmpty()); // adding remembers a name only

    d->modeBox()->setCurrentIndex(1);
    emit d->modeBox()->activated(1);
    EXPECT_EQ(model->rules().rule(key).mode, RuleMode::on);
    EXPECT_TRUE(d->group()->isEnabled());
    EXPECT_TRUE(d->note()->isVisibleTo(d));
    emit d->insertionBox()->activated(3);
    emit d->lengthBox()->activated(1);
    EXPECT_EQ(model->rules().rule(key).insertion, InsertionMethod::paste);
    EXPECT_FALSE(d->note()->isVisibleTo(d));
    EXPECT_TRUE(d->resetButton()->isVisibleTo(d));

    d->pauseButton()->menu()->actions().at(1)->trigger(); // For 1 Hour
    EXPECT_TRUE(d->resumeButton()->isVisibleTo(d));
    EXPECT_TRUE(d->pauseTitle()->text().startsWith(QStringLiteral("Paused until ")));

    // Reset drops the rule and the pause; the added application stays listed by its name.
    d->resetButton()->click();
    EXPECT_TRUE(model->rules().rules().isEmpty());
    EXPECT_TRUE(model->rules().pauses().isEmpty());
    EXPECT_TRUE(apps->keys().apps.contains(key));
    EXPECT_FALSE(d->resetButton()->isVisibleTo(d));
    EXPECT_EQ(apps->detail()->key(), key); // the editor stays on it
}

TEST_F(SettingsWindowTest, RuleDetailMemoryRows)
{
    open(SettingsPane::apps);
    auto* apps = pane<AppsPane>();
    const QString key = QStringLiteral("app:org.example.Writer");
    QList<MemoryEntry> entries;
    for (int i = 0; i < 2; ++i)
        entries.append({QUuid::createUuid(), clock.now(), i == 0 ? key : QStringLiteral("app:other"), QStringLiteral("A passage long enough to keep here.")});
    model->memory().setEntries(entries);
    apps->addApp({QStringLiteral("org.example.Writer"), QStringLiteral("Writer"), {}});
    AppRuleDetail* d = apps->detail();
    EXPECT_FALSE(d->memoryToggle()->isEnabled()); // memory is off in Your Voice
    EXPECT_EQ(d->passages()->text(), QStringLiteral("1 passage from here"));

    // Erasing asks first. The pane replaced while it asks (a second launch's --open-settings)
    // takes the question with it, unanswered.
    const auto askErase = [&] {
        for (QAbstractButton* b : apps->detail()->findChildren<QAbstractButton*>())
            if (b->text() == QStringLiteral("Erase…"))
                b->click();
        return QPointer<Confirmation>(root->findChild<Confirmation*>(QStringLiteral("confirmation")));
    };
    QPointer<Confirmation> ask = askErase();
    ASSERT_FALSE(ask.isNull());
    model->windows().router().setPane(SettingsPane::general);
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ask.isNull());
    EXPECT_EQ(model->memory().entries().size(), 2);

    model->windows().router().setPane(SettingsPane::apps);
    settle();
    apps = pane<AppsPane>();
    apps->select(key);
    ask = askErase();
    ASSERT_FALSE(ask.isNull());
    ask->actionButton()->click();
    EXPECT_EQ(model->memory().entries().size(), 1);
    EXPECT_FALSE(apps->detail()->passages()->isVisibleTo(apps->detail()));
}

} // namespace tq

namespace tq {

// Without a tray the note says so only while the icon is asked for; a refused API key keeps its
// note through whatever the keyring reports, until the user edits the key.
TEST_F(SettingsWindowTest, TheNoTrayNoteAndARefusedKeysNoteStayWhileTheyApply)
{
    platform.trayHost().setRunning(false);
    open(SettingsPane::general);
    auto* general = pane<GeneralPane>();
    ASSERT_NE(general, nullptr);
    QLabel* trayDetail = general->trayIconToggle()->detailLabel();
    EXPECT_TRUE(trayDetail->text().startsWith(QStringLiteral("No system tray runs"))) << trayDetail->text().toStdString();
    model->prefs().setShowMenuBarIcon(false);
    EXPECT_TRUE(trayDetail->text().startsWith(QStringLiteral("Pause or open Settings"))) << trayDetail->text().toStdString();

    model->prefs().setEngine(EngineKind::openAI);
    model->windows().router().setPane(SettingsPane::engine);
    QCoreApplication::processEvents();
    QLineEdit* key = nullptr;
    for (QLineEdit* field : root->findChildren<QLineEdit*>())
        if (field->accessibleName() == QStringLiteral("API key"))
            key = field;
    auto* note = root->findChild<QLabel*>(QStringLiteral("apiKeyNote"));
    ASSERT_TRUE(key && note);
    key->setFocus();
    QTest::keyClicks(key, QStringLiteral("sk- x")); // a space inside: refused
    QMetaObject::invokeMethod(key, "editingFinished");
    const QString refusal = note->text();
    EXPECT_FALSE(refusal.isEmpty());
    emit model->hub().serverKey().keyChanged(); // the keyring answers afterwards
    emit model->hub().serverKey().stateChanged();
    EXPECT_EQ(note->text(), refusal);
    QTest::keyClick(key, Qt::Key_Backspace);
    EXPECT_NE(note->text(), refusal); // edited: the refusal has gone
}

} // namespace tq
