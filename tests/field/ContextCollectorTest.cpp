#include "field/ContextCollector.h"

#include "platform/fakes/FakePlatform.h"
#include "settings/Preferences.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using namespace std::chrono_literals;

ClipboardSnapshot plain(const QString& text) { return {{{QStringLiteral("text/plain"), text.toUtf8()}}}; }

ScreenLine line(const QString& text, double y, double x = 100, double w = 400)
{
    return {text, QRectF(x, y, w, 20)};
}

class ContextCollectorTest : public ::testing::Test {
protected:
    FakePlatform platform;
    VirtualClock& clock = platform.clock();
    FakeActiveApp& apps = platform.activeApp();
    FakeDefaults defaults;
    Preferences prefs{defaults};
    FakeClipboard& clipboard = platform.clipboard();
    std::unique_ptr<ContextCollector> collector;

    struct PendingRead {
        QString bundleID;
        bool nearby;
        std::function<void(ScreenRead)> done;
    };
    QVector<PendingRead> reads;
    QVector<QPair<QString, std::function<void(QVector<ScreenLine>)>>> glances;
    int screenReads = 0;

    void SetUp() override
    {
        clock.setNow(QDateTime(QDate(2026, 1, 5), QTime(9, 30)));
        make();
    }
    void TearDown() override { collector.reset(); }

    void make()
    {
        collector = std::make_unique<ContextCollector>(prefs, platform);
        collector->fullName = [] { return QStringLiteral("Ada Lovelace"); };
        collector->allowsCapture = [](const QString&) { return true; };
        collector->allowsNearby = [] { return true; };
        collector->isSecureInputOn = [] { return false; };
        collector->onScreenRead = [this] { ++screenReads; };
        collector->capture = [this](const QString& id, const std::optional<QRectF>&, bool nearby,
                                    ContextCollector::AppFilter, std::function<void(ScreenRead)> done) {
            reads.push_back({id, nearby, std::move(done)});
        };
        collector->glanceRead = [this](const QString& id, std::function<void(QVector<ScreenLine>)> done) {
            glances.push_back({id, std::move(done)});
        };
    }

    static FieldSnapshot field(const QString& before = QStringLiteral("Thanks for the quarterly numbers"))
    {
        FieldSnapshot s;
        s.fieldKey = QStringLiteral("42:7");
        s.bundleID = QStringLiteral("org.gnome.TextEditor");
        s.appName = QStringLiteral("Text Editor");
        s.windowTitle = QStringLiteral("Notes");
        s.domain = QStringLiteral("example.org");
        s.before = before;
        return s;
    }

    static ScreenRead windowRead(const QString& extra = QString())
    {
        ScreenRead r;
        r.lines = {line(QStringLiteral("Quarterly numbers are in the shared folder now"), 100)};
        if (!extra.isEmpty())
            r.lines << line(extra, 140);
        r.nearby = {{QStringLiteral("Mail"), {line(QStringLiteral("Meeting moved to Thursday afternoon"), 50)}}};
        return r;
    }

    // Completes the pending read with `read`.
    void finishRead(const ScreenRead& read)
    {
        ASSERT_FALSE(reads.isEmpty());
        auto pending = reads.takeFirst();
        pending.done(read);
    }

    void advance(double seconds) { clock.advance(std::chrono::duration_cast<Nanos>(std::chrono::duration<double>(seconds))); }
};

TEST_F(ContextCollectorTest, PracticeFieldCarriesOnlyWriterNotesAndExamples)
{
    prefs.setContextClipboard(true);
    prefs.setContextNearbyWindows(true);
    clipboard.copy(plain(QStringLiteral("something copied")));
    FieldSnapshot s = field();
    s.isLocal = true;
    const PromptContext c = collector->context(s, QStringLiteral("I write briefly."), {QStringLiteral("example")});
    PromptContext expected;
    expected.aboutWriter = QStringLiteral("I write briefly.");
    expected.examples = {QStringLiteral("example")};
    EXPECT_EQ(c, expected);
    EXPECT_TRUE(reads.isEmpty());
}

