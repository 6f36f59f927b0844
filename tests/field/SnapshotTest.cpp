#include "FieldFixture.h"

using namespace tq;
using namespace tq::testing;

namespace {

QString digits(int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'a' + i % 26);
    return s;
}

class Snapshot : public FieldFixture {
protected:
    void SetUp() override
    {
        FieldFixture::SetUp();
        source->attach(kPid);
    }
};

} // namespace

TEST_F(Snapshot, ReadsAroundTheCaretWithinTheLimits)
{
    const QString text = digits(5200);
    field->text = text;
    field->selection = {5000, 0};
    const auto s = source->snapshot();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before, text.mid(2000, 3000));
    EXPECT_EQ(s->after, text.mid(5000, 200));
    EXPECT_EQ(s->selectionLength, 0);
    EXPECT_EQ(s->role, QStringLiteral("AXTextField"));
    EXPECT_EQ(s->bundleID, QStringLiteral("org.example.Editor"));
    EXPECT_EQ(s->appName, QStringLiteral("Editor"));
    EXPECT_EQ(s->fieldKey, QStringLiteral("%1:%2").arg(kPid).arg(field->hashValue));
    EXPECT_FALSE(s->isSecure);
    EXPECT_FALSE(s->isLocal);
    EXPECT_EQ(s->fieldFrame, QRectF(100, 900 - 122, 400, 22));
    EXPECT_FALSE(source->whyNoField());

    field->text = digits(4000);
    field->selection = {3000, 0};
    EXPECT_EQ(source->snapshot()->after.size(), 500);
}

TEST_F(Snapshot, CaretAtStartReadsNoRangeBefore)
{
    field->text = QStringLiteral("hello");
    field->selection = {0, 0};
    int beforeReads = 0;
    field->parameterized[attr(ax::kStringForRange)] = [&](const QVariant& p) -> QVariant {
        const AXRange r = p.value<AXRange>();
        if (r.location == 0 && r.length == 0)
            ++beforeReads;
        return field->text->mid(r.location, r.length);
    };
    const auto s = source->snapshot();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before, QString());
    EXPECT_EQ(s->after, QStringLiteral("hello"));
    EXPECT_EQ(beforeReads, 0);
}

TEST_F(Snapshot, SelectionIsSkippedForTheTextAfter)
{
    field->text = digits(300);
    field->selection = {100, 10};
    const auto s = source->snapshot();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before, field->text->left(100));
    EXPECT_EQ(s->after, field->text->mid(110));
    EXPECT_EQ(s->selectionLength, 10);

    field->selection = {-4, -2};
    EXPECT_EQ(source->snapshot()->selectionLength, 0);
}

TEST_F(Snapshot, ValueFallbackCountsCharacters)
{
    // 3100 emoji: 6200 UTF-16 units, read whole through the value.
    QString text;
    for (int i = 0; i < 3100; ++i)
        text += QStringLiteral("\U0001F600");
    field->text = text;
    field->selection = {text.size(), 0};
    field->answersRanges = false;
    const auto s = source->snapshot();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before.size(), 6000); // 3000 characters
    EXPECT_EQ(s->after, QString());
}

TEST_F(Snapshot, RangeCutNeverSplitsAnEmoji)
{
    // The 3000-unit cut falls inside the first emoji: it is left out whole.
    const QString text = QStringLiteral("x\U0001F600") + digits(2999);
    field->text = text;
    field->selection = {text.size(), 0};
    const auto s = source->snapshot();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before, digits(2999));
}

TEST_F(Snapshot, SecureFieldsGiveNoText)
{
    auto password = makeField(attr(ax::kTextField), QStringLiteral("hunter2"));
    password->attributes[attr(ax::kSubrole)] = attr(ax::kSecureTextField);
    focus(password);
    const auto s = source->snapshot();
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->isSecure);
    EXPECT_EQ(s->before, QString());
    EXPECT_EQ(s->after, QString());
    EXPECT_TRUE(s->fieldFrame);

    focus(field);
    field->text = QStringLiteral("visible");
    ax.secureInput = true;
    EXPECT_TRUE(source->snapshot()->isSecure);
    EXPECT_EQ(source->snapshot()->before, QString());
}

TEST_F(Snapshot, ZeroWidthCharactersAreRemoved)
{
    field->text = QStringLiteral("a\u200Bb\u200Cc\u200Dd\u2060e\uFEFF|f\u200Bg");
    field->selection = {10, 0};
    const auto s = source->snapshot();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before, QStringLiteral("abcde"));
    EXPECT_EQ(s->after, QStringLiteral("|fg"));
}

