#include "field/AXElement.h"
#include "platform/fakes/FakeAccessibility.h"
#include "platform/fakes/FakeScreen.h"

#include <QPointF>
#include <QSizeF>
#include <gtest/gtest.h>

using namespace tq;

namespace {
QString attr(const char* n) { return QString::fromLatin1(n); }
}

TEST(AXElement, FlipsAccessibilityRectanglesToTheBottomLeftSpace)
{
    FakeScreenGeometry screen(QRectF(0, 0, 1440, 900));
    EXPECT_EQ(AXElement::appKitRect(QRectF(100, 50, 200, 20), screen), QRectF(100, 830, 200, 20));
    screen.frame = QRectF();
    EXPECT_EQ(AXElement::appKitRect(QRectF(100, 50, 200, 20), screen), QRectF(100, -70, 200, 20));
}

TEST(AXElement, ReadsTypedValuesAndTreatsOtherTypesAsAbsent)
{
    FakeScreenGeometry screen(QRectF(0, 0, 1440, 900));
    auto e = makeFakeElement(1, attr(ax::kTextField));
    e->attributes[attr(ax::kTitle)] = QStringLiteral("Title");
    e->attributes[attr(ax::kNumberOfCharacters)] = qint64(12);
    e->attributes[attr(ax::kURL)] = QStringLiteral("https://www.example.org/a");
    e->attributes[QStringLiteral("AXNumberURL")] = 5;
    AXElement el(e->element(), screen);
    EXPECT_EQ(el.string(attr(ax::kTitle)), QStringLiteral("Title"));
    EXPECT_FALSE(el.string(attr(ax::kNumberOfCharacters)));
    EXPECT_EQ(el.integer(attr(ax::kNumberOfCharacters)), 12);
    EXPECT_FALSE(el.integer(attr(ax::kTitle)));
    EXPECT_EQ(el.url(attr(ax::kURL))->host(), QStringLiteral("www.example.org"));
    EXPECT_FALSE(el.url(QStringLiteral("AXNumberURL")));
    EXPECT_FALSE(el.element(attr(ax::kParent)));
    EXPECT_FALSE(AXElement().string(attr(ax::kTitle)));
}

TEST(AXElement, FrameNeedsPositionAndSize)
{
    FakeScreenGeometry screen(QRectF(0, 0, 1440, 900));
    auto e = makeFakeElement(1, attr(ax::kTextField));
    e->attributes[attr(ax::kPosition)] = QPointF(100, 50);
    AXElement el(e->element(), screen);
    EXPECT_FALSE(el.frame());
    e->attributes[attr(ax::kSize)] = QSizeF(200, 20);
    EXPECT_EQ(el.frame(), QRectF(100, 830, 200, 20));
}

TEST(AXElement, BoundsOfZeroHeightAreAbsent)
{
    FakeScreenGeometry screen(QRectF(0, 0, 1440, 900));
    auto e = makeFakeElement(1, attr(ax::kTextField));
    e->text = QStringLiteral("abc");
    e->boundsFor = [](AXRange r) -> std::optional<QRectF> {
        return r.length == 0 ? QRectF(10, 10, 0, 0) : QRectF(10, 10, 8, 16);
    };
    AXElement el(e->element(), screen);
    EXPECT_FALSE(el.bounds({3, 0}));
    EXPECT_EQ(el.bounds({2, 1}), QRectF(10, 874, 8, 16));
}