TEST_F(ContextCollectorTest, EachSourceFollowsItsSwitch)
{
    prefs.setContextClipboard(true);
    clipboard.copy(plain(QStringLiteral("copied text")));
    PromptContext c = collector->context(field(), std::nullopt, {});
    EXPECT_EQ(c.appName, QStringLiteral("Text Editor"));
    EXPECT_EQ(c.windowTitle, QStringLiteral("Notes"));
    EXPECT_EQ(c.domain, QStringLiteral("example.org"));
    EXPECT_EQ(c.clipboard, QStringLiteral("copied text"));
    EXPECT_EQ(c.writerName, QStringLiteral("Ada"));
    EXPECT_EQ(c.now, QStringLiteral("Monday 5 January 2026, morning"));
    EXPECT_EQ(reads.size(), 1);

    prefs.setContextApp(false);
    prefs.setContextWebsite(false);
    prefs.setContextClipboard(false);
    prefs.setContextScreen(false);
    finishRead(windowRead());
    c = collector->context(field(), std::nullopt, {});
    EXPECT_FALSE(c.appName || c.windowTitle || c.domain || c.clipboard || c.screenText || c.nearbyText || c.recentText);
    EXPECT_TRUE(c.now && c.writerName);

    // The clipboard also needs the permission callback.
    prefs.setContextClipboard(true);
    collector->allowsClipboard = [] { return false; };
    EXPECT_FALSE(collector->context(field(), std::nullopt, {}).clipboard);
}

TEST_F(ContextCollectorTest, ClipboardWindowMinimumLengthAndConcealedContent)
{
    // On the clipboard before the collector started: never offered.
    clipboard.copy(plain(QStringLiteral("old copy")));
    make();
    EXPECT_FALSE(collector->recentClipboard());

    clipboard.copy(plain(QStringLiteral("  fresh copy \n")));
    advance(30); // the time counts from the first request that notices the change
    EXPECT_EQ(collector->recentClipboard(), QStringLiteral("fresh copy"));
    advance(599);
    EXPECT_TRUE(collector->recentClipboard());
    advance(1);
    EXPECT_FALSE(collector->recentClipboard());

    clipboard.copy(plain(QStringLiteral(" ok ")));
    EXPECT_FALSE(collector->recentClipboard());
    clipboard.copy(plain(QStringLiteral("abc")));
    EXPECT_EQ(collector->recentClipboard(), QStringLiteral("abc"));

    clipboard.copy({{{QStringLiteral("text/plain"), "hunter22"},
                     {QStringLiteral("x-kde-passwordManagerHint"), "secret"}}});
    EXPECT_FALSE(collector->recentClipboard());
    clipboard.copy({{{QStringLiteral("text/plain"), "hunter22"}, {QStringLiteral("org.nspasteboard.ConcealedType"), ""}}});
    EXPECT_FALSE(collector->recentClipboard());
    clipboard.copy({{{QStringLiteral("text/plain"), "one-time code"}, {QStringLiteral("org.nspasteboard.TransientType"), ""}}});
    EXPECT_FALSE(collector->recentClipboard());
}

TEST_F(ContextCollectorTest, OurPasteAndTheRestoredClipboardAreNotNewCopies)
{
    clipboard.copy(plain(QStringLiteral("the user's own clipboard")));
    make();
    const ClipboardSnapshot saved = clipboard.contents;
    clipboard.setPaste(QStringLiteral("our suggestion"));
    EXPECT_FALSE(collector->recentClipboard());
    clipboard.restore(saved);
    EXPECT_FALSE(collector->recentClipboard());

    // A copy made later stays the one offered while our paste passes through, and its time
    // does not start again.
    clipboard.copy(plain(QStringLiteral("copied after start")));
    EXPECT_EQ(collector->recentClipboard(), QStringLiteral("copied after start"));
    advance(500);
    const ClipboardSnapshot copied = clipboard.contents;
    clipboard.setPaste(QStringLiteral("our suggestion"));
    EXPECT_EQ(collector->recentClipboard(), QStringLiteral("copied after start"));
    clipboard.restore(copied);
    advance(100);
    EXPECT_FALSE(collector->recentClipboard());
}

