#include "stores/WritingMemory.h"

#include "platform/fakes/FakeCrypto.h"
#include "platform/fakes/FakeKeychain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "stores/BlockingKeychain.h"
#include "stores/TestFiles.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tq;
using namespace std::chrono_literals;

namespace {

using testfiles::readAll;

void writeFile(const QString& path, const QByteArray& data) { ASSERT_TRUE(testfiles::writeFile(path, data)); }

// n user-visible characters of filler without sentence ends.
QString filler(int n, QChar c = u'a') { return QString(n, c); }

class WritingMemoryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    VirtualClock clock;
    FakeKeychain keys;
    OpenSslCrypto crypto; // the real sealing
    QString path = dir.filePath(QStringLiteral("memory.sealed"));

    std::unique_ptr<WritingMemory> open()
    {
        auto m = std::make_unique<WritingMemory>(path, Keychain(keys), crypto, clock);
        m->load();
        // The key comes from the keychain's own thread.
        EXPECT_TRUE(testwait::waitFor([&] { return m->loadState() != WritingMemory::LoadState::opening; }, 2000));
        return m;
    }
    QByteArray storedKey() const { return keys.value(kKeychainService, kWritingMemoryKeyAccount); }
    QStringList filesInFolder() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    // A memory with one saved passage, its file and key in place.
    void seed()
    {
        auto m = open();
        m->record(QStringLiteral("A first passage that is long enough to keep."), QStringLiteral("app:a"), clock.now());
        ASSERT_TRUE(m->flush());
        ASSERT_TRUE(QFile::exists(path));
    }
};

TEST_F(WritingMemoryTest, SealedFileRoundTripsThroughOpenSsl)
{
    auto m = open();
    EXPECT_EQ(m->loadState(), WritingMemory::LoadState::noFile);
    m->record(QStringLiteral("Dear team, the quarterly numbers look better than expected."), QStringLiteral("app:mail"),
              clock.now());
    m->record(QStringLiteral("Ünïcödé passage with emoji 👩‍👩‍👧 and more words."), QStringLiteral("app:chat"),
              clock.now().addSecs(5));
    ASSERT_TRUE(m->flush());

    const QByteArray key = storedKey();
    ASSERT_EQ(key.size(), 32);
    const QByteArray box = readAll(path);
    const auto plain = OpenSslCrypto::openBox(key, box);
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(box.size(), 12 + plain->size() + 16);

    const QJsonArray array = QJsonDocument::fromJson(*plain).array();
    ASSERT_EQ(array.size(), 2);
    const QJsonObject first = array[0].toObject();
    EXPECT_EQ(first.keys(), (QStringList{"appKey", "date", "id", "text"}));
    EXPECT_EQ(first.value("id").toString(), m->entries()[0].id.toString(QUuid::WithoutBraces).toUpper());
    EXPECT_EQ(first.value("date").toDouble(), secondsSince2001(clock.now()));

    auto again = open();
    EXPECT_EQ(again->loadState(), WritingMemory::LoadState::loaded);
    EXPECT_FALSE(again->isReadOnly());
    EXPECT_EQ(again->entries(), m->entries());
}

TEST_F(WritingMemoryTest, FileIsReadableByTheOwnerOnly)
{
    writeFile(path, "old"); // an older file with wider permissions is replaced as 0600
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    WritingMemory m(path, Keychain(keys), crypto, clock); // not loaded: the file is only replaced
    m.record(QStringLiteral("Some passage that is long enough to be kept."), QStringLiteral("app:a"), clock.now());
    ASSERT_TRUE(m.flush());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(filesInFolder(), QStringList{QStringLiteral("memory.sealed")});
}

