#include "ui/menubar/MenuPanel.h"

#include "platform/OverlayWindow.h"
#include "platform/Text.h"
#include "ui/design/Blur.h"
#include "ui/design/Components.h"
#include "ui/design/Shapes.h"
#include "ui/design/Theme.h"
#include "ui/menubar/MenuContent.h"

#include <QCloseEvent>
#include <QEasingCurve>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace tq::menu {

double fadeOpacity(Nanos elapsed)
{
    if (elapsed <= Nanos(0))
        return 0;
    if (elapsed >= kFadeDuration)
        return 1;
    static const QEasingCurve easeOut(QEasingCurve::OutCubic);
    return easeOut.valueForProgress(double(elapsed.count()) / double(kFadeDuration.count()));
}

MenuPanel::MenuPanel(MenuContent* content, Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::NoDropShadowWindowHint),
      content_(content),
      clock_(clock), fade_(clock)
{
    setObjectName(QStringLiteral("menuPanel"));
    setWindowTitle(appName());
    setAccessibleName(appName());
    setAttribute(Qt::WA_DeleteOnClose);
    applyInkTheme(this);
    // The content paints its own rounded backdrop; the corners outside it stay clear.
    setAutoFillBackground(false);
    if (overlay::compositing())
        setAttribute(Qt::WA_TranslucentBackground);
    auto* layout = bareColumn(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // With a compositing manager the panel casts a soft shadow in a clear margin around it;
    // without one a window cannot blend, so it has none.
    if (overlay::compositing())
        layout->setContentsMargins(kShadowMargin, kShadowMargin, kShadowMargin, kShadowMargin);
    content_->setParent(this);
    inheritInkTheme(content_);
    layout->addWidget(content_);
    connect(content_, &MenuContent::contentResized, this, &MenuPanel::contentResized);
    content_->closePanel = [this] { close(); };
}

MenuPanel::~MenuPanel() = default;

void MenuPanel::open(QPoint topLeft, bool still, bool above)
{
    anchor_ = topLeft;
    above_ = above;
    adjustSize();
    bottom_ = topLeft.y() + contentHeight();
    contentResized();
    place();
    setWindowOpacity(still ? 1.0 : 0.0);
    openedAt_ = clock_.monotonic();
    show();
    raise();
    // Takes the keyboard, so Escape and Tab work at once; a click elsewhere takes it back and
    // closes the panel.
    activateWindow();
    content_->setFocus();
    if (!still)
        fade_.startRepeating(std::chrono::milliseconds(16), [this] { fadeStep(); });
}

int MenuPanel::margin() const
{
    return layout()->contentsMargins().left();
}

int MenuPanel::contentHeight() const
{
    return height() - 2 * margin();
}

QRect MenuPanel::panelRect() const
{
    return geometry().adjusted(margin(), margin(), -margin(), -margin());
}

bool MenuPanel::justOpened() const
{
    return clock_.monotonic() - openedAt_ < std::chrono::milliseconds(400);
}

void MenuPanel::place()
{
    // Opened under its anchor it keeps its top edge; opened above (a tray at the bottom of the
    // screen) it keeps its bottom edge, so a change of size never covers the icon.
    const int y = above_ ? bottom_ - contentHeight() : anchor_.y();
    move(anchor_.x() - margin(), y - margin());
}

void MenuPanel::fadeStep()
{
    const double o = fadeOpacity(clock_.monotonic() - openedAt_);
    setWindowOpacity(o);
    if (o >= 1)
        fade_.cancel();
}

void MenuPanel::contentResized()
{
    adjustSize();
    if (!overlay::compositing()) {
        // Without a compositing manager the window cannot blend its corners: shape it.
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 14, 14);
        setMask(QRegion(shape.toFillPolygon().toPolygon()));
    } else if (margin() > 0) {
        // The shadow's margin and the clear corners let presses through to the window beneath.
        const QRectF card = QRectF(rect()).adjusted(margin(), margin(), -margin(), -margin());
        overlay::setInputArea(this, QRegion(continuousRect(card, 14).toFillPolygon().toPolygon()));
    }
    if (isVisible())
        place();
}

void MenuPanel::paintEvent(QPaintEvent*)
{
    if (margin() > 0) {
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(rect(), Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        const QRectF card = QRectF(rect()).adjusted(margin(), margin(), -margin(), -margin());
        blur::shadow(p, QStringLiteral("menuPanel/%1x%2").arg(card.width()).arg(card.height()),
                     continuousRect(card, 14), QColor::fromRgbF(0, 0, 0, 0.45), 8, QPointF(0, 4));
    }
    if (!painted_) {
        painted_ = true;
        emit painted();
    }
}

void MenuPanel::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

bool MenuPanel::event(QEvent* e)
{
    if (e->type() == QEvent::WindowDeactivate && isVisible())
        close();
    return QWidget::event(e);
}

void MenuPanel::closeEvent(QCloseEvent* e)
{
    fade_.cancel();
    QWidget::closeEvent(e);
    emit closed();
}

} // namespace tq::menu
