#include "FieldFixture.h"

using namespace tq;
using namespace tq::testing;

namespace {

QVariant marker(int p) { return QVariant::fromValue(AXTextMarker{p}); }
int pos(const AXTextMarker& m) { return m.token.toInt(); }

// A web area holding markers that are UTF-16 positions in `text`.
class Markers : public FieldFixture {
protected:
    void SetUp() override
    {
        FieldFixture::SetUp();
        web = makeFakeElement(kPid, attr(ax::kWebArea));
        editor = makeFakeElement(kPid, attr(ax::kTextArea));
        web->addChild(editor);
        editor->frame = QRectF(50, 50, 400, 100);
        web->parameterized[attr(ax::kPreviousTextMarkerForTextMarker)] = [](const QVariant& v) {
            const int p = pos(v.value<AXTextMarker>());
            return p > 0 ? marker(p - 1) : QVariant();
        };
        web->parameterized[attr(ax::kBoundsForTextMarkerRange)] = [this](const QVariant& v) {
            const auto r = v.value<AXTextMarkerRange>();
            const auto box = boxes(pos(r.start), pos(r.end));
            return box ? QVariant(*box) : QVariant();
        };
        web->parameterized[attr(ax::kLineTextMarkerRangeForTextMarker)] = [this](const QVariant& v) {
            const int p = pos(v.value<AXTextMarker>());
            int a = p, b = p;
            while (a > 0 && text[a - 1] != QLatin1Char('\n'))
                --a;
            while (b < text.size() && text[b] != QLatin1Char('\n'))
                ++b;
            return QVariant::fromValue(AXTextMarkerRange{AXTextMarker{a}, AXTextMarker{b}});
        };
    }
    void select(int p) { web->attributes[attr(ax::kSelectedTextMarkerRange)] = QVariant::fromValue(AXTextMarkerRange{AXTextMarker{p}, AXTextMarker{p}}); }
    AXFieldSource::Caret caret(int location) { return AXFieldSource::markerCaret(AXElement(editor->element(), screen), location, text.left(location)); }

    QString text;
    std::function<std::optional<QRectF>(int, int)> boxes = [](int, int) { return std::nullopt; };
    std::shared_ptr<FakeElement> web, editor;
};

QRectF flipped(QRectF r) { return QRectF(r.x(), 900 - r.y() - r.height(), r.width(), r.height()); }

} // namespace

TEST_F(Markers, CaretBoxOfTheEmptyRange)
{
    LogCapture log;
    text = QStringLiteral("hello");
    select(5);
    boxes = [](int a, int b) -> std::optional<QRectF> {
        if (a == b)
            return QRectF(140, 60, 2, 16);
        return QRectF(132, 60, 8, 16);
    };
    EXPECT_EQ(caret(5).rect, flipped(QRectF(140, 60, 1, 16)));
    EXPECT_EQ(log.lines, QStringList{QStringLiteral("AXTextArea caret found through text markers")});
}

TEST_F(Markers, WideCaretBoxIsDiscardedForThePreviousCharacter)
{
    text = QStringLiteral("hello");
    select(5);
    boxes = [](int a, int b) -> std::optional<QRectF> {
        if (a == b)
            return QRectF(100, 60, 40, 16);
        return QRectF(132, 60, 8, 16);
    };
    EXPECT_EQ(caret(5).rect, flipped(QRectF(140, 60, 1, 16)));
    boxes = [](int a, int b) -> std::optional<QRectF> {
        if (a == b)
            return std::nullopt;
        return QRectF(132, 60, 100, 16);
    };
    // Neither box: the line box up to the caret decides.
    boxes = [](int a, int b) -> std::optional<QRectF> {
        if (a == 0 && b == 5)
            return QRectF(60, 60, 40, 16);
        return std::nullopt;
    };
    const auto c = caret(5);
    EXPECT_EQ(c.rect, flipped(QRectF(100, 60, 1, 16)));
    EXPECT_EQ(c.lineStartX, 60);
}

TEST_F(Markers, AfterALineBreakTheCaretGoesUnderTheLineAbove)
{
    text = QStringLiteral("first line\n");
    select(11);
    boxes = [](int a, int b) -> std::optional<QRectF> {
        if (a == 0 && b == 10)
            return QRectF(60, 60, 80, 16); // the line above
        if (a == b)
            return QRectF(140, 60, 0, 16); // stale, on the line above
        return std::nullopt;
    };
    const auto c = caret(11);
    EXPECT_EQ(c.rect, QRectF(60, flipped(QRectF(60, 60, 80, 16)).y() - 16, 1, 16));
}

TEST_F(Markers, BoxesAlreadyInScreenSpaceAreRecognisedByTheFieldFrame)
{
    text = QStringLiteral("hello");
    select(5);
    // The editor's frame is (50, 750, 400, 100) in screen space; this box lies inside it as is.
    boxes = [](int a, int b) -> std::optional<QRectF> {
        if (a == b)
            return QRectF(140, 800, 2, 16);
        return std::nullopt;
    };
    EXPECT_EQ(caret(5).rect, QRectF(140, 800, 1, 16));
}

TEST_F(Markers, FailureLineDescribesEveryBox)
{
    LogCapture log;
    text = QStringLiteral("hi");
    select(2);
    editor->text = text;
    editor->answersBounds = false;
    EXPECT_FALSE(caret(2).rect);
    ASSERT_EQ(log.lines.size(), 1);
    EXPECT_EQ(log.lines[0], QStringLiteral("AXTextArea has text markers but no box for them (marker selection none, marker empty none, "
                                           "marker before none, plain empty none, plain before none, holder AXWebArea, caret after "
                                           "text, field frame 400x100)"));
}

