// The screen text reader, the context collector and recognition against real windows in the
// desktop session: zenity's GTK dialogs and a window of this test process.
#include "field/ContextCollector.h"
#include "field/ScreenText.h"
#include "platform/ActiveApp.h"
#include "platform/Chars.h"
#include "platform/Clipboard.h"
#include "platform/Platform.h"
#include "platform/fakes/FakeDefaults.h"
#include "settings/Preferences.h"
#include "support/DesktopApp.h"
#include "support/SessionTest.h"
#include "support/Wait.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

using namespace tq;

namespace {

// zenity with the given arguments.
class App : public desktoptest::DesktopApp {
public:
    explicit App(const QStringList& args) : DesktopApp(QStringLiteral("zenity"), args) {}
};

using desktoptest::xdotool;

QString joined(const QVector<ScreenLine>& lines)
{
    QStringList out;
    for (const ScreenLine& l : lines)
        out << l.text;
    return out.join(QLatin1Char('\n'));
}

class DesktopContext : public desktoptest::SessionTest {
protected:
    static bool waitActive(qint64 pid) { return waitFrontmost(pid); }

    static QString bundleOf(qint64 pid)
    {
        const auto app = platform().activeApp().application(pid);
        return app ? app->bundleIdentifier : QString();
    }

    // The focused window's accessibility lines once `ok` holds for them.
    static QVector<ScreenLine> windowLines(qint64 pid, const std::function<bool(const QString&)>& ok)
    {
        QVector<ScreenLine> lines;
        (void)QTest::qWaitFor([&] {
            const auto window = ScreenText::focusedWindow(platform(), pid);
            lines = window ? ScreenText::axLines(platform().clock(), *window, 1600, 0.15) : QVector<ScreenLine>();
            return ok(joined(lines));
        }, testwait::kPatience);
        return lines;
    }

    static std::optional<ScreenRead> read(const QString& bundleID, bool nearby)
    {
        std::optional<ScreenRead> result;
        ScreenText::read(platform(), bundleID, std::nullopt, nearby, [](const QString&) { return true; },
                         [&](ScreenRead r) { result = std::move(r); });
        (void)QTest::qWaitFor([&] { return result.has_value(); }, 60000);
        return result;
    }
};

TEST_F(DesktopContext, GtkLabelsComeInReadingOrder)
{
    App app({QStringLiteral("--forms"), QStringLiteral("--title=Form"), QStringLiteral("--text=Please send the quarterly report"),
             QStringLiteral("--add-entry=Recipient of the report"), QStringLiteral("--add-entry=Subject of the message")});
    ASSERT_TRUE(waitActive(app.pid()));
    const auto lines = windowLines(app.pid(), [](const QString& t) { return t.contains(QLatin1String("Subject of the message")); });
    const QString picked = ScreenText::pickLines(lines, std::nullopt, QString(), 1200);
    const auto a = picked.indexOf(QLatin1String("Please send the quarterly report"));
    const auto b = picked.indexOf(QLatin1String("Recipient of the report"));
    const auto c = picked.indexOf(QLatin1String("Subject of the message"));
    ASSERT_GE(a, 0) << picked.toStdString();
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
}

TEST_F(DesktopContext, LongLabelKeepsItsLastTwelveHundredCharacters)
{
    const QString text = QStringLiteral("lorem ipsum ").repeated(140) + QStringLiteral("closing words");
    App app({QStringLiteral("--info"), QStringLiteral("--title=Long"), QStringLiteral("--width=700"), QStringLiteral("--text=") + text});
    ASSERT_TRUE(waitActive(app.pid()));
    const auto lines = windowLines(app.pid(), [](const QString& t) { return t.contains(QLatin1String("closing words")); });
    const auto it = std::find_if(lines.begin(), lines.end(), [](const ScreenLine& l) { return l.text.contains(QLatin1String("closing")); });
    ASSERT_NE(it, lines.end());
    EXPECT_EQ(chars::count(it->text), 1200);
    EXPECT_TRUE(text.endsWith(it->text));
    EXPECT_LE(chars::count(ScreenText::pickLines(lines, std::nullopt, QString(), 1200)), 1200);
}

TEST_F(DesktopContext, PasswordFieldContributesNothing)
{
    App app({QStringLiteral("--password"), QStringLiteral("--title=Secret")});
    ASSERT_TRUE(waitActive(app.pid()));
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("Hunter22Secret")});
    QTest::qWait(500);
    const auto lines = windowLines(app.pid(), [](const QString& t) { return !t.isEmpty(); });
    EXPECT_FALSE(lines.isEmpty()); // the dialog's own texts are read
    EXPECT_FALSE(joined(lines).contains(QLatin1String("Hunter22Secret")));
    const auto r = read(bundleOf(app.pid()), false);
    ASSERT_TRUE(r);
    EXPECT_FALSE(joined(r->lines).contains(QLatin1String("Hunter22Secret")));
}

