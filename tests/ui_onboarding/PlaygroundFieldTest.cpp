// The practice field as the engine's field source: snapshots, focus, keys and insertion,
// over a real engine with a provider the test answers, off screen.

#include "completion/EngineFixture.h"
#include "overlay/GhostLayout.h"

#include "platform/Chars.h"
#include "platform/Screen.h"
#include "ui/design/Theme.h"
#include "ui/onboarding/PlaygroundField.h"
#include "ui/onboarding/PlaygroundText.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QVBoxLayout>

namespace tq::testing {
namespace {

class PlaygroundFieldTest : public EngineFixture {
protected:
    PlaygroundFieldTest()
    {
        engine->setSource(nullptr);
        window.resize(420, 260);
        applyInkTheme(&window);
        auto* layout = new QVBoxLayout(&window);
        playground = makeField();
        layout->addWidget(playground);
        button = new QPushButton(QStringLiteral("Next"), &window);
        layout->addWidget(button);
        // The window's default and cancel actions, as a dialog's footer has them.
        auto* ret = new QShortcut(QKeySequence(Qt::Key_Return), &window);
        QObject::connect(ret, &QShortcut::activated, [this] { ++windowReturns; });
        auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
        QObject::connect(esc, &QShortcut::activated, [this] { ++windowEscapes; });
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        button->setFocus(Qt::OtherFocusReason);
        focusCalls.clear();
        engine->setSource(nullptr);
    }

    // The application's rule: focus makes the field the source, losing it clears the source
    // while it is still this field.
    PlaygroundField* makeField(QWidget* parent = nullptr)
    {
        return new PlaygroundField(*engine, [this](FieldSource* f, bool focused) {
            focusCalls.append(focused);
            if (focused) {
                engine->setSource(f);
                engine->sourceChanged();
            } else if (engine->source() == f) {
                engine->setSource(nullptr);
                engine->sourceChanged();
            }
        }, parent);
    }

    void focusField()
    {
        playground->setFocus(Qt::OtherFocusReason);
        settle();
    }
    void type(const QString& text)
    {
        QTest::keyClicks(playground, text);
        settle();
    }
    QString text() const { return playground->toPlainText(); }
    void setCaret(int position)
    {
        QTextCursor c = playground->textCursor();
        c.setPosition(position);
        playground->setTextCursor(c);
    }

    // Before the window: the fields report to it as they go.
    QList<bool> focusCalls;
    int windowReturns = 0;
    int windowEscapes = 0;
    QWidget window;
    PlaygroundField* playground = nullptr;
    QPushButton* button = nullptr;
};

TEST(PlaygroundText, CutsCountUserVisibleCharacters)
{
    const QString family = QStringLiteral("👨‍👩‍👧");
    struct Row {
        QString text;
        qsizetype start, length;
        int beforeCount, afterCount;
        bool beforeStartsWithEmoji, afterEndsWithEmoji;
    };
    const QString a2999(2999, QLatin1Char('a'));
    const QString b499(499, QLatin1Char('b'));
    const Row rows[] = {
        // The 3000th character before the caret is the emoji: it is kept whole.
        {QStringLiteral("xyz") + family + a2999, 3 + family.size() + 2999, 0, 3000, 0, true, false},
        // The 500th character after the caret is the emoji.
        {b499 + family + QStringLiteral("tail"), 0, 0, 0, 500, false, true},
        // After begins after the selection's end.
        {QStringLiteral("one two three"), 4, 3, 4, 6, false, false},
        // A caret past the end counts as the end.
        {QStringLiteral("abc"), 10, 0, 3, 0, false, false},
    };
    for (const Row& r : rows) {
        const auto cut = playground::cut(r.text, r.start, r.length);
        EXPECT_EQ(chars::count(cut.before), r.beforeCount);
        EXPECT_EQ(chars::count(cut.after), r.afterCount);
        EXPECT_EQ(cut.before.startsWith(family), r.beforeStartsWithEmoji);
        EXPECT_EQ(cut.after.endsWith(family), r.afterEndsWithEmoji);
    }
    EXPECT_EQ(playground::cut(QStringLiteral("one two three"), 4, 3).after, QStringLiteral(" three"));

    EXPECT_EQ(playground::lineLengthBefore(u"ab\ncd", 5), 2);
    EXPECT_EQ(playground::lineLengthBefore(u"ab\r\n", 4), 0);
    EXPECT_EQ(playground::lineLengthBefore(u"ab\u2029c", 4), 1);
    EXPECT_EQ(playground::lineLengthBefore(u"abc", 3), 3);
    EXPECT_EQ(playground::lineLengthBefore(u"", 0), 0);
}

TEST_F(PlaygroundFieldTest, SnapshotOfTheFieldInScreenSpace)
{
    focusField();
    type(QStringLiteral("Hello world"));
    setCaret(5);
    const auto s = playground->snapshot();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->fieldKey, playground->fieldKey());
    EXPECT_TRUE(s->fieldKey.startsWith(QStringLiteral("playground:")));
    EXPECT_EQ(s->before, QStringLiteral("Hello"));
    EXPECT_EQ(s->after, QStringLiteral(" world"));
    EXPECT_EQ(s->role, QStringLiteral("AXTextArea"));
    EXPECT_TRUE(s->isLocal);
    EXPECT_FALSE(s->isSecure);
    ASSERT_TRUE(s->caretRect && s->fieldFrame && s->lineStartX && s->fontSize);
    EXPECT_EQ(s->caretRect->width(), 1);
    EXPECT_DOUBLE_EQ(*s->fontSize, QFontInfo(playground->font()).pixelSize());

