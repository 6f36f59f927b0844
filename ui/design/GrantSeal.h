#pragma once
// The round green seal with a white check that marks a granted permission. Asked to celebrate,
// it stays invisible until first shown, then stamps once (the disc swells in, the check draws
// itself, a ring bursts out) and calls onPlayed once. Under Reduce Motion the still seal fades
// in over 0.25 s instead.

#include "ui/design/Animation.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

namespace tq {

struct SealPhase {
    double disc = 1;
    double fill = 1;
    double check = 1;
    double ring = 1;
    double ringOpacity = 0;
};

// The stamp, t seconds after it began; the resting phase before 0 and after 0.92 s.
SealPhase sealPhaseAt(double t);
enum class SealParts { all, body, ring };
// Paints the seal of edge `size` centred in `box` (its ring may reach 1.8 times that).
void paintSeal(QPainter& painter, const QRectF& box, double size, const SealPhase& phase, SealParts parts = SealParts::all);

class GrantSeal final : public QWidget {
    Q_OBJECT
public:
    GrantSeal(double size, bool celebrate, std::function<void()> onPlayed, MotionContext& motion,
              QWidget* parent = nullptr);
    ~GrantSeal() override;
    SealPhase phase() const;
    double opacity() const;
    bool hasAppeared() const { return hidden_.has_value(); }
    int plays() const { return plays_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void appear();
    void followBurst(bool playing);
    double size_;
    bool celebrate_;
    std::function<void()> onPlayed_;
    MotionContext& motion_;
    FrameDriver driver_;
    AnimatedValue fade_;
    std::optional<bool> hidden_;
    int plays_ = 0;
    double started_ = 0;
    QPointer<QWidget> burst_;
};

} // namespace tq
