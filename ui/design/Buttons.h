#pragma once
// The raised ink-and-gold buttons and the card background. Every one shows the pointing hand;
// hover fades run with Reduce Motion on or off, press springs only with it off.

#include "ui/design/Animation.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QWidget>

#include <functional>

class QVBoxLayout;

namespace tq {

// The hover fade of every painted button (it runs under Reduce Motion too) and the choice
// card's press spring, for widgets that draw a button look of their own.
Animation buttonHoverFade();
Animation choiceCardPress();

// Hover and press values shared by the painted buttons.
class PaintedButton : public QAbstractButton {
    Q_OBJECT
public:
    PaintedButton(MotionContext& motion, QWidget* parent = nullptr);

    // 0..1: how far the hover fade and the press have gone.
    double hoverAmount() const { return hover_.value(); }
    double pressAmount() const { return press_.value(); }
    bool isHovering() const { return hovering_; }

protected:
    // The spring of the press; none under Reduce Motion unless the press animates the same
    // with it on.
    virtual Animation pressAnimation() const = 0;
    virtual bool pressAnimatesUnderReduceMotion() const { return false; }
    virtual bool showsPress() const { return isDown(); }
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    MotionContext& motion() const { return motion_; }
    void refreshPress();

private:
    void animate();
    MotionContext& motion_;
    AnimatedValue hover_;
    AnimatedValue press_;
    FrameDriver driver_;
    bool hovering_ = false;
};

// The gold call to action: a gold face on a darker gold ledge; pressing pushes the face down.
// A 3-point margin all round holds the focus ring.
class PrimaryButton final : public PaintedButton {
    Q_OBJECT
public:
    explicit PrimaryButton(const QString& text, MotionContext& motion, QWidget* parent = nullptr);
    // A title longer than the room wraps over up to `maxLines` lines, and gives way in its
    // middle when even that is too short; 1 (the default) keeps the button as wide as its title.
    void setMaxLines(int maxLines);
    // The part of the title (a list of names in it) that gives way before the rest does.
    void setShrinkablePart(const QString& part);
    // The title's lines as drawn at the current width.
    QStringList shownLines() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return maxLines_ > 1; }
    int heightForWidth(int width) const override;
    static constexpr int kRingMargin = 3;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    Animation pressAnimation() const override;
    bool showsPress() const override { return isDown() && isEnabled(); }

private:
    QStringList linesFor(int width) const;
    int heightFor(int lines) const;
    int maxLines_ = 1;
    QString part_;
    struct Lines {
        int width = -1;
        QString key;
        QStringList lines;
    };
    mutable Lines cache_;
};

// A selectable card for a choice among a few options. The caller's content goes into
// contentLayout(); its widgets let clicks through to the card.
class ChoiceCard final : public PaintedButton {
    Q_OBJECT
public:
    explicit ChoiceCard(MotionContext& motion, QWidget* parent = nullptr);
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }
    QVBoxLayout* contentLayout() const { return layout_; }
    // Adds a widget to the content, made transparent for the mouse.
    void addContent(QWidget* widget);

protected:
    void paintEvent(QPaintEvent* event) override;
    Animation pressAnimation() const override;
    bool event(QEvent* event) override;

private:
    QVBoxLayout* layout_;
    bool selected_ = false;
    int shift_ = 0;
};

// The choice card's look over `rect` (its ledge takes the bottom 2.5 points), for cards that
// lay out their own content.
struct ChoiceCardLook {
    bool selected = false;
    double hover = 0; // 0..1
    double press = 0; // 0..1: the face sinks 2 points onto its ledge
    bool focused = false;
};
void paintChoiceCard(QPainter& painter, const QRectF& rect, const ChoiceCardLook& look);

// No chrome: whatever `paintLabel` draws shrinks to 0.94 while pressed.
class MarkButton final : public PaintedButton {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&, const QRectF&)>;
    MarkButton(MotionContext& motion, Painter paintLabel, QSize size, QWidget* parent = nullptr);
    QSize sizeHint() const override { return size_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    Animation pressAnimation() const override;

private:
    Painter paint_;
    QSize size_;
};

// How a push button of the dark windows speaks.
enum class ButtonTone {
    standard,    // a raised ink face with a lit edge, paper text
    quiet,       // a faint white-wash capsule, no edge
    destructive, // the standard face with red text, for actions that cannot be undone
};

// The system's default push button as our dark windows show it, whatever the desktop's style:
// an ink face with a hairline edge and paper text, the pointing hand, and a gold focus ring in
// a 3-point margin all round.
class HandButton final : public QPushButton {
    Q_OBJECT
public:
    explicit HandButton(const QString& text, QWidget* parent = nullptr, ButtonTone tone = ButtonTone::standard);
    void setTone(ButtonTone tone);
    ButtonTone tone() const { return tone_; }
    // The title in the secondary colour (the text colour at 0.62), as a prompt.
    void setSecondaryText(bool secondary);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The face, inside the ring margin.
    QRectF faceRect() const;
    static constexpr int kRingMargin = 3;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    ButtonTone tone_;
    bool secondary_ = false;
};

// A plain button: only its label, in the button text colour, dimmed while pressed; the
// pointing hand and a gold focus ring.
class PlainButton : public QPushButton {
    Q_OBJECT
public:
    explicit PlainButton(const QString& text, QWidget* parent = nullptr);
    // Gold and underlined, as a link in running text.
    void showAsLink();
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The raised card behind content: ink-raised fill and a hairline border.
void paintCardBackground(QPainter& painter, const QRectF& rect, double radius);

class Card final : public QWidget {
    Q_OBJECT
public:
    explicit Card(double radius = 14, QWidget* parent = nullptr);
    QVBoxLayout* contentLayout() const { return layout_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double radius_;
    QVBoxLayout* layout_;
};

} // namespace tq
