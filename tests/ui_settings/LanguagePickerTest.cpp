#include "ui/settings/LanguagePicker.h"

#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "ui/design/Confirmation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace tq {
namespace {

class RecordingRelauncher final : public Relauncher {
public:
    void flushStores() override {}
    bool startNewInstance(const QStringList& arguments, QString* error) override
    {
        started << arguments;
        if (!starts)
            *error = QStringLiteral("No such file.");
        return starts;
    }
    void quit() override { ++quits; }
    bool starts = true;
    QList<QStringList> started;
    int quits = 0;
};

struct Picker {
    FakeDefaults defaults;
    RecordingRelauncher relauncher;
    AppLanguage language{defaults, relauncher, QStringLiteral("en")};
};

QStringList titles(const LanguageSheet& sheet)
{
    QStringList out;
    for (auto* row : sheet.rows())
        out << row->title();
    return out;
}

TEST(LanguageSheet, SystemRowOnlyForAnEmptyQueryAndSelectedWithoutAStoredChoice)
{
    Picker picker;
    LanguageSheet sheet(picker.language);
    auto rows = sheet.rows();
    ASSERT_EQ(rows.size(), 46);
    EXPECT_FALSE(rows.front()->identifier());
    EXPECT_TRUE(rows.front()->isSelected());
    EXPECT_EQ(rows.front()->title(), QStringLiteral("Same as my computer"));

    sheet.setQuery(QStringLiteral("   "));
    rows = sheet.rows();
    ASSERT_EQ(rows.size(), 45);
    EXPECT_TRUE(rows.front()->identifier());

    sheet.setQuery(QStringLiteral("deutsch"));
    EXPECT_EQ(titles(sheet), QStringList{QStringLiteral("Deutsch")});
}

TEST(LanguageSheet, RightToLeftRowsAndTheStoredChoiceSelected)
{
    Picker picker;
    picker.defaults.set(QStringLiteral("AppleLanguages"), QVariantList{QStringLiteral("he")});
    LanguageSheet sheet(picker.language);
    for (auto* row : sheet.rows()) {
        const QString id = row->identifier().value_or(QString());
        const bool rtl = id == u"ar" || id == u"fa" || id == u"he" || id == u"ur";
        EXPECT_EQ(row->layoutDirection() == Qt::RightToLeft, rtl) << id.toStdString();
        EXPECT_EQ(row->isSelected(), id == u"he") << id.toStdString();
    }
}

TEST(LanguageSheet, SelectedRowClosesOthersAskAndApplyWithTheRelaunchArguments)
{
    Picker picker;
    LanguageSheet sheet(picker.language);
    // The question or notice open over the sheet, if any.
    auto question = [&]() -> Confirmation* {
        for (Confirmation* c : sheet.findChildren<Confirmation*>())
            if (c->isVisible())
                return c;
        return nullptr;
    };
    sheet.open();

    sheet.choose(sheet.rows().front()); // already selected: closes, nothing else
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(question(), nullptr);

    sheet.open();
    sheet.setQuery(QStringLiteral("arabic"));
    ASSERT_EQ(sheet.rows().size(), 1);
    sheet.choose(sheet.rows().front());
    ASSERT_NE(question(), nullptr);
    EXPECT_EQ(question()->windowTitle(), QStringLiteral("Switch to العربية?"));
    EXPECT_TRUE(sheet.pending());
    question()->cancelButton()->click();
    EXPECT_FALSE(sheet.pending());
    EXPECT_TRUE(picker.relauncher.started.isEmpty());

    picker.relauncher.starts = false;
    sheet.choose(sheet.rows().front());
    question()->actionButton()->click();
    EXPECT_EQ(picker.relauncher.started, QList<QStringList>{AppLanguage::relaunchArguments()});
    EXPECT_EQ(picker.relauncher.quits, 0);
    ASSERT_NE(question(), nullptr); // the failure, said over the sheet
    EXPECT_TRUE(question()->windowTitle().contains(QStringLiteral("could not open again. Your choice takes effect")));
    EXPECT_EQ(question()->actionButton(), nullptr);
    question()->cancelButton()->click();

    picker.relauncher.starts = true;
    sheet.choose(sheet.rows().front());
    question()->actionButton()->click();
    EXPECT_EQ(picker.relauncher.quits, 1);
    EXPECT_EQ(picker.language.override(), QStringLiteral("ar"));
    EXPECT_EQ(LanguageSheet::confirmTitle(std::nullopt), QStringLiteral("Switch to the computer's language?"));
}

// The rows ease as choice cards do over the sheet's motion context; without one they jump.
TEST(LanguageSheet, RowsHoverAndPressAsChoiceCards)
{
    Picker picker;
    VirtualClock clock;
    FakeReduceMotion reduce;
    MotionContext motion(clock, reduce);
    LanguageSheet eased(picker.language, nullptr, &motion);
    LanguageSheet still(picker.language);
    eased.show();
    still.show();
    const auto hover = [](QWidget* row) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(row, &enter);
    };
    // A spot of an unselected row's face, clear of its texts.
    const auto face = [](QWidget* row) { return row->grab().toImage().pixelColor(row->width() - 24, 5).red(); };

    LanguageChoiceRow* plain = still.rows()[1];
    const int rest = face(plain);
    hover(plain);
    const int lit = face(plain);
    EXPECT_GT(lit, rest);

    LanguageChoiceRow* row = eased.rows()[1];
    EXPECT_EQ(face(row), rest);
    hover(row);
    clock.advance(Millis(30));
    EXPECT_GT(face(row), rest);
    EXPECT_LT(face(row), lit) << "mid-fade";
    clock.advance(Millis(200));
    EXPECT_EQ(face(row), lit);

    const QImage up = row->grab().toImage();
    QTest::mousePress(row, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(row->grab().toImage(), up) << "the spring starts where the face was";
    clock.advance(std::chrono::seconds(1));
    const QImage down = row->grab().toImage();
    EXPECT_NE(down, up);
    QTest::mouseRelease(row, Qt::LeftButton, {}, QPoint(5, 5));
    clock.advance(std::chrono::seconds(1));
    EXPECT_EQ(row->grab().toImage(), up);

    reduce.set(true); // the press lands at once
    QTest::mousePress(row, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(row->grab().toImage(), down);
    const QImage plainUp = plain->grab().toImage();
    QTest::mousePress(plain, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_NE(plain->grab().toImage(), plainUp) << "without motion the press lands at once too";
}

} // namespace
} // namespace tq
