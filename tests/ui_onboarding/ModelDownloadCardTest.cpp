// The download card's action and status for each phase of the model store.

#include "ui/download/ModelDownloadCard.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace tq {
namespace {

using modelcard::Action;
using modelcard::StatusKind;
using Phase = ModelStore::Phase;

class ModelDownloadCardTest : public ::testing::Test {
protected:
    ModelDownloadCardTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~ModelDownloadCardTest() override { QLocale::setDefault(QLocale::system()); }
};

TEST_F(ModelDownloadCardTest, OneActionAndStatusPerPhase)
{
    struct Row {
        Phase phase;
        bool standalone;
        bool onDevice;
        Action action;
        const char* title;
        StatusKind status;
        const char* text;
    };
    const Row rows[] = {
        // Only an on-device model that answers fills in.
        {Phase::missing(), true, true, Action::download, "Download", StatusKind::note,
         "The on-device model fills in until the download is done."},
        {Phase::missing(), true, false, Action::download, "Download", StatusKind::note,
         "Suggestions start once the download is done."},
        {Phase::missing(), false, false, Action::download, "Download", StatusKind::none, ""},
        {Phase::downloading(1'500'000'000, 4'920'000'000), false, false, Action::cancel, "Cancel", StatusKind::progress,
         "1.5 GB of 4.9 GB. You can keep writing while it downloads."},
        {[] {
             Phase p = Phase::downloading(1'500'000'000, 4'920'000'000);
             p.waitingForNetwork = true;
             return p;
         }(),
         false, false, Action::cancel, "Cancel", StatusKind::progress, "Waiting for the network…"},
        {Phase::verifying(), true, false, Action::none, "", StatusKind::verifying, "Checking the download"},
        {Phase::failed(QStringLiteral("The download stopped. Check your connection, then try again.")), true, false,
         Action::retry, "Try Again", StatusKind::failed, "The download stopped. Check your connection, then try again."},
        {Phase::ready(), true, false, Action::none, "", StatusKind::none, ""},
        {Phase::ready(), false, false, Action::remove, "Remove\u2026", StatusKind::none, ""},
    };
    for (const Row& r : rows) {
        const auto c = modelcard::card(r.phase, r.standalone, r.onDevice);
        EXPECT_EQ(c.action, r.action);
        EXPECT_EQ(c.actionTitle, QString::fromUtf8(r.title));
        EXPECT_EQ(c.primary, r.action == Action::download);
        EXPECT_EQ(c.status, r.status);
        EXPECT_EQ(c.statusText, QString::fromUtf8(r.text));
    }
}

TEST_F(ModelDownloadCardTest, ProgressIsSixtyFourBitAndNeverDividesByZero)
{
    // Past 2 GiB and past 4 GiB: an int would have wrapped.
    const qint64 total = 6'000'000'000;
    auto c = modelcard::card(Phase::downloading(4'500'000'000, total), true, false);
    EXPECT_DOUBLE_EQ(c.fraction, 0.75);
    EXPECT_EQ(c.progressValue, QStringLiteral("4.5 GB of 6.0 GB"));

    c = modelcard::card(Phase::downloading(0, 0), true, false);
    EXPECT_DOUBLE_EQ(c.fraction, 0);
    c = modelcard::card(Phase::downloading(10, 0), true, false);
    EXPECT_DOUBLE_EQ(c.fraction, 1);
}

TEST_F(ModelDownloadCardTest, DescriptionAndRemovalTexts)
{
    ModelSpec spec;
    spec.publisher = QStringLiteral("Example Labs");
    spec.license = QStringLiteral("Apache 2.0");
    spec.bytes = 2'490'000'000;
    EXPECT_EQ(modelcard::specLine(spec), QStringLiteral("Example Labs \u00B7 2.5 GB \u00B7 Apache 2.0 license"));
    EXPECT_EQ(modelcard::removeTitle(), QStringLiteral("Remove the Tessaquill model?"));
    EXPECT_EQ(modelcard::removeMessage(spec, true),
              QStringLiteral("This frees 2.5 GB. The on-device model fills in until you download it again."));
    EXPECT_EQ(modelcard::removeMessage(spec, false),
              QStringLiteral("This frees 2.5 GB. The Tessaquill model can't suggest until you download it again."));
}

} // namespace
} // namespace tq
