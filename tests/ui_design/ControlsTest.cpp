#include "platform/fakes/FakeReduceMotion.h"
#include "platform/fakes/FakeKeyLayout.h"
#include "ui/design/Buttons.h"
#include "ui/design/HandToggle.h"
#include "ui/design/Keycap.h"
#include "ui/design/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Shapes.h"
#include "ui/design/Symbols.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace tq;

namespace {
struct Motion {
    VirtualClock clock;
    FakeReduceMotion reduce;
    MotionContext context{clock, reduce};
};

int inkedPixels(const QImage& img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qAlpha(img.pixel(x, y)) > 0;
    return n;
}
} // namespace

TEST(Symbols, EveryWindowSymbolDrawsSomething)
{
    for (const QString& name : symbols::windowSymbols()) {
        EXPECT_TRUE(symbols::exists(name)) << name.toStdString();
        QImage img(48, 48, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        symbols::paint(p, name, QRectF(0, 0, 48, 48), Qt::white);
        p.end();
        EXPECT_GT(inkedPixels(img), 40) << name.toStdString();
    }
    EXPECT_FALSE(symbols::exists(QStringLiteral("no.such.symbol")));
    // A filled form covers more than its outline.
    const auto cover = [](const QString& n) { return inkedPixels(symbols::pixmap(n, 48, Qt::white).toImage()); };
    EXPECT_GT(cover(QStringLiteral("info.circle.fill")), cover(QStringLiteral("info.circle")) * 1.5);
}

TEST(Shapes, ContinuousCornersStayInsideAndKeepTheSides)
{
    const QRectF r(10, 20, 100, 40);
    const QPainterPath p = continuousRect(r, 9);
    EXPECT_TRUE(r.adjusted(-0.01, -0.01, 0.01, 0.01).contains(p.boundingRect()));
    EXPECT_TRUE(p.contains(r.center()));
    EXPECT_TRUE(p.contains(QPointF(r.center().x(), r.top() + 0.5)));
    EXPECT_FALSE(p.contains(QPointF(r.left() + 0.5, r.top() + 0.5))); // the corner is cut
    // A continuous corner cuts deeper along the side than a circular one of the same radius.
    EXPECT_FALSE(p.contains(QPointF(r.left() + 7, r.top() + 0.4)));
    EXPECT_TRUE(continuousRect(QRectF(), 5).isEmpty());
    EXPECT_TRUE(continuousRect(r, 500).contains(r.center())); // radius limited to the short side
}

TEST(HandToggle, RowClicksToggleAndAccessibilityReadsOnOff)
{
    Motion m;
    SettingToggle t(QStringLiteral("Start at login"), QStringLiteral("Opens when you log in."), m.context);
    t.resize(320, 60);
    t.show();
    EXPECT_EQ(t.accessibleDescription(), QStringLiteral("Off"));
    QTest::mouseClick(&t, Qt::LeftButton, {}, QPoint(10, t.height() / 2)); // on the label
    EXPECT_TRUE(t.isChecked());
    EXPECT_EQ(t.accessibleDescription(), QStringLiteral("On"));
    EXPECT_LT(t.knobPosition(), 0.5); // springs from the leading end
    m.clock.advance(std::chrono::seconds(1));
    EXPECT_EQ(t.knobPosition(), 1.0);

    // Changed from elsewhere: no transition.
    t.setChecked(false);
    EXPECT_EQ(t.knobPosition(), 0.0);

    // Reduce Motion: the knob jumps.
    m.reduce.set(true);
    QTest::mouseClick(&t, Qt::LeftButton, {}, t.switchRect().center().toPoint());
    EXPECT_EQ(t.knobPosition(), 1.0);

    // Disabled: clicks do nothing; keyboard works when enabled.
    t.setEnabled(false);
    QTest::mouseClick(&t, Qt::LeftButton, {}, QPoint(10, t.height() / 2));
    EXPECT_TRUE(t.isChecked());
    t.setEnabled(true);
    t.setFocus();
    QTest::keyClick(&t, Qt::Key_Space);
    EXPECT_FALSE(t.isChecked());
}

TEST(Keycaps, ModifiersInFixedOrderThenTheKey)
{
    const FakeKeyLayout layout;
    const struct {
        KeyCombo combo;
        QStringList caps;
    } cases[] = {
        {{keycode::kTab, {ModifierSet::command, ModifierSet::shift}}, {"Shift", "Super", "Tab"}},
        {{keycode::kSpace, {ModifierSet::command, ModifierSet::option, ModifierSet::control}}, {"Ctrl", "Alt", "Super", "Space"}},
        {{keycode::kPageDown, {}}, {"Page Down"}},
    };
    for (const auto& c : cases) {
        KeyComboView v(layout, c.combo, true);
        EXPECT_EQ(v.capTexts(), c.caps);
        const auto caps = v.findChildren<Keycap*>();
        ASSERT_EQ(caps.size(), c.caps.size());
        for (int i = 0; i < caps.size(); ++i) {
            EXPECT_EQ(caps[i]->text(), c.caps[i]);
            EXPECT_GE(caps[i]->sizeHint().width(), 22);
        }
    }
    KeyComboView none(layout, std::nullopt, true);
    EXPECT_TRUE(none.findChildren<Keycap*>().isEmpty());
    ASSERT_EQ(none.findChildren<QLabel*>().size(), 1);
    EXPECT_EQ(none.findChildren<QLabel*>().front()->text(), QStringLiteral("Not set"));
}

TEST(PrimaryButton, PressMovesOnlyWhenEnabledAndSpringsOnlyWithMotion)
{
    Motion m;
    PrimaryButton b(QStringLiteral("Continue"), m.context);
    b.resize(b.sizeHint());
    b.show();
    const QSize before = b.size();
    QTest::mousePress(&b, Qt::LeftButton, {}, b.rect().center());
    EXPECT_LT(b.pressAmount(), 0.5); // a spring, not a jump
    m.clock.advance(std::chrono::seconds(1));
    EXPECT_NEAR(b.pressAmount(), 1.0, 1e-3);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, b.rect().center());
    m.clock.advance(std::chrono::seconds(1));
    EXPECT_EQ(b.size(), before);

    m.reduce.set(true);
    QTest::mousePress(&b, Qt::LeftButton, {}, b.rect().center());
    EXPECT_EQ(b.pressAmount(), 1.0);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, b.rect().center());

    b.setEnabled(false);
    int clicks = 0;
    QObject::connect(&b, &QAbstractButton::clicked, [&] { ++clicks; });
    QTest::mouseClick(&b, Qt::LeftButton, {}, b.rect().center());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(b.pressAmount(), 0.0);
}

