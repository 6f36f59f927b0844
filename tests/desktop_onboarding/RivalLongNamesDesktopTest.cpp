// The competing-application prompt in German with three long names: the primary button wraps
// its title inside the window, keeping the verb and as many names as fit.

#include "platform/Clock.h"
#include "platform/Text.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "platform/fakes/FakeWorkspace.h"
#include "settings/Preferences.h"
#include "support/Desktop.h"
#include "ui/design/Animation.h"
#include "ui/design/Buttons.h"
#include "ui/design/Theme.h"
#include "ui/onboarding/RivalPromptView.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

TEST(RivalLongNames, PrimaryButtonWrapsInsideTheWindowInGerman)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    using namespace tq;
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill_de.qm")));
    QCoreApplication::installTranslator(&german);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    VirtualClock clock;
    FakeReduceMotion reduce(true);
    MotionContext motion(clock, reduce);
    FakeDefaults defaults;
    Preferences prefs(defaults);
    FakeWorkspace workspace;
    workspace.apps = {{10, "app.quarmel.writer", "Quarmel Schreibassistent Professionell", {}},
                      {11, "app.quarmel.complete", "Quarmel Autovervollständigung", {}},
                      {12, "app.quarmel.inline", "Quarmel Inline-Vorschläge Hilfsprogramm", {}}};
    RivalWatcher watcher(workspace, clock);
    watcher.refresh(false);
    {
        RivalPromptView view({watcher, prefs, motion, clock, {}}, [] {});
        applyInkTheme(&view);
        view.setFixedSize(RivalPromptView::kWidth, 440); // as its window has it
        view.move(100, 100);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        QTest::qWait(150);
        desktoptest::screenshot(QStringLiteral("rival-de-three-long-names.png"));

        PrimaryButton* button = view.primaryButton();
        const QString shown = button->shownLines().join(QLatin1Char(' '));
        EXPECT_GT(button->shownLines().size(), 1) << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(QStringLiteral("beenden"))) << "the verb stays: " << shown.toStdString();
        EXPECT_TRUE(shown.startsWith(QStringLiteral("Quarmel"))) << shown.toStdString();
        const QRect inView(button->mapTo(&view, QPoint(0, 0)), button->size());
        EXPECT_TRUE(view.rect().contains(inView)) << "inside the window";
        const QRect notNow(view.notNowButton()->mapTo(&view, QPoint(0, 0)), view.notNowButton()->size());
        EXPECT_FALSE(notNow.intersects(inView));
        // The headline keeps to two lines under the scene.
        const QLabel* headline = view.headline();
        EXPECT_LE(headline->heightForWidth(headline->width()), 2 * QFontMetrics(headline->font()).lineSpacing() + 2)
            << headline->text().toStdString();
        // What gives way are whole words of the names: no word is cut in its middle.
        const QStringList names{"Quarmel Schreibassistent Professionell", "Quarmel Autovervollständigung",
                                "Quarmel Inline-Vorschläge Hilfsprogramm"};
        const QStringList words = text("%1 is also running", 3).arg(QLocale().createSeparatedList(names)).split(QLatin1Char(' '));
        for (const QString& word : headline->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            EXPECT_TRUE(word == QStringLiteral("…") || words.contains(word)) << word.toStdString() << " in "
                                                                             << headline->text().toStdString();
        const QRect toggle(view.toggle()->mapTo(&view, QPoint(0, 0)), view.toggle()->size());
        EXPECT_LE(toggle.right(), view.width()) << "the check box stays inside too";
    }
    QCoreApplication::removeTranslator(&german);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace
