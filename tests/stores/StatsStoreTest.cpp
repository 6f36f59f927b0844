#include "stores/StatsStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "stores/TestFiles.h"

#include <gtest/gtest.h>

using namespace tq;
using namespace std::chrono_literals;

namespace {

using testfiles::readAll;

void writeFile(const QString& path, const QByteArray& data) { ASSERT_TRUE(testfiles::writeFile(path, data)); }

class StatsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    VirtualClock clock;
    QString path = dir.filePath(QStringLiteral("stats.json"));
    StatsStore store{path, clock};

    QDateTime now() const { return clock.now(); }
    QDateTime daysAgo(int n) const { return clock.now().addDays(-n); }
    void wordsOn(int daysBack, qint64 words)
    {
        auto days = store.days();
        days[dayKey(daysAgo(daysBack))].words = words;
        store.setDays(days);
    }
};

TEST(StatsCounting, WordsAreLetterOrNumberPiecesBetweenWhitespace)
{
    EXPECT_EQ(wordCount(u"Hello, world!"), 2);
    EXPECT_EQ(wordCount(u"..."), 0);
    EXPECT_EQ(wordCount(u"e-mail at 3pm"), 3);
    EXPECT_EQ(wordCount(u"  — 🎉 ok\n\tnext\u00a0line "), 3);
    EXPECT_EQ(wordCount(u"日本語 テキスト"), 2);
    EXPECT_EQ(wordCount(u""), 0);
}

TEST(StatsCounting, DayKeyIsLocalDateWithPadding)
{
    EXPECT_EQ(dayKey(QDateTime(QDate(2026, 3, 9), QTime(12, 0))), QStringLiteral("2026-03-09"));
    EXPECT_EQ(dayKey(QDateTime(QDate(987, 11, 30), QTime(0, 0))), QStringLiteral("0987-11-30"));
}

TEST_F(StatsStoreTest, AcceptanceCountsWordsCharactersAndApps)
{
    store.recordAccepted(QStringLiteral("Hello, world!"), QStringLiteral("app:org.gnome.TextEditor"), now());
    store.recordAccepted(QStringLiteral("..."), QStringLiteral("app:org.kde.kate"), now());
    store.recordAccepted(QStringLiteral("👍🏽 café"), QStringLiteral("app:org.gnome.TextEditor"), now());

    const DayStats today = store.day(now());
    EXPECT_EQ(today.words, 3);
    EXPECT_EQ(today.characters, 13 + 3 + 6); // the thumb with its skin tone is one character
    EXPECT_EQ(today.accepts, 3);
    EXPECT_EQ(today.shown, 0);
    EXPECT_EQ(today.apps.value(QStringLiteral("app:org.gnome.TextEditor")), 3);
    ASSERT_TRUE(today.apps.contains(QStringLiteral("app:org.kde.kate")));
    EXPECT_EQ(today.apps.value(QStringLiteral("app:org.kde.kate")), 0);
    EXPECT_EQ(store.appTotals().value(QStringLiteral("app:org.gnome.TextEditor")), 3);
    EXPECT_TRUE(store.appTotals().contains(QStringLiteral("app:org.kde.kate")));

    store.recordShown(now());
    store.recordShown(daysAgo(1));
    EXPECT_EQ(store.day(now()).shown, 1);
    EXPECT_EQ(store.totalShown(), 2);
    EXPECT_EQ(store.totalWords(), 3);
    EXPECT_EQ(store.totalAccepts(), 3);
}

TEST_F(StatsStoreTest, ObserversHearOnlyRealChanges)
{
    QSignalSpy days(&store, &StatsStore::daysChanged);
    QSignalSpy totals(&store, &StatsStore::appTotalsChanged);
    store.setDays({});
    store.setAppTotals({});
    EXPECT_EQ(days.count(), 0);
    EXPECT_EQ(totals.count(), 0);
    store.recordAccepted(QStringLiteral("one two"), QStringLiteral("app:x"), now());
    EXPECT_EQ(days.count(), 1);
    EXPECT_EQ(totals.count(), 1);
    store.setDays(store.days());
    EXPECT_EQ(days.count(), 1);
}

