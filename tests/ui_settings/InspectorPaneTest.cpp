#include "ui/settings/InspectorPane.h"

#include "services/Permissions.h"
#include "completion/EngineFixture.h"
#include "platform/fakes/FakeAccessibilityAccess.h"
#include "platform/fakes/FakeDesktopSettings.h"
#include "platform/fakes/FakeLoginItem.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "platform/fakes/FakeScreenCaptureAccess.h"
#include "ui/design/Animation.h"

#include <QLabel>
#include <QPushButton>

namespace tq {
namespace {

class InspectorPaneTest : public testing::EngineFixture {
protected:
    InspectorPane& pane()
    {
        if (!pane_)
            pane_ = std::make_unique<InspectorPane>(InspectorSources{
                *engine, prefs, permissions, motion, [this] { return tap; }, [this](const QString& t) { copied << t; },
                [this] { return hint; }, [this](QObject*, std::function<void()> changed) { hintChanged = std::move(changed); },
                [this](QObject*, std::function<void()> changed) { tapChanged = std::move(changed); }});
        return *pane_;
    }
    QString row(const QString& key)
    {
        for (const auto& [name, value] : pane().rows())
            if (name == key)
                return value;
        return QStringLiteral("<absent>");
    }

    FakeAccessibilityAccess access;
    FakeScreenCaptureAccess capture;
    FakeDesktopSettings desktop;
    FakeLoginItem login;
    Permissions permissions{access, capture, desktop, login, clock};
    FakeReduceMotion reduce{true};
    MotionContext motion{clock, reduce};
    QStringList copied;
    std::optional<RestartHint> hint;
    std::function<void()> hintChanged;
    bool tap = true;
    std::function<void()> tapChanged;
    std::unique_ptr<InspectorPane> pane_;
};

TEST_F(InspectorPaneTest, BeforeAnyFieldOnlyTheHintAndTheShortReport)
{
    EXPECT_EQ(row("Status/Right now"), QStringLiteral("Ready"));
    EXPECT_EQ(row("Status/Keyboard"), QStringLiteral("Listening"));
    tap = false; // the key tap stops while the pane is open
    ASSERT_TRUE(tapChanged);
    tapChanged();
    EXPECT_EQ(row("Status/Keyboard"), QStringLiteral("Not listening"));
    EXPECT_TRUE(row("Focused field").startsWith("Click into a text field in another app"));
    EXPECT_EQ(row("Text before the caret"), QStringLiteral("<absent>"));
    EXPECT_EQ(row("Last request/Suggestion"), QStringLiteral("None yet"));
    EXPECT_EQ(row("Last request/Prompt sent to the engine"), QStringLiteral("<absent>"));

    pane().copyButton()->click();
    ASSERT_EQ(copied.size(), 1);
    EXPECT_TRUE(copied.front().endsWith(QStringLiteral("\nWait: Not yet"))) << copied.front().toStdString();
    EXPECT_EQ(pane().copyButton()->text(), QStringLiteral("Copied"));
}

// A Chromium program that shares no text is what "Right now" says instead of "Ready", in the
// tray panel's words, and what the diagnostics report.
TEST_F(InspectorPaneTest, RightNowSaysHowToStartASilentChromiumProgram)
{
    pane();
    hint = RestartHint{QStringLiteral("Chromium"), QStringLiteral("/usr/bin/chromium --force-renderer-accessibility")};
    ASSERT_TRUE(hintChanged);
    hintChanged();
    EXPECT_EQ(row("Status/Right now"), hint->sentence());
    pane().copyButton()->click();
    EXPECT_TRUE(copied.value(0).contains(QStringLiteral("--force-renderer-accessibility")));

    hint.reset();
    hintChanged();
    engine->refresh(false);
    settle();
    EXPECT_EQ(row("Status/Right now"), QStringLiteral("Ready"));
}

TEST_F(InspectorPaneTest, FollowsTheFieldLiveAndASecureFieldShowsNothingOfItsText)
{
    setField(snap(QStringLiteral("Dear Ann, the plan")));
    EXPECT_EQ(row("Focused field/App"), QStringLiteral("Editor"));
    EXPECT_EQ(row("Focused field/Field type"), QStringLiteral("TextArea"));
    EXPECT_EQ(row("Text before the caret"), QStringLiteral("Dear Ann, the plan\u258F"));
    field.current.reset(); // the user comes over to the settings window: the last field stays
    engine->refresh(false);
    settle();
    EXPECT_EQ(row("Focused field/App"), QStringLiteral("Editor"));

    // Rows update in place: a selection in a value that stays survives a new snapshot.
    QLabel* app = nullptr;
    for (QLabel* l : pane().findChildren<QLabel*>())
        if (l->text() == QStringLiteral("Editor"))
            app = l;
    ASSERT_NE(app, nullptr);
    app->setSelection(0, 3);
    setField(snap(QStringLiteral("Dear Ann, the plan is")));
    EXPECT_EQ(row("Text before the caret"), QStringLiteral("Dear Ann, the plan is\u258F"));
    EXPECT_EQ(app->selectedText(), QStringLiteral("Edi"));

    FieldSnapshot secure = snap(QStringLiteral("hunter2"));
    secure.isSecure = true;
    setField(secure);
    EXPECT_EQ(row("Focused field/Secure input"), QStringLiteral("Yes"));
    EXPECT_EQ(row("Text before the caret"), QStringLiteral("<absent>"));
    for (const auto& [name, value] : pane().rows())
        EXPECT_FALSE(value.contains(QStringLiteral("hunter2"))) << name.toStdString();
    pane().copyButton()->click();
    ASSERT_EQ(copied.size(), 1);
    EXPECT_TRUE(copied.front().contains(QStringLiteral("\nSecure: true")));
    EXPECT_FALSE(copied.front().contains(QStringLiteral("hunter2")));
}

} // namespace
} // namespace tq
