#include "platform/fakes/FakeReduceMotion.h"
#include "ui/design/Backdrop.h"
#include "ui/design/Blur.h"
#include "ui/design/BrandMark.h"
#include "ui/design/Confetti.h"
#include "ui/design/Effects.h"
#include "ui/design/Fonts.h"
#include "ui/design/GrantSeal.h"

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QPushButton>
#include <QTest>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace tq;

namespace {
struct Motion {
    VirtualClock clock;
    FakeReduceMotion reduce;
    MotionContext context{clock, reduce};
};

QImage render(const std::function<void(QPainter&)>& paint, QSize size = QSize(200, 200))
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    paint(p);
    return img;
}
bool blank(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)))
                return false;
    return true;
}
} // namespace

TEST(InkDrops, DeterministicBurstWithinItsLifetime)
{
    InkDrops drops;
    const QPointF origin(100, 100);
    for (double t : {0.0, -0.1, 1.0, 1.5})
        EXPECT_TRUE(drops.at(origin, t).empty()) << t;
    InkDrops none;
    none.count = 0;
    EXPECT_TRUE(none.at(origin, 0.5).empty());

    const auto a = drops.at(origin, 0.2), b = drops.at(origin, 0.2);
    ASSERT_EQ(a.size(), 30u);
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_EQ(a[i].position, b[i].position);
    // Drop 0 leaves at −0.3 rad at the lowest speed with the smallest radius.
    const double t = 0.01;
    const auto d0 = drops.at(origin, t)[0];
    EXPECT_NEAR(d0.position.x(), origin.x() + t * 120 * std::cos(-0.3), 1e-9);
    EXPECT_NEAR(d0.radius, 1.5 * (1 - 0.5 * t), 1e-9);
    // Halfway: opacity 0.75, three quarters of the radius, no stretch.
    const auto half = drops.at(origin, 0.5)[0];
    EXPECT_NEAR(half.opacity, 0.75, 1e-9);
    EXPECT_NEAR(half.radius, 0.75 * 1.5, 1e-9);
    EXPECT_EQ(half.stretch, 1.0);
    // Colours are used in turn.
    InkDrops four;
    four.colors = {Qt::red, Qt::green, Qt::blue, Qt::white};
    const auto f = four.at(origin, 0.3);
    EXPECT_EQ(f[0].colour, f[4].colour);
    EXPECT_EQ(f[8].colour, QColor(Qt::red));
}

TEST(Confetti, SeedDecidesTheBurst)
{
    const GoldConfetti a(42), b(42), c(43), zero(0);
    ASSERT_EQ(a.flecks().size(), 110u);
    EXPECT_EQ(zero.flecks().size(), 110u);
    bool differs = false;
    for (size_t i = 0; i < a.flecks().size(); ++i) {
        EXPECT_EQ(a.flecks()[i].angle, b.flecks()[i].angle);
        EXPECT_EQ(a.flecks()[i].colour, b.flecks()[i].colour);
        differs |= a.flecks()[i].angle != c.flecks()[i].angle;
        const auto& f = a.flecks()[i];
        EXPECT_TRUE(f.speed >= 520 && f.speed < 940 && f.size >= 5 && f.size < 10 && f.delay < 0.12);
        EXPECT_TRUE(std::abs(f.angle + M_PI / 2) <= M_PI * 0.85 / 2);
    }
    EXPECT_TRUE(differs);
    const auto draw = [&](double t) { return render([&](QPainter& p) { a.draw(p, QSizeF(200, 200), t); }); };
    EXPECT_EQ(draw(0.5), draw(0.5));
    EXPECT_FALSE(blank(draw(0.5)));
    EXPECT_TRUE(blank(draw(2.4)));
}

TEST(Confetti, BurstLastsAndRetriggersAndStaysDarkUnderReduceMotion)
{
    Motion m;
    QWidget host;
    host.resize(200, 200);
    ConfettiBurst burst(&host, m.context);
    host.show();
    burst.setTrigger(1); // first value: no burst
    EXPECT_FALSE(burst.burst());
    burst.setTrigger(2);
    EXPECT_EQ(burst.burst(), 2);
    m.clock.advance(Millis(2000));
    burst.setTrigger(3); // replaces at once
    EXPECT_EQ(burst.burst(), 3);
    m.clock.advance(Millis(1000));
    EXPECT_EQ(burst.burst(), 3); // the first burst's clean-up leaves it alone
    m.clock.advance(Millis(1800));
    EXPECT_FALSE(burst.burst());

    m.reduce.set(true);
    burst.setTrigger(4);
    EXPECT_EQ(burst.burst(), 4);
    m.clock.advance(Millis(300));
    EXPECT_TRUE(blank(burst.grab().toImage()));
    m.clock.advance(Millis(2500));
    EXPECT_FALSE(burst.burst());
}

