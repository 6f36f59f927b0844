#include "field/ScreenText.h"

#include "platform/fakes/FakePlatform.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <thread>

#include <gtest/gtest.h>

namespace tq {
namespace {

using Element = std::shared_ptr<FakeElement>;

constexpr qint64 kPid = 500;

Element textElement(const QString& role, const QString& text, QRectF frame)
{
    Element e = makeFakeElement(kPid, role);
    e->text = text;
    e->frame = frame;
    return e;
}

class ScreenTextWalk : public ::testing::Test {
protected:
    FakePlatform platform;
    FakeAccessibility& accessibility = platform.accessibility();
    Element app = makeFakeElement(kPid, QString::fromLatin1(ax::kApplication));
    Element window = makeFakeElement(kPid, QString::fromLatin1(ax::kWindow));

    void SetUp() override
    {
        window->frame = QRectF(0, 0, 800, 600);
        app->addChild(window);
        app->attributes.insert(QString::fromLatin1(ax::kFocusedWindow), QVariant::fromValue(window->element()));
        accessibility.apps[kPid] = app->element();
    }

    QStringList texts(const QVector<ScreenLine>& lines)
    {
        QStringList out;
        for (const ScreenLine& l : lines)
            out << l.text;
        return out;
    }
};

TEST_F(ScreenTextWalk, TextKindsSecureFieldsFramesAndObjectMarks)
{
    Element group = makeFakeElement(kPid, QString::fromLatin1(ax::kGroup));
    group->frame = QRectF(0, 0, 800, 600);
    window->addChild(group);
    group->addChild(textElement(QString::fromLatin1(ax::kStaticText), QStringLiteral("Subject line"), QRectF(10, 10, 300, 20)));
    // A paragraph that cannot be edited: a group with a text interface; the marks of embedded
    // children are removed and the children read.
    Element paragraph = textElement(QString::fromLatin1(ax::kGroup), QStringLiteral("See \uFFFCthe notes"), QRectF(10, 40, 300, 20));
    paragraph->addChild(textElement(QString::fromLatin1(ax::kStaticText), QStringLiteral("linked page"), QRectF(40, 40, 60, 20)));
    group->addChild(paragraph);
    // Secure fields: no text, and nothing inside is visited.
    Element secure = textElement(QString::fromLatin1(ax::kTextField), QStringLiteral("hunter2"), QRectF(10, 70, 300, 20));
    secure->attributes.insert(QString::fromLatin1(ax::kSubrole), QString::fromLatin1(ax::kSecureTextField));
    Element inside = textElement(QString::fromLatin1(ax::kStaticText), QStringLiteral("inside secure"), QRectF(10, 70, 300, 20));
    secure->addChild(inside);
    group->addChild(secure);
    // Outside the window, or 4 points high: nothing.
    group->addChild(textElement(QString::fromLatin1(ax::kStaticText), QStringLiteral("off screen"), QRectF(900, 10, 300, 20)));
    group->addChild(textElement(QString::fromLatin1(ax::kStaticText), QStringLiteral("too thin"), QRectF(10, 100, 300, 4)));
    // Static text is not descended into.
    Element label = textElement(QString::fromLatin1(ax::kStaticText), QStringLiteral("Label"), QRectF(10, 130, 300, 20));
    label->addChild(textElement(QString::fromLatin1(ax::kStaticText), QStringLiteral("child of label"), QRectF(10, 130, 300, 20)));
    group->addChild(label);

    const auto focused = ScreenText::focusedWindow(platform, kPid);
    ASSERT_TRUE(focused);
    EXPECT_EQ(texts(ScreenText::axLines(platform.clock(), *focused, 1600, 0.15)),
              (QStringList{QStringLiteral("Subject line"), QStringLiteral("See the notes"), QStringLiteral("Label"),
                           QStringLiteral("linked page")}));
    EXPECT_EQ(inside->messages, 0);
    EXPECT_DOUBLE_EQ(app->timeout, 0.08);
}

TEST_F(ScreenTextWalk, ElementBudgetIsBreadthFirstLongTextIsReadByItsEndAndTheFocusedFieldIsLeftOut)
{
    // The window counts one; 3 labels fit in a budget of 4.
    for (int i = 0; i < 5; ++i)
        window->addChild(textElement(QString::fromLatin1(ax::kStaticText), QStringLiteral("Label %1").arg(i), QRectF(10, 10 + 30 * i, 300, 20)));
    EXPECT_EQ(texts(ScreenText::axLines(platform.clock(), AXElement(window->element(), platform.screenGeometry()), 4, 1.0)),
              (QStringList{QStringLiteral("Label 0"), QStringLiteral("Label 1"), QStringLiteral("Label 2")}));

    Element big = textElement(QString::fromLatin1(ax::kTextArea), QString(3800, QLatin1Char('a')) + QString(1200, QLatin1Char('z')),
                              QRectF(10, 200, 300, 200));
    // Only the end is asked for: the whole value is never read.
    big->attributes.insert(QString::fromLatin1(ax::kValue), QStringLiteral("whole text"));
    Element field = textElement(QString::fromLatin1(ax::kTextArea), QStringLiteral("being written"), QRectF(10, 420, 300, 20));
    field->attributes.insert(QString::fromLatin1(ax::kFocused), true);
    Element w2 = makeFakeElement(kPid, QString::fromLatin1(ax::kWindow));
    w2->addChild(big);
    w2->addChild(field);
    const auto lines = ScreenText::axLines(platform.clock(), AXElement(w2->element(), platform.screenGeometry()), 10, 1.0);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].text, QString(1200, QLatin1Char('z')));
}

