#include "settings/AppRules.h"
#include "ui/menubar/MenuBarGlyph.h"
#include "ui/menubar/MenuState.h"
#include "ui/menubar/PanelPlacement.h"

#include <gtest/gtest.h>

namespace tq::menu {
namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QDateTime kNow(QDate(2026, 3, 2), QTime(15, 30), Qt::LocalTime);
const RestartHint kChromium{"Chromium", "/usr/bin/chromium --force-renderer-accessibility"};
const EngineSilence kNoModel{EngineSilence::Why::notDownloaded, "Download the model to start"};
const EngineSilence kDownloading{EngineSilence::Why::downloading, "Downloading. Suggestions start once it's done."};

TEST(MenuStatus, PrecedenceAndGlyph)
{
    const auto in15 = kNow.addSecs(15 * 60);
    struct Row {
        const char* name;
        State state;
        StatusKind kind;
        QString text;
        StatusColour colour;
        GlyphVariant glyph;
    };
    const QString at = kEnglish.toString(in15.time(), QLocale::ShortFormat);
    const Row rows[] = {
        {"all at once", {false, {"Rival"}, false, AppRules::distantFuture(), false, kNow}, StatusKind::needsAccess,
         "Needs Accessibility access", StatusColour::orange, GlyphVariant::attention},
        {"rivals over pause", {true, {"A", "B"}, false, in15, false, kNow}, StatusKind::rivalOpen,
         "Paused while A is open", StatusColour::orange, GlyphVariant::attention},
        {"until resumed", {true, {}, false, AppRules::distantFuture(), false, kNow}, StatusKind::pausedUntilResumed,
         "Paused until you resume", StatusColour::gold, GlyphVariant::paused},
        {"timed", {true, {}, false, in15, false, kNow}, StatusKind::pausedUntil, "Paused until " + at,
         StatusColour::gold, GlyphVariant::paused},
        {"expired pause, off", {true, {}, false, kNow.addSecs(-1), false, kNow}, StatusKind::off, "Off",
         StatusColour::dim, GlyphVariant::paused},
        {"pause ends now", {true, {}, false, kNow, true, kNow}, StatusKind::ready, "Ready", StatusColour::green,
         GlyphVariant::active},
        {"ready", {true, {}, false, std::nullopt, true, kNow}, StatusKind::ready, "Ready", StatusColour::green,
         GlyphVariant::active},
        {"front program shares no text", {true, {}, false, std::nullopt, true, kNow, kChromium}, StatusKind::appSharesNoText,
         "Chromium shares no text", StatusColour::orange, GlyphVariant::active},
        {"off over a silent program", {true, {}, false, std::nullopt, false, kNow, kChromium}, StatusKind::off, "Off",
         StatusColour::dim, GlyphVariant::paused},
        {"no engine can answer", {true, {}, false, std::nullopt, true, kNow, kChromium, kNoModel},
         StatusKind::engineSilent, "Your engine isn't ready", StatusColour::orange, GlyphVariant::active},
        {"downloading", {true, {}, false, std::nullopt, true, kNow, {}, kDownloading}, StatusKind::engineSilent,
         "Downloading the model", StatusColour::orange, GlyphVariant::active},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const StatusLine line = statusLine(r.state, kEnglish);
        EXPECT_EQ(line.kind, r.kind);
        EXPECT_EQ(line.text, r.text);
        EXPECT_EQ(line.colour, r.colour);
        EXPECT_EQ(glyphVariant(r.state), r.glyph);
    }
    EXPECT_FALSE(at.contains("2026")) << "the end time carries no date";
    // Hours and minutes only, also where the short form has seconds.
    State timed{true, {}, false, QDateTime(kNow.date(), QTime(15, 45, 30), Qt::LocalTime), true, kNow};
    EXPECT_TRUE(statusLine(timed, kEnglish).text.startsWith("Paused until 3:45")) << statusLine(timed, kEnglish).text.toStdString();
    EXPECT_FALSE(statusLine(timed, kEnglish).text.contains(":30"));
    EXPECT_EQ(statusLine(timed, QLocale::c()).text, "Paused until 15:45");
}

TEST(MenuStatus, AttentionCardNamesEveryRivalOnceWithTheRightVerb)
{
    State s{true, {"Rival"}, false, std::nullopt, true, kNow};
    AttentionText card = attentionText(s, kEnglish);
    EXPECT_EQ(card.kind, AttentionKind::rivals);
    EXPECT_EQ(card.text, "Paused while Rival is open");
    EXPECT_EQ(card.button, "Quit Rival");
    EXPECT_FALSE(card.forceQuit);

    s.rivals = {"A", "B", "A"};
    s.rivalsRefused = true;
    card = attentionText(s, kEnglish);
    EXPECT_EQ(card.text, "Paused while A and B are open");
    EXPECT_EQ(card.button, "Force Quit A and B");
    EXPECT_TRUE(card.forceQuit);

    s.restartHint = kChromium;
    s.engineSilent = kDownloading;
    EXPECT_EQ(attentionText(s, kEnglish).kind, AttentionKind::rivals);
    s.accessibility = false;
    EXPECT_EQ(attentionText(s, kEnglish).kind, AttentionKind::access);
    // The whole reason the engine is silent, before a silent program's card.
    s = State{true, {}, false, std::nullopt, true, kNow, kChromium, kDownloading};
    card = attentionText(s, kEnglish);
    EXPECT_EQ(card.kind, AttentionKind::engine);
    EXPECT_EQ(card.text, kDownloading.sentence);
    EXPECT_EQ(card.button, "Open Engine");
    s = State{true, {}, false, std::nullopt, true, kNow};
    EXPECT_EQ(attentionText(s, kEnglish).kind, AttentionKind::none);
}

// The third card names the silent program and copies the command that starts it sharing.
TEST(MenuStatus, AttentionCardTellsHowToStartASilentProgram)
{
    State s{true, {}, false, std::nullopt, true, kNow, kChromium};
    AttentionText card = attentionText(s, kEnglish);
    EXPECT_EQ(card.kind, AttentionKind::restartApp);
    // The switch is isolated so a right-to-left sentence keeps its dashes in front.
    EXPECT_EQ(card.text, QString::fromUtf8("Chromium shares no text. Quit it and start it with \u2066--force-renderer-"
                                           "accessibility\u2069 to get suggestions in it."));
    EXPECT_EQ(card.button, "Copy command");
    EXPECT_EQ(card.copyText, kChromium.command);

    s.restartHint->command.clear(); // no known way to start it: the sentence alone
    card = attentionText(s, kEnglish);
    EXPECT_EQ(card.kind, AttentionKind::restartApp);
    EXPECT_EQ(card.button, QString());
}

TEST(MenuToday, CountLabelAndSentence)
{
    struct Row {
        qint64 words;
        QString count, label, sentence;
    };
    const Row rows[] = {
        {0, "0", "words saved today", "Start typing anywhere. Tessaquill keeps count here."},
        {1, "1", "word saved today", "Under a minute of typing saved today."},
        {39, "39", "words saved today", "Under a minute of typing saved today."},
        {40, "40", "words saved today", "About 1 min of typing saved today."},
        {1234, "1,234", "words saved today", "About 31 min of typing saved today."},
        {6000, "6,000", "words saved today", "About 2.5 h of typing saved today."},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.words);
        const TodayCard card = todayCard(r.words, kEnglish);
        EXPECT_EQ(card.count, r.count);
        EXPECT_EQ(card.label, r.label);
        EXPECT_EQ(card.sentence, r.sentence);
        EXPECT_EQ(card.whole, r.count + ' ' + r.label);
    }
    EXPECT_EQ(trayToolTip(0, true, kEnglish), "Tessaquill");
    EXPECT_EQ(trayToolTip(1234, false, kEnglish), "Tessaquill");
    EXPECT_EQ(trayToolTip(1234, true, kEnglish), "Tessaquill\n1,234 words saved today");
    EXPECT_TRUE(trayLabel(0, true, kEnglish).text.isEmpty());
    EXPECT_TRUE(trayLabel(1234, false, kEnglish).text.isEmpty());
    EXPECT_EQ(trayLabel(1234, true, kEnglish).text, "1,234");
    EXPECT_EQ(trayLabel(1234, true, kEnglish).guide, "8,888");
}

