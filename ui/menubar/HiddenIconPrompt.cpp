#include "ui/menubar/HiddenIconPrompt.h"

#include "platform/DesktopSettings.h"
#include "platform/Text.h"
#include "settings/Preferences.h"
#include "ui/design/Palette.h"
#include "ui/menubar/MenuBarGlyph.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq {

namespace {
QLabel* centred(const QString& s, const QColor& colour, QWidget* parent)
{
    auto* l = new QLabel(s, parent);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    return l;
}
} // namespace

HiddenIconPrompt::HiddenIconPrompt(Preferences& prefs, DesktopSettings& settings, std::function<void()> close, QWidget* parent)
    : QWidget(parent), prefs_(prefs), settings_(settings), close_(std::move(close))
{
    setObjectName(QStringLiteral("hiddenIconPrompt"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 28 + 8 + 68 + 16, 28, 28); // room for the mark drawn above
    layout->setSpacing(16);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    auto* title = centred(text("Your menu bar icon is hidden"), palette::paper(), this);
    QFont tf = title->font();
    tf.setPointSizeF(tf.pointSizeF() * 2.0);
    tf.setWeight(QFont::DemiBold);
    title->setFont(tf);
    texts->addWidget(title);
    texts->addWidget(centred(text("There's no room for it, or macOS is hiding it. Check Menu Bar in System Settings."), palette::paper(), this));
    auto* hint = centred(text("Until then, open %app from Applications to reach Settings."), palette::paperDim(), this);
    texts->addWidget(hint);
    layout->addLayout(texts);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch(1);
    notNow_ = new QPushButton(text("Not Now"), this);
    notNow_->setCursor(Qt::PointingHandCursor);
    notNow_->setFixedHeight(32);
    notNow_->setStyleSheet(QStringLiteral("QPushButton { background: rgba(255,255,255,18); color: %1; border: none;"
                                          " border-radius: 16px; padding: 0 14px; }"
                                          "QPushButton:focus { border: 1px solid %2; }")
                               .arg(palette::paper().name(), palette::gold().name()));
    open_ = new QPushButton(text("Open System Settings"), this);
    open_->setCursor(Qt::PointingHandCursor);
    open_->setDefault(true);
    open_->setFixedHeight(32);
    open_->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: none; border-radius: 16px;"
                                        " padding: 0 16px; font-weight: 600; }"
                                        "QPushButton:focus { border: 1px solid %3; }")
                             .arg(palette::gold().name(), palette::ink().name(), palette::paper().name()));
    buttons->addWidget(notNow_);
    buttons->addWidget(open_);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    dontRemind_ = new QCheckBox(text("Don't remind me again"), this);
    dontRemind_->setCursor(Qt::PointingHandCursor);
    QPalette cp = dontRemind_->palette();
    cp.setColor(QPalette::WindowText, palette::paperDim());
    dontRemind_->setPalette(cp);
    dontRemind_->setChecked(!prefs_.remindHiddenIcon());
    layout->addWidget(dontRemind_, 0, Qt::AlignHCenter);
    layout->addStretch(1);

    connect(dontRemind_, &QCheckBox::toggled, this, [this](bool on) { prefs_.setRemindHiddenIcon(!on); });
    connect(&prefs_, &Preferences::changed, this, [this](const QString& key) {
        if (key == QLatin1String("remindHiddenIcon")) {
            const QSignalBlocker block(dontRemind_);
            dontRemind_->setChecked(!prefs_.remindHiddenIcon());
        }
    });
    connect(notNow_, &QPushButton::clicked, this, [this] {
        if (close_)
            close_();
    });
    connect(open_, &QPushButton::clicked, this, [this] {
        settings_.open(SettingsPage::Panel);
        if (close_)
            close_();
    });
    open_->setFocus();
}

void HiddenIconPrompt::keyPressEvent(QKeyEvent* e)
{
    // Escape is "Not Now", Return the open button, from wherever the focus is.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        notNow_->click();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !(e->modifiers() & ~Qt::KeypadModifier)) {
        open_->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void HiddenIconPrompt::paintEvent(QPaintEvent*)
{
    // The program's mark with the hidden-glyph badge.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF mark(width() / 2.0 - 34, 28 + 8, 68, 68);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 100));
    p.drawRoundedRect(mark.translated(0, 6), 16, 16);
    QLinearGradient plate(mark.topLeft(), mark.bottomLeft());
    plate.setColorAt(0, palette::plateTop());
    plate.setColorAt(1, palette::plateBottom());
    p.setBrush(plate);
    p.drawRoundedRect(mark, 16, 16);
    const QImage glyph = menu::renderGlyph(menu::GlyphVariant::paused, 96);
    p.drawImage(mark.adjusted(10, 10, -10, -10), glyph);
    const QRectF badge(mark.right() - 16, mark.bottom() - 18, 26, 26);
    p.setBrush(palette::gold());
    p.drawEllipse(badge);
    p.setPen(QPen(palette::ink(), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF c = badge.center();
    p.drawEllipse(c, 6.5, 4.0);
    p.drawLine(c + QPointF(-7, -6), c + QPointF(7, 6));
}

} // namespace tq
