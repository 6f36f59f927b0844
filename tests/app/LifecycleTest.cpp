#include "AppFixture.h"

#include "completion/CompletionEngine.h"
#include "platform/MemoryPressure.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"
#include "platform/fakes/FakeTrayHost.h"
#include "ui/menubar/StatusItem.h"

#include <QAction>
#include <QMenu>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <atomic>
#include <csignal>
#include <thread>
#include <vector>
#include <functional>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace tq {

namespace {

class DelegateFixture : public AppFixture {
protected:
    AppDelegate& delegate()
    {
        if (!model)
            build();
        if (!delegate_)
            delegate_ = std::make_unique<AppDelegate>(*model, instance, sessionEnd, trayHost, desktopSettings, clock,
                                                      [this](int code) { exits << code; });
        return *delegate_;
    }
    void TearDown() override { delegate_.reset(); }
    bool fileExists(const char* name) const { return QFile::exists(QDir(folder.path()).filePath(QString::fromLatin1(name))); }

    FakeSingleInstance instance;
    FakeSessionEnd sessionEnd;
    FakeTrayHost trayHost;
    QList<int> exits;
    std::unique_ptr<AppDelegate> delegate_;
};

} // namespace

TEST_F(DelegateFixture, OpenSettingsArgumentNamesAPane)
{
    delegate().didFinishLaunching({QStringLiteral("tessaquill"), QStringLiteral("--open-settings"), QStringLiteral("keys")});
    ASSERT_NE(model->windows().settingsWindow(), nullptr);
    EXPECT_TRUE(model->windows().settingsWindow()->isVisible());
    EXPECT_EQ(model->windows().router().pane(), SettingsPane::keys);
}

TEST_F(DelegateFixture, OpenSettingsLastOpensNothingAndAnUnknownPaneKeepsTheSelection)
{
    delegate().didFinishLaunching({QStringLiteral("tessaquill"), QStringLiteral("--open-settings")});
    EXPECT_EQ(model->windows().settingsWindow(), nullptr);
    model->windows().router().setPane(SettingsPane::power);
    EXPECT_TRUE(delegate().applyArguments({QStringLiteral("x"), QStringLiteral("--open-settings"), QStringLiteral("nope")}));
    EXPECT_TRUE(model->windows().settingsWindow()->isVisible());
    EXPECT_EQ(model->windows().router().pane(), SettingsPane::power);
}

TEST_F(DelegateFixture, PlayIntroShowsItEvenWhenSeenAndItsEndOpensNothing)
{
    std::function<void()> done;
    delegate(); // registers the real windows' content first; the test's stands in for it
    model->windows().setContent(WindowManager::Kind::intro, [&](AppModel&, std::function<void()> close) {
        done = close;
        return new QWidget;
    });
    delegate().didFinishLaunching({QStringLiteral("tessaquill"), QStringLiteral("--play-intro")});
    ASSERT_NE(model->windows().introWindow(), nullptr);
    ASSERT_TRUE(done);
    done();
    EXPECT_EQ(model->windows().onboardingWindow(), nullptr);
    EXPECT_EQ(model->windows().settingsWindow(), nullptr);
}

TEST_F(DelegateFixture, ASecondLaunchOpensSettingsOrItsArguments)
{
    delegate().didFinishLaunching({QStringLiteral("tessaquill")});
    EXPECT_EQ(model->windows().settingsWindow(), nullptr);
    instance.launchAgain({QStringLiteral("tessaquill")});
    ASSERT_NE(model->windows().settingsWindow(), nullptr);
    EXPECT_EQ(model->windows().router().pane(), SettingsPane::overview);
    instance.launchAgain({QStringLiteral("tessaquill"), QStringLiteral("--open-settings"), QStringLiteral("about")});
    EXPECT_EQ(model->windows().router().pane(), SettingsPane::about);
}

