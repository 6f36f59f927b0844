#include "platform/fakes/FakeKeyLayout.h"
#include "ui/design/ShortcutRecorder.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tq;

TEST(ShortcutRecorder, WhichKeysMakeAShortcut)
{
    using M = ModifierSet;
    const struct {
        std::uint16_t key;
        ModifierSet mods;
        bool clearing;
        RecorderOutcome outcome;
    } rows[] = {
        {keycode::kTab, {}, true, RecorderOutcome::record},
        {keycode::kAboveTab, {}, true, RecorderOutcome::record},
        {keycode::kRight, {}, true, RecorderOutcome::record},
        {keycode::kF5, {}, true, RecorderOutcome::record},
        {keycode::kTab, M::shift, true, RecorderOutcome::record},
        {keycode::kA, {}, true, RecorderOutcome::warn},
        {keycode::kA, M::shift, true, RecorderOutcome::warn},
        {keycode::kSpace, {}, true, RecorderOutcome::warn},
        {keycode::kLeft, {}, true, RecorderOutcome::warn},
        {keycode::kEscape, {}, true, RecorderOutcome::cancel},
        {keycode::kEscape, M::shift, true, RecorderOutcome::record},
        {keycode::kEscape, M::command, true, RecorderOutcome::record},
        {keycode::kDelete, {}, true, RecorderOutcome::clear},
        {keycode::kDelete, {}, false, RecorderOutcome::warn},
        {keycode::kDelete, M::command, false, RecorderOutcome::record},
        {keycode::kSpace, M::control, true, RecorderOutcome::record},
    };
    for (const auto& r : rows)
        EXPECT_EQ(recorderOutcome(r.key, r.mods, r.clearing), r.outcome) << r.key << " " << int(r.mods.rawValue);
}

TEST(ShortcutRecorder, RecordsFromKeyEventsWithoutFiringShortcuts)
{
    QWidget window;
    int quits = 0;
    auto* quit = new QAction(&window);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    window.addAction(quit);
    QObject::connect(quit, &QAction::triggered, [&] { ++quits; });
    FakeKeyLayout layout;
    ShortcutRecorder rec(layout, KeyCombo{keycode::kTab, {}}, true, &window);
    std::vector<std::optional<KeyCombo>> written;
    QObject::connect(&rec, &ShortcutRecorder::comboChanged, [&](std::optional<KeyCombo> c) { written.push_back(c); });
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_EQ(rec.recordButton()->accessibleName(), QStringLiteral("Shortcut Tab"));
    EXPECT_TRUE(rec.clearButton()->isVisibleTo(&window));

    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quits, 1); // not recording: the shortcut works

    QTest::mouseClick(rec.recordButton(), Qt::LeftButton);
    EXPECT_TRUE(rec.isRecording());
    EXPECT_EQ(rec.recordButton()->accessibleName(), QStringLiteral("Recording shortcut"));
    EXPECT_FALSE(rec.clearButton()->isVisibleTo(&window));
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(rec.isRecording());
    EXPECT_EQ(rec.combo(), (KeyCombo{12, ModifierSet::control}));

    // Shift+Tab arrives as Backtab.
    rec.startRecording();
    QTest::keyClick(&window, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(rec.combo(), (KeyCombo{keycode::kTab, ModifierSet::shift}));

    // A plain letter warns and recording goes on; the warning outlives the next shortcut.
    rec.startRecording();
    QTest::keyClick(&window, Qt::Key_A);
    EXPECT_TRUE(rec.isRecording());
    EXPECT_EQ(rec.warning(), QStringLiteral("Add Ctrl, Alt or Super so normal typing still works."));
    QTest::keyClick(&window, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(rec.combo(), (KeyCombo{keycode::kSpace, ModifierSet::control}));
    EXPECT_FALSE(rec.warning().isEmpty());

    // Escape cancels and keeps the shortcut; a new recording clears the warning.
    rec.startRecording();
    EXPECT_TRUE(rec.warning().isEmpty());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(rec.isRecording());
    EXPECT_EQ(rec.combo(), (KeyCombo{keycode::kSpace, ModifierSet::control}));

    // Delete clears; so does the clear button.
    rec.startRecording();
    QTest::keyClick(&window, Qt::Key_Backspace);
    EXPECT_EQ(rec.combo(), std::nullopt);
    EXPECT_FALSE(rec.clearButton()->isVisibleTo(&window));
    EXPECT_EQ(rec.recordButton()->accessibleName(), QStringLiteral("Shortcut not set"));
    rec.setCombo(KeyCombo{keycode::kF5, {}});
    QTest::mouseClick(rec.clearButton(), Qt::LeftButton);
    EXPECT_EQ(rec.combo(), std::nullopt);
    EXPECT_EQ(written.size(), 5u);

    // Hiding while recording stops it.
    rec.startRecording();
    window.hide();
    EXPECT_FALSE(rec.isRecording());
}
