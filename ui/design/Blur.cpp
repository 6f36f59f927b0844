#include "ui/design/Blur.h"

#include <QHash>
#include <QPainter>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tq::blur {

namespace {

// Box widths whose three passes come closest to a Gaussian of deviation sigma.
void boxWidths(double sigma, int out[3])
{
    const int n = 3;
    const double ideal = std::sqrt(12 * sigma * sigma / n + 1);
    int wl = int(std::floor(ideal));
    if (wl % 2 == 0)
        --wl;
    wl = std::max(wl, 1);
    const int wu = wl + 2;
    const double mIdeal = (12 * sigma * sigma - n * wl * wl - 4 * n * wl - 3 * n) / (-4.0 * wl - 4);
    const int m = int(std::lround(mIdeal));
    for (int i = 0; i < n; ++i)
        out[i] = i < m ? wl : wu;
}

// One box pass over a line of `count` pixels (contiguous in `src`, `stride` apart in `dst`);
// outside the line is clear.
void boxLine(const quint32* src, quint32* dst, int count, int stride, int r)
{
    const int w = 2 * r + 1;
    const quint32 half = quint32(w / 2);
    quint32 s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    auto add = [&](quint32 px) {
        s0 += px & 0xff;
        s1 += (px >> 8) & 0xff;
        s2 += (px >> 16) & 0xff;
        s3 += px >> 24;
    };
    auto sub = [&](quint32 px) {
        s0 -= px & 0xff;
        s1 -= (px >> 8) & 0xff;
        s2 -= (px >> 16) & 0xff;
        s3 -= px >> 24;
    };
    for (int j = 0; j <= r && j < count; ++j)
        add(src[j]);
    for (int i = 0; i < count; ++i) {
        dst[size_t(i) * stride] = ((s0 + half) / w) | (((s1 + half) / w) << 8) | (((s2 + half) / w) << 16) |
                                  (((s3 + half) / w) << 24);
        const int in = i + r + 1;
        if (in < count)
            add(src[in]);
        const int out = i - r;
        if (out >= 0)
            sub(src[out]);
    }
}

struct Cached {
    QImage image;
    QSizeF size;
    double radius = 0;
    double dpr = 1;
};

QHash<QString, Cached>& cache()
{
    static QHash<QString, Cached> c;
    return c;
}

double deviceRatio(const QPainter& painter)
{
    // In quarter steps, so that a slowly changing scale (a push-in) does not make the cached
    // layers again on every frame.
    const QPaintDevice* d = painter.device();
    const double scale = std::hypot(painter.deviceTransform().m11(), painter.deviceTransform().m12());
    const double ratio = std::clamp((d ? d->devicePixelRatioF() : 1.0) * std::max(scale, 0.5), 0.5, 4.0);
    return std::ceil(ratio * 4 - 1e-6) / 4;
}

} // namespace

double reach(double radius)
{
    return std::ceil(std::max(radius, 0.0) * 3);
}

void blurInPlace(QImage& image, double radiusPixels)
{
    if (radiusPixels <= 0.2 || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width(), h = image.height();
    const int stride = int(image.bytesPerLine() / 4);
    int boxes[3];
    boxWidths(radiusPixels, boxes);
    auto* px = reinterpret_cast<quint32*>(image.bits());
    std::vector<quint32> line(size_t(std::max(w, h)));
    for (int b : boxes) {
        const int r = (b - 1) / 2;
        if (r <= 0)
            continue;
        for (int y = 0; y < h; ++y) {
            quint32* row = px + size_t(y) * stride;
            std::copy(row, row + w, line.begin());
            boxLine(line.data(), row, w, 1, r);
        }
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y < h; ++y)
                line[size_t(y)] = px[size_t(y) * stride + x];
            boxLine(line.data(), px + x, h, stride, r);
        }
    }
}

QImage blurredCopy(const QImage& image, double radius, double downscale)
{
    const double dpr = image.devicePixelRatioF();
    const double k = 1 / std::max(downscale, 1.0);
    QImage small = k < 1 ? image.scaled((QSizeF(image.size()) * k).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    small = small.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    blurInPlace(small, radius * dpr * k);
    small.setDevicePixelRatio(dpr * k);
    return small;
}

namespace {
QImage makeLayer(const QSizeF& size, double radius, double dpr, const std::function<void(QPainter&)>& draw)
{
    const double pad = reach(radius);
    const QSize px = ((size + QSizeF(2 * pad, 2 * pad)) * dpr).toSize().expandedTo(QSize(1, 1));
    QImage img(px, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter ip(&img);
        ip.setRenderHint(QPainter::Antialiasing);
        ip.scale(dpr, dpr);
        ip.translate(pad, pad);
        draw(ip);
    }
    blurInPlace(img, radius * dpr);
    img.setDevicePixelRatio(dpr);
    return img;
}
} // namespace

void drawBlurred(QPainter& painter, const QRectF& rect, double radius, const std::function<void(QPainter&)>& draw,
                 double downscale)
{
    if (radius <= 0.05) {
        draw(painter);
        return;
    }
    const double dpr = deviceRatio(painter) / std::max(downscale, 1.0);
    const double pad = reach(radius);
    const QImage img = makeLayer(rect.size(), radius, dpr, [&](QPainter& ip) {
        ip.translate(-rect.topLeft());
        draw(ip);
    });
    painter.drawImage(QRectF(rect.topLeft() - QPointF(pad, pad), rect.size() + QSizeF(2 * pad, 2 * pad)), img);
}

void drawCached(QPainter& painter, const QString& key, const QPointF& topLeft, const QSizeF& size, double radius,
                const std::function<void(QPainter&)>& draw)
{
    const double dpr = deviceRatio(painter);
    Cached& c = cache()[key + QLatin1Char('@') + QString::number(dpr)];
    if (c.image.isNull() || c.size != size || !qFuzzyCompare(c.radius + 1, radius + 1) || !qFuzzyCompare(c.dpr, dpr)) {
        c.image = makeLayer(size, radius, dpr, draw);
        c.size = size;
        c.radius = radius;
        c.dpr = dpr;
    }
    const double pad = reach(radius);
    painter.drawImage(QRectF(topLeft - QPointF(pad, pad), size + QSizeF(2 * pad, 2 * pad)), c.image);
}

void shadow(QPainter& painter, const QString& key, const QPainterPath& shape, const QColor& colour, double radius,
            const QPointF& offset)
{
    const QRectF b = shape.boundingRect();
    const QString k = key + QLatin1Char('/') + colour.name(QColor::HexArgb);
    drawCached(painter, k, b.topLeft() + offset, b.size(), radius, [&](QPainter& ip) {
        ip.setPen(Qt::NoPen);
        ip.setBrush(colour);
        ip.drawPath(shape.translated(-b.topLeft()));
    });
}

} // namespace tq::blur