TEST_F(ContextCollectorTest, TheUnsavedMarkKeepsTheWindowsScreenText)
{
    FieldSnapshot saved = field();
    saved.windowTitle = QStringLiteral("notes.txt - Mousepad");
    FieldSnapshot typedInto = saved;
    typedInto.windowTitle = QStringLiteral("*notes.txt - Mousepad");
    EXPECT_EQ(ContextCollector::windowKey(typedInto), ContextCollector::windowKey(saved));
    typedInto.windowTitle = QStringLiteral("other.txt - Mousepad");
    EXPECT_NE(ContextCollector::windowKey(typedInto), ContextCollector::windowKey(saved));
}

TEST_F(ContextCollectorTest, DateLinePartsOfTheDay)
{
    auto part = [](int h, int m) {
        return ContextCollector::dateLine(QDateTime(QDate(2026, 3, 9), QTime(h, m))).section(QStringLiteral(", "), 1);
    };
    EXPECT_EQ(ContextCollector::dateLine(QDateTime(QDate(2026, 3, 9), QTime(5, 0))), QStringLiteral("Monday 9 March 2026, morning"));
    EXPECT_EQ(part(11, 59), QStringLiteral("morning"));
    EXPECT_EQ(part(12, 0), QStringLiteral("afternoon"));
    EXPECT_EQ(part(16, 59), QStringLiteral("afternoon"));
    EXPECT_EQ(part(17, 0), QStringLiteral("evening"));
    EXPECT_EQ(part(20, 59), QStringLiteral("evening"));
    EXPECT_EQ(part(21, 0), QStringLiteral("night"));
    EXPECT_EQ(part(4, 59), QStringLiteral("night"));
}

TEST_F(ContextCollectorTest, WriterNameFromTheFullName)
{
    EXPECT_EQ(ContextCollector::firstName(QStringLiteral("  Ada   Lovelace ")), QStringLiteral("Ada"));
    EXPECT_EQ(ContextCollector::firstName(QStringLiteral("Zoë Müller")), QStringLiteral("Zoë"));
    EXPECT_EQ(ContextCollector::firstName(QStringLiteral("Jo")), QStringLiteral("Jo"));
    EXPECT_EQ(ContextCollector::firstName(QStringLiteral("Abcdefghijklmnopqrst X")), QStringLiteral("Abcdefghijklmnopqrst"));
    for (const char* none : {"ADMIN Person", "Owner", "root", "J Smith", "Jean-Luc Picard", "R2D2", "Abcdefghijklmnopqrstu", ""})
        EXPECT_FALSE(ContextCollector::firstName(QString::fromUtf8(none))) << none;

    // The account's name as the passwd entry records it.
    EXPECT_EQ(account::nameFromGecos(QStringLiteral("Ada Lovelace,Room 12,555-0100,"), QStringLiteral("ada")),
              QStringLiteral("Ada Lovelace"));
    EXPECT_EQ(account::nameFromGecos(QStringLiteral("& Smith"), QStringLiteral("jane")), QStringLiteral("Jane Smith"));
    EXPECT_EQ(account::nameFromGecos(QStringLiteral(",,,"), QStringLiteral("jane")), QString());

    // Read once: a later change of the account name is not seen.
    int reads = 0;
    collector->fullName = [&] { ++reads; return QStringLiteral("Grace Hopper"); };
    EXPECT_EQ(collector->context(field(), std::nullopt, {}).writerName, QStringLiteral("Grace"));
    collector->context(field(), std::nullopt, {});
    EXPECT_EQ(reads, 1);
}

