#pragma once
// The menu panel's own controls: full-width rows, the pause and resume pills, the warning
// card and the status dot. Painted widgets
// with accessible names; they know nothing of the model, callers pass texts and actions in.

#include "ui/design/Buttons.h"

#include <QAbstractButton>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QWidget>

#include <functional>
#include <optional>


namespace tq::menu {

// Shared press feedback: the face shrinks to 0.97 while pressed, hover and press fading over
// 0.12 s; pointing-hand pointer.
class PressButton : public PaintedButton {
    Q_OBJECT
public:
    explicit PressButton(MotionContext& motion, QWidget* parent = nullptr);

protected:
    // 0..1, the hover fade (or 1 while the keyboard focus is here).
    double hot() const { return hasFocus() ? 1.0 : hoverAmount(); }
    // Applies the press scale about the centre.
    void applyPress(QPainter& p) const;
    Animation pressAnimation() const override;
    // The panel's press has one form, with Reduce Motion on or off.
    bool pressAnimatesUnderReduceMotion() const override { return true; }
};

// One full-width row: symbol, title, optional shortcut text at the trailing edge.
class PanelRow final : public PressButton {
    Q_OBJECT
public:
    PanelRow(const QString& symbol, const QString& title, const QString& shortcut, MotionContext& motion,
             QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString symbol_;
    QString shortcut_;
};

// A pause offer (outlined, opens the duration menu) or a resume offer (filled gold).
class PillButton final : public PressButton {
    Q_OBJECT
public:
    PillButton(const QString& symbol, const QString& title, bool lit, MotionContext& motion, QWidget* parent = nullptr);
    bool lit() const { return lit_; }
    // The width that shows the whole title.
    int fullWidth() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A pause offer's chosen duration (none: until resumed).
    void durationChosen(std::optional<double> seconds);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void openMenu();
    QString symbol_;
    bool lit_;
};

// An orange card with a wrapping message and one button, whose long title wraps over up to
// three lines rather than leave the card. The frame itself is not read: its message is.
class AttentionCard final : public QWidget {
    Q_OBJECT
public:
    explicit AttentionCard(MotionContext& motion, QWidget* parent = nullptr);
    // `names`, a part of `button`, gives way first when the title is too long for two lines.
    void set(const QString& text, const QString& button, const QString& names = {});
    QLabel* label() const { return label_; }
    PrimaryButton* button() const { return button_; }

signals:
    void triggered();

protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* event) override;

private:
    void followDirection();
    QLabel* label_;
    PrimaryButton* button_;
};

// Today's count: a change rolls the digits that differ (the old ones up and out, the new ones
// in from below) on the shared spring.
class CountLabel final : public QLabel {
    Q_OBJECT
public:
    CountLabel(MotionContext& motion, QWidget* parent = nullptr);
    void setCount(qint64 value, const QString& text);
    bool isRolling() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MotionContext& motion_;
    AnimatedValue roll_;
    FrameDriver driver_;
    QString old_;
    qint64 value_ = -1;
    bool up_ = true;
};

class StatusDot final : public QWidget {
    Q_OBJECT
public:
    explicit StatusDot(QWidget* parent = nullptr);
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor colour_;
};

} // namespace tq::menu