TEST_F(DelegateFixture, SessionEndWritesEveryStoreDespitePendingSavesThenExits)
{
    delegate().didFinishLaunching({QStringLiteral("tessaquill")});
    EXPECT_EQ(sessionEnd.starts, 1);
    model->rules().pause(QStringLiteral("app:org.example.Editor"), 600, clock.now());
    model->stats().recordAccepted(QStringLiteral("two words"), QStringLiteral("app:org.example.Editor"), clock.now());
    platform.defaults().holdWrites(true);
    model->prefs().setKeyHintsShown(7);
    ASSERT_TRUE(model->rules().hasPendingSave());
    ASSERT_TRUE(model->stats().hasPendingSave());
    EXPECT_FALSE(fileExists("rules.json"));
    EXPECT_FALSE(fileExists("stats.json"));
    EXPECT_NE(platform.defaults().stored().value(QStringLiteral("keyHintsShown")), QVariant(qlonglong(7)));

    sessionEnd.end();
    EXPECT_EQ(exits, QList<int>{0});
    EXPECT_TRUE(fileExists("rules.json"));
    EXPECT_TRUE(fileExists("stats.json"));
    EXPECT_EQ(platform.defaults().stored().value(QStringLiteral("keyHintsShown")), QVariant(qlonglong(7)));
    EXPECT_FALSE(model->rules().hasPendingSave());
    EXPECT_FALSE(model->stats().hasPendingSave());
    sessionEnd.end(); // a repeated signal does not write or exit twice
    EXPECT_EQ(exits.size(), 1);
}

TEST_F(DelegateFixture, QuitFromTheTrayAndCtrlQWriteTheStores)
{
    delegate().didFinishLaunching({QStringLiteral("tessaquill")});
    // The first save fetches the key; the quit then writes the next passage under it.
    model->memory().record(QStringLiteral("A remembered passage of some length."), QStringLiteral("app:x"), clock.now());
    ASSERT_TRUE(model->memory().flush());
    const qint64 firstSize = QFileInfo(QDir(folder.path()).filePath(QStringLiteral("memory.sealed"))).size();
    model->memory().record(QStringLiteral("Another remembered passage, typed later."), QStringLiteral("app:y"), clock.now());
    model->stats().recordAccepted(QStringLiteral("word"), QStringLiteral("app:x"), clock.now());
    QAction* quit = nullptr;
    for (QAction* action : delegate().tray()->contextMenu()->actions()) {
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Q))
            quit = action;
    }
    ASSERT_NE(quit, nullptr);
    quit->trigger();
    EXPECT_EQ(exits, QList<int>{0});
    EXPECT_TRUE(fileExists("stats.json"));
    EXPECT_GT(QFileInfo(QDir(folder.path()).filePath(QStringLiteral("memory.sealed"))).size(), firstSize);
}

TEST_F(DelegateFixture, CtrlQInAWindowQuits)
{
    delegate().didFinishLaunching({QStringLiteral("tessaquill")});
    model->windows().showSettings();
    bool found = false;
    for (QAction* action : model->windows().settingsWindow()->actions()) {
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Q)) {
            action->trigger();
            found = true;
        }
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(exits, QList<int>{0});
}

TEST(SessionEndSignals, SigtermIsDeliveredOnTheMainThread)
{
    LinuxSessionEnd end;
    end.start();
    end.start();
    QSignalSpy ending(&end, &SessionEnd::ending);
    ::raise(SIGTERM);
    ASSERT_TRUE(ending.wait(2000));
    EXPECT_EQ(ending.count(), 1);
}

TEST(SingleInstanceSocket, ALaterLaunchHandsItsArgumentsOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.sock"));
    LocalSocketInstance first(path);
    EXPECT_TRUE(first.claim({QStringLiteral("tessaquill")}));
    EXPECT_TRUE(first.isListening());
    QSignalSpy handed(&first, &SingleInstance::handedOver);

    // The later launch runs in another process in real use; the socket does not care.
    const QStringList args{QStringLiteral("tessaquill"), QStringLiteral("--open-settings"), QStringLiteral("keys ü")};
    LocalSocketInstance second(path);
    EXPECT_FALSE(second.claim(args));
    ASSERT_TRUE(handed.wait(2000));
    EXPECT_EQ(handed.first().first().toStringList(), args);
}

TEST(SingleInstanceSocket, AStaleSocketFileIsTakenOverAndBadMessagesAreRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.sock"));
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    LocalSocketInstance first(path);
    EXPECT_TRUE(first.claim({}));
    EXPECT_TRUE(first.isListening());
    EXPECT_EQ(LocalSocketInstance::decode("[\"a\",1]"), std::nullopt);
    EXPECT_EQ(LocalSocketInstance::decode("{}"), std::nullopt);
    EXPECT_EQ(LocalSocketInstance::decode(LocalSocketInstance::encode({QStringLiteral("a b")})), QStringList{QStringLiteral("a b")});
}

