#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "settings/Preferences.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPoint>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include <sys/mount.h>
#include <sys/stat.h>

namespace tq {

namespace {
// Dates the files a store moves aside.
VirtualClock clock_;

class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

QByteArray readFile(const QString& p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(Defaults, TypedValuesSurviveTheJsonFile)
{
    QTemporaryDir home;
    ScopedEnv xdg("XDG_CONFIG_HOME", home.path().toUtf8());
    const QString file = home.filePath(QStringLiteral("Tessaquill/com.morvenfax.tessaquill.json"));
    const QDateTime when = dateFromSecondsSince2001(789012345.5);
    {
        JsonFileDefaults d(clock_);
        EXPECT_EQ(d.folder(), home.filePath(QStringLiteral("Tessaquill")));
        d.set(QStringLiteral("int"), qlonglong(2));
        d.set(QStringLiteral("bool"), true);
        d.set(QStringLiteral("digits"), QStringLiteral("100"));
        d.set(QStringLiteral("double"), 2.5);
        d.set(QStringLiteral("data"), QByteArray("\x00\xff{", 3));
        d.set(QStringLiteral("empty"), QByteArray(""));
        d.set(QStringLiteral("date"), when);
        d.set(QStringLiteral("list"), QVariantList{qlonglong(1), QStringLiteral("a"), false});
        d.set(QStringLiteral("map"), QVariantMap{{QStringLiteral("k"), QByteArray("v")}});
        d.set(QStringLiteral("gone"), qlonglong(1));
        d.remove(QStringLiteral("gone"));
        EXPECT_FALSE(QFile::exists(file)); // not before the burst is over
    } // the store's end writes what is pending
    const QJsonObject json = QJsonDocument::fromJson(readFile(file)).object();
    EXPECT_EQ(json.value(QStringLiteral("data")).toObject().value(QStringLiteral("$data")),
              QJsonValue(QStringLiteral("AP97")));
    EXPECT_EQ(json.value(QStringLiteral("date")).toObject().value(QStringLiteral("$date")).toDouble(), 789012345.5);
    EXPECT_FALSE(json.contains(QStringLiteral("gone")));

    JsonFileDefaults d(clock_);
    auto type = [&](const char* key) { return d.object(QString::fromLatin1(key)).metaType().id(); };
    EXPECT_EQ(type("int"), QMetaType::LongLong);
    EXPECT_EQ(d.object(QStringLiteral("int")), QVariant(qlonglong(2)));
    EXPECT_EQ(type("bool"), QMetaType::Bool);
    EXPECT_EQ(type("digits"), QMetaType::QString);
    EXPECT_EQ(type("double"), QMetaType::Double);
    EXPECT_EQ(d.object(QStringLiteral("data")), QVariant(QByteArray("\x00\xff{", 3)));
    EXPECT_EQ(d.object(QStringLiteral("empty")), QVariant(QByteArray("")));
    EXPECT_EQ(d.object(QStringLiteral("date")).toDateTime(), when);
    EXPECT_EQ(d.object(QStringLiteral("list")), QVariant(QVariantList{qlonglong(1), QStringLiteral("a"), false}));
    EXPECT_EQ(d.object(QStringLiteral("map")).toMap().value(QStringLiteral("k")), QVariant(QByteArray("v")));
    EXPECT_FALSE(d.contains(QStringLiteral("gone")));
}

TEST(Defaults, SettingsReadBackFromRealFiles)
{
    QTemporaryDir home;
    {
        JsonFileDefaults d(clock_, home.path());
        Preferences prefs(d);
        prefs.setIsEnabled(false);
        prefs.setKeyHintsShown(2);
        prefs.setAcceptAllKey(std::nullopt);
        prefs.setTriggerKey(KeyCombo{keycode::kF5, ModifierSet::shift});
        prefs.setTextScale(1.0);
    }
    JsonFileDefaults d(clock_, home.path());
    Preferences prefs(d);
    EXPECT_FALSE(prefs.isEnabled());
    EXPECT_EQ(prefs.keyHintsShown(), 2);
    EXPECT_EQ(prefs.acceptAllKey(), std::nullopt);
    EXPECT_EQ(prefs.triggerKey(), (KeyCombo{keycode::kF5, ModifierSet::shift}));
    EXPECT_EQ(prefs.textScale(), 1.0);
}

TEST(Defaults, DomainsLayerAndArgumentsStayInMemory)
{
    QTemporaryDir home;
    JsonFileDefaults d(clock_, home.path());
    d.setPersistentDomain({{QStringLiteral("NSAutomaticInlinePredictionEnabled"), false},
                           {QStringLiteral("AppleLanguages"), QVariantList{QStringLiteral("en")}}},
                          QLatin1String(Defaults::kGlobalDomain));
    d.set(QStringLiteral("AppleLanguages"), QVariantList{QStringLiteral("ar")});
    d.setVolatile(QStringLiteral("NSForceRightToLeftWritingDirection"), true);
    d.setVolatile(QStringLiteral("AppleLanguages"), QVariantList{QStringLiteral("he")});

    EXPECT_EQ(d.object(QStringLiteral("NSAutomaticInlinePredictionEnabled")), QVariant(false));
    EXPECT_EQ(d.object(QStringLiteral("AppleLanguages")), QVariant(QVariantList{QStringLiteral("he")}));
    const QVariantMap all = d.dictionaryRepresentation();
    EXPECT_EQ(all.value(QStringLiteral("NSForceRightToLeftWritingDirection")), QVariant(true));
    EXPECT_TRUE(all.contains(QStringLiteral("NSAutomaticInlinePredictionEnabled")));

    d.flush();
    JsonFileDefaults fresh(clock_, home.path());
    EXPECT_FALSE(fresh.contains(QStringLiteral("NSForceRightToLeftWritingDirection")));
    EXPECT_EQ(fresh.object(QStringLiteral("AppleLanguages")), QVariant(QVariantList{QStringLiteral("ar")}));

    // Another product's domain can be read and removed.
    d.setPersistentDomain({{QStringLiteral("old"), qlonglong(1)}}, QStringLiteral("com.example.earlier"));
    d.flush();
    EXPECT_EQ(fresh.persistentDomain(QStringLiteral("com.example.earlier")).value(QStringLiteral("old")),
              QVariant(qlonglong(1)));
    d.removePersistentDomain(QStringLiteral("com.example.earlier"));
    EXPECT_FALSE(QFile::exists(d.filePath(QStringLiteral("com.example.earlier"))));

    // Values the file cannot hold are refused, not written as something else.
    d.set(QStringLiteral("nan"), std::nan(""));
    d.set(QStringLiteral("object"), QVariant::fromValue(QPoint(1, 2)));
    EXPECT_FALSE(d.contains(QStringLiteral("nan")));
    EXPECT_FALSE(d.contains(QStringLiteral("object")));
}

TEST(Defaults, ABurstOfChangesIsWrittenOnceAfterItAndAnUnchangedValueNever)
{
    VirtualClock clock;
    QTemporaryDir home;
    JsonFileDefaults d(clock, home.path());
    const QString file = d.filePath(QLatin1String(Defaults::kAppDomain));
    Preferences prefs(d);
    for (int i = 1; i <= 40; ++i) {
        prefs.setKeyHintsShown(i);
        clock.advance(JsonFileDefaults::kSaveDelay / 2); // each change restarts the wait
    }
    EXPECT_FALSE(QFile::exists(file));
    clock.advance(JsonFileDefaults::kSaveDelay);
    EXPECT_EQ(JsonFileDefaults(clock, home.path()).object(QStringLiteral("keyHintsShown")), QVariant(qlonglong(40)));
    ASSERT_TRUE(QFile::remove(file)); // so that any write shows
    prefs.setKeyHintsShown(40);
    EXPECT_FALSE(d.hasPendingWrite());
    clock.advance(JsonFileDefaults::kSaveDelay * 2);
    EXPECT_FALSE(QFile::exists(file));
    // A pending change is on disk as soon as the stores are flushed (quit, session end).
    prefs.setIsEnabled(false);
    d.flush();
    EXPECT_FALSE(d.hasPendingWrite());
    EXPECT_EQ(JsonFileDefaults(clock, home.path()).object(QStringLiteral("isEnabled")), QVariant(false));
}

TEST(Defaults, UndecodableFileIsMovedAside)
{
    VirtualClock clock;
    for (const QByteArray& bytes : {QByteArray("{\"isEnabled\": fals"), QByteArray("[1,2]")}) {
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("com.morvenfax.tessaquill.json"));
        {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        JsonFileDefaults d(clock, home.path());
        Preferences prefs(d);
        EXPECT_TRUE(prefs.isEnabled());
        EXPECT_TRUE(d.appDomainSetAside()) << bytes.constData();
        prefs.setIsEnabled(false);
        d.flush();
        const QStringList aside = QDir(home.path()).entryList({QStringLiteral("*.corrupt-*")});
        ASSERT_EQ(aside.size(), 1) << bytes.constData();
        EXPECT_EQ(readFile(home.filePath(aside.first())), bytes);
        EXPECT_FALSE(JsonFileDefaults(clock, home.path()).object(QStringLiteral("isEnabled")).toBool());
    }
}

TEST(Defaults, OneUndecodableValueCostsOnlyItself)
{
    VirtualClock clock;
    for (const char* bad : {R"({"$data":"***"})", "null", R"({"$date":1e300})", R"([1,{"$data":"!"}])", "1e999",
                            "-1e999", "[1, 1e400]", R"({"$date":1e-999})"}) {
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("com.morvenfax.tessaquill.json"));
        const QByteArray bytes = QByteArray(R"({"isEnabled":false,"textScale":1.1,"triggerKey":)") + bad + "}";
        {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        JsonFileDefaults d(clock, home.path());
        Preferences prefs(d);
        // The rest of the file holds; the one value goes back to its default and is reported.
        EXPECT_FALSE(prefs.isEnabled()) << bad;
        EXPECT_EQ(prefs.textScale(), 1.1) << bad;
        EXPECT_EQ(prefs.triggerKey(), Preferences::triggerKeyDefault()) << bad;
        EXPECT_FALSE(d.appDomainSetAside()) << bad;
        EXPECT_EQ(prefs.corrected(), QStringList{QStringLiteral("triggerKey")}) << bad;
        // The file as it was is kept beside the sound one.
        const QStringList aside = QDir(home.path()).entryList({QStringLiteral("*.corrupt-*")});
        ASSERT_EQ(aside.size(), 1) << bad;
        EXPECT_EQ(readFile(home.filePath(aside.first())), bytes);
        JsonFileDefaults again(clock, home.path());
        EXPECT_EQ(again.object(QStringLiteral("isEnabled")), QVariant(false)) << bad;
        EXPECT_TRUE(again.appDomainDroppedKeys().isEmpty()) << bad;
    }
}

TEST(StoreFiles, OddFilesAreSetAsideWithoutWaitingOrSwallowingThem)
{
    const QString name = QStringLiteral("com.morvenfax.tessaquill.json");
    const struct {
        const char* what;
        std::function<bool(const QString& path)> make;
    } cases[] = {
        {"a FIFO", [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }},
        {"a link to /dev/zero", [](const QString& p) { return QFile::link(QStringLiteral("/dev/zero"), p); }},
        {"a folder", [](const QString& p) { return QDir().mkdir(p); }},
        {"a file over the cap", [](const QString& p) {
             QFile f(p);
             return f.open(QIODevice::WriteOnly) && f.resize(kStoreFileCap + 1);
         }},
    };
    for (const auto& c : cases) {
        QTemporaryDir home;
        const QString path = home.filePath(name);
        ASSERT_TRUE(c.make(path)) << c.what;
        EXPECT_EQ(readStoreFile(path).status, StoreFileRead::Status::refused) << c.what;
        JsonFileDefaults d(clock_, home.path());
        Preferences prefs(d);
        EXPECT_TRUE(prefs.isEnabled()) << c.what;
        EXPECT_TRUE(d.appDomainSetAside()) << c.what;
        EXPECT_EQ(QDir(home.path()).entryList({QStringLiteral("*.corrupt-*")}, QDir::AllEntries | QDir::System).size(), 1)
            << c.what;
        prefs.setIsEnabled(false);
        d.flush();
        EXPECT_FALSE(JsonFileDefaults(clock_, home.path()).object(QStringLiteral("isEnabled")).toBool()) << c.what;
    }
    QTemporaryDir home;
    EXPECT_EQ(readStoreFile(home.filePath(name)).status, StoreFileRead::Status::missing);
}

TEST(StoreFiles, AFullDiskNeverCostsTheOldFile)
{
    QTemporaryDir dir;
    if (::mount("tq-full", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=8k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    struct Unmount {
        QByteArray path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(dir.path())};

    const QString path = dir.filePath(QStringLiteral("stats.json"));
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    QString error;
    EXPECT_FALSE(writeFileAtomically(path, QByteArray(64 * 1024, 'x'), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(path), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("stats.json")});

    // The settings: a change that does not fit keeps the file as it was, and says so.
    {
        JsonFileDefaults d(clock_, dir.path());
        Preferences(d).setIsEnabled(false);
        d.flush();
        EXPECT_FALSE(d.appDomainUnsaved());
        Preferences(d).setCustomInstructions(QString(64 * 1024, u'x'));
        d.flush();
        EXPECT_TRUE(d.appDomainUnsaved());
    }
    JsonFileDefaults reread(clock_, dir.path());
    EXPECT_FALSE(reread.appDomainSetAside());
    EXPECT_FALSE(Preferences(reread).isEnabled());
}

TEST(AppFolder, LivesUnderTheDataFolderAndIsCreated)
{
    QTemporaryDir home;
    ScopedEnv xdg("XDG_DATA_HOME", home.path().toUtf8());
    const QString folder = applicationSupportFolder();
    EXPECT_EQ(folder, home.filePath(QStringLiteral("Tessaquill")));
    EXPECT_TRUE(QDir(folder).exists());
}

} // namespace tq
