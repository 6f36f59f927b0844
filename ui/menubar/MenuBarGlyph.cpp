#include "ui/menubar/MenuBarGlyph.h"

#include "platform/Text.h"
#include "look/Palette.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace tq::menu {

std::vector<GlyphPiece> glyphPieces(GlyphVariant variant)
{
    std::vector<GlyphPiece> pieces = {
        {{0.5, 6.3, 7.0, 3.4}, 1.7, 1},    // typed bar
        {{8.75, 1.6, 1.7, 12.8}, 0.85, 1}, // caret stem
        {{7.3, 1.0, 4.6, 1.6}, 0.8, 1},    // caret serifs
        {{7.3, 13.4, 4.6, 1.6}, 0.8, 1},
    };
    switch (variant) {
    case GlyphVariant::active:
        pieces.push_back({{12.4, 6.3, 5.4, 3.4}, 1.7, 0.5});
        pieces.push_back({{18.8, 6.3, 4.3, 3.4}, 1.7, 0.3});
        break;
    case GlyphVariant::paused:
        pieces.push_back({{14.6, 4.2, 2.2, 7.6}, 1.1, 1});
        pieces.push_back({{19.0, 4.2, 2.2, 7.6}, 1.1, 1});
        break;
    case GlyphVariant::attention:
        pieces.push_back({{16.4, 1.8, 2.4, 8.6}, 1.2, 1});
        pieces.push_back({{16.4, 11.6, 2.4, 2.4}, 1.2, 1});
        break;
    }
    return pieces;
}

QImage renderGlyph(GlyphVariant variant, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (side <= 0)
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = side / kGlyphWidth;
    p.translate(0, (side - kGlyphHeight * scale) / 2);
    p.scale(scale, scale);
    // The rim: one device pixel (at least) around every piece.
    const double rim = std::max(1.0, side / 22.0) / scale;
    const QColor rimColour = palette::withOpacity(palette::ink(), 0.7);
    for (const GlyphPiece& piece : glyphPieces(variant)) {
        QPainterPath path;
        path.addRoundedRect(piece.rect, piece.radius, piece.radius);
        p.setOpacity(piece.alpha);
        p.setPen(QPen(rimColour, rim * 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    for (const GlyphPiece& piece : glyphPieces(variant)) {
        QPainterPath path;
        path.addRoundedRect(piece.rect, piece.radius, piece.radius);
        // Replaces the rim under the piece, so a faint piece keeps its own strength.
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.setOpacity(1);
        p.setPen(Qt::NoPen);
        p.setBrush(palette::withOpacity(palette::paper(), piece.alpha));
        p.drawPath(path);
    }
    return image;
}

namespace {
// Draws the glyph at the size asked for, keeping each size once drawn.
class GlyphEngine final : public QIconEngine {
public:
    explicit GlyphEngine(GlyphVariant variant) : variant_(variant) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const double dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const int side = qRound(std::min(rect.width(), rect.height()) * dpr);
        QImage image = image_(side);
        image.setDevicePixelRatio(dpr);
        const QSizeF logical(side / dpr, side / dpr);
        painter->drawImage(QRectF(rect.center() - QPointF(logical.width(), logical.height()) / 2 + QPointF(0.5, 0.5), logical), image);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return QPixmap::fromImage(image_(std::min(size.width(), size.height())));
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        // `size` is in device pixels already.
        QPixmap pm = QPixmap::fromImage(image_(std::min(size.width(), size.height())));
        pm.setDevicePixelRatio(scale);
        return pm;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : glyphSizes())
            sizes.append({side, side});
        return sizes;
    }
    QString iconName() override { return appName(); }
    QIconEngine* clone() const override { return new GlyphEngine(variant_); }
    QString key() const override { return QStringLiteral("tq-menubar-glyph"); }

private:
    QImage image_(int side)
    {
        auto it = cache_.find(side);
        if (it == cache_.end())
            it = cache_.insert(side, renderGlyph(variant_, side));
        return *it;
    }
    GlyphVariant variant_;
    QHash<int, QImage> cache_;
};
} // namespace

const QList<int>& glyphSizes()
{
    static const QList<int> sides = {16, 22, 24, 32, 48, 64};
    return sides;
}

const QIcon& glyphIcon(GlyphVariant variant)
{
    static const std::array<QIcon, 3> icons = {QIcon(new GlyphEngine(GlyphVariant::active)),
                                               QIcon(new GlyphEngine(GlyphVariant::paused)),
                                               QIcon(new GlyphEngine(GlyphVariant::attention))};
    return icons[static_cast<int>(variant)];
}

} // namespace tq::menu
