// The built-in engine as a new user meets it: a generated model in place of the download (the
// download's size, its marker), Mousepad, a sentence typed up to a space and a pause. A
// suggestion shows after the space, and Tab puts its first word after that space.

#include "RealProgram.h"
#include "support/DesktopApp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>

namespace tq {

using namespace realprogram;

namespace {

constexpr qint64 kModelBytes = 4967478336LL;
const char* const kModelName = "gemma-4-E2B-Q8_0.gguf";
const char* const kModelDigest = "fcf7224c47518fca8a8a85391cfb0873a94d3dee4434fb77763113bfa7264d97";

// `source` copied into the program's model folder, padded (sparse) to the download's size, with
// the marker of a verified download.
bool installModel(const Program& program, const QString& source)
{
    const QString dir = program.path("data/Tessaquill/Models");
    QDir().mkpath(dir);
    const QString target = QDir(dir).filePath(QLatin1String(kModelName));
    QFile::remove(target);
    if (!QFile::copy(source, target))
        return false;
    QFile model(target);
    if (!model.resize(kModelBytes))
        return false;
    QFile marker(target + QStringLiteral(".verified"));
    return marker.open(QIODevice::WriteOnly) && marker.write(kModelDigest) > 0;
}

// The lines of the log a reader of this test wants: the model's work and the ghost's drawing.
QString modelLines(const QString& log)
{
    QStringList out;
    for (const QString& line : log.split(u'\n'))
        if (line.contains(QStringLiteral("model ")) || line.contains(QStringLiteral("present:")))
            out << line;
    return out.join(u'\n');
}

// The program on the built-in engine over `source`, installed as the download: the lowest
// creativity and without the screen's text, so the answer depends little on timing.
bool useBuiltIn(Program& program, const QString& source)
{
    return program.writeSettings(desktoptest::firstRunDone({{"engine", "builtIn"}, {"contextScreen", false}, {"creativity", 0}}))
        && installModel(program, source);
}

bool touch(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}

// An empty document `name` open in Mousepad, its window found.
struct EmptyMousepad {
    explicit EmptyMousepad(const QString& name)
        : path(QDir(dir.path()).filePath(name)), created(touch(path)),
          app(QStringLiteral("mousepad"), {path}, {{"XDG_CONFIG_HOME", dir.filePath("config")}}),
          window(QString::fromUtf8(run("xdotool", {"search", "--sync", "--onlyvisible", "--name", name}, 30000))
                     .split('\n')
                     .value(0)
                     .trimmed())
    {
    }
    QTemporaryDir dir;
    QString path;
    bool created;
    desktoptest::DesktopApp app;
    QString window;
};

class BuiltInSpace : public ::testing::TestWithParam<const char*> {};

} // namespace

TEST_P(BuiltInSpace, AGhostAfterATypedSpaceAndTabTakesItsFirstWord)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable("mousepad").isEmpty())
        GTEST_SKIP() << "needs the desktop session and Mousepad";
    const QString source = QStringLiteral(TQ_BINARY_DIR "/models/") + QLatin1String(GetParam());
    if (!QFile::exists(source))
        GTEST_SKIP() << source.toStdString() << " is not built";

    Program program{QByteArray()};
    ASSERT_TRUE(useBuiltIn(program, source));
    const EmptyMousepad mousepad(QStringLiteral("meeting.txt"));
    const QString& window = mousepad.window;
    ASSERT_FALSE(window.isEmpty()) << "Mousepad showed no window";

    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    ASSERT_TRUE(desktoptest::activate(window)) << desktoptest::describeWindow(desktoptest::focusedWindow());
    // The field's session loads the model ahead of the first request; the pause is taken with
    // it loaded, as after the program's first minutes.
    ASSERT_TRUE(waitFor([&] { return program.log().contains("model loaded in"); }, 90000)) << program.log().toStdString();
    const QString typed = QStringLiteral("We met at the ");
    run("xdotool", {"type", "--delay", "60", typed});
    const bool shown = waitFor([&] {
        return readField(mousepad.app.pid()).text == typed && program.ghostAtTheCaret(mousepad.app.pid());
    }, 20000);
    screenshot(QStringLiteral("builtin-space-%1.png").arg(QString::fromLatin1(GetParam()).section(u'.', 0, 0)));
    ASSERT_TRUE(shown) << "field: \"" << readField(mousepad.app.pid()).text.toStdString() << "\"\n"
                       << program.log().toStdString();
    std::cout << modelLines(program.log()).toStdString() << std::endl;

    run("xdotool", {"key", "Tab"});
    QString text;
    const bool taken = waitFor([&] { return (text = readField(mousepad.app.pid()).text).size() > typed.size(); }, 5000);
    ASSERT_TRUE(taken) << "field: \"" << text.toStdString() << "\"\n" << program.log().toStdString();
    // The word follows the typed space at once: no second space, no tab, nothing glued before it.
    EXPECT_TRUE(text.startsWith(typed)) << text.toStdString();
    EXPECT_FALSE(text.at(typed.size()).isSpace()) << text.toStdString();
    EXPECT_FALSE(text.mid(typed.size()).trimmed().contains(u' ')) << "more than one word: " << text.toStdString();
}

