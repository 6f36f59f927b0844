#pragma once
// Small shared pieces of every window: hairline dividers, pills, a segmented control, a slider
// with its value labels, a spinner, bare layouts and a preference-bound toggle.

#include "ui/design/FrameClock.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QColor>
#include <QSlider>
#include <QWidget>

#include <functional>

class QButtonGroup;
class QLabel;

namespace tq {

class MotionContext;
class Preferences;

// A layout with no margins on `owner` (or a free one when owner is null), `spacing` apart.
QVBoxLayout* bareColumn(QWidget* owner = nullptr, int spacing = 0);
QHBoxLayout* bareRow(QWidget* owner = nullptr, int spacing = 0);

// A hairline across (horizontal) or down (vertical) its space, one pixel thick.
class Divider final : public QWidget {
    Q_OBJECT
public:
    explicit Divider(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr,
                     const QColor& colour = QColor());

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation orientation_;
    QColor colour_;
};

// A capsule with an optional symbol and a short text, both in `tint`, on `tint` at 0.12; or,
// solid, both in ink and bold on `tint` itself.
class Pill final : public QWidget {
    Q_OBJECT
public:
    enum class Fill { tinted, solid };
    Pill(const QString& text, const QColor& tint, const QString& symbol = QString(), QWidget* parent = nullptr,
         Fill fill = Fill::tinted);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QString symbol_;
    QColor tint_;
    Fill fill_;
};

// A row of exclusive segments: ink faces in one hairline frame, the chosen one gold. Each
// segment is a button of its own for the keyboard and screen readers.
class SegmentedControl final : public QWidget {
    Q_OBJECT
public:
    explicit SegmentedControl(const QString& accessibleName, QWidget* parent = nullptr);
    QAbstractButton* addSegment(const QString& text);
    void setCurrentIndex(int index);
    int currentIndex() const;
    int count() const;

signals:
    // Only when the user picks a segment.
    void chosen(int index);

private:
    QButtonGroup* group_;
    QHBoxLayout* row_;
};

// A slider that screen readers hear by what it shows: its value in the shown unit (position p
// is offset + p × perStep: 400 for "400 ms") and, as its description, the shown text.
class SpokenSlider final : public QSlider {
    Q_OBJECT
public:
    explicit SpokenSlider(QWidget* parent = nullptr);
    void speak(double offset, double perStep, std::function<QString(int)> text);
    double spokenValue(int position) const { return offset_ + perStep_ * position; }
    double perStep() const { return perStep_; }
    QString spokenText() const { return text_ ? text_(value()) : QString(); }

private:
    double offset_ = 0;
    double perStep_ = 1;
    std::function<QString(int)> text_;
};

// A slider between two words ("Focused" … "Loose"), or with its value on the trailing side.
class ValueSlider final : public QWidget {
    Q_OBJECT
public:
    ValueSlider(const QString& accessibleName, int minimum, int maximum, QWidget* parent = nullptr);
    SpokenSlider* slider() const { return slider_; }
    void setEndLabels(const QString& leading, const QString& trailing);
    // A trailing value of fixed width in tabular digits, made by `format` from the position; also
    // what screen readers hear, with the value offset + position × perStep.
    void showValue(std::function<QString(int)> format, int width, double offset = 0, double perStep = 1);
    void setSliderWidth(int width);
    // A tick mark under every step; keys and clicks move one step at a time.
    void showTicks();
    // Moves the slider without telling listeners, as when the stored value changed.
    void setValue(int value);
    QLabel* valueLabel() const { return value_; }

private:
    void refreshValue();
    SpokenSlider* slider_;
    QLabel* leading_ = nullptr;
    QLabel* trailing_ = nullptr;
    QLabel* value_ = nullptr;
    std::function<QString(int)> format_;
};

// A turning arc while something is being checked; still under Reduce Motion.
class ActivitySpinner final : public QWidget {
    Q_OBJECT
public:
    ActivitySpinner(MotionContext& motion, int size = 16, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    MotionContext& motion_;
    FrameDriver driver_;
};

// What a list or chart shows while it has nothing: an optional symbol over a title and a
// sentence, centred, the space above smaller than below. Read as one element.
class EmptyState final : public QWidget {
public:
    EmptyState(const QString& symbol, const QString& title, const QString& detail, QWidget* parent = nullptr);
    void setTexts(const QString& title, const QString& detail);
    void setSymbol(const QString& symbol);
    QString title() const;

private:
    class Mark;
    Mark* mark_;
    QLabel* title_;
    QLabel* detail_;
};

// Keeps `toggle` checked as `get` of the preferences says, also when another window changes
// it, and writes the user's clicks back through `set`. `inverted` shows and writes the negation.
void bind(QAbstractButton* toggle, Preferences& prefs, bool (Preferences::*get)() const,
          void (Preferences::*set)(const bool&), bool inverted = false);

} // namespace tq