TEST_F(StatsStoreTest, KeepsTheLatest400Latencies)
{
    for (int i = 0; i < 401; ++i)
        store.recordLatency(i);
    ASSERT_EQ(store.latencies().size(), 400);
    EXPECT_EQ(store.latencies().first(), 1);
    EXPECT_EQ(store.latencies().last(), 400);

    // A loaded list longer than that stays whole until the next recording.
    StatsStore::Snapshot big;
    for (int i = 0; i < 450; ++i)
        big.latencies.append(i);
    store.apply(big);
    EXPECT_EQ(store.latencies().size(), 450);
    store.recordLatency(7);
    ASSERT_EQ(store.latencies().size(), 400);
    EXPECT_EQ(store.latencies().first(), 51);
    EXPECT_EQ(store.latencies().last(), 7);
}

TEST_F(StatsStoreTest, PercentileRoundsHalvesAwayFromZero)
{
    EXPECT_FALSE(store.latencyPercentile(0.5).has_value());
    store.setLatencies({300, 100});
    EXPECT_EQ(store.latencyPercentile(0.5), 300);
    store.setLatencies({300, 100, 200});
    EXPECT_EQ(store.latencyPercentile(0.5), 200);
    EXPECT_EQ(store.latencyPercentile(-1.0), 100);
    EXPECT_EQ(store.latencyPercentile(7.0), 300);

    QList<qint64> many;
    for (int i = 399; i >= 0; --i)
        many.append(i * 10);
    store.setLatencies(many);
    EXPECT_EQ(store.latencyPercentile(0.5), 2000);
    EXPECT_EQ(store.latencyPercentile(0.9), 3590);
}

TEST_F(StatsStoreTest, StreakRunsUpToTodayOrYesterday)
{
    EXPECT_EQ(store.streak(), 0);
    wordsOn(0, 5);
    wordsOn(1, 1);
    wordsOn(2, 9);
    EXPECT_EQ(store.streak(), 3);

    wordsOn(0, 0); // no words yet today: the run up to yesterday still shows
    EXPECT_EQ(store.streak(), 2);

    wordsOn(1, 0); // shown suggestions without saved words break the run
    auto days = store.days();
    days[dayKey(daysAgo(1))].shown = 12;
    store.setDays(days);
    EXPECT_EQ(store.streak(), 0);
}

TEST_F(StatsStoreTest, BestDayNeedsAnEarlierDayWithWordsAndMustBeatIt)
{
    wordsOn(0, 4);
    EXPECT_FALSE(store.isBestDayYet()); // first day ever
    wordsOn(3, 0);
    EXPECT_FALSE(store.isBestDayYet()); // every earlier day had nothing
    wordsOn(2, 4);
    EXPECT_FALSE(store.isBestDayYet()); // a tie
    wordsOn(0, 5);
    EXPECT_TRUE(store.isBestDayYet());
}

TEST_F(StatsStoreTest, HistoryListsEveryDayOldestFirst)
{
    wordsOn(0, 3);
    wordsOn(6, 2);
    wordsOn(7, 99);
    const auto week = store.history(7, now());
    ASSERT_EQ(week.size(), 7);
    EXPECT_EQ(week.first().first.date(), daysAgo(6).toLocalTime().date());
    EXPECT_EQ(week.first().second.words, 2);
    EXPECT_EQ(week.last().first, now().toLocalTime().date().startOfDay());
    EXPECT_EQ(week.last().second.words, 3);
    EXPECT_EQ(week[3].second, DayStats());
    EXPECT_TRUE(store.history(0, now()).isEmpty());
}