TEST_F(ContextCollectorTest, WriterNameComesFromTheAccountByDefault)
{
    FakeUserAccount& account = platform.userAccount();
    account.name = QStringLiteral("Grace Brewster Hopper");
    ContextCollector fresh(prefs, platform);
    EXPECT_EQ(fresh.context(field(), std::nullopt, {}).writerName, QStringLiteral("Grace"));
    account.name = QStringLiteral("guest");
    ContextCollector generic(prefs, platform);
    EXPECT_FALSE(generic.context(field(), std::nullopt, {}).writerName);
}

TEST_F(ContextCollectorTest, FirstRequestStartsOneReadAndLaterOnesUseTheCache)
{
    const FieldSnapshot s = field();
    PromptContext c = collector->context(s, std::nullopt, {});
    EXPECT_FALSE(c.screenText || c.nearbyText || c.recentText);
    ASSERT_EQ(reads.size(), 1);
    EXPECT_EQ(reads[0].bundleID, s.bundleID);
    EXPECT_FALSE(reads[0].nearby); // nearby windows are off by default
    EXPECT_TRUE(collector->isReadingScreen());

    // At most one read at a time.
    collector->context(s, std::nullopt, {});
    collector->prepare(s);
    EXPECT_EQ(reads.size(), 1);

    finishRead(windowRead());
    EXPECT_EQ(screenReads, 1);
    c = collector->context(s, std::nullopt, {});
    EXPECT_EQ(c.screenText, QStringLiteral("Quarterly numbers are in the shared folder now"));
    EXPECT_TRUE(reads.isEmpty());

    // Checked again only after 12 seconds; the same text does not tell the engine.
    advance(12);
    collector->context(s, std::nullopt, {});
    ASSERT_EQ(reads.size(), 1);
    finishRead(windowRead());
    EXPECT_EQ(screenReads, 1);
    collector->context(s, std::nullopt, {});
    EXPECT_TRUE(reads.isEmpty());

    // New text replaces the cache and tells the engine.
    advance(13);
    collector->context(s, std::nullopt, {});
    finishRead(windowRead(QStringLiteral("A new paragraph about the quarterly budget")));
    EXPECT_EQ(screenReads, 2);
    EXPECT_TRUE(collector->context(s, std::nullopt, {}).screenText->contains(QStringLiteral("budget")));

    // prepare() leaves a cached window alone, whatever its age.
    advance(100);
    collector->prepare(s);
    EXPECT_TRUE(reads.isEmpty());
}

TEST_F(ContextCollectorTest, NoReadForSecureFieldsRefusedCaptureOrScreenOff)
{
    FieldSnapshot secure = field();
    secure.isSecure = true;
    collector->context(secure, std::nullopt, {});
    collector->prepare(secure);
    EXPECT_TRUE(reads.isEmpty());

    collector->allowsCapture = [](const QString&) { return false; };
    collector->prepare(field());
    EXPECT_TRUE(reads.isEmpty());
    EXPECT_FALSE(collector->isReadingScreen());

    collector->allowsCapture = [](const QString&) { return true; };
    collector->allowsScreen = [] { return false; };
    collector->prepare(field());
    collector->context(field(), std::nullopt, {});
    EXPECT_TRUE(reads.isEmpty());
}

TEST_F(ContextCollectorTest, NearbyTextNeedsTheSwitchAndThePermissionEvenFromTheCache)
{
    prefs.setContextNearbyWindows(true);
    const FieldSnapshot s = field();
    collector->prepare(s);
    ASSERT_EQ(reads.size(), 1);
    EXPECT_TRUE(reads[0].nearby);
    finishRead(windowRead());
    EXPECT_EQ(collector->context(s, std::nullopt, {}).nearbyText,
              QStringLiteral("Mail: Meeting moved to Thursday afternoon"));

    // Switched off after the read: the cached nearby windows are not used.
    prefs.setContextNearbyWindows(false);
    EXPECT_FALSE(collector->context(s, std::nullopt, {}).nearbyText);
    prefs.setContextNearbyWindows(true);
    collector->allowsNearby = [] { return false; };
    EXPECT_FALSE(collector->context(s, std::nullopt, {}).nearbyText);
}