    // Bottom-left, y-up space: the field's frame is the widget's global rectangle flipped.
    const QRect global(playground->mapToGlobal(QPoint(0, 0)), playground->size());
    EXPECT_EQ(screen::toQt(*s->fieldFrame).toRect(), global);
    EXPECT_TRUE(s->fieldFrame->contains(s->caretRect->center()));
    // The line starts left of the caret, at the text's inset inside the field.
    EXPECT_LT(*s->lineStartX, s->caretRect->left());
    EXPECT_NEAR(*s->lineStartX, s->fieldFrame->left() + PlaygroundField::kInset, 6);

    // A selection: `after` begins at its end.
    QTextCursor c = playground->textCursor();
    c.setPosition(0);
    c.setPosition(6, QTextCursor::KeepAnchor);
    playground->setTextCursor(c);
    const auto sel = playground->snapshot();
    EXPECT_EQ(sel->before, QString());
    EXPECT_EQ(sel->after, QStringLiteral("world"));
    EXPECT_EQ(sel->selectionLength, 6);
    EXPECT_FALSE(sel->lineStartX);

    // Out of any shown window there is no field.
    PlaygroundField loose(*engine, {});
    EXPECT_FALSE(loose.snapshot());
}

TEST_F(PlaygroundFieldTest, SnapshotCutsLongTextsOnCharacters)
{
    const QString emoji = QStringLiteral("🧑🏽‍💻");
    playground->setPlainText(QString(2000, QLatin1Char('x')) + emoji + QString(2999, QLatin1Char('a')) + QLatin1Char('\n')
                             + QString(498, QLatin1Char('b')) + emoji + QString(800, QLatin1Char('c')));
    setCaret(int(2000 + emoji.size() + 2999));
    const auto s = playground->snapshot();
    ASSERT_TRUE(s);
    EXPECT_EQ(chars::count(s->before), 3000);
    EXPECT_TRUE(s->before.startsWith(QString(emoji + QStringLiteral("aa"))));
    EXPECT_EQ(chars::count(s->after), 500);
    EXPECT_TRUE(s->after.startsWith(QLatin1Char('\n')));
    EXPECT_TRUE(s->after.endsWith(emoji));
    // Right after a line break the line has not started.
    setCaret(int(2000 + emoji.size() + 2999 + 1));
    EXPECT_FALSE(playground->snapshot()->lineStartX);
}

TEST_F(PlaygroundFieldTest, LineStartOnlyOnTheCaretsVisualRow)
{
    focusField();
    playground->setPlainText(QStringLiteral("first line\n") + QStringLiteral("word ").repeated(40));
    const int secondStart = 11;
    const auto atPosition = [&](int pos) {
        setCaret(pos);
        return playground->snapshot();
    };
    // Start of the text and start of a line: none.
    EXPECT_FALSE(atPosition(0)->lineStartX);
    EXPECT_FALSE(atPosition(secondStart)->lineStartX);
    // On the first row of the wrapped line: its start.
    const auto firstRow = atPosition(secondStart + 3);
    ASSERT_TRUE(firstRow->lineStartX);
    EXPECT_LT(*firstRow->lineStartX, firstRow->caretRect->left());
    // At the end of the wrapped line, several rows lower: none.
    const auto lastRow = atPosition(playground->document()->characterCount() - 1);
    ASSERT_TRUE(lastRow->caretRect);
    EXPECT_LT(lastRow->caretRect->top(), firstRow->caretRect->top() - firstRow->caretRect->height());
    EXPECT_FALSE(lastRow->lineStartX);
}

TEST_F(PlaygroundFieldTest, FocusMakesItTheSourceAndEachFieldIsItsOwn)
{
    EXPECT_EQ(engine->source(), nullptr);
    focusField();
    EXPECT_EQ(engine->source(), playground);
    button->setFocus(Qt::TabFocusReason);
    settle();
    EXPECT_EQ(engine->source(), nullptr);
    EXPECT_EQ(focusCalls, (QList<bool>{true, false}));

    // A second field is a new field for the engine; deleting the focused one leaves no
    // source behind.
    auto* second = makeField(&window);
    window.layout()->addWidget(second);
    second->setFocus(Qt::OtherFocusReason);
    settle();
    EXPECT_EQ(engine->source(), second);
    EXPECT_NE(second->fieldKey(), playground->fieldKey());
    delete second;
    EXPECT_EQ(engine->source(), nullptr);
}

TEST_F(PlaygroundFieldTest, TypingFeedsTheEngineAndTabTakesAWordThatUndoTakesBack)
{
    focusField();
    type(QStringLiteral("Thanks for the "));
    advance(0);
    ASSERT_EQ(provider.calls.size(), 1);
    EXPECT_TRUE(provider.last().request.prompt.contains(QStringLiteral("Thanks for the")));
    provider.reply(QStringLiteral("quick reply today"));
    settle();
    ASSERT_EQ(ghostText(), QStringLiteral("quick reply today"));

    QTest::keyClick(playground, Qt::Key_Tab);
    settle();
    EXPECT_EQ(text(), QStringLiteral("Thanks for the quick "));
    EXPECT_EQ(ghostText(), QStringLiteral("reply today"));

    // Undo takes the word back, and the engine offers it again.
    QTest::keyClick(playground, Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(text(), QStringLiteral("Thanks for the "));
    EXPECT_EQ(ghostText(), QStringLiteral("quick reply today"));
}

// The ghost runs on in the paragraph's direction, taken from its first strong character: an
// Arabic line continues left of the caret, inside the field, from a line that starts at its
// right edge; Arabic words after English text continue rightwards.
TEST_F(PlaygroundFieldTest, GhostFollowsTheParagraphsDirection)
{
    const struct {
        QString typed, reply, taken;
        bool rightToLeft;
    } rows[] = {
        {QStringLiteral("شكرا على "), QStringLiteral("الرد السريع"), QStringLiteral("شكرا على الرد "), true},
        {QStringLiteral("Thanks for "), QStringLiteral("الرد السريع"), QStringLiteral("Thanks for الرد "), false},
    };
    for (const auto& r : rows) {
        playground->clear();
        focusField();
        playground->insertPlainText(r.typed); // key clicks carry Latin letters only
        settle();
        advance(0);
        provider.reply(r.reply);
        settle();
        const auto ghost = shownGhost();
        const auto& layout = engine->ghost().layout();
        ASSERT_TRUE(ghost && layout && ghost->lineStartX && ghost->fieldFrame) << r.typed.toStdString();
        EXPECT_EQ(ghost->rightToLeft, r.rightToLeft);
        // The caret's row from the caret, the box's rows from the line's start, in the field.
        for (const GhostLayout::Line& row : layout->lines) {
            const double from = row.inBox ? *ghost->lineStartX : ghost->caretRect.x();
            const double right = row.x + GhostMetrics::qt().textWidth(row.text, layout->font);
            if (r.rightToLeft)
                EXPECT_LE(right, from + 1) << row.text.toStdString();
            else
                EXPECT_GE(row.x, from - 1) << row.text.toStdString();
            EXPECT_GE(row.x, ghost->fieldFrame->left());
            EXPECT_LE(right, ghost->fieldFrame->right());
        }
        EXPECT_EQ(*ghost->lineStartX > ghost->caretRect.x(), r.rightToLeft);
        // The paragraph starts at the field's edge on its own side, as the field draws it.
        const double edge = r.rightToLeft ? ghost->fieldFrame->right() : ghost->fieldFrame->left();
        EXPECT_NEAR(*ghost->lineStartX, edge, PlaygroundField::kInset + 6) << r.typed.toStdString();
        QTest::keyClick(playground, Qt::Key_Tab);
        settle();
        EXPECT_EQ(text(), r.taken);
    }
}

TEST_F(PlaygroundFieldTest, BareTabAsksAtOnceAndInsertsNothing)
{
    prefs.setDelayMilliseconds(5000);
    focusField();
    type(QStringLiteral("Dear team, I"));
    EXPECT_TRUE(provider.calls.isEmpty());

    QTest::keyClick(playground, Qt::Key_Tab);
    settle();
    EXPECT_EQ(text(), QStringLiteral("Dear team, I"));
    EXPECT_EQ(provider.calls.size(), 1);

    // With Shift the field handles the key itself: no request.
    QTest::keyClick(playground, Qt::Key_Backtab, Qt::ShiftModifier);
    settle();
    EXPECT_EQ(provider.calls.size(), 1);
}

TEST_F(PlaygroundFieldTest, ReturnAndEscapeStayInTheField)
{
    focusField();
    type(QStringLiteral("Line one"));
    QTest::keyClick(playground, Qt::Key_Return);
    QTest::keyClick(playground, Qt::Key_Escape);
    QTest::keyClick(playground, Qt::Key_Enter, Qt::KeypadModifier);
    settle();
    EXPECT_EQ(text(), QStringLiteral("Line one\n\n"));
    EXPECT_EQ(windowReturns, 0);
    EXPECT_EQ(windowEscapes, 0);

    // Elsewhere in the window they are the window's.
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Escape);
    EXPECT_EQ(windowEscapes, 1);
}

TEST_F(PlaygroundFieldTest, ClickHidesTheSuggestion)
{
    focusField();
    type(QStringLiteral("See you on"));
    advance(0);
    ASSERT_EQ(provider.calls.size(), 1);
    provider.reply(QStringLiteral("Monday morning"));
    settle();
    ASSERT_EQ(ghostText(), QStringLiteral("Monday morning"));
    QTest::mouseClick(playground->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    settle();
    EXPECT_EQ(ghostText(), QString());
}

// On a light desktop palette the field's context menu, a window of its own, is still ink.
TEST_F(PlaygroundFieldTest, ContextMenuIsInkWhateverTheDesktopPalette)
{
    const QPalette saved = QApplication::palette();
    QPalette light = saved;
    light.setColor(QPalette::Window, QColor(239, 239, 239));
    light.setColor(QPalette::Base, Qt::white);
    QApplication::setPalette(light);
    QWidget* target = playground->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(8, 8), target->mapToGlobal(QPoint(8, 8)));
    QCoreApplication::sendEvent(target, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QImage shown = menu->grab().toImage();
    int lit = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            lit += shown.pixelColor(x, y).lightnessF() > 0.8;
    EXPECT_LT(lit, shown.width() * shown.height() / 10); // the text only
    menu->close();
    QApplication::setPalette(saved);
}

} // namespace
} // namespace tq::testing