TEST_F(Snapshot, ReasonsWhyThereIsNoField)
{
    focus(nullptr);
    EXPECT_FALSE(source->snapshot());
    EXPECT_EQ(source->whyNoField(), QStringLiteral("org.example.Editor: nothing focused"));
    EXPECT_FALSE(source->restartHint());

    auto button = makeFakeElement(kPid, attr(ax::kButton));
    app->addChild(button);
    focus(button);
    EXPECT_FALSE(source->snapshot());
    EXPECT_EQ(source->whyNoField(), QStringLiteral("org.example.Editor: focused AXButton isn't a text field"));

    auto unnamed = makeFakeElement(kPid, QString());
    focus(unnamed);
    source->snapshot();
    EXPECT_EQ(source->whyNoField(), QStringLiteral("org.example.Editor: focused  isn't a text field"));
    unnamed->settable.insert(attr(ax::kValue));
    source->snapshot();
    EXPECT_EQ(source->whyNoField(), QStringLiteral("org.example.Editor: focused  has no caret position"));

    auto mute = makeFakeElement(kPid, attr(ax::kTextArea));
    mute->attributes[attr(ax::kSelectedTextRange)] = QVariant::fromValue(AXRange{0, 0});
    focus(mute);
    source->snapshot();
    EXPECT_EQ(source->whyNoField(), QStringLiteral("org.example.Editor: focused AXTextArea won't share its text"));

    focus(field);
    EXPECT_TRUE(source->snapshot());
    EXPECT_FALSE(source->whyNoField());

    source->attach(std::nullopt);
    source->snapshot();
    EXPECT_EQ(source->whyNoField(), QStringLiteral("no app: nothing focused"));
}

TEST_F(Snapshot, AnApplicationWithoutTreeNeedsARestart)
{
    ax.apps.erase(kPid);
    source->attach(kPid);
    EXPECT_FALSE(source->snapshot());
    EXPECT_EQ(source->whyNoField(),
              QStringLiteral("org.example.Editor: Editor shares no text; if it was started before accessibility was switched on, restart it"));
}

TEST_F(Snapshot, FontIsRememberedPerField)
{
    field->text = QStringLiteral("hello");
    field->fontSize = 15;
    field->fontName = QStringLiteral("Serif");
    auto s = source->snapshot();
    EXPECT_EQ(s->fontSize, 15);
    EXPECT_EQ(s->fontName, QStringLiteral("Serif"));
    field->fontSize.reset();
    field->fontName.clear();
    s = source->snapshot();
    EXPECT_EQ(s->fontSize, 15);
    EXPECT_EQ(s->fontName, QStringLiteral("Serif"));

    auto other = makeField(attr(ax::kTextField), QStringLiteral("x"));
    other->answersBounds = false;
    other->frame = QRectF();
    focus(other);
    s = source->snapshot();
    EXPECT_FALSE(s->fontSize);
}

TEST_F(Snapshot, InsertionUsesTheChosenMethod)
{
    field->text = QStringLiteral("hello ");
    field->selection = {6, 0};
    field->settable.insert(attr(ax::kSelectedText));
    source->insert(QStringLiteral("world"), InsertionMethod::accessibility);
    EXPECT_EQ(*field->text, QStringLiteral("hello world"));
    EXPECT_TRUE(injector.typed.isEmpty());

    field->refusesSet = true;
    source->insert(QStringLiteral("!"), InsertionMethod::accessibility);
    EXPECT_EQ(injector.typed, QStringList{QStringLiteral("!")});

    source->insert(QStringLiteral("t"), InsertionMethod::typing);
    source->insert(QStringLiteral("p"), InsertionMethod::paste);
    EXPECT_EQ(injector.typed, (QStringList{QStringLiteral("!"), QStringLiteral("t")}));
    EXPECT_EQ(injector.pasted, QStringList{QStringLiteral("p")});

    source->deleteBackward(0);
    source->deleteBackward(3);
    EXPECT_EQ(injector.deleted, 3);
}

