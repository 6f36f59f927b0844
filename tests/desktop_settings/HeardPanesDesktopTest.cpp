// The settings panes as a screen reader hears them over AT-SPI: sliders by the values they show,
// one-of-several choices as selected or not, each engine card once; and the insights in the
// formats of a Swiss German desktop.

#include "support/AtSpi.h"
#include "support/Desktop.h"
#include "support/Program.h"
#include "support/Wait.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <atspi/atspi.h>
#include <gtest/gtest.h>

namespace tq {

namespace {

using desktoptest::countMatching;
using desktoptest::firstRunDone;
using desktoptest::heardLines;
using desktoptest::Program;
using desktoptest::quietSettings;
using testwait::waitFor;

// Words of the last seven days, oldest first, in the program's data folder.
bool writeWeek(Program& program, const QList<int>& words)
{
    QJsonObject days;
    const QDate today = QDate::currentDate();
    for (int i = 0; i < words.size(); ++i) {
        const QDate d = today.addDays(i - int(words.size()) + 1);
        days.insert(d.toString(Qt::ISODate), QJsonObject{{"words", words[i]}, {"characters", words[i] * 5},
                                                         {"accepts", words[i] / 2}, {"shown", words[i]},
                                                         {"apps", QJsonObject{{"app:org.gnome.TextEditor", words[i]}}}});
    }
    QDir().mkpath(program.path("data/Tessaquill"));
    QFile stats(program.path("data/Tessaquill/stats.json"));
    return stats.open(QIODevice::WriteOnly) &&
           stats.write(QJsonDocument(QJsonObject{{"days", days}, {"latencies", QJsonArray{320, 410, 980}}}).toJson()) > 0;
}

class HeardPanes : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        ASSERT_TRUE(program.isValid());
        QJsonObject values = firstRunDone(quietSettings(program.serverURL()));
        values.insert("creativity", 0.4);
        values.insert("delayMilliseconds", 400.0);
        ASSERT_TRUE(program.writeSettings(values));
    }

    // The pane's lines once `ready` matches one of them.
    QStringList open(const char* pane, const QString& ready, QProcessEnvironment env = {}, QString shot = {})
    {
        if (env.isEmpty())
            env = program.environment();
        env.insert("TESSAQUILL_REDUCE_MOTION", "1");
        if (program.process.state() == QProcess::NotRunning) {
            EXPECT_TRUE(program.start({"--open-settings", pane}, env));
        } else { // a second start hands the pane to the running one
            QProcess again;
            again.setProcessEnvironment(program.process.processEnvironment());
            again.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", pane});
            EXPECT_TRUE(again.waitForFinished(10000)) << pane;
        }
        QStringList lines;
        const bool seen = waitFor([&] { return countMatching(lines = heardLines(program.pid(), QStringLiteral("heard-pane-%1.txt").arg(pane)), ready) >= 1; }, testwait::kPatience);
        EXPECT_TRUE(seen) << pane << "\n" << lines.join('\n').toStdString() << program.log().toStdString();
        desktoptest::screenshot(shot.isEmpty() ? QStringLiteral("heard-pane-%1.png").arg(QLatin1String(pane)) : shot);
        return lines;
    }

    Program program{" world"};
};

} // namespace

TEST_F(HeardPanes, SlidersSayWhatTheyShowAndChoicesAreSelected)
{
    // General: the sliders by their shown values, the colour segments as selected or not.
    QStringList lines = open("general", "^ *slider: Text size");
    EXPECT_EQ(countMatching(lines, "^ *slider: Text size — 100% = 100$"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *slider: Vertical position — \\+0\\.0 pt = 0$"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *radio button: Grey \\[checked\\]$"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *radio button: Gold tint$"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "check box: (Grey|Gold tint)"), 0) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *label: (100%|\\+0\\.0 pt)$"), 0) << "each value once\n" << lines.join('\n').toStdString();

    // Engine: each engine card once with its status, the chosen one selected; the sliders in
    // milliseconds and as a percentage.
    lines = open("engine", "^ *slider: Creativity");
    EXPECT_EQ(countMatching(lines, "^ *slider: Creativity — 40% = 40$"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *slider: Wait before suggesting — 400 ms = 400$"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *push button: Local server — .*\\[selected\\]$"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *push button: .*\\[selected\\]$"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *radio button: Medium \\[checked\\]$"), 1) << lines.join('\n').toStdString();
    for (const char* card : {"Ollama", "On-device model"})
        EXPECT_EQ(countMatching(lines, QStringLiteral("^ *[a-z ]+: %1( —|$)").arg(QLatin1String(card))), 1)
            << card << "\n" << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "check box: (Ollama|Local server|Short|Medium|Long)"), 0) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *label: 400 ms$"), 0) << "the wait once\n" << lines.join('\n').toStdString();

    // Emoji: one skin tone of six selected.
    lines = open("emoji", "^ *push button: .*Light");
    EXPECT_EQ(countMatching(lines, "^ *push button: Default \\[selected\\]$"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *push button: .*\\[selected\\]$"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *check box: .*(Light|Dark)"), 0) << lines.join('\n').toStdString();

    // Overview: the streak names each day with its words.
    program.end();
    ASSERT_TRUE(writeWeek(program, {12, 0, 48, 30, 7, 64, 128}));
    lines = open("overview", "day streak");
    const QString today = QLocale(QLocale::English).dayName(QDate::currentDate().dayOfWeek());
    EXPECT_EQ(countMatching(lines, QStringLiteral("^ *label: .*day streak.*%1: 128 words").arg(today)), 1) << lines.join('\n').toStdString();
}

// The insights in the formats of the desktop's region: a Swiss German desktop in Switzerland's
// own marks, a Japanese one in its own (and its dates under the chart, kept as a picture).
TEST_F(HeardPanes, InsightsFollowTheRegionOfTheDesktop)
{
    ASSERT_TRUE(writeWeek(program, {0, 0, 0, 0, 0, 0, 12345}));
    const struct {
        const char* lang;
        const char* thousands;
        const char* foreign; // marks of another region
        const char* shot;
    } regions[] = {
        {"de_CH.UTF-8", "12’345", "\\b5,1\\b|12\\.345|12,345", "heard-pane-insights-de_CH.png"},
        {"ja_JP.UTF-8", "12,345", "12’345|12\\.345", "heard-pane-insights-ja.png"},
    };
    for (const auto& r : regions) {
        program.end();
        QProcessEnvironment env = program.environment();
        for (const char* name : {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LC_MESSAGES", "LANGUAGE"})
            env.remove(name);
        env.insert("LANG", r.lang);
        const QStringList lines = open("insights", QString::fromUtf8(r.thousands), env, QLatin1String(r.shot));
        const std::string all = lines.join('\n').toStdString();
        EXPECT_GE(countMatching(lines, QString::fromUtf8(r.thousands)), 1) << r.lang << "\n" << all;
        // 12 345 words at 40 a minute: 5.1 hours, with a decimal point in both regions.
        EXPECT_GE(countMatching(lines, "(^|[^0-9.])5\\.1([^0-9]|$)"), 1) << r.lang << "\n" << all;
        EXPECT_EQ(countMatching(lines, QString::fromUtf8(r.foreign)), 0) << r.lang << "\n" << all;
    }
}

} // namespace tq