TEST_F(ScreenTextWalk, WindowMatchingAllowsLessThanEightPoints)
{
    window->frame = QRectF(100, 100, 800, 600);
    EXPECT_TRUE(ScreenText::axWindow(platform, kPid, QRectF(107, 93, 10, 10)));
    EXPECT_FALSE(ScreenText::axWindow(platform, kPid, QRectF(108, 100, 800, 600)));
    EXPECT_FALSE(ScreenText::axWindow(platform, kPid + 1, QRectF(100, 100, 800, 600)));
}

TEST_F(ScreenTextWalk, ReadWalksOnTheAccessibilitysThreadAndAnswersOnTheMainThread)
{
    platform.activeApp().add(kPid, QStringLiteral("mail.app"), QStringLiteral("Mail"));
    platform.activeApp().activate(kPid);
    window->addChild(textElement(QString::fromLatin1(ax::kStaticText), QStringLiteral("Subject line"), QRectF(10, 10, 300, 20)));
    std::thread walker;
    std::thread::id walkedOn;
    accessibility.elsewhere = [&](std::function<void(Accessibility&)> work) {
        walker = std::thread([&, work] {
            walkedOn = std::this_thread::get_id();
            work(accessibility);
        });
        return true;
    };
    std::optional<ScreenRead> read;
    std::optional<QVector<ScreenLine>> glance;
    bool answeredOnMain = true;
    const auto onMain = [&] { answeredOnMain = answeredOnMain && QThread::currentThread() == qApp->thread(); };
    ScreenText::read(platform, QStringLiteral("mail.app"), std::nullopt, false, [](const QString&) { return true; },
                     [&](ScreenRead r) { onMain(); read = std::move(r); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return read.has_value(); }, 5000));
    walker.join();
    EXPECT_NE(walkedOn, std::this_thread::get_id());
    ScreenText::glanceRead(platform, QStringLiteral("mail.app"), [&](QVector<ScreenLine> lines) { onMain(); glance = lines; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return glance.has_value(); }, 5000));
    walker.join();
    EXPECT_TRUE(answeredOnMain);
    EXPECT_EQ(texts(read->lines), QStringList{QStringLiteral("Subject line")});
    EXPECT_EQ(texts(*glance), QStringList{QStringLiteral("Subject line")});
}

class ScreenTextNearby : public ::testing::Test {
protected:
    FakePlatform platform;
    FakeWindowList& list = platform.windowList();
    FakeActiveApp& apps = platform.activeApp();
    void SetUp() override
    {
        apps.add(1, QStringLiteral("field.app"), QStringLiteral("Field"));
        apps.add(2, QStringLiteral("org.gnome.Evolution"), QStringLiteral("Mail"));
        apps.add(3, QStringLiteral("org.keepassxc.KeePassXC"), QStringLiteral("KeePassXC"));
        apps.add(4, QStringLiteral("chat.app"), QString());
        apps.add(5, QStringLiteral("notes.app"), QStringLiteral("Notes"));
        apps.add(6, QStringLiteral("blocked.app"), QStringLiteral("Blocked"));
    }
    static ListedWindow win(qint64 pid, QRectF bounds, int layer = 0) { return {quint64(pid * 10 + bounds.x()), pid, layer, bounds}; }
};

