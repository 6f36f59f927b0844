// The field source against real applications in the desktop session: zenity's GTK entry and
// text view, and our Qt field application, typed into with XTest (xdotool).
#include "support/DesktopApp.h"
#include "support/SessionTest.h"
#include "field/AXFieldSource.h"
#include "platform/ActiveApp.h"
#include "platform/AtSpiAccessibility.h"
#include "platform/Platform.h"
#include "support/Wait.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tq;
using Change = AXFieldSource::Change;

namespace {

QString attr(const char* n) { return QString::fromLatin1(n); }

QString letters(int n, int seed = 0)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'a' + (i + seed) % 26);
    return s;
}

using App = desktoptest::DesktopApp;

QString fieldApp() { return QStringLiteral(TQ_BINARY_DIR "/tools/fieldapp/tq_fieldapp"); }

using desktoptest::xdotool;

class DesktopField : public desktoptest::SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        if (IsSkipped())
            return;
        source = std::make_unique<AXFieldSource>(&injector, platform().accessibility(), platform().activeApp(),
                                                 platform().screenGeometry(), platform().clock());
        source->onChange = [this](Change c) { changes.push_back(c); };
    }
    void TearDown() override { source.reset(); }

    // Waits until the application's window is the active one, then attaches to it.
    bool waitActive(const App& app)
    {
        if (!waitFrontmost(app.pid()))
            return false;
        source->start();
        return source->app() && source->app()->pid == app.pid();
    }

    // Polls the source until a snapshot satisfies `ok`.
    std::optional<FieldSnapshot> waitSnapshot(const std::function<bool(const FieldSnapshot&)>& ok, int ms = testwait::kPatience)
    {
        std::optional<FieldSnapshot> last;
        (void)QTest::qWaitFor([&] {
            last = source->snapshot();
            return last && ok(*last);
        }, ms);
        return last;
    }

    bool waitChange(Change kind, int ms = testwait::kPatience)
    {
        return QTest::qWaitFor([&] { return std::find(changes.begin(), changes.end(), kind) != changes.end(); }, ms);
    }

    class NoInjector final : public TextInjecting {
        void type(const QString&) override {}
        void paste(const QString&) override {}
        void deleteBackward(int) override {}
    } injector;
    std::unique_ptr<AXFieldSource> source;
    std::vector<Change> changes;
};

// The caret agrees with the toolkit's extents of the character before it.
void expectCaretAfterCharacter(const AXFieldSource& src, const FieldSnapshot& s, qint64 location)
{
    ASSERT_TRUE(s.caretRect) << "no caret";
    ASSERT_TRUE(s.fieldFrame);
    const auto focused = src.appElement().element(attr(ax::kFocusedUIElement));
    ASSERT_TRUE(focused);
    const auto box = focused->bounds(AXRange{location - 1, 1});
    ASSERT_TRUE(box);
    EXPECT_NEAR(s.caretRect->x(), box->x() + box->width(), 1.5);
    EXPECT_NEAR(s.caretRect->y(), box->y(), 1.5);
    EXPECT_EQ(s.caretRect->width(), 1);
    EXPECT_GE(s.caretRect->x(), s.fieldFrame->x());
    EXPECT_LE(s.caretRect->x(), s.fieldFrame->x() + s.fieldFrame->width());
}

} // namespace

TEST_F(DesktopField, GtkEntryReportsTypingAndCaret)
{
    App app(QStringLiteral("zenity"), {QStringLiteral("--entry"), QStringLiteral("--title=Entry")});
    ASSERT_TRUE(waitActive(app));
    auto s = waitSnapshot([](const FieldSnapshot& s) { return s.role == QLatin1String("AXTextField"); });
    ASSERT_TRUE(s) << source->whyNoField().value_or(QString()).toStdString();
    changes.clear();
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("hello world")});
    EXPECT_TRUE(waitChange(Change::value));
    s = waitSnapshot([](const FieldSnapshot& s) { return s.before == QLatin1String("hello world"); });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->after, QString());
    EXPECT_FALSE(s->isSecure);
    EXPECT_EQ(s->fieldKey.section(QLatin1Char(':'), 0, 0), QString::number(app.pid()));
    EXPECT_TRUE(s->fontSize);
    expectCaretAfterCharacter(*source, *s, 11);

    xdotool({QStringLiteral("key"), QStringLiteral("Left"), QStringLiteral("Left"), QStringLiteral("shift+Left"), QStringLiteral("shift+Left")});
    s = waitSnapshot([](const FieldSnapshot& s) { return s.selectionLength == 2; });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before, QStringLiteral("hello w"));
    EXPECT_EQ(s->after, QStringLiteral("ld"));
}