TEST(Grain, SameNoiseEveryTimeInItsProportions)
{
    const QImage& g = grainTexture();
    ASSERT_EQ(g.size(), QSize(128, 128));
    int counts[7] = {};
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const QRgb px = g.pixel(x, y);
            ASSERT_TRUE(qRed(px) <= 6 && qRed(px) == qGreen(px) && qGreen(px) == qBlue(px) && qAlpha(px) == 255);
            ++counts[qRed(px)];
        }
    const int expected[7] = {1, 2, 3, 4, 3, 2, 1};
    for (int v = 0; v < 7; ++v)
        EXPECT_NEAR(counts[v] / 16384.0, expected[v] / 16.0, 0.01) << v;
    // The first pixel follows from the fixed seed.
    const std::uint64_t s1 = 0x9E3779B97F4A7C15ULL * 0x5851F42D4C957F2DULL + 0x14057B7EF767814FULL;
    const std::uint64_t s2 = s1 * 0x5851F42D4C957F2DULL + 0x14057B7EF767814FULL;
    EXPECT_EQ(qRed(g.pixel(0, 0)), int(((s2 >> 33) & 3) + ((s1 >> 33) & 3)));
}

TEST(InkProgressBar, FillAndPercentage)
{
    const QRectF track(0, 0, 200, 6);
    EXPECT_TRUE(InkProgressBar::fillRect(track, 0).isEmpty());
    EXPECT_TRUE(InkProgressBar::fillRect(track, -0.5).isEmpty());
    EXPECT_EQ(InkProgressBar::fillRect(track, 0.001).width(), 6); // a round dot
    EXPECT_EQ(InkProgressBar::fillRect(track, 1.5).width(), 200);
    EXPECT_EQ(InkProgressBar::fillRect(track, 0.5).width(), 100);

    Motion m;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (double height : {6.0, 14.0}) {
        InkProgressBar bar(height, m.context);
        bar.setValue(0.5);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&bar);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::ProgressBar);
        EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("50%"));
        ASSERT_NE(a->valueInterface(), nullptr);
        EXPECT_EQ(a->valueInterface()->currentValue().toInt(), 50);
        bar.setValue(1.7);
        EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("100%"));
    }
    QLocale::setDefault(QLocale::system());
}

TEST(GrantSeal, CelebratesOnceAndStillOtherwise)
{
    Motion m;
    int played = 0;
    GrantSeal still(20, false, [&] { ++played; }, m.context);
    EXPECT_EQ(still.opacity(), 1.0);
    still.show();
    EXPECT_EQ(played, 0);

    GrantSeal seal(64, true, [&] { ++played; }, m.context);
    EXPECT_EQ(seal.opacity(), 0.0); // invisible before it is first shown
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&seal)->state().invisible); // decoration only
    seal.show();
    EXPECT_EQ(played, 1);
    EXPECT_EQ(seal.plays(), 1);
    EXPECT_LT(seal.phase().check, 0.01);
    m.clock.advance(Millis(300));
    EXPECT_GT(seal.phase().ringOpacity, 0.1);
    m.clock.advance(Millis(700));
    seal.hide();
    seal.show();
    EXPECT_EQ(played, 1);
    EXPECT_EQ(seal.plays(), 1);

    m.reduce.set(true);
    GrantSeal calm(20, true, [&] { ++played; }, m.context);
    calm.show();
    EXPECT_EQ(played, 2);
    EXPECT_EQ(calm.plays(), 0); // no stamp
    EXPECT_LT(calm.opacity(), 0.01);
    m.clock.advance(Millis(300));
    EXPECT_EQ(calm.opacity(), 1.0);
}

TEST(GrantSeal, StampKeyframes)
{
    const struct {
        double t;
        double disc, fill, check;
    } rows[] = {{0, 0.55, 0, 0}, {0.1, -1, 1, 0}, {0.16, -1, 1, 0}, {0.5, 1, 1, 1}};
    for (const auto& r : rows) {
        const SealPhase s = sealPhaseAt(r.t);
        if (r.disc >= 0)
            EXPECT_NEAR(s.disc, r.disc, 0.02) << r.t;
        EXPECT_NEAR(s.fill, r.fill, 1e-6) << r.t;
        EXPECT_NEAR(s.check, r.check, 0.02) << r.t; // a spring's end is within 2 %
    }
    EXPECT_NEAR(sealPhaseAt(0.17).ringOpacity, 0.6, 1e-6);
    const SealPhase rest = sealPhaseAt(0.92);
    EXPECT_EQ(rest.disc, 1);
    EXPECT_EQ(rest.ringOpacity, 0);
}