TEST_F(ContextCollectorTest, PickedTextIsKeptPerFortyCharacterStage)
{
    const FieldSnapshot s = field(QStringLiteral("short"));
    collector->prepare(s);
    finishRead(windowRead(QStringLiteral("Budget memo")));
    // A short line is picked only when it shares words with the typed text.
    EXPECT_EQ(collector->context(s, std::nullopt, {}).screenText,
              QStringLiteral("Quarterly numbers are in the shared folder now"));
    // Same stage: the cached pick stands although the typed text now shares the word.
    FieldSnapshot typed = field(QStringLiteral("budget memo"));
    EXPECT_FALSE(collector->context(typed, std::nullopt, {}).screenText->contains(QStringLiteral("Budget")));
    // The next 40-character stage picks again.
    typed.before = QStringLiteral("budget memo ").repeated(4);
    EXPECT_TRUE(collector->context(typed, std::nullopt, {}).screenText->contains(QStringLiteral("Budget")));
}

TEST_F(ContextCollectorTest, RecentListOnePerAppAtMostFourAndFresh)
{
    const QVector<ScreenLine> lines{line(QStringLiteral("Invoice numbers for March"), 10)};
    for (int i = 0; i < 6; ++i)
        collector->remember(QStringLiteral("app%1").arg(i), QStringLiteral("App %1").arg(i), lines);
    collector->remember(QStringLiteral("app4"), QStringLiteral("App 4"), lines);
    EXPECT_EQ(collector->recentAppNames(),
              (QStringList{QStringLiteral("App 4"), QStringLiteral("App 5"), QStringLiteral("App 3"), QStringLiteral("App 2")}));

    // Password managers are never remembered.
    collector->remember(QStringLiteral("org.keepassxc.KeePassXC"), QStringLiteral("KeePassXC"), lines);
    EXPECT_EQ(collector->recentAppNames().size(), 4);
    EXPECT_FALSE(collector->recentAppNames().contains(QStringLiteral("KeePassXC")));

    // Older than 300 seconds: dropped when the next window is remembered.
    advance(301);
    collector->remember(QStringLiteral("app9"), QStringLiteral("App 9"), lines);
    EXPECT_EQ(collector->recentAppNames(), QStringList{QStringLiteral("App 9")});
}

TEST_F(ContextCollectorTest, RecentTextSkipsOwnAppAgedEntriesAndTheSharedBudget)
{
    const FieldSnapshot s = field(QStringLiteral("About the invoice"));
    collector->remember(QStringLiteral("own"), QStringLiteral("Own"), {line(QStringLiteral("Invoice from own window"), 10)});
    FieldSnapshot fromOwn = s;
    fromOwn.bundleID = QStringLiteral("own");
    EXPECT_FALSE(collector->context(fromOwn, std::nullopt, {}).recentText);

    collector->remember(QStringLiteral("mail"), QStringLiteral("Mail"), {line(QStringLiteral("Invoice 2291 is overdue"), 10)});
    EXPECT_EQ(collector->context(s, std::nullopt, {}).recentText,
              QStringLiteral("Mail: Invoice 2291 is overdue\nOwn: Invoice from own window"));

    // Aged out while the picked text is cached: it no longer reaches the prompt.
    advance(300);
    EXPECT_FALSE(collector->context(s, std::nullopt, {}).recentText);

    // Switched off: nothing, even from the cache.
    collector->remember(QStringLiteral("mail"), QStringLiteral("Mail"), {line(QStringLiteral("Invoice 2291 is overdue"), 10)});
    EXPECT_TRUE(collector->context(s, std::nullopt, {}).recentText);
    prefs.setContextRecent(false);
    EXPECT_FALSE(collector->context(s, std::nullopt, {}).recentText);
}

