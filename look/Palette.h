#pragma once
// The shared colours of every window and panel: ink backgrounds, paper text and the gold
// accent, plus the four shared animation curves. Each value is made once on first use and then
// reused. The overlay and the design system both draw with them.

#include <QColor>
#include <QEasingCurve>

namespace tq::palette {

// All colours are sRGB.
const QColor& ink();          // base background of every window and panel
const QColor& inkRaised();    // cards, tracks, choice cards, the practice field
const QColor& inkHighlight(); // selected rows
const QColor& hairline();     // white at opacity 0.09: thin borders on ink
const QColor& paper();        // primary text on ink
const QColor& paperDim();     // paper at opacity 0.62
const QColor& gold();         // the accent
const QColor& goldDeep();     // darker end of gold gradients
const QColor& plateTop();     // brand mark plate, top
const QColor& plateBottom();  // brand mark plate, bottom

// The platform's signal colours as the dark scheme shows them.
const QColor& green();
const QColor& orange();
const QColor& destructive(); // the red of actions that cannot be undone
const QColor& goldPale();    // the bright end of gold sparks and shines

// White over ink, in the strengths the controls use.
const QColor& washFaint();  // 0.04: hover of a quiet card
const QColor& washSoft();   // 0.07: row hover, empty dots, quiet button faces
const QColor& wash();       // 0.08: tracks, keycaps, unfilled bars
const QColor& washStrong(); // 0.12: edges that must show more than a hairline
const QColor& washBright(); // 0.16: scroll-bar handles, keycap edges

// A palette colour at another opacity (its own opacity multiplied by `opacity`).
QColor withOpacity(const QColor& colour, double opacity);

} // namespace tq::palette

namespace tq::motion {

// A timing curve: cubic Bézier easing over a duration.
struct Curve {
    QEasingCurve easing;
    int durationMs = 0;
};

// A spring: response (s), damping fraction and blend duration (s).
struct Spring {
    double response = 0;
    double dampingFraction = 0;
    double blendDuration = 0;
};

const Curve& quick();    // 0.12 s
const Curve& standard(); // 0.22 s
const Curve& slow();     // 0.34 s
const Spring& spring();  // response 0.34, damping 0.8

} // namespace tq::motion
