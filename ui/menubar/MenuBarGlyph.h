#pragma once
// The tray item's glyph drawn in code: a caret with a typed bar before it and, after it, the
// state's mark (two fading ghost bars while active, pause bars while paused, an exclamation
// mark when something needs attention). Drawn light with a dark rim so it reads on light and
// dark panels alike, at whatever size and pixel ratio the tray host asks for.

#include "ui/menubar/MenuState.h"

#include <QIcon>
#include <QImage>
#include <QRectF>

#include <vector>

namespace tq::menu {

// One rounded rectangle of the glyph, in points of its 24 × 16 box.
struct GlyphPiece {
    QRectF rect;
    double radius = 0;
    double alpha = 1;
};

constexpr double kGlyphWidth = 24;
constexpr double kGlyphHeight = 16;

// Every piece of a variant in drawing order.
std::vector<GlyphPiece> glyphPieces(GlyphVariant variant);

// The glyph centred in a square of `side` device pixels.
QImage renderGlyph(GlyphVariant variant, int side);

// The square sizes, in device pixels, the glyph is drawn at for tray hosts.
const QList<int>& glyphSizes();

// The icon of each variant, made once and kept for the run.
const QIcon& glyphIcon(GlyphVariant variant);

} // namespace tq::menu
