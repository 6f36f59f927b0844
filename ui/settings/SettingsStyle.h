#pragma once
// Small shared pieces of the settings panes: fonts, cards, labels, buttons and the symbols
// they draw. Colours come from the design palette.

#include <QAbstractButton>
#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <functional>

class QAbstractScrollArea;
class QComboBox;
class QPainter;
class QScrollArea;

namespace tq {
class MotionContext;
class PaneForm;
}

namespace tq {

// Lays `pane` out as one frameless scroll area filling it, over the pane's background, with
// the panes' scroll bars; the caller sets its content.
QScrollArea* fillWithScrollArea(QWidget* pane);
// The same with a form of sections as its content.
PaneForm* fillWithForm(QWidget* pane);


// A button of the panes: the design's primary (gold) button, or a raised ink push button.
QAbstractButton* makeButton(const QString& text, bool primary, MotionContext& motion, QWidget* parent = nullptr);

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

// A rounded card filled with a top-to-bottom gradient and a hairline inside its edge.
class GradientCard : public QWidget {
public:
    GradientCard(double radius, const QColor& top, const QColor& bottom, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double radius_;
    QColor top_;
    QColor bottom_;
};

} // namespace tq
