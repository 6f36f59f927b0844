#include "ui/menubar/TrayItem.h"

#include "platform/Text.h"
#include "ui/design/Palette.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace tq {

namespace {
// A gold quill stroke on the ink plate.
QIcon trayIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(palette::ink());
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 14, 14);
    p.setPen(QPen(palette::gold(), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 46), QPointF(46, 18));
    p.drawLine(QPointF(18, 46), QPointF(30, 46));
    return QIcon(pixmap);
}
} // namespace

TrayItem::TrayItem(std::function<void()> openSettings, std::function<void()> quit, QObject* parent)
    : QObject(parent), menu_(std::make_unique<QMenu>()), icon_(std::make_unique<QSystemTrayIcon>())
{
    settings_ = menu_->addAction(text("Settings…"));
    settings_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(settings_, &QAction::triggered, this, [openSettings] { openSettings(); });
    menu_->addSeparator();
    quit_ = menu_->addAction(text("Quit %app"));
    quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit_, &QAction::triggered, this, [quit] { quit(); });

    icon_->setIcon(trayIcon());
    icon_->setToolTip(appName());
    icon_->setContextMenu(menu_.get());
    connect(icon_.get(), &QSystemTrayIcon::activated, this, [openSettings](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            openSettings();
    });
}

TrayItem::~TrayItem() = default;

void TrayItem::setVisible(bool visible)
{
    icon_->setVisible(visible);
}

bool TrayItem::iconHidden()
{
    return !QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace tq
