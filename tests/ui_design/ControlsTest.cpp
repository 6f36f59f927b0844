#include "platform/fakes/FakeReduceMotion.h"
#include "platform/fakes/FakeKeyLayout.h"
#include "ui/design/Backdrop.h"
#include "ui/design/Buttons.h"
#include "ui/design/Decoration.h"
#include "ui/design/HandToggle.h"
#include "ui/design/Keycap.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Shapes.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"

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

// Long titles and names give way in their middle, never at both ends of one word: whole words
// first, then letters as the reader sees them.
TEST(Text, ANamePartGivesWayByWholeWordsThenByGraphemes)
{
    const QString acute = QStringLiteral("e\u0301");
    const struct {
        QString whole, part;
        int most; // longest text that fits, in UTF-16 units
        QString shown;
    } rows[] = {
        {"Quit Alpha Beta", "Alpha Beta", 20, "Quit Alpha Beta"},
        {"Quit Alpha Beta Gamma Delta now", "Alpha Beta Gamma Delta", 24, QString::fromUtf8("Quit Alpha … Delta now")},
        {"Quit Zugriffsverwaltung now", "Zugriffsverwaltung", 16, QString::fromUtf8("Quit Zug…ung now")},
        {"Quit " + acute.repeated(6), acute.repeated(6), 10, "Quit " + acute + QChar(0x2026) + acute},
        {"Quit Alpha Beta", "Alpha Beta", 3, QString::fromUtf8("Quit …")},
        {"Quit Alpha", "Omega", 3, "Quit Alpha"}, // not a part of it: left alone
    };
    for (const auto& r : rows) {
        const QString shown = shortenPart(r.whole, r.part, [&](const QString& s) { return s.size() <= r.most; });
        EXPECT_EQ(shown, r.shown) << r.whole.toStdString() << " " << r.most;
    }
}

TEST(PrimaryButton, ALongTitleWrapsWholeAndOneOverLongWordKeepsBothEnds)
{
    Motion m;
    const struct {
        const char* title;
        int width;
        bool whole;
    } rows[] = {
        {"Разрешить доступ к специальным возможностям…", 180, true},
        {"Zugriffsberechtigungsverwaltungsprogrammeinstellungen", 120, false},
    };
    for (const auto& r : rows) {
        const QString title = QString::fromUtf8(r.title);
        PrimaryButton b(title, m.context);
        b.setMaxLines(3);
        b.resize(r.width, b.heightForWidth(r.width));
        const QStringList lines = b.shownLines();
        const QString shown = lines.join(QLatin1Char(' '));
        EXPECT_LE(lines.size(), 3) << shown.toStdString();
        const auto bare = [](QString s) { return s.remove(QLatin1Char(' ')); };
        if (r.whole) {
            EXPECT_EQ(bare(lines.join(QString())), bare(title)) << shown.toStdString();
            continue;
        }
        const QString kept = bare(shown);
        const qsizetype cut = kept.indexOf(QChar(0x2026));
        ASSERT_GT(cut, 0) << shown.toStdString();
        EXPECT_TRUE(title.startsWith(kept.left(cut))) << shown.toStdString();
        EXPECT_GT(kept.size() - cut - 1, 0) << "its end stays too: " << shown.toStdString();
        EXPECT_TRUE(title.endsWith(kept.mid(cut + 1))) << shown.toStdString();
    }
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
    s.setStatus(StatusView{StatusView::Kind::unavailable,
                           QStringLiteral("The server did not answer at the address you gave. Check that it is running, then try again.")});
    EXPECT_EQ(s.heightForWidth(120), s.heightForWidth(60)); // cut after the second line
    s.setStatus(StatusView{StatusView::Kind::checking, QStringLiteral("Checking…")});
    EXPECT_EQ(s.accessibleName(), QStringLiteral("Checking…"));
}

namespace {
// Where the pixels `match` picks sit, as a fraction of the width from the leading end.
template <typename Match>
double fromLeading(QWidget& w, Match match)
{
    QImage img(w.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    w.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    double sum = 0;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 200 && match(img.pixelColor(x, y))) {
                sum += x + 0.5;
                ++n;
            }
    if (n == 0)
        return -1;
    const double at = sum / n / w.width();
    return w.layoutDirection() == Qt::RightToLeft ? 1 - at : at;
}

class Mirrored : public ::testing::TestWithParam<Qt::LayoutDirection> {};
} // namespace

