#pragma once
// Small shared pieces of the settings panes: fonts, cards, labels, buttons and the symbols
// they draw. Colours come from the design palette.

#include <QAbstractButton>
#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

class QPainter;

namespace tq {

// Ink background and paper text for a window of its own (the add sheets, confirmations).
void applyInkPalette(QWidget* window);

QFont settingsFont(double pointSize, QFont::Weight weight = QFont::Normal);

// A text label in paper (or the given colour), word-wrapped when asked.
QLabel* makeLabel(const QString& text, double pointSize, QFont::Weight weight, const QColor& colour,
                  QWidget* parent = nullptr, bool wrap = false);

// A button of the panes: primary is gold on ink, the other a raised ink button.
QPushButton* makeButton(const QString& text, bool primary, QWidget* parent = nullptr);

// Draws a named symbol (the names the panes use) in `rect`, tinted `colour`.
void paintSymbol(QPainter& p, const QString& name, const QRectF& rect, const QColor& colour, bool filled = false);

// A symbol as a widget of fixed size, hidden from accessibility unless given a name.
class SymbolView : public QWidget {
public:
    SymbolView(const QString& name, int size, const QColor& colour, QWidget* parent = nullptr);
    void setSymbol(const QString& name, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString name_;
    QColor colour_;
};

// An on/off switch; read as a check box with its title.
class Switch final : public QAbstractButton {
public:
    explicit Switch(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {36, 20}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A rounded card: flat fill or a top-to-bottom gradient, with a hairline inside its edge.
class Card : public QWidget {
public:
    explicit Card(double radius, QWidget* parent = nullptr);
    void setGradient(const QColor& top, const QColor& bottom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double radius_;
    QColor top_;
    QColor bottom_;
};

} // namespace tq
