#pragma once
// A typed, failure-to-none reader over one accessibility element, and the one conversion of
// its rectangles from the accessibility space (top-left origin) to the screen space
// (bottom-left origin of the primary screen, y upward).

#include "platform/Accessibility.h"

#include <QRectF>
#include <QString>
#include <QUrl>

#include <optional>

namespace tq {

class ScreenGeometry;

class AXElement {
public:
    AXElement() = default;
    // `screen` gives the primary screen's height for the flip to the screen space.
    AXElement(AccessibilityElement ref, const ScreenGeometry& screen) : ref(std::move(ref)), screen_(&screen) {}

    AccessibilityElement ref;

    bool isNull() const { return ref.isNull(); }
    explicit operator bool() const { return !ref.isNull(); }
    friend bool operator==(const AXElement& a, const AXElement& b) { return a.ref == b.ref; }

    std::optional<QString> string(const QString& attribute) const;
    std::optional<qint64> integer(const QString& attribute) const;
    std::optional<AXElement> element(const QString& attribute) const;
    std::optional<QUrl> url(const QString& attribute) const;
    std::optional<AXRange> range(const QString& attribute) const;
    // "AXPosition" and "AXSize", converted to the screen space.
    std::optional<QRectF> frame() const;

    std::optional<QString> string(AXRange forRange) const;
    // A box of positive height, converted to the screen space.
    std::optional<QRectF> bounds(AXRange forRange) const;
    std::optional<AXAttributedString> attributedString(AXRange forRange) const;

    // Raw access for the callers that handle their own value types.
    QVariant attribute(const QString& name) const { return ref ? ref->attribute(name) : QVariant(); }
    QVariant parameterized(const QString& name, const QVariant& parameter) const
    {
        return ref ? ref->parameterizedAttribute(name, parameter) : QVariant();
    }
    std::optional<bool> isSettable(const QString& name) const { return ref ? ref->isSettable(name) : std::nullopt; }
    bool set(const QString& name, const QVariant& value) const { return ref && ref->setAttribute(name, value); }
    void setMessagingTimeout(double seconds) const
    {
        if (ref)
            ref->setMessagingTimeout(seconds);
    }
    qint64 hash() const { return ref ? ref->hash() : 0; }
    qint64 processId() const { return ref ? ref->processId() : 0; }
    bool providesTextMarkers() const { return ref && ref->providesTextMarkers(); }

    // Accessibility space → screen space: x and size kept, y = H − (y + height) with H the
    // primary screen's height (0 without a screen), read at each call.
    static QRectF appKitRect(const QRectF& rect, const ScreenGeometry& screen);
    // The same over this element's screen (height 0 for an element made without one).
    QRectF appKitRect(const QRectF& rect) const;
    // The screen this element's rectangles are flipped over; null for an empty element.
    const ScreenGeometry* screen() const { return screen_; }

private:
    const ScreenGeometry* screen_ = nullptr;
};

// Value decoding shared by the readers.
namespace axvalue {
std::optional<QRectF> rect(const QVariant& v);
std::optional<AXTextMarker> marker(const QVariant& v);
std::optional<AXTextMarkerRange> markerRange(const QVariant& v);
std::optional<AXElement> element(const QVariant& v, const ScreenGeometry& screen);
} // namespace axvalue

} // namespace tq