TEST_F(Snapshot, WebAreaUsesTheMarkerPositionWhenThePlainRangeLags)
{
    // A holder above the field: markers are UTF-16 positions in the field's text.
    auto web = makeFakeElement(kPid, attr(ax::kWebArea));
    auto editor = makeFakeElement(kPid, attr(ax::kTextArea));
    web->addChild(editor);
    editor->text = QStringLiteral("one two three");
    editor->selection = {7, 0}; // lags behind
    editor->frame = QRectF(50, 50, 300, 100);
    auto marker = [](int p) { return AXTextMarker{p}; };
    web->attributes[attr(ax::kSelectedTextMarkerRange)] = QVariant::fromValue(AXTextMarkerRange{marker(13), marker(13)});
    web->parameterized[attr(ax::kTextMarkerRangeForUIElement)] = [&](const QVariant&) {
        return QVariant::fromValue(AXTextMarkerRange{marker(0), marker(13)});
    };
    web->parameterized[attr(ax::kStringForTextMarkerRange)] = [&](const QVariant& v) {
        const auto r = v.value<AXTextMarkerRange>();
        const int a = r.start.token.toInt(), b = r.end.token.toInt();
        return QVariant(editor->text->mid(a, b - a));
    };
    focus(editor);
    const auto s = source->snapshot();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before, QStringLiteral("one two three"));
    EXPECT_EQ(s->after, QString());
}

TEST_F(Snapshot, TrailingLineBreakInAWebAreaPutsTheCaretOnTheNewLine)
{
    auto web = makeFakeElement(kPid, attr(ax::kWebArea));
    auto editor = makeFakeElement(kPid, attr(ax::kTextArea));
    web->addChild(editor);
    editor->text = QStringLiteral("line\n");
    editor->selection = {4, 0};
    web->attributes[attr(ax::kSelectedTextMarkerRange)] = QVariant::fromValue(AXTextMarkerRange{AXTextMarker{4}, AXTextMarker{4}});
    web->parameterized[attr(ax::kTextMarkerRangeForUIElement)] = [](const QVariant&) {
        return QVariant::fromValue(AXTextMarkerRange{AXTextMarker{0}, AXTextMarker{5}});
    };
    web->parameterized[attr(ax::kStringForTextMarkerRange)] = [](const QVariant&) { return QVariant(QStringLiteral("line")); };
    focus(editor);
    const auto s = source->snapshot();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before, QStringLiteral("line\n"));
    EXPECT_EQ(s->after, QString());
}

// A program built on Chromium that shows nothing focused, or no accessibility tree at all, is
// named with the command that starts it sharing its text; a readable field clears the hint.
TEST_F(Snapshot, ChromiumProgramsSharingNoTextGetARestartHint)
{
    const QString command = QStringLiteral("/usr/bin/chromium --force-renderer-accessibility");
    const struct {
        WebRuntime runtime;
        const char* toolkit;
        bool registered;
        bool focused;
        bool hint;
    } cases[] = {
        {WebRuntime::chromium, "Chromium", true, false, true},
        {WebRuntime::chromium, "Chromium", true, true, false},
        {WebRuntime::electron, "Chromium", true, false, true},
        {WebRuntime::chromium, "Chromium", false, false, true}, // started before accessibility was on
        {WebRuntime::none, "GTK", true, false, false},
        {WebRuntime::none, "chromium", true, false, true}, // known by its toolkit alone
        {WebRuntime::none, "GTK", false, false, false},
    };
    int changes = 0;
    int expectedChanges = 0;
    bool hinted = false;
    source->onRestartHintChanged = [&] { ++changes; };
    for (const auto& c : cases) {
        workspace.running[kPid] = {kPid, QStringLiteral("Chromium"), QStringLiteral("Chromium"), c.runtime,
                                   QStringLiteral("/usr/bin/chromium")};
        app->attributes[attr(ax::kToolkitName)] = QString::fromLatin1(c.toolkit);
        if (c.registered)
            ax.apps[kPid] = app->element();
        else
            ax.apps.erase(kPid);
        source->attach(kPid);
        focus(c.focused ? field : nullptr);
        EXPECT_EQ(bool(source->snapshot()), c.focused) << c.toolkit;
        if (c.hint)
            EXPECT_EQ(source->restartHint(), (RestartHint{QStringLiteral("Chromium"), command})) << c.toolkit;
        else
            EXPECT_FALSE(source->restartHint()) << c.toolkit << " focused " << c.focused;
        expectedChanges += c.hint != hinted;
        hinted = c.hint;
    }
    EXPECT_EQ(changes, expectedChanges);
}