TEST_F(DesktopField, GtkEntryLimitsWithAnEmojiAtTheCut)
{
    // 5000 code units; the 3000-unit cut before the end splits the emoji at units 1999–2000.
    const QString text = letters(1999) + QStringLiteral("\U0001F600") + letters(2999);
    ASSERT_EQ(text.size(), 5000);
    App app(QStringLiteral("zenity"), {QStringLiteral("--entry"), QStringLiteral("--entry-text=") + text});
    ASSERT_TRUE(waitActive(app));
    xdotool({QStringLiteral("key"), QStringLiteral("End")});
    auto s = waitSnapshot([](const FieldSnapshot& s) { return s.selectionLength == 0 && s.after.isEmpty() && !s.before.isEmpty(); });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before, letters(2999));
    xdotool({QStringLiteral("key"), QStringLiteral("Home")});
    s = waitSnapshot([](const FieldSnapshot& s) { return s.before.isEmpty() && s.selectionLength == 0; });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->after, letters(500));
}

TEST_F(DesktopField, GtkTextViewIsATextArea)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("text.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("first line\nsecond ");
    f.close();
    App app(QStringLiteral("zenity"), {QStringLiteral("--text-info"), QStringLiteral("--editable"), QStringLiteral("--filename=") + path,
                                       QStringLiteral("--title=Notes")});
    ASSERT_TRUE(waitActive(app));
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+End")});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("row")});
    auto s = waitSnapshot([](const FieldSnapshot& s) { return s.before.endsWith(QLatin1String("second row")); });
    ASSERT_TRUE(s) << source->whyNoField().value_or(QString()).toStdString();
    EXPECT_EQ(s->role, QStringLiteral("AXTextArea"));
    EXPECT_EQ(s->before, QStringLiteral("first line\nsecond row"));
    EXPECT_EQ(s->windowTitle, QStringLiteral("Notes"));
    expectCaretAfterCharacter(*source, *s, 21);

    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    s = waitSnapshot([](const FieldSnapshot& s) { return s.before.endsWith(QLatin1Char('\n')); });
    ASSERT_TRUE(s && s->caretRect);
    EXPECT_LT(s->caretRect->y(), s->fieldFrame->y() + s->fieldFrame->height());
    EXPECT_EQ(s->lineStartX, s->caretRect->x());
}

TEST_F(DesktopField, LongGtkDocumentIsReadAroundTheCaret)
{
    // 200,000 characters in lines, an emoji far before the caret and one close to it.
    QString text;
    for (int i = 0; text.size() < 200000; ++i)
        text += letters(59, i) + (i == 10 ? QStringLiteral("\U0001F600\n") : QStringLiteral("\n"));
    text += letters(30) + QStringLiteral("\U0001F600") + letters(20);
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("long.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
    f.close();
    App app(QStringLiteral("zenity"), {QStringLiteral("--text-info"), QStringLiteral("--editable"), QStringLiteral("--filename=") + f.fileName()});
    ASSERT_TRUE(waitActive(app));
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+End")});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("end")});
    text += QStringLiteral("end");
    auto s = waitSnapshot([](const FieldSnapshot& s) { return s.before.endsWith(QLatin1String("end")); });
    ASSERT_TRUE(s) << source->whyNoField().value_or(QString()).toStdString();
    // GTK lays a long document out bit by bit and scrolls to the caret once it has: the caret
    // is read again until it shows inside the field, where the toolkit's box of the last
    // character stands at it too.
    s = waitSnapshot([&](const FieldSnapshot& s) {
        if (!s.caretRect || !s.fieldFrame || s.caretRect->y() < s.fieldFrame->y()
            || s.caretRect->y() > s.fieldFrame->y() + s.fieldFrame->height())
            return false;
        const auto focused = source->appElement().element(attr(ax::kFocusedUIElement));
        const auto at = focused ? focused->range(attr(ax::kSelectedTextRange)) : std::nullopt;
        const auto box = at ? focused->bounds(AXRange{at->location - 1, 1}) : std::nullopt;
        return s.before.endsWith(QLatin1String("end")) && s.caretRect && box
            && std::abs(s.caretRect->y() - box->y()) <= 1.5 && std::abs(s.caretRect->x() - (box->x() + box->width())) <= 1.5;
    });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before, text.right(3000));
    EXPECT_EQ(s->after, QString());
    const auto focused = source->appElement().element(attr(ax::kFocusedUIElement));
    ASSERT_TRUE(focused);
    const auto caret = focused->range(attr(ax::kSelectedTextRange));
    ASSERT_TRUE(caret);
    EXPECT_EQ(focused->integer(attr(ax::kNumberOfCharacters)), caret->location);
    expectCaretAfterCharacter(*source, *s, caret->location);

    // In the middle: the text on both sides, the emoji's pair whole.
    xdotool({QStringLiteral("key"), QStringLiteral("Left"), QStringLiteral("Left"), QStringLiteral("Left"),
             QStringLiteral("Left")});
    s = waitSnapshot([](const FieldSnapshot& s) { return s.after.startsWith(QLatin1String("tend")); });
    ASSERT_TRUE(s);
    EXPECT_TRUE(text.chopped(4).endsWith(s->before));
    EXPECT_TRUE(s->before.endsWith(QStringLiteral("\U0001F600") + letters(19)));
}