TEST(SingleInstanceSocket, LivesInAFolderOnlyTheUserCanEnter)
{
    QTemporaryDir temp;
    const QString own = temp.filePath(QStringLiteral("tessaquill-%1").arg(::geteuid()));
    // Without a runtime folder the socket gets a private folder of its own.
    EXPECT_EQ(LocalSocketInstance::socketPathIn({}, temp.path()), own + QStringLiteral("/tessaquill.sock"));
    EXPECT_TRUE(LocalSocketInstance::isPrivateFolder(own));
    // A runtime folder others can enter is not used; neither is an open or linked folder.
    ASSERT_TRUE(QFile::setPermissions(temp.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                       | QFile::ReadOther | QFile::ExeOther));
    EXPECT_EQ(LocalSocketInstance::socketPathIn(temp.path(), temp.path()), own + QStringLiteral("/tessaquill.sock"));
    ASSERT_EQ(::chmod(QFile::encodeName(own).constData(), 0755), 0);
    EXPECT_TRUE(LocalSocketInstance::socketPathIn({}, temp.path()).isEmpty());
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir().rmdir(own));
    ASSERT_TRUE(QFile::link(elsewhere.path(), own));
    EXPECT_TRUE(LocalSocketInstance::socketPathIn({}, temp.path()).isEmpty());
    if (::geteuid() == 0) {
        ASSERT_TRUE(QFile::remove(own));
        ASSERT_EQ(::mkdir(QFile::encodeName(own).constData(), 0700), 0);
        ASSERT_EQ(::chown(QFile::encodeName(own).constData(), 65534, 65534), 0);
        EXPECT_TRUE(LocalSocketInstance::socketPathIn({}, temp.path()).isEmpty());
    }
    // Without a usable folder the program runs on its own.
    LocalSocketInstance alone{QString()};
    EXPECT_TRUE(alone.claim({QStringLiteral("tessaquill")}));
    EXPECT_FALSE(alone.isListening());
}

namespace {
// Ten launches at the same moment, each finding its socket through the record: how many of
// them run as an instance (the rest hand over to one and end).
int racingInstances(const QString& temp, const QString& record)
{
    constexpr int kLaunches = 10;
    std::atomic<int> running{0};
    std::atomic<int> ready{0};
    std::atomic<int> done{0};
    std::vector<std::thread> launches;
    for (int i = 0; i < kLaunches; ++i)
        launches.emplace_back([&] {
            ++ready;
            while (ready < kLaunches)
                std::this_thread::yield();
            LocalSocketInstance launch(LocalSocketInstance::socketPathIn({}, temp, record));
            if (launch.claim({QStringLiteral("tessaquill")}))
                ++running;
            ++done;
            while (done < kLaunches) // the instance lives until every launch has claimed
                std::this_thread::yield();
        });
    for (std::thread& t : launches)
        t.join();
    return running;
}

// The usual folder made before us and left open, as another user would.
void openUsualFolder(const QString& temp)
{
    const QByteArray usual = QFile::encodeName(QDir(temp).filePath(QStringLiteral("tessaquill-%1").arg(::geteuid())));
    ASSERT_EQ(::mkdir(usual.constData(), 0777), 0);
    ASSERT_EQ(::chmod(usual.constData(), 0777), 0);
}
} // namespace

TEST(SingleInstanceSocket, AFolderAnotherUserHoldsGivesWayToAPrivateOneEveryLaunchFinds)
{
    QTemporaryDir temp;
    QTemporaryDir record;
    const QString usual = temp.filePath(QStringLiteral("tessaquill-%1").arg(::geteuid()));
    // Made before us and left open (as another user would, or replaced by their link).
    ASSERT_EQ(::mkdir(QFile::encodeName(usual).constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(usual).constData(), 0777), 0);
    const QString path = LocalSocketInstance::socketPathIn({}, temp.path(), record.path());
    ASSERT_FALSE(path.isEmpty()) << "no guard at all";
    const QString folder = QFileInfo(path).path();
    EXPECT_TRUE(folder.startsWith(usual + QLatin1Char('-'))) << folder.toStdString();
    EXPECT_TRUE(LocalSocketInstance::isPrivateFolder(folder));
    EXPECT_EQ(LocalSocketInstance::socketPathIn({}, temp.path(), record.path()), path); // the next launch agrees

    // Ten launches at the same moment: one instance, the rest hand over to it.
    EXPECT_EQ(racingInstances(temp.path(), record.path()), 1);

    // The recorded folder taken over as well: another fresh one.
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    const QString next = LocalSocketInstance::socketPathIn({}, temp.path(), record.path());
    EXPECT_NE(next, path);
    EXPECT_TRUE(LocalSocketInstance::isPrivateFolder(QFileInfo(next).path()));
}