TEST_F(ScreenTextNearby, OnePerAppFrontmostFirstWithinTheLimit)
{
    list.list = {
        win(1, QRectF(0, 0, 800, 600)),          // the field's own application
        win(3, QRectF(0, 0, 800, 600)),          // a password manager
        win(2, QRectF(820, 0, 500, 400)),
        win(2, QRectF(820, 420, 500, 400)),      // the same application again
        win(6, QRectF(0, 620, 500, 400)),        // refused by the rules
        win(5, QRectF(0, 620, 240, 400)),        // too narrow
        win(5, QRectF(0, 620, 400, 160)),        // too low
        win(5, QRectF(0, 620, 400, 300), 1),     // not an application window
        win(4, QRectF(400, 620, 400, 300)),
        win(5, QRectF(900, 620, 400, 300)),      // beyond the limit
    };
    const auto allowed = [](const QString& id) { return id != QLatin1String("blocked.app"); };
    const auto nearby = ScreenText::nearbyWindows(platform, 1, std::nullopt, allowed, 2);
    ASSERT_EQ(nearby.size(), 2);
    EXPECT_EQ(nearby[0].app, QStringLiteral("Mail"));
    EXPECT_EQ(nearby[0].bounds, QRectF(820, 0, 500, 400));
    EXPECT_EQ(nearby[1].app, QStringLiteral("chat.app")); // no name: the identifier
}

TEST_F(ScreenTextNearby, OnlyWindowsOnTheFieldsScreen)
{
    list.screenFrames = {QRectF(0, 0, 1920, 1080), QRectF(1920, 0, 1920, 1080)};
    list.list = {win(2, QRectF(2000, 100, 800, 600)), win(5, QRectF(100, 100, 800, 600))};
    auto allowed = [](const QString&) { return true; };
    // No field frame: the main screen.
    auto nearby = ScreenText::nearbyWindows(platform, 1, std::nullopt, allowed, 2);
    ASSERT_EQ(nearby.size(), 1);
    EXPECT_EQ(nearby[0].app, QStringLiteral("Notes"));

    // A field on the second screen (screen space, y up over a 1080-high primary screen).
    platform.screenGeometry().frame = QRectF(0, 0, 1920, 1080);
    nearby = ScreenText::nearbyWindows(platform, 1, QRectF(2100, 1080 - 420, 300, 20), allowed, 2);
    ASSERT_EQ(nearby.size(), 1);
    EXPECT_EQ(nearby[0].app, QStringLiteral("Mail"));
}

TEST(ScreenTextRecognition, CaptureWindowChoiceAndBoxMapping)
{
    const QVector<ListedWindow> windows{{1, 7, 0, QRectF(0, 0, 100, 400)},     // too narrow
                                        {2, 7, 1, QRectF(0, 0, 800, 600)},     // not an application window
                                        {3, 7, 0, QRectF(0, 0, 600, 400)},
                                        {4, 7, 0, QRectF(700, 0, 600, 400)}};
    EXPECT_EQ(ScreenText::captureWindow(windows, QRectF(900, 100, 100, 20))->id, 4u);
    EXPECT_EQ(ScreenText::captureWindow(windows, QRectF(3000, 100, 100, 20))->id, 3u);
    EXPECT_EQ(ScreenText::captureWindow(windows, std::nullopt)->id, 3u);
    EXPECT_FALSE(ScreenText::captureWindow(windows.mid(0, 2), std::nullopt));

    const auto lines = ScreenText::mapObservations(
        {{QStringLiteral("Hello"), QRectF(0.1, 0.8, 0.5, 0.05)}, {QString(), QRectF(0, 0, 1, 1)}}, QRectF(100, 50, 800, 600));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].text, QStringLiteral("Hello"));
    EXPECT_NEAR(lines[0].frame.x(), 180, 1e-9);
    EXPECT_NEAR(lines[0].frame.y(), 140, 1e-9);
    EXPECT_NEAR(lines[0].frame.width(), 400, 1e-9);
    EXPECT_NEAR(lines[0].frame.height(), 30, 1e-9);
}