TEST_F(WritingMemoryTest, TamperedFileIsSetAsideAndANewMemoryStarts)
{
    seed();
    QByteArray box = readAll(path);
    box[20] = char(box[20] ^ 0x01);
    writeFile(path, box);
    const QByteArray key = storedKey();

    auto m = open();
    EXPECT_TRUE(m->entries().isEmpty());
    EXPECT_EQ(m->loadState(), WritingMemory::LoadState::unreadable);
    EXPECT_FALSE(m->isReadOnly());
    EXPECT_FALSE(m->problem().isEmpty());
    ASSERT_FALSE(m->movedAsidePath().isEmpty());
    EXPECT_EQ(readAll(m->movedAsidePath()), box);

    // New passages are kept beside the untouched old file, under the same key.
    m->record(QStringLiteral("A passage typed after the failed load, long enough."), QStringLiteral("app:a"), clock.now());
    m->scheduleSave();
    clock.advance(5s);
    EXPECT_TRUE(m->flush());
    EXPECT_EQ(m->entries().size(), 1);
    EXPECT_EQ(readAll(m->movedAsidePath()), box);
    EXPECT_EQ(storedKey(), key);
    EXPECT_EQ(filesInFolder().size(), 2);
    EXPECT_EQ(open()->entries().size(), 1);
}