TEST_F(ContextCollectorTest, RecentBudgetStopsOnceMoreThan419CharactersAreUsed)
{
    auto lines = [](int words) {
        QVector<ScreenLine> out;
        for (int i = 0; i < words; ++i)
            out << line(QStringLiteral("invoice line number %1 with some padding text").arg(i, 3, 10, QLatin1Char('0')), 10 + 20 * i);
        return out;
    };
    // Oldest first so the newest is "First".
    collector->remember(QStringLiteral("c"), QStringLiteral("Third"), lines(10));
    collector->remember(QStringLiteral("b"), QStringLiteral("Second"), lines(10));
    collector->remember(QStringLiteral("a"), QStringLiteral("First"), lines(10));
    const QString recent = *collector->context(field(QStringLiteral("invoice")), std::nullopt, {}).recentText;
    EXPECT_TRUE(recent.startsWith(QStringLiteral("First: ")));
    EXPECT_TRUE(recent.contains(QStringLiteral("\nSecond: ")));
    EXPECT_FALSE(recent.contains(QStringLiteral("Third")));
}

TEST_F(ContextCollectorTest, GlanceWaitsInVirtualTimeAndANewOneCancelsIt)
{
    const QVector<ScreenLine> lines{line(QStringLiteral("Design review notes"), 10)};
    collector->glance(QStringLiteral("mail"), QStringLiteral("Mail"));
    advance(1.1);
    EXPECT_TRUE(glances.isEmpty());
    collector->glance(QStringLiteral("chat"), QStringLiteral("Chat"));
    advance(1.1);
    EXPECT_TRUE(glances.isEmpty());
    advance(0.1);
    ASSERT_EQ(glances.size(), 1);
    EXPECT_EQ(glances[0].first, QStringLiteral("chat"));
    glances[0].second(lines);
    EXPECT_EQ(collector->recentAppNames(), QStringList{QStringLiteral("Chat")});

    // A read that finishes after another glance started is dropped.
    collector->glance(QStringLiteral("mail"), QStringLiteral("Mail"));
    advance(1.2);
    ASSERT_EQ(glances.size(), 2);
    collector->glance(QStringLiteral("notes"), QStringLiteral("Notes"));
    glances[1].second(lines);
    EXPECT_EQ(collector->recentAppNames(), QStringList{QStringLiteral("Chat")});
}

TEST_F(ContextCollectorTest, GlanceSkipsOwnAppPasswordManagersSecureInputAndSwitches)
{
    collector->ownBundleID = QStringLiteral("tessaquill");
    collector->glance(QStringLiteral("tessaquill"), QStringLiteral("Tessaquill"));
    collector->glance(QStringLiteral("com.bitwarden.desktop"), QStringLiteral("Bitwarden"));
    advance(2);
    EXPECT_TRUE(glances.isEmpty());

    collector->isSecureInputOn = [] { return true; };
    collector->glance(QStringLiteral("mail"), QStringLiteral("Mail"));
    advance(2);
    EXPECT_TRUE(glances.isEmpty());
    collector->isSecureInputOn = [] { return false; };

    bool allowed = true;
    collector->isAppAllowed = [&](const QString&) { return allowed; };
    collector->glance(QStringLiteral("mail"), QStringLiteral("Mail"));
    allowed = false; // rules changed during the wait
    advance(2);
    EXPECT_TRUE(glances.isEmpty());

    allowed = true;
    prefs.setContextRecent(false);
    collector->glance(QStringLiteral("mail"), QStringLiteral("Mail"));
    advance(2);
    EXPECT_TRUE(glances.isEmpty());
}

TEST_F(ContextCollectorTest, ReadsFeedTheRecentListWhileItIsOn)
{
    collector->prepare(field());
    finishRead(windowRead());
    EXPECT_EQ(collector->recentAppNames(), QStringList{QStringLiteral("Text Editor")});
}

} // namespace
} // namespace tq