TEST(ScreenTextRecognition, RecognitionRunsBelowThreeHundredCharacters)
{
    const ScreenLine l299{QString(299, QLatin1Char('x')), QRectF()};
    const ScreenLine one{QStringLiteral("y"), QRectF()};
    EXPECT_TRUE(ScreenText::needsOCR({l299}));
    EXPECT_FALSE(ScreenText::needsOCR({l299, one}));
}

TEST_F(ScreenTextNearby, OcrCapturesTheAppsWindowAtTheScreenScale)
{
    FakeWindowCapture& capture = platform.windowCapture();
    FakeTextRecognition& recognition = platform.textRecognition();
    list.list = {win(2, QRectF(0, 0, 900, 700)), win(1, QRectF(100, 50, 800, 600))};
    recognition.result = QVector<RecognizedText>{{QStringLiteral("Hello"), QRectF(0.1, 0.8, 0.5, 0.05)}};

    std::optional<QVector<ScreenLine>> got;
    ScreenText::ocrLines(platform, QStringLiteral("field.app"), std::nullopt, [&](auto lines) { got = lines; });
    ASSERT_TRUE(got);
    ASSERT_EQ(got->size(), 1);
    EXPECT_EQ(got->at(0).frame.topLeft(), QPointF(180, 140));
    ASSERT_EQ(capture.captured.size(), 1);
    EXPECT_EQ(capture.captured[0].first, QRectF(100, 50, 800, 600));
    EXPECT_EQ(recognition.images, QVector<QSize>{QSize(1600, 1200)});

    // No window of the application: empty, no error. A failed capture: an error.
    got.reset();
    ScreenText::ocrLines(platform, QStringLiteral("missing.app"), std::nullopt, [&](auto lines) { got = lines; });
    EXPECT_TRUE(got && got->isEmpty());
    capture.fails = true;
    got = QVector<ScreenLine>{};
    ScreenText::ocrLines(platform, QStringLiteral("field.app"), std::nullopt, [&](auto lines) { got = lines; });
    EXPECT_FALSE(got);
}

TEST_F(ScreenTextNearby, OcrOfAScreenReadWaitsWhileAnExcludedWindowLiesOver)
{
    FakeWindowCapture& capture = platform.windowCapture();
    FakeTextRecognition& recognition = platform.textRecognition();
    list.list = {win(1, QRectF(100, 50, 800, 600))};
    recognition.result = QVector<RecognizedText>{{QStringLiteral("Hello"), QRectF(0.1, 0.8, 0.5, 0.05)}};
    const auto allowed = [](const QString& id) { return id != QLatin1String("blocked.app"); };
    const struct {
        std::optional<QVector<qint64>> covering; // none: the window's own pixels
        bool recognised;
    } cases[] = {
        {std::nullopt, true},
        {QVector<qint64>{}, true},
        {QVector<qint64>{0, 2, 1}, true},                    // unnamed, another app, the field's own
        {QVector<qint64>{QCoreApplication::applicationPid()}, true}, // our own panels
        {QVector<qint64>{2, 3}, false},                      // a password manager
        {QVector<qint64>{6}, false},                         // refused by the rules
    };
    for (const auto& c : cases) {
        capture.covering = c.covering;
        recognition.images.clear();
        std::optional<QVector<ScreenLine>> got;
        ScreenText::ocrLines(platform, QStringLiteral("field.app"), std::nullopt, [&](auto lines) { got = lines; }, allowed);
        ASSERT_TRUE(got);
        EXPECT_EQ(got->size(), c.recognised ? 1 : 0);
        EXPECT_EQ(recognition.images.size(), c.recognised ? 1 : 0);
    }
}

TEST(ScreenTextPasswordManagers, KnownIdentifiersInAnyCase)
{
    EXPECT_TRUE(ScreenText::isPasswordManager(QStringLiteral("com.1password.1password")));
    EXPECT_TRUE(ScreenText::isPasswordManager(QStringLiteral("org.keepassxc.KeePassXC")));
    EXPECT_TRUE(ScreenText::isPasswordManager(QStringLiteral("Bitwarden")));
    EXPECT_FALSE(ScreenText::isPasswordManager(QStringLiteral("org.gnome.TextEditor")));
}

} // namespace
} // namespace tq