TEST_F(DesktopContext, WindowBesideTheFieldIsNearbyWhenSwitchedOn)
{
    App beside({QStringLiteral("--info"), QStringLiteral("--title=Beside"), QStringLiteral("--width=500"),
                QStringLiteral("--height=300"), QStringLiteral("--text=Meeting moved to Thursday afternoon")});
    ASSERT_TRUE(waitActive(beside.pid()));
    App field({QStringLiteral("--entry"), QStringLiteral("--title=Reply"), QStringLiteral("--text=Your reply")});
    ASSERT_TRUE(waitActive(field.pid()));

    FieldSnapshot s;
    s.fieldKey = QStringLiteral("%1:1").arg(field.pid());
    s.bundleID = bundleOf(field.pid());
    s.appName = QStringLiteral("Zenity");
    s.windowTitle = QStringLiteral("Reply");
    s.before = QStringLiteral("About Thursday");

    FakeDefaults defaults;
    Preferences prefs(defaults);
    for (const bool on : {true, false}) {
        prefs.setContextNearbyWindows(on);
        ContextCollector collector(prefs, platform());
        collector.allowsCapture = [](const QString&) { return true; };
        collector.allowsNearby = [] { return true; };
        bool done = false;
        collector.onScreenRead = [&] { done = true; };
        collector.prepare(s);
        ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 60000));
        const PromptContext c = collector.context(s, std::nullopt, {});
        if (on) {
            ASSERT_TRUE(c.nearbyText);
            EXPECT_TRUE(c.nearbyText->contains(QLatin1String(": Meeting moved to Thursday afternoon"))) << c.nearbyText->toStdString();
        } else {
            EXPECT_FALSE(c.nearbyText);
        }
    }
}

TEST_F(DesktopContext, CopiedTextIsOfferedConcealedAndOurOwnAreNot)
{
    FakeDefaults defaults;
    Preferences prefs(defaults);
    prefs.setContextClipboard(true);
    Clipboard& clipboard = platform().clipboard();
    ContextCollector collector(prefs, platform());

    App app({QStringLiteral("--entry"), QStringLiteral("--title=Copy"), QStringLiteral("--entry-text=Copied from the entry")});
    ASSERT_TRUE(waitActive(app.pid()));
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return collector.recentClipboard() == QStringLiteral("Copied from the entry"); }, testwait::kPatience));

    // Our paste and the clipboard put back afterwards are no new copies: the user's copy stays
    // the one offered.
    const quint64 before = clipboard.changeCount();
    std::optional<std::optional<ClipboardSnapshot>> saved;
    clipboard.save([&](std::optional<ClipboardSnapshot> s) { saved = std::move(s); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return saved.has_value(); }, testwait::kPatience));
    ASSERT_TRUE(*saved) << "the entry did not hand its clipboard over";
    clipboard.setPaste(QStringLiteral("our suggestion"));
    EXPECT_TRUE(QTest::qWaitFor([] { return QGuiApplication::clipboard()->text() == QStringLiteral("our suggestion"); }, testwait::kPatience));
    EXPECT_EQ(collector.recentClipboard(), QStringLiteral("Copied from the entry"));
    clipboard.restore(**saved);
    EXPECT_TRUE(QTest::qWaitFor([] { return QGuiApplication::clipboard()->text() == QStringLiteral("Copied from the entry"); }, testwait::kPatience));
    EXPECT_EQ(clipboard.changeCount(), before);

    // Concealed by a password manager: counted as a copy, never read.
    auto* data = new QMimeData;
    data->setText(QStringLiteral("correct horse battery"));
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clipboard.changeCount() != before; }, testwait::kPatience));
    EXPECT_FALSE(collector.recentClipboard());
}

TEST_F(DesktopContext, RenderedTextIsRecognised)
{
    QLabel label(QStringLiteral("Quarterly report ready"));
    QFont font = label.font();
    font.setPointSize(28);
    label.setFont(font);
    label.setStyleSheet(QStringLiteral("background: white; color: black; padding: 40px"));
    label.resize(700, 250);
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    label.activateWindow();
    ASSERT_TRUE(waitActive(QCoreApplication::applicationPid()));

    std::optional<std::optional<QVector<ScreenLine>>> result;
    ScreenText::ocrLines(platform(), bundleOf(QCoreApplication::applicationPid()), std::nullopt, [&](auto lines) { result = lines; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 60000));
    ASSERT_TRUE(*result);
    const QString text = joined(**result);
    EXPECT_TRUE(text.contains(QLatin1String("Quarterly report ready"), Qt::CaseInsensitive)) << text.toStdString();
    // The line lies on the label's window.
    const QRect window = label.frameGeometry();
    for (const ScreenLine& l : **result)
        EXPECT_TRUE(QRectF(window).adjusted(-2, -2, 2, 2).contains(l.frame.center()));
}

} // namespace
