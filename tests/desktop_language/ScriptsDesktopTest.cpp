// The real program in one language of each script: the intro, the onboarding's first step, then the
// General, Engine and Overview panes, with no English text left where the language has its own.
// Screenshots of each go to the artifacts folder.

#include "support/AtSpi.h"
#include "support/Desktop.h"
#include "support/Program.h"
#include "support/Wait.h"

#include <QFile>
#include <algorithm>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QXmlStreamReader>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tq {
namespace {

using namespace desktoptest;

// Source → translation of one language's file (plural texts: their last form).
QHash<QString, QString> translations(const QString& language)
{
    QHash<QString, QString> out;
    QFile file(QStringLiteral(TQ_SOURCE_DIR "/translations/tessaquill_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString source, translation;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation")
            translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else
            continue;
        if (xml.name() == u"translation" && !source.isEmpty())
            out.insert(source, translation);
    }
    return out;
}

// Every showing name and label text under `root`.
void collect(AtspiAccessible* root, QStringList& out, int depth = 0)
{
    if (!root || depth > 40)
        return;
    const int n = atspi_accessible_get_child_count(root, nullptr);
    for (int i = 0; i < n; ++i) {
        Node child(atspi_accessible_get_child_at_index(root, i, nullptr));
        if (!child || !showing(child.p))
            continue;
        out << nameOf(child.p);
        if (roleOf(child.p) == ATSPI_ROLE_LABEL)
            out << textOf(child.p);
        collect(child.p, out, depth + 1);
    }
}

class Scripts : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        atspi_init();
        ASSERT_TRUE(program.isValid());
    }
    void openPane(const char* pane)
    {
        QProcess second;
        second.setProcessEnvironment(program.process.processEnvironment());
        second.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", pane});
        ASSERT_TRUE(second.waitForFinished(testwait::kPatience));
    }
    void shot(const char* what)
    {
        screenshot(QStringLiteral("script-%1-%2.png").arg(QLatin1String(GetParam()), QLatin1String(what)));
    }

    Program program{" world"};
};

TEST_P(Scripts, OnboardingAndPanesSpeakTheLanguage)
{
    const QString language = QLatin1String(GetParam());
    const QHash<QString, QString> own = translations(language);
    ASSERT_GT(own.size(), 400) << language.toStdString();

    QJsonObject values = quietSettings(program.serverURL());
    values.insert("onboardingDone", false);
    values.insert("AppleLanguages", QJsonArray{language});
    ASSERT_TRUE(program.writeSettings(values));
    QProcessEnvironment env = program.environment();
    env.insert("LANG", "en_US.UTF-8");
    env.remove("LANGUAGE");
    ASSERT_TRUE(program.start({}, env));
    // The intro first (its own words), then the first step.
    Node start;
    ASSERT_TRUE(program.control(own.value(QStringLiteral("Get Started")), start));
    shot("0-intro");
    ASSERT_TRUE(press(start.p));
    Node change;
    const auto onboarding = program.control(own.value(QStringLiteral("Change the app language")), change);
    shot("1-onboarding");
    ASSERT_TRUE(onboarding);

    openPane("general");
    Node subtitle;
    ASSERT_TRUE(program.control(own.value(QStringLiteral("Where and how suggestions appear")), subtitle));
    shot("2-general");
    QStringList shown;
    collect(application(program.pid()).p, shown);
    QStringList english;
    for (const QString& s : shown) {
        const auto it = own.constFind(s);
        if (it != own.cend() && !it->isEmpty() && *it != s)
            english << s;
    }
    english.removeDuplicates();
    EXPECT_TRUE(english.isEmpty()) << language.toStdString() << ": " << english.join(QStringLiteral(" | ")).toStdString();

    QString window;
    openPane("engine");
    EXPECT_TRUE(program.window(own.value(QStringLiteral("Engine")), window));
    shot("3-engine");
    openPane("overview");
    EXPECT_TRUE(program.window(own.value(QStringLiteral("Overview")), window));
    shot("4-overview");
}

INSTANTIATE_TEST_SUITE_P(Languages, Scripts,
                         ::testing::Values("fr", "ja", "ru", "hi", "he", "zh-Hans", "ko", "th", "ta", "bn", "de", "fi"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
} // namespace tq