TEST(MenuPause, PillChoices)
{
    const auto later = kNow.addSecs(60);
    const auto before = kNow.addSecs(-60);
    struct Row {
        const char* name;
        std::optional<QString> front;
        std::optional<QDateTime> frontUntil, globalUntil;
        std::vector<std::pair<PillAction, QString>> pills;
    };
    const Row rows[] = {
        {"no front application", std::nullopt, std::nullopt, std::nullopt,
         {{PillAction::pauseEverywhere, "Pause Everywhere"}}},
        {"front application", QString("Editor"), std::nullopt, std::nullopt,
         {{PillAction::pauseFrontApp, "Pause in Editor"}, {PillAction::pauseEverywhere, "Pause Everywhere"}}},
        {"both paused", QString("Editor"), AppRules::distantFuture(), later,
         {{PillAction::resumeFrontApp, "Resume in Editor"}, {PillAction::resumeEverywhere, "Resume Everywhere"}}},
        {"both expired", QString("Editor"), before, before,
         {{PillAction::pauseFrontApp, "Pause in Editor"}, {PillAction::pauseEverywhere, "Pause Everywhere"}}},
        {"a name with a placeholder", QString("A %2 B"), later, std::nullopt,
         {{PillAction::resumeFrontApp, "Resume in A %2 B"}, {PillAction::pauseEverywhere, "Pause Everywhere"}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const auto pills = pausePills(r.front, r.frontUntil, r.globalUntil, kNow);
        ASSERT_EQ(pills.size(), r.pills.size());
        for (std::size_t i = 0; i < pills.size(); ++i) {
            EXPECT_EQ(pills[i].action, r.pills[i].first);
            EXPECT_EQ(pills[i].title, r.pills[i].second);
            const bool resume = pills[i].action == PillAction::resumeFrontApp || pills[i].action == PillAction::resumeEverywhere;
            EXPECT_EQ(pills[i].lit, resume);
            EXPECT_EQ(pills[i].menu(), !resume);
        }
    }
    const auto& d = pauseDurations();
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(d[0].seconds, 900.0);
    EXPECT_EQ(d[2].seconds, 14400.0);
    EXPECT_FALSE(d[3].seconds.has_value());
    EXPECT_TRUE(d[3].dividerBefore);

    EXPECT_TRUE(pillsFitInRow({130, 130}, 272));
    EXPECT_TRUE(pillsFitInRow({136, 128}, 272));
    EXPECT_FALSE(pillsFitInRow({137, 128}, 272));
    EXPECT_TRUE(pillsFitInRow({272}, 272));
}

TEST(MenuRefresh, NextChangeIsThePauseEndOrLocalMidnight)
{
    const QDateTime midnight = kNow.date().addDays(1).startOfDay().toUTC();
    const auto in15 = kNow.addSecs(900);
    struct Row {
        const char* name;
        std::optional<QDateTime> global, front;
        QDateTime expected;
    };
    const Row rows[] = {
        {"nothing paused", std::nullopt, std::nullopt, midnight},
        {"timed global pause", in15, std::nullopt, in15.toUTC()},
        {"front application ends first", kNow.addSecs(3600), in15, in15.toUTC()},
        {"pause past midnight", kNow.addDays(1), std::nullopt, midnight},
        {"until resumed", AppRules::distantFuture(), std::nullopt, midnight},
        {"ended pause", kNow.addSecs(-5), kNow, midnight},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(nextChange(kNow, r.global, r.front), r.expected);
    }
}

TEST(PanelPlacementTest, Table)
{
    const QList<Screen> two = {{{0, 0, 1600, 1000}, {0, 0, 1600, 1000}}, {{1600, 0, 1280, 1024}, {1600, 30, 1280, 994}}};
    const QSize panel(300, 400);
    struct Row {
        const char* name;
        std::optional<QRect> icon;
        QPoint click;
        QList<Screen> screens;
        QPoint expected;
    };
    const Row rows[] = {
        {"under the icon", QRect(500, 0, 24, 24), {510, 10}, two, {500, 29}},
        {"right edge, kept 8 in", QRect(1580, 0, 20, 24), {1590, 5}, two, {1292, 29}},
        {"left edge", QRect(0, 0, 20, 24), {5, 5}, two, {8, 29}},
        {"second screen below its panel", QRect(2000, 4, 24, 22), {2010, 10}, two, {2000, 31}},
        {"tray at the bottom opens above", QRect(700, 976, 24, 24), {710, 990}, two, {700, 571}},
        {"no geometry: at the pointer", std::nullopt, {800, 300}, two, {800, 306}},
        {"empty geometry: at the pointer", QRect(), {800, 300}, two, {800, 306}},
        {"pointer near the bottom", std::nullopt, {800, 900}, two, {800, 495}},
        {"icon off every screen: primary, right edge", QRect(5000, 0, 24, 24), {5010, 10}, two, {1292, 29}},
        {"screen shorter than the panel", QRect(10, 0, 24, 24), {20, 10}, {{{0, 0, 800, 300}, {0, 0, 800, 300}}}, {10, 0}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(placePanel({r.icon, r.click, r.screens, panel}), r.expected);
    }
}

TEST(TrayHidden, Table)
{
    const QList<QRect> screens = {{0, 0, 1600, 1000}};
    EXPECT_TRUE(trayIconHidden(false, QRect(10, 0, 24, 24), screens));
    EXPECT_FALSE(trayIconHidden(true, std::nullopt, screens));
    EXPECT_FALSE(trayIconHidden(true, QRect(10, 0, 0, 24), screens)) << "no width tells nothing";
    EXPECT_FALSE(trayIconHidden(true, QRect(10, 0, 24, 24), screens));
    EXPECT_TRUE(trayIconHidden(true, QRect(-200, -200, 24, 24), screens));
    EXPECT_TRUE(trayIconHidden(true, QRect(10, 0, 24, 24), {}));
}

TEST(MenuBarGlyphTest, VariantsDifferOnlyInTheirMarkAndKeepTheGhostsFaint)
{
    const int side = 48;
    const QImage active = renderGlyph(GlyphVariant::active, side);
    const QImage paused = renderGlyph(GlyphVariant::paused, side);
    const QImage attention = renderGlyph(GlyphVariant::attention, side);
    const double s = side / kGlyphWidth;
    const double top = (side - kGlyphHeight * s) / 2;
    const auto alphaAt = [&](const QImage& img, double x, double y) { return qAlpha(img.pixel(int(x * s), int(top + y * s))); };
    // The caret stem is the same in every variant.
    for (const QImage* img : {&active, &paused, &attention})
        EXPECT_EQ(alphaAt(*img, 9.6, 8), 255);
    // Ghost bars: half and three-tenths of the caret's strength.
    EXPECT_NEAR(alphaAt(active, 15, 8), 128, 8);
    EXPECT_NEAR(alphaAt(active, 21, 8), 77, 8);
    EXPECT_EQ(alphaAt(paused, 15.7, 5.5), 255);
    EXPECT_EQ(alphaAt(attention, 14.0, 5.5), 0);
    EXPECT_EQ(alphaAt(attention, 17.6, 4), 255);
    EXPECT_NE(active, paused);
    EXPECT_NE(paused, attention);
    // Crisp at twice the pixels: the icon draws at the size asked, not a scaled copy.
    const QPixmap big = glyphIcon(GlyphVariant::paused).pixmap(QSize(22, 22), 2.0);
    EXPECT_EQ(big.width(), 44);
    EXPECT_EQ(big.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), renderGlyph(GlyphVariant::paused, 44));
}

} // namespace
} // namespace tq::menu