TEST_F(WritingMemoryTest, TruncatedOrForeignFilesAreKeptAsWell)
{
    seed();
    for (const QByteArray& content : {QByteArray("short"), QByteArray(40, 'x'), QByteArray()}) {
        writeFile(path, content);
        auto m = open();
        EXPECT_EQ(m->loadState(), WritingMemory::LoadState::unreadable);
        ASSERT_FALSE(m->movedAsidePath().isEmpty());
        EXPECT_EQ(readAll(m->movedAsidePath()), content);
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_TRUE(m->flush()); // nothing new: no file
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST_F(WritingMemoryTest, LockedKeyringLeavesFileAndKeyUntouched)
{
    seed();
    const QByteArray box = readAll(path);
    const QByteArray key = storedKey();
    keys.setUnreadable(kKeychainService, kWritingMemoryKeyAccount);

    auto m = open();
    EXPECT_EQ(m->loadState(), WritingMemory::LoadState::keyUnavailable);
    EXPECT_TRUE(m->isReadOnly());
    EXPECT_TRUE(m->movedAsidePath().isEmpty());
    // Quitting with an empty memory must not delete the stored one.
    EXPECT_FALSE(m->flush());
    EXPECT_EQ(readAll(path), box);
    EXPECT_EQ(storedKey(), key);
    EXPECT_EQ(keys.writeCount(), 1);

    // The next run, with the keyring open again, has the passages back.
    keys.setUnreadable(kKeychainService, kWritingMemoryKeyAccount, false);
    EXPECT_EQ(open()->entries().size(), 1);
}

TEST_F(WritingMemoryTest, UnreachableKeyringNeverMakesANewKey)
{
    seed();
    const QByteArray box = readAll(path);
    keys.setUnreachable(true);
    auto m = open();
    EXPECT_EQ(m->loadState(), WritingMemory::LoadState::keyUnavailable);
    m->record(QStringLiteral("A passage typed while the keyring is gone."), QStringLiteral("app:a"), clock.now());
    EXPECT_FALSE(m->flush());
    EXPECT_EQ(readAll(path), box);
    EXPECT_EQ(keys.writeCount(), 1);
}

TEST_F(WritingMemoryTest, KeyOfTheWrongLengthIsNeitherUsedNorReplaced)
{
    seed();
    const QByteArray box = readAll(path);
    const QByteArray shortKey = storedKey().left(31);
    keys.write(kKeychainService, kWritingMemoryKeyAccount, shortKey);

    auto m = open();
    EXPECT_EQ(m->loadState(), WritingMemory::LoadState::keyUnavailable);
    EXPECT_FALSE(m->flush());
    EXPECT_EQ(storedKey(), shortKey);
    EXPECT_EQ(readAll(path), box);
}

TEST_F(WritingMemoryTest, MissingKeyKeepsTheFileAsideAndNewPassagesGetANewKey)
{
    seed();
    const QByteArray box = readAll(path);
    keys.remove(kKeychainService, kWritingMemoryKeyAccount);

    auto m = open();
    EXPECT_EQ(m->loadState(), WritingMemory::LoadState::unreadable);
    EXPECT_EQ(readAll(m->movedAsidePath()), box);
    EXPECT_FALSE(keys.contains(kKeychainService, kWritingMemoryKeyAccount));

    // This run goes on remembering, under a new key, with only what it records.
    m->record(QStringLiteral("A passage recorded after the key was lost."), QStringLiteral("app:b"), clock.now());
    ASSERT_TRUE(m->flush());
    EXPECT_EQ(storedKey().size(), 32);
    EXPECT_EQ(readAll(m->movedAsidePath()), box);
    auto next = open();
    EXPECT_EQ(next->loadState(), WritingMemory::LoadState::loaded);
    EXPECT_EQ(next->entries().size(), 1);
}

TEST_F(WritingMemoryTest, KeyWithZeroBytesWorks)
{
    QByteArray key(32, '\0');
    key[5] = 'k';
    keys.write(kKeychainService, kWritingMemoryKeyAccount, key);
    auto m = open();
    m->record(QStringLiteral("Secret passage sealed under a key full of zero bytes."), QStringLiteral("app:a"), clock.now());
    ASSERT_TRUE(m->flush());
    EXPECT_TRUE(OpenSslCrypto::openBox(key, readAll(path)).has_value());
    EXPECT_EQ(open()->entries().size(), 1);
}

TEST_F(WritingMemoryTest, KeyringRefusingANewKeyWritesNothing)
{
    keys.setWritesFail(true);
    auto m = open();
    m->record(QStringLiteral("A passage that can only live in memory now."), QStringLiteral("app:a"), clock.now());
    EXPECT_FALSE(m->flush());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(m->entries().size(), 1);
    EXPECT_FALSE(m->isReadOnly());

    FakeCrypto noRandom;
    noRandom.setRandomFails(true);
    keys.setWritesFail(false);
    WritingMemory n(path, Keychain(keys), noRandom, clock);
    n.record(QStringLiteral("Another passage that cannot be sealed."), QStringLiteral("app:a"), clock.now());
    EXPECT_FALSE(n.flush());
    EXPECT_TRUE(n.isUnsaved());
    EXPECT_FALSE(keys.contains(kKeychainService, kWritingMemoryKeyAccount));
}

TEST_F(WritingMemoryTest, SavesOneSecondAfterTheLastChange)
{
    auto m = open();
    m->record(QStringLiteral("The first passage of a burst of typing here"), QStringLiteral("app:a"), clock.now());
    clock.advance(600ms);
    m->record(QStringLiteral("The first passage of a burst of typing here, and on."), QStringLiteral("app:a"),
              clock.now());
    clock.advance(999ms);
    EXPECT_FALSE(QFile::exists(path));
    clock.advance(1ms);
    EXPECT_TRUE(testwait::waitFor([&] { return QFile::exists(path); }, 2000));
    EXPECT_EQ(open()->entries().size(), 1);
}

TEST_F(WritingMemoryTest, AKeychainThatNeverAnswersHoldsNobodyAndLosesNothing)
{
    seed();
    const QByteArray box = readAll(path);
    BlockingKeychain locked;
    locked.inner.write(kKeychainService, kWritingMemoryKeyAccount, storedKey());
    QElapsedTimer timer;
    timer.start();
    WritingMemory m(path, Keychain(locked), crypto, clock);
    m.load();
    EXPECT_TRUE(m.flush(0ms)); // nothing new yet: quitting has nothing to wait for
    m.record(QStringLiteral("A passage typed while the keyring prompt waits."), QStringLiteral("app:b"), clock.now());
    clock.advance(WritingMemory::kSaveDelay);
    EXPECT_EQ(m.loadState(), WritingMemory::LoadState::opening);
    ASSERT_EQ(m.entries().size(), 1);
    EXPECT_FALSE(m.flush(100ms)); // quitting waits only so long
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_EQ(readAll(path), box); // the stored passages are not replaced by the new one alone

    // Once the keychain answers, the stored passages come first and both are written.
    locked.release();
    ASSERT_TRUE(testwait::waitFor([&] { return readAll(path) != box; }, 2000));
    EXPECT_EQ(m.loadState(), WritingMemory::LoadState::loaded);
    ASSERT_EQ(m.entries().size(), 2);
    EXPECT_EQ(m.entries()[1].appKey, QStringLiteral("app:b"));
    EXPECT_EQ(open()->entries(), m.entries());

    // A memory that ends while its new key waits on the keychain does not wait for it.
    BlockingKeychain fresh;
    timer.restart();
    {
        WritingMemory n(dir.filePath(QStringLiteral("other.sealed")), Keychain(fresh), crypto, clock);
        n.record(QStringLiteral("A passage that has no key to be sealed with yet."), QStringLiteral("app:c"),
                 clock.now());
        EXPECT_FALSE(n.flush(0ms));
        ASSERT_TRUE(testwait::waitFor([&] { return fresh.waitingCalls() == 1; }, 2000));
    }
    EXPECT_LT(timer.elapsed(), 1500);
    fresh.release(); // the call already made finishes on its own
    EXPECT_TRUE(testwait::waitFor([&] { return fresh.stored(kWritingMemoryKeyAccount).size() == 32; }, 2000));
}

TEST_F(WritingMemoryTest, EraseAllRemovesTheFileButKeepsTheKey)
{
    seed();
    auto m = open();
    m->setEntries({});
    m->scheduleSave();
    clock.advance(1s);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(storedKey().size(), 32);
}

TEST_F(WritingMemoryTest, ForgetsOneApplicationOrEverything)
{
    auto m = open();
    const QString text = QStringLiteral("Passage number %1 about something else entirely.");
    m->record(text.arg(1), QStringLiteral("app:a"), clock.now());
    m->record(text.arg(2), QStringLiteral("app:b"), clock.now());
    m->record(text.arg(3), QStringLiteral("app:a"), clock.now());
    EXPECT_EQ(m->entryCount(QStringLiteral("app:a")), 2);
    m->forget(QStringLiteral("app:a"));
    EXPECT_EQ(m->entryCount(QStringLiteral("app:a")), 0);
    EXPECT_EQ(m->entries().size(), 1);
    m->forget(std::nullopt);
    EXPECT_TRUE(m->entries().isEmpty());
}

TEST(WritingMemoryPassage, TrimsAndNeedsTwentyFourCharacters)
{
    VirtualClock clock;
    FakeKeychain keys;
    FakeCrypto crypto;
    WritingMemory m(QString(), Keychain(keys), crypto, clock);
    m.record(QStringLiteral("   ") + filler(23) + QStringLiteral("\n\n"), QStringLiteral("app:a"), clock.now());
    EXPECT_TRUE(m.entries().isEmpty());
    m.record(QStringLiteral("  ") + filler(23) + QStringLiteral("é "), QStringLiteral("app:a"), clock.now());
    ASSERT_EQ(m.entries().size(), 1);
    EXPECT_EQ(m.entries()[0].text, filler(23) + QStringLiteral("é"));
    // Characters, not UTF-16 units: 23 emoji are 23 characters.
    WritingMemory e(QString(), Keychain(keys), crypto, clock);
    e.record(QString(QStringLiteral("🙂")).repeated(23), QStringLiteral("app:a"), clock.now());
    EXPECT_TRUE(e.entries().isEmpty());
}

TEST(WritingMemoryPassage, LongTextsStartAtASentenceWhenEnoughRemains)
{
    // The tail of 400 starts mid-sentence; the sentence ends at its 50th character.
    const QString head = filler(600, u'h');
    const QString tail = filler(49, u'm') + QStringLiteral(". ") + filler(349, u'n');
    EXPECT_EQ(WritingMemory::passage(head + tail, 400), filler(349, u'n'));

    // Sentence end at the 300th character: too little after it, the whole tail stays.
    const QString late = filler(299, u'm') + QStringLiteral("!") + filler(100, u'n');
    EXPECT_EQ(WritingMemory::passage(head + late, 400), late);

    // No sentence end at all: the tail.
    EXPECT_EQ(WritingMemory::passage(head + filler(400, u'z'), 400), filler(400, u'z'));

    // A line break counts as an end, a CR LF pair does not.
    const QString lines = filler(10) + QStringLiteral("\n") + filler(389, u'b');
    EXPECT_EQ(WritingMemory::passage(head + lines, 400), filler(389, u'b'));
    const QString crlf = filler(10) + QStringLiteral("\r\n") + filler(389, u'b');
    EXPECT_EQ(WritingMemory::passage(head + crlf, 400), crlf);

    // Short texts are only trimmed.
    EXPECT_EQ(WritingMemory::passage(QStringLiteral("  Hi. There.  "), 400), QStringLiteral("Hi. There."));
}

TEST(WritingMemoryRecord, ExtendsTheNewestPassageInPlaceForTheSameApp)
{
    VirtualClock clock;
    FakeKeychain keys;
    FakeCrypto crypto;
    WritingMemory m(QString(), Keychain(keys), crypto, clock);
    const QString start = QStringLiteral("I am writing a letter to my ");
    m.record(start, QStringLiteral("app:mail"), clock.now());
    const QUuid id = m.entries()[0].id;
    clock.advance(10s);
    m.record(start + QStringLiteral("landlord about the heating"), QStringLiteral("app:mail"), clock.now());
    ASSERT_EQ(m.entries().size(), 1);
    EXPECT_EQ(m.entries()[0].id, id);
    EXPECT_EQ(m.entries()[0].date, clock.now());
    EXPECT_EQ(m.entries()[0].text, start.trimmed() + QStringLiteral(" landlord about the heating"));

    // A shorter version (text deleted) keeps the longer stored text but takes the new date.
    clock.advance(10s);
    m.record(start, QStringLiteral("app:mail"), clock.now());
    ASSERT_EQ(m.entries().size(), 1);
    EXPECT_TRUE(m.entries()[0].text.endsWith(QStringLiteral("heating")));
    EXPECT_EQ(m.entries()[0].date, clock.now());

    // Another app in between starts a new passage; going back to the first starts another.
    m.record(QStringLiteral("Something typed in a chat window now."), QStringLiteral("app:chat"), clock.now());
    m.record(start + QStringLiteral("landlord about the heating, again"), QStringLiteral("app:mail"), clock.now());
    ASSERT_EQ(m.entries().size(), 3);
    EXPECT_NE(m.entries()[2].id, id);
}

TEST(WritingMemoryRecord, KeepsTheNewest2000)
{
    VirtualClock clock;
    FakeKeychain keys;
    FakeCrypto crypto;
    WritingMemory m(QString(), Keychain(keys), crypto, clock);
    for (int i = 0; i < 2001; ++i)
        m.record(QStringLiteral("Passage %1 of many in this memory").arg(i), QStringLiteral("app:%1").arg(i % 2),
                 clock.now());
    ASSERT_EQ(m.entries().size(), 2000);
    EXPECT_TRUE(m.entries().first().text.startsWith(QStringLiteral("Passage 1 ")));
    EXPECT_TRUE(m.entries().last().text.startsWith(QStringLiteral("Passage 2000 ")));
}

TEST(WritingMemoryExamples, KeywordsAreLettersOnlyLongerThanThree)
{
    EXPECT_EQ(WritingMemory::keywords(u"Don't stop, it's 2024's plan"), (QSet<QString>{"stop", "plan"}));
    EXPECT_EQ(WritingMemory::keywords(u"CAFÉ cafe\u0301 naïve x1y2z3"), (QSet<QString>{"café", "cafe\u0301", "naïve"}));
}

TEST(WritingMemoryExamples, ScoresSharedWordsAppAndRecency)
{
    VirtualClock clock;
    const QDateTime now = clock.now();
    auto entry = [&](const QString& text, const QString& app, int daysOld) {
        return MemoryEntry{QUuid::createUuid(), now.addDays(-daysOld), app, text};
    };
    FakeKeychain keys;
    FakeCrypto crypto;
    WritingMemory m(QString(), Keychain(keys), crypto, clock);
    m.setEntries({
        entry(QStringLiteral("about the garden and flowers"), QStringLiteral("app:b"), 90), // 2 + 0 + 0
        entry(QStringLiteral("nothing in common at all"), QStringLiteral("app:a"), 30),     // 0 + 1.5 + 0.5
        entry(QStringLiteral("weekly report numbers"), QStringLiteral("app:b"), 0),         // 2 + 0 + 1
    });
    EXPECT_EQ(m.examples(QStringLiteral("Flowers for the report"), QStringLiteral("app:a"), 2),
              (QStringList{"weekly report numbers", "about the garden and flowers"}));
    EXPECT_EQ(m.examples(QStringLiteral("x"), QStringLiteral("app:a"), 1), QStringList{"nothing in common at all"});
    EXPECT_TRUE(m.examples(QStringLiteral("report"), QStringLiteral("app:a"), 0).isEmpty());

    // Equal scores keep the stored order, oldest first.
    WritingMemory same(QString(), Keychain(keys), crypto, clock);
    same.setEntries({entry(QStringLiteral("one"), QStringLiteral("app:b"), 0),
                     entry(QStringLiteral("two"), QStringLiteral("app:b"), 0),
                     entry(QStringLiteral("three"), QStringLiteral("app:b"), 0)});
    EXPECT_EQ(same.examples(QStringLiteral("q"), QStringLiteral("app:a"), 2), (QStringList{"one", "two"}));
}

TEST(WritingMemoryExamples, ExamplesAreTheLast220Characters)
{
    VirtualClock clock;
    FakeKeychain keys;
    FakeCrypto crypto;
    WritingMemory m(QString(), Keychain(keys), crypto, clock);
    const QString text = QString(QStringLiteral("👍🏽")).repeated(30) + filler(200, u'w');
    m.setEntries({MemoryEntry{QUuid::createUuid(), clock.now(), QStringLiteral("app:a"), text}});
    const QStringList out = m.examples(QString(), QStringLiteral("app:a"), 3);
    ASSERT_EQ(out.size(), 1);
    EXPECT_EQ(out[0], QString(QStringLiteral("👍🏽")).repeated(20) + filler(200, u'w'));
}

TEST(WritingMemoryFile, DecodingNeedsAllFourMembers)
{
    const QByteArray good = R"([{"id":"6E8F3A1C-2B4D-4E5F-8A9B-0C1D2E3F4A5B","date":789000000.5,"appKey":"app:a","text":"hello"}])";
    const auto entries = WritingMemory::decode(good);
    ASSERT_TRUE(entries.has_value());
    EXPECT_EQ(entries->at(0).date, dateFromSecondsSince2001(789000000.5));
    EXPECT_EQ(WritingMemory::decode(WritingMemory::encode(*entries)), entries);
    EXPECT_TRUE(WritingMemory::encode(*entries).contains(R"("id":"6E8F3A1C-2B4D-4E5F-8A9B-0C1D2E3F4A5B")"));
    EXPECT_FALSE(WritingMemory::decode(R"([{"id":"6E8F3A1C-2B4D-4E5F-8A9B-0C1D2E3F4A5B","date":1,"text":"x"}])"));
    EXPECT_FALSE(WritingMemory::decode(R"([{"id":"nope","date":1,"appKey":"a","text":"x"}])"));
    EXPECT_FALSE(WritingMemory::decode(R"([{"id":"6E8F3A1C-2B4D-4E5F-8A9B-0C1D2E3F4A5B","date":"1","appKey":"a","text":"x"}])"));
    EXPECT_FALSE(WritingMemory::decode(R"({"entries":[]})"));
}

} // namespace