// On a light desktop palette, the plain and hand buttons still draw the dark design look, read
// their text to accessibility and ring the keyboard focus in gold.
TEST(HandButton, DrawsTheDesignLookWhateverTheDesktopPalette)
{
    const QPalette saved = QApplication::palette();
    QPalette light = saved;
    light.setColor(QPalette::Button, QColor(240, 240, 240));
    light.setColor(QPalette::ButtonText, Qt::black);
    QApplication::setPalette(light);

    QWidget window;
    window.setAttribute(Qt::WA_NoSystemBackground);
    auto* hand = new HandButton(QStringLiteral("Back"), &window);
    auto* plain = new PlainButton(QStringLiteral("English"), &window);
    hand->setGeometry(QRect(QPoint(0, 0), hand->sizeHint()));
    plain->setGeometry(QRect(QPoint(0, 60), plain->sizeHint()));
    window.resize(200, 120);
    window.show();
    QApplication::setActiveWindow(&window);
    const auto shot = [](QWidget* w) {
        QImage img(w->size(), QImage::Format_ARGB32_Premultiplied);
        img.fill(palette::ink());
        w->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
        return img;
    };
    const auto gold = [](QColor c) { return std::abs(c.red() - palette::gold().red()) < 40 && c.blue() < 140 && c.red() > 150; };

    plain->setFocus(Qt::TabFocusReason);
    QImage img = shot(hand);
    const QColor face = img.pixelColor(HandButton::kRingMargin + 4, img.height() / 2);
    EXPECT_LT(face.lightnessF(), 0.35) << face.name().toStdString();
    int lit = 0; // paper text on the face
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            lit += img.pixelColor(x, y).lightnessF() > 0.6;
    EXPECT_GT(lit, 10);
    EXPECT_FALSE(gold(img.pixelColor(1, img.height() / 2)));
    hand->setFocus(Qt::TabFocusReason);
    img = shot(hand);
    EXPECT_TRUE(gold(img.pixelColor(1, img.height() / 2))) << img.pixelColor(1, img.height() / 2).name().toStdString();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(hand)->text(QAccessible::Name), QStringLiteral("Back"));

    img = shot(plain);
    EXPECT_LT(img.pixelColor(1, img.height() / 2).lightnessF(), 0.2); // no chrome: the ink shows
    plain->setFocus(Qt::TabFocusReason);
    img = shot(plain);
    EXPECT_TRUE(gold(img.pixelColor(1, img.height() / 2)));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(plain)->text(QAccessible::Name), QStringLiteral("English"));
    QApplication::setPalette(saved);
}

TEST(SettingsRows, DisclosureStatusAndRows)
{
    Motion m;
    auto* inner = new QLabel(QStringLiteral("Inside"));
    RowDisclosure d(QStringLiteral("Use your own model"), inner, m.context);
    d.show();
    std::vector<bool> seen;
    QObject::connect(&d, &RowDisclosure::expandedChanged, [&](bool e) { seen.push_back(e); });
    EXPECT_FALSE(d.isExpanded());
    EXPECT_FALSE(inner->isVisible());
    QTest::mouseClick(d.header(), Qt::LeftButton);
    m.clock.advance(Millis(100));
    EXPECT_LT(inner->maximumHeight(), inner->sizeHint().height()); // half-way
    m.clock.advance(Millis(200));
    EXPECT_TRUE(inner->isVisible());
    EXPECT_EQ(inner->maximumHeight(), QWIDGETSIZE_MAX);
    d.setExpanded(false); // from outside
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));

    SettingRow plain(QStringLiteral("Title"), QString(), new QLabel(QStringLiteral("x")));
    EXPECT_EQ(plain.detailLabel(), nullptr);

    StatusLine s(m.context);
    s.resize(120, 40);
    s.setStatus(ProviderStatus::unavailable(QStringLiteral(
        "The server did not answer at the address you gave. Check that it is running, then try again.")));
    EXPECT_EQ(s.heightForWidth(120), s.heightForWidth(60)); // cut after the second line
    s.setStatus(ProviderStatus::checking());
    EXPECT_EQ(s.accessibleName(), ProviderStatus::checking().label());
}
