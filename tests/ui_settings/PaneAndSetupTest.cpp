// Pane names, the sidebar's order and moves, and the setup items behind the overview's badge.

#include "ui/settings/SettingsPane.h"
#include "ui/settings/SetupItems.h"

#include <gtest/gtest.h>

namespace tq {

TEST(SettingsPaneTest, LookupIsExact)
{
    struct Case {
        const char* name;
        std::optional<SettingsPane> pane;
    };
    const Case cases[] = {{"personal", SettingsPane::personal}, {"apps", SettingsPane::apps},
                          {"inspector", SettingsPane::inspector}, {"Personal", std::nullopt},
                          {"Your Voice", std::nullopt}, {"", std::nullopt}, {"overview ", std::nullopt}};
    for (const Case& c : cases)
        EXPECT_EQ(settingsPaneFromName(QString::fromUtf8(c.name)), c.pane) << c.name;
    for (SettingsPane p : kAllSettingsPanes)
        EXPECT_EQ(settingsPaneFromName(settingsPaneName(p)), p);
}

TEST(SettingsPaneTest, SectionsReadInPaneOrderAndSubtitlesNameTheProgram)
{
    std::vector<SettingsPane> joined;
    for (const PaneSection& s : paneSections())
        joined.insert(joined.end(), s.panes.begin(), s.panes.end());
    EXPECT_EQ(joined, std::vector<SettingsPane>(kAllSettingsPanes.begin(), kAllSettingsPanes.end()));
    EXPECT_TRUE(paneSections().front().title.isEmpty());
    EXPECT_TRUE(paneSections().back().title.isEmpty());
    EXPECT_EQ(paneSubtitle(SettingsPane::overview), QStringLiteral("How Tessaquill is doing today"));
    EXPECT_EQ(paneSubtitle(SettingsPane::inspector), QStringLiteral("What Tessaquill sees in the focused field"));
}

TEST(SettingsPaneTest, ArrowsStepWithoutWrapping)
{
    using P = SettingsPane;
    struct Case {
        P from;
        int step;
        std::optional<P> to;
    };
    const Case cases[] = {{P::overview, -1, std::nullopt}, {P::about, +1, std::nullopt},
                          {P::general, -1, P::overview},   {P::inspector, +1, P::about},
                          {P::personal, +1, P::keys},      {P::keys, -1, P::personal}};
    for (const Case& c : cases)
        EXPECT_EQ(adjacentPane(c.from, c.step), c.to) << settingsPaneName(c.from).toStdString() << c.step;
}

namespace {
SetupInputs allFixed()
{
    SetupInputs in;
    in.accessibility = true;
    in.engineStatus = ProviderStatus::ready(QStringLiteral("Model loaded"));
    in.systemPredictionsOn = false;
    return in;
}
} // namespace

TEST(SetupItemsTest, ProgressAndPendingFollowTheInputs)
{
    struct Case {
        const char* what;
        std::function<void(SetupInputs&)> change;
        QList<SetupItem> pending;
        int cardRows;
        int done;
    };
    using S = SetupItem;
    const Case cases[] = {
        {"all fixed", [](SetupInputs&) {}, {}, 3, 3},
        {"no access, predictions on", [](SetupInputs& in) { in.accessibility = false; in.systemPredictionsOn = true; },
         {S::accessibility, S::systemPredictions}, 3, 1},
        {"engine not checked yet", [](SetupInputs& in) { in.engineStatus = ProviderStatus::unknown(); }, {}, 3, 2},
        {"engine checking, no access", [](SetupInputs& in) { in.engineStatus = ProviderStatus::checking(); in.accessibility = false; },
         {S::accessibility}, 3, 1},
        {"engine unavailable", [](SetupInputs& in) { in.engineStatus = ProviderStatus::unavailable(QStringLiteral("No model")); },
         {S::engine}, 3, 2},
        {"a rival runs", [](SetupInputs& in) { in.rivals = {QStringLiteral("Typeahead")}; }, {S::rivalApps}, 4, 3},
    };
    for (const Case& c : cases) {
        SetupInputs in = allFixed();
        c.change(in);
        EXPECT_EQ(pendingSetupItems(in), c.pending) << c.what;
        const QList<SetupItem> rows = setupCardItems(in);
        EXPECT_EQ(rows.size(), c.cardRows) << c.what;
        const auto done = std::count_if(rows.begin(), rows.end(), [&](SetupItem i) { return setupProgress(i, in) == SetupProgress::done; });
        EXPECT_EQ(done, c.done) << c.what;
    }
    EXPECT_EQ(setupItemFromName(QStringLiteral("rivalApps")), SetupItem::rivalApps);
    EXPECT_EQ(setupItemFromName(QStringLiteral("Accessibility")), std::nullopt);
    EXPECT_EQ(setupItemFromName(QString()), std::nullopt);
}

TEST(SetupItemsTest, BadgeNameAndDoneCountRead)
{
    SetupInputs in = allFixed();
    in.accessibility = false;
    in.systemPredictionsOn = true;
    const int pending = int(pendingSetupItems(in).size());
    EXPECT_EQ(sidebarRowName(paneTitle(SettingsPane::overview), pending), QStringLiteral("Overview, 2 to do"));
    EXPECT_EQ(sidebarRowName(paneTitle(SettingsPane::overview), 0), QStringLiteral("Overview"));
    EXPECT_EQ(setupDoneText(1, 3), QStringLiteral("1 of 3 done"));
}

TEST(SetupItemsTest, RowsOfferButtonsOnlyWhileTodo)
{
    SetupInputs in = allFixed();
    in.engineStatus = ProviderStatus::unknown();
    SetupRowText engine = setupRowText(SetupItem::engine, setupProgress(SetupItem::engine, in), in);
    EXPECT_EQ(engine.title, QStringLiteral("Checking Tessaquill model"));
    EXPECT_TRUE(engine.buttons.isEmpty());

    in.systemPredictionsOn = true;
    const SetupRowText predictions = setupRowText(SetupItem::systemPredictions, SetupProgress::todo, in);
    ASSERT_EQ(predictions.buttons.size(), 2);
    EXPECT_EQ(predictions.buttons[1].action, SetupAction::turnOffPredictions);
    EXPECT_TRUE(setupRowText(SetupItem::systemPredictions, SetupProgress::done, in).buttons.isEmpty());

    in.rivals = {QStringLiteral("Typeahead")};
    in.rivalNames = QStringLiteral("Typeahead");
    in.quit = RivalQuit::quitting;
    SetupRowText rival = setupRowText(SetupItem::rivalApps, SetupProgress::todo, in);
    ASSERT_EQ(rival.buttons.size(), 1);
    EXPECT_FALSE(rival.buttons[0].enabled);
    EXPECT_TRUE(rival.detail.endsWith(QStringLiteral("until you quit it.")));
    in.quit = RivalQuit::refused;
    in.rivals.append(QStringLiteral("Other"));
    rival = setupRowText(SetupItem::rivalApps, SetupProgress::todo, in);
    EXPECT_EQ(rival.buttons[0].action, SetupAction::forceQuitRivals);
    EXPECT_TRUE(rival.detail.contains(QStringLiteral("They may be showing a dialog")));

    in.accessibility = false;
    EXPECT_TRUE(setupRowText(SetupItem::accessibility, SetupProgress::todo, in).note.isEmpty());
    in.accessibilityLooksStuck = true;
    EXPECT_FALSE(setupRowText(SetupItem::accessibility, SetupProgress::todo, in).note.isEmpty());
}

} // namespace tq