// A record planted in its place is replaced under the launches' lock: still one instance.
TEST(SingleInstanceSocket, APlantedRecordIsReplacedAndOneInstanceRuns)
{
    QTemporaryDir elsewhere;
    const QString planted = elsewhere.filePath(QStringLiteral("planted"));
    const struct {
        const char* what;
        std::function<bool(const QString& record)> plant;
    } cases[] = {
        {"a link", [&](const QString& r) { return QFile::link(planted, r); }},
        {"a file others can write", [](const QString& r) {
             QFile f(r);
             return f.open(QIODevice::WriteOnly) && ::chmod(QFile::encodeName(r).constData(), 0666) == 0;
         }},
        {"another user's file", [](const QString& r) {
             QFile f(r);
             return ::geteuid() == 0 && f.open(QIODevice::WriteOnly)
                 && ::chown(QFile::encodeName(r).constData(), 65534, 65534) == 0;
         }},
        {"a folder with something in it", [](const QString& r) {
             return QDir().mkpath(r + QStringLiteral("/inside"));
         }},
    };
    for (const auto& c : cases) {
        if (std::strcmp(c.what, "another user's file") == 0 && ::geteuid() != 0)
            continue; // only root can give a file away
        QTemporaryDir temp;
        QTemporaryDir record;
        openUsualFolder(temp.path());
        QFile::remove(planted);
        {
            QFile f(planted);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QFile::encodeName(elsewhere.path()));
        }
        const QString file = record.filePath(QStringLiteral("instance-folder"));
        ASSERT_TRUE(c.plant(file)) << c.what;
        EXPECT_EQ(racingInstances(temp.path(), record.path()), 1) << c.what;
        const QFileInfo now(file);
        EXPECT_TRUE(now.isFile() && !now.isSymLink()) << c.what;
        EXPECT_EQ(now.ownerId(), ::geteuid()) << c.what;
        const QString path = LocalSocketInstance::socketPathIn({}, temp.path(), record.path());
        EXPECT_TRUE(LocalSocketInstance::isPrivateFolder(QFileInfo(path).path())) << c.what;
        EXPECT_EQ(LocalSocketInstance::socketPathIn({}, temp.path(), record.path()), path) << c.what;
    }
}

namespace {

// Runs `role` in a child process of user "nobody" with a fresh local socket and the address of
// `path`; the child ends with what it returns. The caller waits for the child.
pid_t asOtherUser(const QByteArray& path, const std::function<int(int socket, const sockaddr* address)>& role)
{
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    if (::setgid(65534) != 0 || ::setuid(65534) != 0)
        ::_exit(2);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    ::_exit(role(::socket(AF_UNIX, SOCK_STREAM, 0), reinterpret_cast<const sockaddr*>(&address)));
}

int exitCodeOf(pid_t child)
{
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(SingleInstanceSocket, NeitherEndTalksToAnotherUser)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    const QString path = dir.filePath(QStringLiteral("s.sock"));
    const QByteArray name = QFile::encodeName(path);

    // Another user listens first: a launch tells it nothing and runs itself.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t listener = asOtherUser(name, [&](int fd, const sockaddr* address) {
        if (::bind(fd, address, sizeof(sockaddr_un)) != 0 || ::listen(fd, 4) != 0)
            return 3;
        [[maybe_unused]] auto w = ::write(ready[1], "r", 1);
        const int peer = ::accept(fd, nullptr, nullptr);
        char byte = 0;
        return ::read(peer, &byte, 1) > 0 ? 1 : 0; // 1: it was told something
    });
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    LocalSocketInstance launch(path);
    EXPECT_TRUE(launch.claim({QStringLiteral("tessaquill"), QStringLiteral("--open-settings")}));
    EXPECT_EQ(exitCodeOf(listener), 0) << "the other user's listener was handed the arguments";
    ASSERT_TRUE(launch.isListening());

    // Another user connects to the running instance: nothing it sends is taken.
    ASSERT_EQ(::chmod(name.constData(), 0777), 0);
    QSignalSpy handed(&launch, &SingleInstance::handedOver);
    const pid_t sender = asOtherUser(name, [](int fd, const sockaddr* address) {
        if (::connect(fd, address, sizeof(sockaddr_un)) != 0)
            return 3;
        const QByteArray message = "[\"tessaquill\",\"--open-settings\"]";
        [[maybe_unused]] auto w = ::write(fd, message.constData(), size_t(message.size()));
        return 0;
    });
    ASSERT_EQ(exitCodeOf(sender), 0);
    EXPECT_FALSE(handed.wait(500));
}