// The loaded model overwritten in place while the program runs, as cp onto it does: the next
// suggestion comes from the new file, loaded again; then cut short (truncate): the program
// lives on and says to download the model.
TEST(BuiltInModelFile, OverwrittenInPlaceItIsLoadedAgainAndCutShortItEndsNothing)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable("mousepad").isEmpty())
        GTEST_SKIP() << "needs the desktop session and Mousepad";
    const QString source = QStringLiteral(TQ_BINARY_DIR "/models/tiny.gguf");
    if (!QFile::exists(source))
        GTEST_SKIP() << source.toStdString() << " is not built";

    Program program{QByteArray()};
    ASSERT_TRUE(useBuiltIn(program, source));
    const QString model = program.path("data/Tessaquill/Models/") + QLatin1String(kModelName);
    const EmptyMousepad mousepad(QStringLiteral("notes.txt"));
    const QString& window = mousepad.window;
    ASSERT_FALSE(window.isEmpty()) << "Mousepad showed no window";

    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.seen();
    ASSERT_TRUE(desktoptest::activate(window)) << desktoptest::describeWindow(desktoptest::focusedWindow());
    ASSERT_TRUE(program.until("the model loaded", [&] { return program.log().contains("model loaded in"); }, 90000));
    QString typed = QStringLiteral("We met at the ");
    run("xdotool", {"type", "--delay", "60", typed});
    // The ghost streams in before its request ends: the file is overwritten once it has.
    ASSERT_TRUE(program.until("a ghost from the first file, its request ended", [&] {
        return readField(mousepad.app.pid()).text == typed && program.ghostAtTheCaret(mousepad.app.pid())
            && program.log().contains(QStringLiteral("model request: "));
    }));

    // cp onto it: the same inode cut to nothing, then written again (and padded to the size).
    {
        QFile from(source);
        QFile onto(model);
        ASSERT_TRUE(from.open(QIODevice::ReadOnly) && onto.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_GT(onto.write(from.readAll()), 0);
        ASSERT_TRUE(onto.resize(kModelBytes));
    }
    const QRegularExpression loadedAgain(QStringLiteral("model request: .* load 2"));
    const QString more = QStringLiteral("Zq ");
    run("xdotool", {"type", "--delay", "60", more});
    typed += more;
    ASSERT_TRUE(program.until("a ghost from the new file", [&] {
        return program.log().contains(loadedAgain) && readField(mousepad.app.pid()).text == typed
            && program.ghostAtTheCaret(mousepad.app.pid());
    }));
    screenshot(QStringLiteral("builtin-overwritten.png"));

    // truncate: no longer the verified size.
    ASSERT_TRUE(QFile::resize(model, 1000));
    run("xdotool", {"type", "--delay", "60", QStringLiteral("Kx ")});
    EXPECT_TRUE(program.until("the true sentence", [&] {
        return program.log().contains(QStringLiteral(": Download the model to start (before"));
    }));
    EXPECT_EQ(program.process.state(), QProcess::Running) << program.seen();
}

INSTANTIATE_TEST_SUITE_P(Models, BuiltInSpace, ::testing::Values("tiny.gguf", "tiny-gemma4.gguf"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return QString::fromLatin1(info.param).section(u'.', 0, 0).remove(u'-').toStdString();
                         });

} // namespace tq