TEST_F(Markers, TextRunsWhenNoBoxExists)
{
    LogCapture log;
    text = QStringLiteral("Hello world");
    select(9);
    auto hello = makeFakeElement(kPid, attr(ax::kStaticText));
    hello->attributes[attr(ax::kValue)] = QStringLiteral("Hello ");
    hello->frame = QRectF(60, 60, 48, 16);
    auto world = makeFakeElement(kPid, attr(ax::kStaticText));
    world->attributes[attr(ax::kValue)] = QStringLiteral("world");
    world->frame = QRectF(108, 60, 40, 16);
    editor->addChild(hello);
    editor->addChild(world);
    web->parameterized[attr(ax::kUIElementForTextMarker)] = [&](const QVariant&) { return QVariant::fromValue(world->element()); };
    const auto c = caret(9);
    ASSERT_TRUE(c.rect);
    EXPECT_EQ(c.rect->x(), 108 + 40 * 3 / 5.0);
    EXPECT_EQ(c.lineStartX, 60);
    ASSERT_EQ(log.lines.size(), 1);
    EXPECT_TRUE(log.lines[0].startsWith(QStringLiteral("AXTextArea caret found through text runs (runs 2, line 400x100, line height 16, run 40x16 at 3/5, matched 9/11, starts []")))
        << log.lines[0].toStdString();
}

TEST(TextRuns, MatchingAndPlacement)
{
    using Run = AXFieldSource::TextRun;
    const QRectF container(0, 0, 300, 40);
    auto noStarts = [](const Run&) { return std::vector<qsizetype>(); };
    const std::vector<Run> runs{{QStringLiteral("Hello "), QRectF(10, 10, 60, 16), {}}, {QStringLiteral("world"), QRectF(70, 10, 50, 16), {}}};
    EXPECT_EQ(AXFieldSource::runCaret(runs, container, QStringLiteral("Say Hello wor"), noStarts), QRectF(100, 10, 1, 16));
    // No match: after the last run.
    EXPECT_EQ(AXFieldSource::runCaret(runs, container, QStringLiteral("zzz"), noStarts), QRectF(120, 10, 1, 16));
    // Nothing before the caret: the start of the first run.
    EXPECT_EQ(AXFieldSource::runCaret(runs, container, QString(), noStarts), QRectF(10, 10, 1, 16));
    // No runs: the container's top-left corner (the top is maxY), one line high.
    EXPECT_EQ(AXFieldSource::runCaret({}, container, QStringLiteral("x"), noStarts), QRectF(0, 20, 1, 20));
}

TEST(TextRuns, LineHeightFallsBackToTheContainer)
{
    using Run = AXFieldSource::TextRun;
    auto noStarts = [](const Run&) { return std::vector<qsizetype>(); };
    const std::vector<Run> runs{{QStringLiteral("a"), QRectF(0, 0, 8, 8), {}}, {QStringLiteral("b"), QRectF(8, 0, 8, 30), {}}};
    AXFieldSource::runCaret(runs, QRectF(0, 0, 100, 18), QStringLiteral("a"), noStarts);
    EXPECT_TRUE(AXFieldSource::runNote().startsWith(QStringLiteral("runs 2, line 100x18, line height 18")));
}

TEST(TextRuns, ContainerWithoutHeightStillGivesACaret)
{
    using Run = AXFieldSource::TextRun;
    auto noStarts = [](const Run&) { return std::vector<qsizetype>(); };
    const std::vector<Run> runs{{QStringLiteral("hello"), QRectF(0, 0, 40, 30), {}}};
    const QRectF c = AXFieldSource::runCaret(runs, QRectF(0, 0, 100, 0), QStringLiteral("hel"), noStarts);
    EXPECT_TRUE(std::isfinite(c.y()) && std::isfinite(c.height()));
    EXPECT_GT(c.height(), 0);
    EXPECT_TRUE(AXFieldSource::runNote().contains(QStringLiteral("line height 20")));
}

TEST(TextRuns, WrappedRunWithoutRowStartsHasTwoRows)
{
    AXFieldSource::TextRun run{QStringLiteral("a fairly long run of text that wraps over two rows here"), QRectF(0, 100, 200, 38.4), {}};
    const QRectF c = AXFieldSource::wrappedRowsCaret(run, 3, {}, 100, 16);
    EXPECT_TRUE(AXFieldSource::wrappedNote().startsWith(QStringLiteral("wrapped rows 2, row 0")));
    EXPECT_EQ(c.height(), 16);
    // Row 0 is the top row, centred in it.
    EXPECT_NEAR(c.y(), 100 + 38.4 - 19.2 / 2 - 8, 1e-9);
}

TEST(TextRuns, StrictLayoutMatchesTheReportedRowStart)
{
    const QString text = QStringLiteral("The quick brown fox jumps over");
    // Find the width at which the system font at 13.5 pt breaks this text in two.
    std::vector<qsizetype> starts;
    int count = 0;
    double width = 0;
    for (double w = 60; w < 400 && count != 2; w += 1) {
        AXFieldSource::layoutRows(13.5, w, text, 0, &starts, &count);
        width = w;
    }
    ASSERT_EQ(count, 2);
    const auto strict = AXFieldSource::fittingLayouts(width, true, text, text.size(), 2, {starts[1]});
    ASSERT_FALSE(strict.empty());
    for (const auto& c : strict)
        EXPECT_EQ(c.row, 1);
    EXPECT_TRUE(AXFieldSource::fittingLayouts(width, true, text, 0, 2, {1}).empty());
}
