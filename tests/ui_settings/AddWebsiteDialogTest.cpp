// The Add Website sheet with hostile names: Return, refusals that wrap, trailing dots.

#include "ui/settings/AddWebsiteDialog.h"

#include "platform/Clock.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "ui/design/Animation.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tq {

namespace {
struct Sheet {
    VirtualClock clock;
    FakeReduceMotion reduce{true};
    MotionContext motion{clock, reduce};
    QWidget parent;
    AddWebsiteDialog dialog{QString(), motion, &parent};
    QSignalSpy accepted{&dialog, &QDialog::accepted};
    QSignalSpy rejected{&dialog, &QDialog::rejected};

    Sheet()
    {
        dialog.show();
        dialog.field()->setFocus();
    }
    void type(const QString& name)
    {
        dialog.field()->clear();
        QTest::keyClicks(dialog.field(), name);
    }
    QLabel* problem() const { return dialog.findChild<QLabel*>(QStringLiteral("siteProblem")); }
};
} // namespace

TEST(AddWebsiteDialog, ReturnAddsOrSaysWhyAndNeverClosesSilently)
{
    Sheet s;
    const struct {
        QString typed;
        bool added;
    } cases[] = {
        {QStringLiteral("intranet"), false},
        {QString(), false},
        {QStringLiteral("exa mple.com"), false},
        {QStringLiteral("wikipedia.org."), true},
        {QStringLiteral("localhost"), true},
    };
    for (const auto& c : cases) {
        s.type(c.typed);
        QTest::keyClick(s.dialog.field(), Qt::Key_Return);
        EXPECT_EQ(s.accepted.count(), c.added ? 1 : 0) << c.typed.toStdString();
        EXPECT_EQ(s.rejected.count(), 0) << c.typed.toStdString();
        EXPECT_EQ(s.problem()->isVisible(), !c.added) << c.typed.toStdString();
        EXPECT_EQ(s.dialog.problem().isEmpty(), c.added) << c.typed.toStdString();
        s.accepted.clear();
        s.dialog.show();
    }
}

TEST(AddWebsiteDialog, ARefusalThatWrapsPushesTheHintDown)
{
    Sheet s;
    s.type(QStringLiteral("javascript://example.com"));
    QCoreApplication::processEvents();
    QLabel* problem = s.problem();
    ASSERT_TRUE(problem->isVisible());
    ASSERT_GT(problem->heightForWidth(problem->width()), problem->fontMetrics().height()); // it wraps
    EXPECT_GE(problem->height(), problem->heightForWidth(problem->width()));
    if (const QString dir = qEnvironmentVariable("TQ_ARTIFACTS"); !dir.isEmpty())
        s.dialog.grab().save(QDir(dir).filePath(QStringLiteral("add-website-wrapped-refusal.png")));
    // Every label below stays clear of it.
    for (QLabel* other : s.dialog.findChildren<QLabel*>()) {
        if (other == problem || !other->isVisible())
            continue;
        EXPECT_FALSE(other->geometry().intersects(problem->geometry())) << other->text().toStdString();
    }
}

} // namespace tq
