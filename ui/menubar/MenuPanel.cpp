#include "ui/menubar/MenuPanel.h"

#include "platform/OverlayWindow.h"
#include "platform/Text.h"
#include "ui/design/Components.h"
#include "ui/design/Theme.h"
#include "ui/menubar/MenuContent.h"

#include <QCloseEvent>
#include <QEasingCurve>
#include <QKeyEvent>
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
    content_->setParent(this);
    inheritInkTheme(content_);
    layout->addWidget(content_);
    connect(content_, &MenuContent::contentResized, this, &MenuPanel::contentResized);
    content_->closePanel = [this] { close(); };
}

MenuPanel::~MenuPanel() = default;

void MenuPanel::open(QPoint topLeft, bool still)
{
    anchor_ = topLeft;
    adjustSize();
    contentResized();
    move(topLeft);
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
    }
    if (isVisible())
        move(anchor_); // grows and shrinks downwards
}

void MenuPanel::paintEvent(QPaintEvent*)
{
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