TEST(BrandMark, LayersAndColoursWhereTheGridPutsThem)
{
    EXPECT_TRUE(blank(brandMarkImage(103, {0, 0, 0, 0})));
    const QImage mark = brandMarkImage(103);
    const auto near = [](QRgb px, const QColor& c) {
        return std::abs(qRed(px) - c.red()) <= 6 && std::abs(qGreen(px) - c.green()) <= 6 && std::abs(qBlue(px) - c.blue()) <= 6;
    };
    EXPECT_TRUE(near(mark.pixel(43, 51), palette::gold()));  // caret stem
    EXPECT_TRUE(near(mark.pixel(43, 31), palette::gold()));  // top serif
    EXPECT_GT(qRed(mark.pixel(20, 51)), 230); // typed bar, white at 0.94
    EXPECT_FALSE(near(mark.pixel(60, 51), palette::gold())); // first ghost bar is white at 0.3
    EXPECT_EQ(qAlpha(mark.pixel(0, 0)), 0);                  // the corner is cut
    // Plate: lighter at the top, darker at the bottom.
    EXPECT_GT(qBlue(mark.pixel(51, 4)), qBlue(mark.pixel(51, 98)));

    Motion m;
    LiveBrandMark live(80, m.context);
    live.show();
    EXPECT_EQ(live.step(), 0);
    m.clock.advance(Millis(230));
    EXPECT_EQ(live.step(), 1);
    m.clock.advance(Millis(300));
    EXPECT_EQ(live.step(), 3);
    m.clock.advance(std::chrono::seconds(2));
    EXPECT_NEAR(live.progress().ghost, 1.0, 1e-3);

    m.reduce.set(true);
    LiveBrandMark still(80, m.context);
    still.show();
    EXPECT_EQ(still.step(), 3);
    EXPECT_EQ(still.progress().ghost, 1.0);
}

TEST(Rise, FadesInPlaceUnderReduceMotion)
{
    Motion m;
    m.reduce.set(true);
    Rise rise(new QLabel(QStringLiteral("Item")), 5, m.context);
    rise.resize(100, 30);
    rise.show();
    m.clock.advance(Millis(100));
    EXPECT_GT(rise.shownAmount(), 0.3);
    EXPECT_EQ(rise.content()->y(), 0);
    m.clock.advance(Millis(120));
    EXPECT_EQ(rise.shownAmount(), 1.0);

    m.reduce.set(false);
    Rise later(new QLabel(QStringLiteral("Item")), 2, m.context);
    later.resize(100, 30);
    later.show();
    m.clock.advance(Millis(100)); // still waiting its turn (0.12 s)
    EXPECT_EQ(later.shownAmount(), 0.0);
    EXPECT_EQ(later.content()->y(), 12);
    m.clock.advance(Millis(600));
    EXPECT_EQ(later.content()->y(), 0);
}

// Content whose text wraps onto more lines while shown: the column above gives it the room.
TEST(Rise, TheLayoutAboveFollowsTheContentsNewHeight)
{
    Motion m;
    m.reduce.set(true);
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    auto* label = new QLabel(QStringLiteral("One line"));
    label->setWordWrap(true);
    column->addWidget(new Rise(label, 0, m.context, &window));
    column->addStretch(1);
    window.resize(120, 400);
    window.show();
    QCoreApplication::processEvents();
    label->setText(QStringLiteral("Many more words now, that wrap over several lines of the narrow column"));
    for (int pass = 0; pass < 4; ++pass)
        QCoreApplication::processEvents();
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
}

