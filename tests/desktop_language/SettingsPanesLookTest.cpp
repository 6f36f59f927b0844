// The language sheet and the insights pane on the desktop, left to right and right to left,
// kept as screenshots for looking at.

#include "platform/Clock.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeInstalledApps.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "settings/AppRules.h"
#include "stores/StatsStore.h"
#include "ui/design/Animation.h"
#include "ui/settings/InsightsPane.h"
#include "ui/settings/LanguagePicker.h"
#include "ui/settings/WordsChart.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tq {
namespace {

class NoRelaunch final : public Relauncher {
public:
    void flushStores() override {}
    bool startNewInstance(const QStringList&, QString*) override { return false; }
    void quit() override {}
};

void keep(QWidget& w, const QString& name)
{
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
    QDir().mkpath(dir);
    QTest::qWait(300);
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(name)));
}

void darkWindow(QWidget& w)
{
    QPalette pal = w.palette();
    pal.setColor(QPalette::Window, QColor::fromRgbF(0.055, 0.071, 0.125));
    pal.setColor(QPalette::WindowText, QColor::fromRgbF(0.93, 0.93, 0.95));
    w.setPalette(pal);
    w.setAutoFillBackground(true);
}

class Look : public ::testing::TestWithParam<Qt::LayoutDirection> {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        qApp->setLayoutDirection(GetParam());
    }
    void TearDown() override { qApp->setLayoutDirection(Qt::LeftToRight); }
    QString suffix() const { return GetParam() == Qt::RightToLeft ? QStringLiteral("-rtl.png") : QStringLiteral(".png"); }
};

TEST_P(Look, LanguageSheet)
{
    FakeDefaults defaults;
    defaults.set(QStringLiteral("AppleLanguages"), QVariantList{QStringLiteral("de")});
    NoRelaunch relauncher;
    AppLanguage language(defaults, relauncher, QStringLiteral("de"));
    VirtualClock clock;
    FakeReduceMotion reduce(false);
    MotionContext motion(clock, reduce);
    QWidget window;
    darkWindow(window);
    window.resize(640, 200);
    LanguageRow row(language, &window, &motion);
    row.setGeometry(20, 20, 600, 60);
    window.show();
    keep(window, QStringLiteral("language-row") + suffix());
    LanguageSheet* sheet = row.openSheet();
    QTest::qWaitForWindowExposed(sheet);
    keep(*sheet, QStringLiteral("language-sheet") + suffix());
    sheet->setQuery(QStringLiteral("a"));
    keep(*sheet, QStringLiteral("language-sheet-search") + suffix());
    // A row under the pointer, then pressed: a moment into each ease and at its end.
    LanguageChoiceRow* choice = sheet->rows()[1];
    const QPoint inside(40, 20);
    QTest::mouseMove(choice, inside);
    clock.advance(Millis(40));
    keep(*choice, QStringLiteral("language-row-hover-mid") + suffix());
    clock.advance(Millis(300));
    keep(*choice, QStringLiteral("language-row-hover") + suffix());
    QTest::mousePress(choice, Qt::LeftButton, {}, inside);
    clock.advance(Millis(30));
    keep(*choice, QStringLiteral("language-row-press-mid") + suffix());
    clock.advance(Millis(400));
    keep(*choice, QStringLiteral("language-row-press") + suffix());
    QTest::mouseRelease(choice, Qt::LeftButton, {}, QPoint(-20, -20)); // let go outside: no choice
    sheet->close();
}

TEST_P(Look, InsightsPane)
{
    QTemporaryDir dir;
    VirtualClock clock{QDateTime::currentDateTime()};
    StatsStore stats(dir.filePath(QStringLiteral("stats.json")), clock);
    AppRules rules(dir.filePath(QStringLiteral("rules.json")), clock);
    const QDateTime now = clock.now();
    const QStringList keys = {"app:org.gnome.Zenity", "app:org.gnome.TextEditor", "web:example.org", "app:firefox",
                              "app:org.gnome.Nautilus", "app:thunderbird", "app:code", "app:slack", "app:discord"};
    for (int d = 0; d < 30; d += 3)
        for (int i = 0; i <= (d * 7) % 9; ++i)
            stats.recordAccepted(QStringLiteral("some more words here"), keys[(d + i) % keys.size()], now.addDays(-d));
    for (int i = 0; i < 20; ++i)
        stats.recordShown(now);
    stats.recordLatency(420);
    stats.recordLatency(1380);
    FakeReduceMotion reduce(true);
    MotionContext motion(clock, reduce);
    FakeInstalledApps installed;
    InsightsPane pane(stats, rules, installed, motion);
    darkWindow(pane);
    pane.resize(760, 900);
    pane.show();
    keep(pane, QStringLiteral("insights-wide") + suffix());
    pane.resize(520, 1000);
    keep(pane, QStringLiteral("insights-narrow") + suffix());
    reduce.set(false);
    pane.setRange(14);
    clock.advance(std::chrono::milliseconds(400));
    keep(pane, QStringLiteral("insights-growing") + suffix());
    // A new word rebuilds the tiles: their figures count up from zero on the spring.
    stats.recordAccepted(QStringLiteral("one"), keys[0], clock.now());
    int elapsed = 0;
    for (const int ms : {0, 200, 350, 600, 1500}) {
        clock.advance(std::chrono::milliseconds(ms - elapsed));
        elapsed = ms;
        keep(pane, QStringLiteral("insights-count-%1ms").arg(ms) + suffix());
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, Look, ::testing::Values(Qt::LeftToRight, Qt::RightToLeft));

} // namespace
} // namespace tq