TEST_F(StatsStoreTest, FileHasTheDocumentedShape)
{
    store.recordAccepted(QStringLiteral("Hello, world!"), QStringLiteral("app:a"), now());
    store.recordShown(now());
    store.recordLatency(250);
    ASSERT_TRUE(store.flush());

    const QByteArray bytes = readAll(path);
    EXPECT_FALSE(bytes.contains('\n'));
    EXPECT_FALSE(bytes.contains(": "));
    const QJsonObject top = QJsonDocument::fromJson(bytes).object();
    EXPECT_EQ(top.keys(), (QStringList{"days", "latencies"}));
    EXPECT_EQ(top.value("latencies").toArray(), QJsonArray({250}));
    const QJsonObject days = top.value("days").toObject();
    ASSERT_EQ(days.keys(), QStringList{dayKey(now())});
    const QJsonObject day = days.value(dayKey(now())).toObject();
    EXPECT_EQ(day.keys(), (QStringList{"accepts", "apps", "characters", "shown", "words"}));
    EXPECT_EQ(day.value("words").toInteger(), 2);
    EXPECT_EQ(day.value("characters").toInteger(), 13);
    EXPECT_EQ(day.value("apps").toObject().value("app:a").toInteger(), 2);

    StatsStore again(path, clock);
    again.load();
    EXPECT_EQ(again.snapshot(), store.snapshot());
    EXPECT_EQ(again.appTotals().value(QStringLiteral("app:a")), 2);
}

TEST_F(StatsStoreTest, ExtraMembersAreIgnoredAndDroppedOnSave)
{
    writeFile(path, R"({"version":3,"days":{"2026-01-04":{"words":2,"characters":9,"accepts":1,"shown":4,"apps":{"app:a":2},"mood":"ok"}},"latencies":[5]})");
    store.load();
    EXPECT_EQ(store.day(daysAgo(1)).shown, 4);
    EXPECT_EQ(store.appTotals().value(QStringLiteral("app:a")), 2);
    EXPECT_TRUE(store.movedAsidePath().isEmpty());
    ASSERT_TRUE(store.save());
    EXPECT_FALSE(readAll(path).contains("version"));
    EXPECT_FALSE(readAll(path).contains("mood"));
}

TEST_F(StatsStoreTest, UndecodableFileLoadsNothingAndIsKeptAside)
{
    const QByteArray bad[] = {
        R"({"days":{"2026-01-04":{"words":2,"characters":9,"accepts":1,"apps":{}}},"latencies":[]})", // no "shown"
        R"({"days":{},"latencies":[1.5]})",
        R"({"days":{}})",
        R"({"days":{"2026-01-04":{"words":"2","characters":9,"accepts":1,"shown":1,"apps":{}}},"latencies":[]})",
        "{\"days\":",
    };
    for (const QByteArray& content : bad) {
        QTemporaryDir tmp;
        const QString file = tmp.filePath(QStringLiteral("stats.json"));
        writeFile(file, content);
        StatsStore s(file, clock);
        s.load();
        EXPECT_TRUE(s.days().isEmpty()) << content.constData();
        EXPECT_TRUE(s.latencies().isEmpty()) << content.constData();
        ASSERT_FALSE(s.movedAsidePath().isEmpty()) << content.constData();
        EXPECT_EQ(readAll(s.movedAsidePath()), content);

        // The next save writes a fresh file; the unreadable one survives beside it.
        s.recordShown(now());
        ASSERT_TRUE(s.flush());
        EXPECT_EQ(readAll(s.movedAsidePath()), content);
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files).size(), 2);
    }
}

