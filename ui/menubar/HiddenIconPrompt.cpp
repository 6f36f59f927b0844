#include "ui/menubar/HiddenIconPrompt.h"

#include "platform/DesktopSettings.h"
#include "platform/Text.h"
#include "platform/TrayHost.h"
#include "settings/Preferences.h"
#include "ui/design/BrandMark.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Decoration.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"

#include <QAction>
#include <QCheckBox>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq {

namespace {
QLabel* centred(const QString& s, const QFont& font, const QColor& colour, QWidget* parent)
{
    auto* l = makeLabel(s, font, colour, true, parent);
    l->setAlignment(Qt::AlignHCenter);
    return l;
}
} // namespace

namespace {
// The mark with the hidden-eye badge over its lower trailing corner.
class MarkWithBadge final : public QWidget {
public:
    MarkWithBadge(MotionContext& motion, QWidget* parent) : QWidget(parent)
    {
        mark_ = new LiveBrandMark(68, motion, this);
        markDecorative(this);
        // Room on both sides for the badge, so the mark stays centred.
        setFixedSize(mark_->sizeHint() + QSize(2 * kBadgeRoom, kBadgeRoom));
        mark_->move(kBadgeRoom, 0);
        auto* shadow = new QGraphicsDropShadowEffect(mark_);
        shadow->setColor(palette::withOpacity(Qt::black, 0.4));
        shadow->setBlurRadius(24);
        shadow->setOffset(0, 6);
        mark_->setGraphicsEffect(shadow);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // 26 across, on the mark's lower trailing corner, moved out by (10, 8).
        const QPointF centre = QRectF(mark_->geometry()).center();
        const QRectF badge(centre.x() + 34 - 26 + 10, centre.y() + 34 - 26 + 8, 26, 26);
        p.setPen(Qt::NoPen);
        p.setBrush(palette::ink());
        p.drawEllipse(badge.adjusted(2, 2, -2, -2));
        symbols::paint(p, QStringLiteral("eye.slash.circle.fill"), badge, palette::gold());
    }

private:
    static constexpr int kBadgeRoom = 14;
    LiveBrandMark* mark_;
};
} // namespace

HiddenIconPrompt::HiddenIconPrompt(Preferences& prefs, DesktopSettings& settings, const TrayHost& tray,
                                   MotionContext& motion, std::function<void()> close, QWidget* parent)
    : QWidget(parent), prefs_(prefs), settings_(settings), close_(std::move(close))
{
    setObjectName(QStringLiteral("hiddenIconPrompt"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 28 + 8, 28, 28);
    layout->setSpacing(16);
    layout->addWidget(new MarkWithBadge(motion, this), 0, Qt::AlignHCenter);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    texts->addWidget(centred(text("Your tray icon is hidden"), fonts::rounded(20, QFont::DemiBold), palette::paper(), this));
    // GNOME Shell's tray is an extension: its extension manager, else the panel's settings.
    const TrayHelp trayHelp = tray.help();
    const bool extension = trayHelp != TrayHelp::panelApplet;
    const SettingsPage page = extension ? SettingsPage::extensions : SettingsPage::panel;
    const QString help = trayHelpText(trayHelp);
    texts->addWidget(centred(help, fonts::font(fonts::Role::body), palette::paper(), this));
    texts->addWidget(centred(text("Until then, open %app from your applications menu to reach Settings."),
                             fonts::font(fonts::Role::callout), palette::paperDim(), this));
    layout->addLayout(texts);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch(1);
    notNow_ = new HandButton(text("Not Now"), this, ButtonTone::quiet);
    notNow_->setFixedHeight(32 + 2 * HandButton::kRingMargin);
    open_ = new PrimaryButton(extension ? text("Open Extensions") : text("Open the desktop's settings"), motion, this);
    open_->setVisible(settings_.canOpen(page));
    buttons->addWidget(notNow_);
    buttons->addWidget(open_);
    buttons->addStretch(1);
    // Side by side while both fit the window's 440 less the margins; else the main one above.
    constexpr int kRowWidth = 440 - 2 * 28;
    if (notNow_->sizeHint().width() + buttons->spacing() + open_->sizeHint().width() > kRowWidth) {
        buttons->setDirection(QBoxLayout::BottomToTop);
        buttons->setAlignment(notNow_, Qt::AlignHCenter);
        buttons->setAlignment(open_, Qt::AlignHCenter);
    }
    layout->addLayout(buttons);

    dontRemind_ = new QCheckBox(text("Don't remind me again"), this);
    dontRemind_->setCursor(Qt::PointingHandCursor);
    dontRemind_->setFont(fonts::font(fonts::Role::caption));
    setLabelColour(dontRemind_, palette::paperDim());
    bind(dontRemind_, prefs_, &Preferences::remindHiddenIcon, &Preferences::setRemindHiddenIcon, true);
    layout->addWidget(dontRemind_, 0, Qt::AlignHCenter);
    layout->addStretch(1);

    connect(notNow_, &QPushButton::clicked, this, [this] {
        if (close_)
            close_();
    });
    connect(open_, &QAbstractButton::clicked, this, [this, page] {
        settings_.open(page);
        if (close_)
            close_();
    });
    if (open_->isVisibleTo(this))
        open_->setFocus();
    else
        notNow_->setFocus();
}

void HiddenIconPrompt::keyPressEvent(QKeyEvent* e)
{
    // Escape is "Not Now", Return the open button (or "Not Now" without one), from wherever the focus is.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        notNow_->click();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !(e->modifiers() & ~Qt::KeypadModifier)) {
        (open_->isVisibleTo(this) ? static_cast<QAbstractButton*>(open_) : notNow_)->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace tq
