#pragma once
// Deterministic bursts: ink drops that fly out, fall, stretch and fade, and gold confetti
// chosen by a seed. Each frame is a pure function of the time since the burst began.

#include <QColor>
#include <QList>
#include <QPointF>
#include <QSizeF>

#include <cstdint>
#include <vector>

class QPainter;

namespace tq {

struct InkDrops {
    int count = 30;
    double speedLow = 120;
    double speedHigh = 280;
    double lift = 90;
    double gravity = 520;
    double lifetime = 1.0;
    QList<QColor> colors; // empty: the gold, paper and soft-gold defaults

    // One drop's place at time t (for tests and custom painters).
    struct Drop {
        QPointF position;
        double radius;   // current radius
        double stretch;  // length over width
        double heading;  // radians
        double opacity;
        QColor colour;
    };
    // Nothing outside 0 < t < lifetime.
    std::vector<Drop> at(const QPointF& origin, double t) const;
    void draw(QPainter& painter, const QPointF& origin, double t) const;

    static double hash(double i, double k);
};

// The confetti's random source: a seeded 64-bit linear congruential generator.
class ConfettiRandom {
public:
    explicit ConfettiRandom(std::int64_t seed);
    double next(); // in [0, 1)

private:
    std::uint64_t state_;
};

struct ConfettiFleck {
    double angle;
    double speed;
    double spin;
    double phase;
    double size;
    double delay;
    int colour; // 0..3
    bool round;
};

class GoldConfetti {
public:
    static constexpr int kCount = 110;
    static constexpr double kDuration = 2.4;

    explicit GoldConfetti(std::int64_t seed);
    const std::vector<ConfettiFleck>& flecks() const { return flecks_; }
    static QColor colour(int index);
    // One frame, t seconds after the start, over an area of `size`.
    void draw(QPainter& painter, const QSizeF& size, double t) const;

private:
    std::vector<ConfettiFleck> flecks_;
};

} // namespace tq