TEST(MemoryPressureLevels, StallInformationFirstThenAvailableMemory)
{
    using L = MemoryPressure::Level;
    const QString calm = QStringLiteral("some avg10=0.00 avg60=0.00 avg300=0.00 total=1\nfull avg10=0.00 avg60=0.00 avg300=0.00 total=1\n");
    const QString stalled = QStringLiteral("some avg10=25.10 avg60=3.00 avg300=1.00 total=9\nfull avg10=1.00 avg60=0.00 avg300=0.00 total=1\n");
    const QString severe = QStringLiteral("some avg10=60.00 avg60=3.00 avg300=1.00 total=9\nfull avg10=30.00 avg60=0.00 avg300=0.00 total=1\n");
    const QString low = QStringLiteral("MemTotal:       1000000 kB\nMemFree:  1 kB\nMemAvailable:    80000 kB\n");
    const QString plenty = QStringLiteral("MemTotal:       1000000 kB\nMemAvailable:   500000 kB\n");
    EXPECT_EQ(LinuxMemoryPressure::levelFrom(calm, low), L::normal); // stall figures win
    EXPECT_EQ(LinuxMemoryPressure::levelFrom(stalled, plenty), L::warning);
    EXPECT_EQ(LinuxMemoryPressure::levelFrom(severe, plenty), L::critical);
    EXPECT_EQ(LinuxMemoryPressure::levelFrom({}, low), L::warning);
    EXPECT_EQ(LinuxMemoryPressure::levelFrom({}, QStringLiteral("MemTotal: 1000 kB\nMemAvailable: 10 kB\n")), L::critical);
    EXPECT_EQ(LinuxMemoryPressure::levelFrom({}, plenty), L::normal);
    EXPECT_EQ(LinuxMemoryPressure::levelFrom(QStringLiteral("garbage"), QStringLiteral("garbage")), L::normal);
}

TEST(MemoryPressureLevels, OnlyARiseIsReported)
{
    VirtualClock clock;
    QTemporaryDir dir;
    const QString psi = dir.filePath(QStringLiteral("memory"));
    const auto write = [&](const char* text) {
        QFile f(psi);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    };
    LinuxMemoryPressure source(clock, psi, dir.filePath(QStringLiteral("none")));
    QSignalSpy rises(&source, &MemoryPressure::pressure);
    source.start();
    source.start();
    write("some avg10=30.00 avg60=0 avg300=0 total=0\nfull avg10=0.00 avg60=0 avg300=0 total=0\n");
    clock.advance(LinuxMemoryPressure::kInterval);
    clock.advance(LinuxMemoryPressure::kInterval);
    ASSERT_EQ(rises.count(), 1);
    EXPECT_EQ(rises.at(0).at(0).value<MemoryPressure::Level>(), MemoryPressure::Level::warning);
    write("some avg10=30.00 avg60=0 avg300=0 total=0\nfull avg10=9.00 avg60=0 avg300=0 total=0\n");
    clock.advance(LinuxMemoryPressure::kInterval);
    EXPECT_EQ(rises.count(), 2);
    write("some avg10=0.00 avg60=0 avg300=0 total=0\nfull avg10=0.00 avg60=0 avg300=0 total=0\n");
    clock.advance(LinuxMemoryPressure::kInterval);
    write("some avg10=30.00 avg60=0 avg300=0 total=0\nfull avg10=0.00 avg60=0 avg300=0 total=0\n");
    clock.advance(LinuxMemoryPressure::kInterval);
    EXPECT_EQ(rises.count(), 3);
}

TEST(SettingsPanes, NamesRoundTrip)
{
    for (int i = 0; i <= int(SettingsPane::about); ++i) {
        const auto pane = static_cast<SettingsPane>(i);
        EXPECT_EQ(settingsPaneFromName(settingsPaneName(pane)), pane);
    }
    EXPECT_EQ(settingsPaneFromName(QStringLiteral("Keys")), std::nullopt);
    EXPECT_EQ(settingsPaneFromName(QString()), std::nullopt);
}

} // namespace tq