TEST_F(DesktopField, QtFieldsSingleLineAndEmoji)
{
    App app(fieldApp(), {QStringLiteral("--single"), QStringLiteral("ab\U0001F600cd")});
    ASSERT_TRUE(waitActive(app));
    auto s = waitSnapshot([](const FieldSnapshot& s) { return !s.before.isEmpty(); });
    ASSERT_TRUE(s) << source->whyNoField().value_or(QString()).toStdString();
    EXPECT_EQ(s->role, QStringLiteral("AXTextField"));
    EXPECT_EQ(s->before, QStringLiteral("ab\U0001F600cd"));
    changes.clear();
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral(" ok")});
    EXPECT_TRUE(waitChange(Change::value));
    s = waitSnapshot([](const FieldSnapshot& s) { return s.before.endsWith(QLatin1String(" ok")); });
    ASSERT_TRUE(s);
    expectCaretAfterCharacter(*source, *s, 9);
    xdotool({QStringLiteral("key"), QStringLiteral("Home"), QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("shift+Right")});
    s = waitSnapshot([](const FieldSnapshot& s) { return s.selectionLength > 0; });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->selectionLength, 2); // the emoji, in UTF-16 units
    EXPECT_EQ(s->before, QStringLiteral("ab"));
    EXPECT_EQ(s->after, QStringLiteral("cd ok"));
}

TEST_F(DesktopField, QtMultiLineLimits)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.txt"));
    // 5000 units with an emoji across the 500-unit cut after the caret at 1000.
    const QString text = letters(1499) + QStringLiteral("\U0001F680") + letters(3499, 3);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
    f.close();
    App app(fieldApp(), {QStringLiteral("--multi-file"), path, QStringLiteral("--focus"), QStringLiteral("multi"), QStringLiteral("--caret"),
                         QStringLiteral("1000")});
    ASSERT_TRUE(waitActive(app));
    auto s = waitSnapshot([](const FieldSnapshot& s) { return s.before.size() == 1000; });
    ASSERT_TRUE(s) << source->whyNoField().value_or(QString()).toStdString();
    EXPECT_EQ(s->role, QStringLiteral("AXTextArea"));
    EXPECT_EQ(s->before, text.left(1000));
    EXPECT_EQ(s->after, text.mid(1000, 499)); // the emoji at the cut stays out whole
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+End")});
    s = waitSnapshot([](const FieldSnapshot& s) { return s.after.isEmpty(); });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before, text.right(3000));
}

TEST_F(DesktopField, QtPasswordAndButton)
{
    App app(fieldApp(), {QStringLiteral("--password"), QStringLiteral("secret"), QStringLiteral("--focus"), QStringLiteral("password")});
    ASSERT_TRUE(waitActive(app));
    auto s = waitSnapshot([](const FieldSnapshot& s) { return s.isSecure; });
    ASSERT_TRUE(s) << source->whyNoField().value_or(QString()).toStdString();
    EXPECT_EQ(s->before, QString());
    EXPECT_EQ(s->after, QString());

    xdotool({QStringLiteral("key"), QStringLiteral("Tab")});
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !source->snapshot() && source->whyNoField().value_or(QString()).endsWith(QLatin1String("isn't a text field"));
    }, testwait::kPatience)) << source->whyNoField().value_or(QString()).toStdString();
    EXPECT_TRUE(source->whyNoField()->contains(QLatin1String("focused AXButton isn't a text field")));
}

TEST_F(DesktopField, SwitchingApplicationsAttachesToTheNewProcess)
{
    App first(QStringLiteral("zenity"), {QStringLiteral("--entry"), QStringLiteral("--title=First")});
    ASSERT_TRUE(waitActive(first));
    App second(fieldApp(), {QStringLiteral("--single"), QStringLiteral("second"), QStringLiteral("--title=Second")});
    changes.clear();
    EXPECT_TRUE(QTest::qWaitFor([&] { return source->app() && source->app()->pid == second.pid(); }, testwait::kPatience));
    EXPECT_TRUE(waitChange(Change::app));
    auto s = waitSnapshot([](const FieldSnapshot& s) { return s.before == QLatin1String("second"); });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->fieldKey.section(QLatin1Char(':'), 0, 0), QString::number(second.pid()));

    xdotool({QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^First$"), QStringLiteral("windowactivate"),
             QStringLiteral("--sync")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return source->app() && source->app()->pid == first.pid(); }, testwait::kPatience));
    s = waitSnapshot([](const FieldSnapshot& s) { return s.role == QLatin1String("AXTextField"); });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->fieldKey.section(QLatin1Char(':'), 0, 0), QString::number(first.pid()));
}

