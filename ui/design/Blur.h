#pragma once
// Real blurs: a Gaussian approximated by three box passes each way over an offscreen layer.
// A radius is the Gaussian's standard deviation in points. Soft pictures that do not change
// from frame to frame (halos, glows, shadows) are made once per key, size and radius.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace tq::blur {

// How far a blur of `radius` points spreads beyond the shape it blurs.
double reach(double radius);

// Blurs an ARGB32-premultiplied image in place; pixels outside count as clear.
void blurInPlace(QImage& image, double radiusPixels);

// `draw` painted into an offscreen layer covering `rect` grown by the blur's reach, blurred,
// then drawn. With `downscale` above 1 the layer is made at that fraction of the device's
// resolution, which costs less for wide radii and looks the same.
void drawBlurred(QPainter& painter, const QRectF& rect, double radius, const std::function<void(QPainter&)>& draw,
                 double downscale = 1);

// As drawBlurred, but the blurred layer is kept under `key` (with its size and radius) and
// made again only when one of them changes. `draw` paints in the local frame of `size`.
void drawCached(QPainter& painter, const QString& key, const QPointF& topLeft, const QSizeF& size, double radius,
                const std::function<void(QPainter&)>& draw);

// A soft shadow of `shape` in `colour`, blurred by `radius` and moved by `offset`; cached per
// shape size, so callers give a key that names the shape.
void shadow(QPainter& painter, const QString& key, const QPainterPath& shape, const QColor& colour, double radius,
            const QPointF& offset);

// An already painted picture (the whole window at its last frame) blurred by `radius` points.
QImage blurredCopy(const QImage& image, double radius, double downscale = 1);

} // namespace tq::blur
