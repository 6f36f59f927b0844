#include "field/AXElement.h"

#include "platform/Screen.h"

#include <QPointF>
#include <QSizeF>

namespace tq {

namespace axvalue {

std::optional<QRectF> rect(const QVariant& v)
{
    if (v.metaType() != QMetaType::fromType<QRectF>())
        return std::nullopt;
    return v.toRectF();
}

std::optional<AXTextMarker> marker(const QVariant& v)
{
    if (v.metaType() != QMetaType::fromType<AXTextMarker>())
        return std::nullopt;
    return v.value<AXTextMarker>();
}

std::optional<AXTextMarkerRange> markerRange(const QVariant& v)
{
    if (v.metaType() != QMetaType::fromType<AXTextMarkerRange>())
        return std::nullopt;
    return v.value<AXTextMarkerRange>();
}

std::optional<AXElement> element(const QVariant& v, const ScreenGeometry& screen)
{
    if (v.metaType() != QMetaType::fromType<AccessibilityElement>())
        return std::nullopt;
    const auto e = v.value<AccessibilityElement>();
    if (e.isNull())
        return std::nullopt;
    return AXElement(e, screen);
}

} // namespace axvalue

std::optional<QString> AXElement::string(const QString& attribute) const
{
    const QVariant v = this->attribute(attribute);
    if (v.metaType() != QMetaType::fromType<QString>())
        return std::nullopt;
    return v.toString();
}

std::optional<qint64> AXElement::integer(const QString& attribute) const
{
    const QVariant v = this->attribute(attribute);
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return v.toLongLong();
    case QMetaType::Double:
        return qint64(v.toDouble());
    default:
        return std::nullopt;
    }
}

std::optional<AXElement> AXElement::element(const QString& attribute) const
{
    if (!screen_)
        return std::nullopt;
    return axvalue::element(this->attribute(attribute), *screen_);
}

std::optional<QUrl> AXElement::url(const QString& attribute) const
{
    const QVariant v = this->attribute(attribute);
    if (v.metaType() == QMetaType::fromType<QUrl>())
        return v.toUrl();
    if (v.metaType() == QMetaType::fromType<QString>()) {
        const QUrl u(v.toString(), QUrl::StrictMode);
        if (u.isValid() && !v.toString().isEmpty())
            return u;
    }
    return std::nullopt;
}

std::optional<AXRange> AXElement::range(const QString& attribute) const
{
    const QVariant v = this->attribute(attribute);
    if (v.metaType() != QMetaType::fromType<AXRange>())
        return std::nullopt;
    return v.value<AXRange>();
}

std::optional<QRectF> AXElement::frame() const
{
    const QVariant p = attribute(QString::fromLatin1(ax::kPosition));
    if (p.metaType() != QMetaType::fromType<QPointF>())
        return std::nullopt;
    const QVariant s = attribute(QString::fromLatin1(ax::kSize));
    if (s.metaType() != QMetaType::fromType<QSizeF>())
        return std::nullopt;
    return appKitRect(QRectF(p.toPointF(), s.toSizeF()));
}

std::optional<QString> AXElement::string(AXRange forRange) const
{
    const QVariant v = parameterized(QString::fromLatin1(ax::kStringForRange), QVariant::fromValue(forRange));
    if (v.metaType() != QMetaType::fromType<QString>())
        return std::nullopt;
    return v.toString();
}

std::optional<QRectF> AXElement::bounds(AXRange forRange) const
{
    const auto r = axvalue::rect(parameterized(QString::fromLatin1(ax::kBoundsForRange), QVariant::fromValue(forRange)));
    if (!r || !(r->height() > 0))
        return std::nullopt;
    return appKitRect(*r);
}

std::optional<AXAttributedString> AXElement::attributedString(AXRange forRange) const
{
    const QVariant v = parameterized(QString::fromLatin1(ax::kAttributedStringForRange), QVariant::fromValue(forRange));
    if (v.metaType() != QMetaType::fromType<AXAttributedString>())
        return std::nullopt;
    return v.value<AXAttributedString>();
}

QRectF AXElement::appKitRect(const QRectF& rect, const ScreenGeometry& screen)
{
    return screen::fromAccessibility(rect, screen);
}

QRectF AXElement::appKitRect(const QRectF& rect) const
{
    if (!screen_)
        return QRectF(rect.x(), -(rect.y() + rect.height()), rect.width(), rect.height());
    return screen::fromAccessibility(rect, *screen_);
}

} // namespace tq