TEST(TitleShade, ClicksReachTheControlsBeneath)
{
    QWidget window;
    window.resize(300, 200);
    auto* button = new QPushButton(QStringLiteral("Under"), &window);
    button->setGeometry(10, 10, 100, 30);
    TitleShade shade(&window);
    window.show();
    EXPECT_EQ(shade.geometry(), QRect(0, 0, 300, 70)); // 52 points and the 18-point fade
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    QTest::mouseClick(window.childAt(QPoint(20, 20)), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    window.resize(400, 200);
    EXPECT_EQ(shade.width(), 400);
}

TEST(LiveBrandMark, SwellsUnderThePointerOnlyWithMotion)
{
    Motion m;
    for (bool reduce : {false, true}) {
        m.reduce.set(reduce);
        LiveBrandMark mark(60, m.context);
        mark.show();
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&mark, &enter);
        m.clock.advance(std::chrono::seconds(2));
        EXPECT_NEAR(mark.scale(), reduce ? 1.0 : 1.06, 1e-3) << reduce;
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&mark, &leave);
        m.clock.advance(std::chrono::seconds(2));
        EXPECT_NEAR(mark.scale(), 1.0, 1e-3);
        EXPECT_GE(mark.sizeHint().width(), int(60 * 1.06)); // room for the swell
    }
}

TEST(Fonts, RoundedFaceAndSteadyDigits)
{
    // setup.sh installs Comfortaa; without it the system face stands in.
    const QFont rounded = fonts::rounded(13);
    EXPECT_EQ(rounded.family() == fonts::roundedFamily(), !fonts::roundedFamily().isEmpty());
    EXPECT_TRUE(fonts::hasTabularDigits(fonts::tabularDigits(12)));
    EXPECT_EQ(fonts::tabularDigits(12, QFont::Bold).weight(), QFont::Bold);
}

// Every script of the interface's languages shapes with real glyphs in the design faces (no
// tofu box, glyph 0): a face that lacks the script falls back to an installed Noto face.
TEST(Fonts, EveryScriptHasGlyphs)
{
    const char16_t* samples[] = {
        u"মডেল", u"મોડેલ", u"मॉडल", u"ಮಾದರಿ", u"മോഡൽ", u"ਮਾਡਲ", u"மாதிரி", u"మోడల్", // bn gu hi kn ml pa ta te
        u"แบบจำลอง", u"模型设置", u"設定モデル", u"모델 설정", u"النموذج", u"מודל",
    };
    for (const QFont& font : {fonts::rounded(13), fonts::font(fonts::Role::body), fonts::tabularDigits(12)}) {
        for (const char16_t* sample : samples) {
            QTextLayout layout(QString::fromUtf16(sample), font);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            int glyphs = 0;
            for (const QGlyphRun& run : layout.glyphRuns())
                for (const quint32 index : run.glyphIndexes()) {
                    EXPECT_NE(index, 0u) << font.family().toStdString() << ": " << QString::fromUtf16(sample).toStdString()
                                         << " in " << run.rawFont().familyName().toStdString();
                    ++glyphs;
                }
            EXPECT_GT(glyphs, 0) << QString::fromUtf16(sample).toStdString();
        }
    }
}

// A blur spreads a point over about three radii, keeps its ink, and leaves a picture alone at 0.
TEST(Blur, SpreadsAPointAndKeepsItsInk)
{
    struct Case {
        double radius;
        int reachesAt; // a pixel this far out is touched
        int cleanAt;   // this far out nothing arrives
    };
    for (const Case c : {Case{1.2, 2, 8}, Case{3, 6, 14}, Case{10, 20, 40}}) {
        QImage img(101, 101, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        const int half = std::max(1, int(c.radius)); // a square as wide as the blur, so 8 bits hold it
        for (int y = 50 - half; y <= 50 + half; ++y)
            for (int x = 50 - half; x <= 50 + half; ++x)
                img.setPixel(x, y, 0xffffffff);
        blur::blurInPlace(img, c.radius);
        double ink = 0;
        for (int y = 0; y < 101; ++y)
            for (int x = 0; x < 101; ++x)
                ink += qAlpha(img.pixel(x, y));
        EXPECT_NEAR(ink / ((2 * half + 1) * (2 * half + 1) * 255), 1.0, 0.05) << c.radius;
        EXPECT_LT(qAlpha(img.pixel(50, 50)), 255) << c.radius;
        EXPECT_GT(qAlpha(img.pixel(50 + c.reachesAt, 50)), 0) << c.radius;
        EXPECT_EQ(qAlpha(img.pixel(50 + c.cleanAt, 50)), 0) << c.radius;
        EXPECT_EQ(qAlpha(img.pixel(50, 50 + c.cleanAt)), 0) << c.radius;
    }
    QImage sharp(9, 9, QImage::Format_ARGB32_Premultiplied);
    sharp.fill(Qt::transparent);
    sharp.setPixel(4, 4, 0xffffffff);
    const QImage before = sharp;
    blur::blurInPlace(sharp, 0);
    EXPECT_EQ(sharp, before);
}