TEST_F(StatsStoreTest, CountsOutOfRangeAreClampedOnLoadAndSaturate)
{
    writeFile(path, R"({"days":{")" + dayKey(now()).toUtf8()
                        + R"(":{"words":9223372036854775807,"characters":-5,"accepts":1e30,"shown":-1e30,)"
                          R"("apps":{"app:a":9223372036854775807,"app:b":3}}},"latencies":[-7,9223372036854775807,12]})");
    store.load();
    ASSERT_TRUE(store.movedAsidePath().isEmpty());
    const DayStats loaded = store.day(now());
    EXPECT_EQ(loaded.words, kMaxCount);
    EXPECT_EQ(loaded.characters, 0);
    EXPECT_EQ(loaded.accepts, kMaxCount);
    EXPECT_EQ(loaded.shown, 0);
    EXPECT_EQ(store.latencies(), (QList<qint64>{0, kMaxCount, 12}));

    store.recordAccepted(QStringLiteral("one"), QStringLiteral("app:a"), now());
    store.recordShown(now());
    store.recordLatency(-3); // refused
    const DayStats after = store.day(now());
    EXPECT_EQ(after.words, kMaxCount);
    EXPECT_EQ(after.accepts, kMaxCount);
    EXPECT_EQ(after.characters, 3);
    EXPECT_EQ(after.shown, 1);
    EXPECT_EQ(after.apps.value(QStringLiteral("app:a")), kMaxCount);
    EXPECT_EQ(store.appTotals().value(QStringLiteral("app:a")), kMaxCount);
    EXPECT_EQ(store.latencies().size(), 3);

    wordsOn(1, kMaxCount); // totals over days saturate too
    EXPECT_EQ(store.totalWords(), kMaxCount);
    ASSERT_TRUE(store.save());
    StatsStore again(path, clock);
    again.load();
    EXPECT_EQ(again.day(now()).words, kMaxCount);
    EXPECT_GE(again.totalWords(), 0);
}

TEST_F(StatsStoreTest, MissingFileLeavesTheStoreEmptyAndMovesNothing)
{
    store.load();
    EXPECT_TRUE(store.days().isEmpty());
    EXPECT_TRUE(store.movedAsidePath().isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(StatsStoreTest, BurstOfRecordingsWritesOnceTwoSecondsAfterTheLast)
{
    for (int i = 0; i < 10; ++i) {
        store.recordLatency(i);
        clock.advance(100ms);
    }
    EXPECT_FALSE(QFile::exists(path));
    clock.advance(1899ms); // 1.999 s after the last recording
    EXPECT_FALSE(QFile::exists(path));
    clock.advance(1ms);
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_FALSE(store.hasPendingSave());
    EXPECT_EQ(QJsonDocument::fromJson(readAll(path)).object().value("latencies").toArray().size(), 10);
}

TEST_F(StatsStoreTest, ResetWritesEmptyTablesAfterTheDebounce)
{
    store.recordAccepted(QStringLiteral("some words"), QStringLiteral("app:a"), now());
    ASSERT_TRUE(store.flush());
    store.setDays({});
    store.setLatencies({});
    store.setAppTotals({});
    store.scheduleSave();
    EXPECT_TRUE(store.appTotals().isEmpty());
    clock.advance(2s);
    EXPECT_EQ(readAll(path), QByteArray(R"({"days":{},"latencies":[]})"));
}

TEST_F(StatsStoreTest, FlushWritesAtOnceAndCancelsThePendingSave)
{
    store.recordShown(now());
    ASSERT_TRUE(store.hasPendingSave());
    ASSERT_TRUE(store.flush());
    EXPECT_FALSE(store.hasPendingSave());
    EXPECT_TRUE(QFile::exists(path));

    StatsStore memoryOnly({}, clock);
    memoryOnly.recordShown(now());
    EXPECT_TRUE(memoryOnly.flush());
}

TEST_F(StatsStoreTest, FailedWriteKeepsTheOldFile)
{
    writeFile(dir.filePath(QStringLiteral("blocker")), "a file where a folder should be");
    StatsStore nowhere(dir.filePath(QStringLiteral("blocker/stats.json")), clock);
    QSignalSpy state(&nowhere, &StatsStore::storeStateChanged);
    nowhere.recordShown(now());
    EXPECT_FALSE(nowhere.flush());
    EXPECT_TRUE(nowhere.isUnsaved()); // the windows say "not saved"
    EXPECT_EQ(state.count(), 1);
    QFile::remove(dir.filePath(QStringLiteral("blocker")));
    EXPECT_TRUE(nowhere.flush());
    EXPECT_FALSE(nowhere.isUnsaved());

    store.recordShown(now());
    ASSERT_TRUE(store.flush());
    const QByteArray before = readAll(path);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    store.recordShown(now());
    const bool saved = store.flush();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (saved)
        GTEST_SKIP() << "the folder stays writable (running as root)";
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

} // namespace