TEST_F(DesktopField, ActiveApplicationAndItsIdentifier)
{
    // Without a desktop entry: the WM_CLASS class.
    App gtk(QStringLiteral("zenity"), {QStringLiteral("--entry")});
    ASSERT_TRUE(waitActive(gtk));
    EXPECT_EQ(platform().activeApp().application(gtk.pid())->bundleIdentifier, QStringLiteral("Zenity"));
    EXPECT_EQ(source->snapshot()->bundleID, QStringLiteral("Zenity"));

    // Launched from a desktop entry: its id.
    App qt(fieldApp(), {QStringLiteral("--single"), QStringLiteral("id")},
           {{QStringLiteral("GIO_LAUNCHED_DESKTOP_FILE"), QStringLiteral("/usr/share/applications/org.example.Notes.desktop")}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform().activeApp().frontmostPid() == qt.pid(); }, testwait::kPatience));
    const auto running = platform().activeApp().application(qt.pid());
    ASSERT_TRUE(running);
    EXPECT_EQ(running->bundleIdentifier, QStringLiteral("org.example.Notes"));
    EXPECT_EQ(running->localizedName, QStringLiteral("tq-fieldapp"));
    EXPECT_FALSE(platform().activeApp().application(0));
}

TEST_F(DesktopField, AccessibilityInsertionReplacesTheSelection)
{
    App gtk(QStringLiteral("zenity"), {QStringLiteral("--entry"), QStringLiteral("--entry-text=hi you")});
    ASSERT_TRUE(waitActive(gtk));
    xdotool({QStringLiteral("key"), QStringLiteral("End"), QStringLiteral("shift+Left"), QStringLiteral("shift+Left"),
             QStringLiteral("shift+Left")});
    ASSERT_TRUE(waitSnapshot([](const FieldSnapshot& s) { return s.selectionLength == 3; }));
    source->insert(QStringLiteral("there \U0001F44B"), InsertionMethod::accessibility);
    auto s = waitSnapshot([](const FieldSnapshot& s) { return s.before == QStringLiteral("hi there \U0001F44B"); });
    ASSERT_TRUE(s) << (s ? s->before.toStdString() : std::string());
    EXPECT_EQ(s->after, QString());
    EXPECT_EQ(s->selectionLength, 0);

    App qt(fieldApp(), {QStringLiteral("--single"), QStringLiteral("ab"), QStringLiteral("--caret"), QStringLiteral("1")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return source->app() && source->app()->pid == qt.pid(); }, testwait::kPatience));
    ASSERT_TRUE(waitSnapshot([](const FieldSnapshot& s) { return s.before == QLatin1String("a"); }));
    source->insert(QStringLiteral("\U0001F600x"), InsertionMethod::accessibility);
    s = waitSnapshot([](const FieldSnapshot& s) { return s.before == QStringLiteral("a\U0001F600x"); });
    ASSERT_TRUE(s) << (s ? s->before.toStdString() : std::string());
    EXPECT_EQ(s->after, QStringLiteral("b"));
}

TEST_F(DesktopField, FocusMovesBetweenQtFields)
{
    App app(fieldApp(), {QStringLiteral("--single"), QStringLiteral("top")});
    ASSERT_TRUE(waitActive(app));
    auto s = waitSnapshot([](const FieldSnapshot& s) { return s.before == QLatin1String("top"); });
    ASSERT_TRUE(s);
    const QString singleKey = s->fieldKey;
    changes.clear();
    xdotool({QStringLiteral("key"), QStringLiteral("Tab")});
    EXPECT_TRUE(waitChange(Change::focus));
    s = waitSnapshot([](const FieldSnapshot& s) { return s.role == QLatin1String("AXTextArea"); });
    ASSERT_TRUE(s);
    EXPECT_NE(s->fieldKey, singleKey);
    changes.clear();
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("below")});
    EXPECT_TRUE(waitChange(Change::value));
    s = waitSnapshot([](const FieldSnapshot& s) { return s.before == QLatin1String("below"); });
    ASSERT_TRUE(s);
    EXPECT_EQ(source->watched(), *source->appElement().element(QString::fromLatin1(ax::kFocusedUIElement)));
}