// Painted controls with a direction follow the layout direction: the switch sits at the trailing
// end and its knob goes there when on; chevron, status symbol and progress fill start at the
// leading end. Clicks and keys do the same either way.
TEST_P(Mirrored, SwitchChevronStatusAndProgressFollowTheLayoutDirection)
{
    Motion m;
    m.reduce.set(true);
    QWidget window;
    window.setLayoutDirection(GetParam());
    window.resize(360, 300);
    const auto white = [](const QColor& c) { return c.lightnessF() > 0.95; };

    auto* toggle = new SettingToggle(QStringLiteral("Start at login"), QString(), m.context, &window);
    toggle->setGeometry(0, 0, 360, 40);
    window.show();
    const QRectF sw = toggle->switchRect();
    const double switchAt = GetParam() == Qt::RightToLeft ? 1 - sw.center().x() / 360 : sw.center().x() / 360;
    EXPECT_GT(switchAt, 0.85);
    const QRect label(toggle->titleLabel()->mapTo(toggle, QPoint(0, 0)), toggle->titleLabel()->size());
    EXPECT_FALSE(label.intersects(sw.toAlignedRect()));
    // The knob within the switch: leading end off, trailing end on.
    const double switchLead = GetParam() == Qt::RightToLeft ? 1 - sw.right() / 360 : sw.left() / 360;
    const double knobOff = (fromLeading(*toggle, white) - switchLead) * 360 / sw.width();
    QTest::mouseClick(toggle, Qt::LeftButton, {}, label.center()); // the label toggles
    ASSERT_TRUE(toggle->isChecked());
    const double knobOn = (fromLeading(*toggle, white) - switchLead) * 360 / sw.width();
    EXPECT_LT(knobOff, 0.4) << knobOff;
    EXPECT_GT(knobOn, 0.6) << knobOn;
    toggle->setFocus();
    QTest::keyClick(toggle, Qt::Key_Space);
    EXPECT_FALSE(toggle->isChecked());

    // The chevron at the leading end, the title after it.
    RowDisclosure disclosure(QStringLiteral("Use"), new QLabel(QStringLiteral("Inside")), m.context, &window);
    disclosure.setGeometry(0, 50, 360, 60);
    disclosure.show();
    const double dim = fromLeading(*disclosure.header(), [](const QColor& c) { return c.lightnessF() > 0.3; });
    EXPECT_GT(dim, 0.0);
    EXPECT_LT(dim, 0.15);

    StatusLine status(m.context, &window);
    status.setGeometry(0, 120, 360, 20);
    status.setStatus(StatusView{StatusView::Kind::ready, QStringLiteral("Ready")});
    status.show();
    const double green = fromLeading(status, [](const QColor& c) { return c.green() > c.red() + 60 && c.green() > c.blue() + 30; });
    EXPECT_GE(green, 0.0);
    EXPECT_LT(green, 0.06);

    InkProgressBar bar(6, m.context, &window);
    bar.setGeometry(0, 150, 360, 10);
    bar.setValue(0.3);
    bar.show();
    m.clock.advance(Millis(1500)); // the value's spring has settled
    const double gold = fromLeading(bar, [](const QColor& c) { return c.red() > 180 && c.blue() < 140; });
    EXPECT_GT(gold, 0.0);
    EXPECT_LT(gold, 0.2);
}

INSTANTIATE_TEST_SUITE_P(Directions, Mirrored, ::testing::Values(Qt::LeftToRight, Qt::RightToLeft));

TEST(Accessibility, AGroupIsReadOnceAndADecorationNotAtAll)
{
    QWidget window;
    auto* group = new QWidget(&window);
    new QLabel(QStringLiteral("12"), group);
    new QLabel(QStringLiteral("day streak"), group);
    groupForAccessibility(group, QStringLiteral("12 day streak"));
    auto* mark = new QWidget(&window);
    markDecorative(mark);
    window.show();

    QAccessibleInterface* g = QAccessible::queryAccessibleInterface(group);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->childCount(), 0);
    EXPECT_EQ(g->text(QAccessible::Name), QStringLiteral("12 day streak"));
    QAccessibleInterface* m = QAccessible::queryAccessibleInterface(mark);
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->state().invisible);
}
