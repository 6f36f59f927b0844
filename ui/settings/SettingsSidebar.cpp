#include "ui/settings/SettingsSidebar.h"

#include "platform/Text.h"
#include "look/Palette.h"
#include "ui/design/Shapes.h"
#include "ui/settings/SettingsRouter.h"
#include "ui/design/Decoration.h"
#include "ui/design/Fonts.h"
#include "ui/design/Text.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/settings/SetupItems.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>

namespace tq {

namespace {
constexpr int kRowHeight = 30;

// A row reads as a page tab: its title (with the badge), selected when its pane is shown.
class SidebarRowAccessible final : public QAccessibleWidget {
public:
    explicit SidebarRowAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::PageTab) {}
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = static_cast<QAbstractButton*>(widget())->isChecked();
        s.checkable = false;
        s.checked = false;
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? widget()->accessibleName() : QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<QAbstractButton*>(widget())->click();
    }
};

QAccessibleInterface* sidebarAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("tq::SidebarRow") && object && object->isWidgetType())
        return new SidebarRowAccessible(static_cast<QWidget*>(object));
    return nullptr;
}
} // namespace

SidebarRow::SidebarRow(SettingsPane pane, MotionContext& motion, QWidget* parent)
    : QAbstractButton(parent), pane_(pane), motion_(motion), hover_(motion.frames(), 0), press_(motion.frames(), 0),
      badge_(motion.frames(), 0), bounce_(motion.frames(), 1), driver_(motion.frames(), this)
{
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus); // the column takes the focus and moves with the arrows
    setCursor(Qt::PointingHandCursor);
    setFixedHeight(kRowHeight);
    setAttribute(Qt::WA_Hover);
    setText(paneTitle(pane));
    updateName();
    connect(this, &QAbstractButton::pressed, this, [this] {
        press_.animateTo(motion_.reduceMotion() ? 0 : 1, Animation::timing(motion::quick()));
        driver_.run([this] { return press_.isMoving(); });
    });
    connect(this, &QAbstractButton::released, this, [this] {
        press_.animateTo(0, Animation::timing(motion::quick()));
        driver_.run([this] { return press_.isMoving(); });
    });
}

QSize SidebarRow::sizeHint() const
{
    return {180, kRowHeight};
}

void SidebarRow::setSelected(bool selected)
{
    if (selected_ == selected)
        return;
    selected_ = selected;
    setChecked(selected);
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    update();
}

void SidebarRow::setCount(int count)
{
    if (count_ == count)
        return;
    const bool shown = count_ >= 1, showing = count >= 1;
    count_ = count;
    if (shown != showing) {
        badge_.animateTo(showing ? 1 : 0, motion_.pick(Animation::timing(motion::standard()), Animation::timing(motion::easeOut(150))));
        driver_.run([this] { return badge_.isMoving(); });
    }
    updateName();
    update();
}

void SidebarRow::bounce()
{
    bounce_.setTo(0.82);
    bounce_.animateTo(1, Animation::springy(0.3, 0.45));
    driver_.run([this] { return bounce_.isMoving(); });
}

void SidebarRow::updateName()
{
    setAccessibleName(sidebarRowName(paneTitle(pane_), count_));
}

void SidebarRow::enterEvent(QEnterEvent* event)
{
    hover_.animateTo(1, Animation::timing(motion::easeOut(120)));
    driver_.run([this] { return hover_.isMoving(); });
    QAbstractButton::enterEvent(event);
}

void SidebarRow::leaveEvent(QEvent* event)
{
    hover_.animateTo(0, Animation::timing(motion::easeOut(120)));
    driver_.run([this] { return hover_.isMoving(); });
    QAbstractButton::leaveEvent(event);
}

void SidebarRow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    const double scale = 1.0 - 0.02 * press_.value();
    p.translate(r.center());
    p.scale(scale, scale);
    p.translate(-r.center());

    const double hover = hover_.value();
    if (hover > 0.001) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgbF(1, 1, 1, float(0.05 * hover)));
        p.drawRoundedRect(r, 8, 8);
    }

    // Laid out left to right, then mirrored right to left (the text aligns itself).
    const auto visual = [&](const QRectF& box) { return visualRect(layoutDirection(), r.width(), box); };
    const double bounce = bounce_.value();
    const QRectF icon = visual(QRectF(10, (r.height() - 16) / 2, 20, 16));
    p.save();
    p.translate(icon.center());
    p.scale(bounce, bounce);
    p.translate(-icon.center());
    paintSymbol(p, paneSymbol(pane_), icon, selected_ ? palette::gold() : palette::paperDim(), selected_);
    p.restore();

    const double b = badge_.value();
    double right = r.width() - 10;
    if (b > 0.001 && count_ >= 1) {
        const QFont f = fonts::font(fonts::Role::caption, QFont::Bold);
        const QString n = QLocale().toString(count_);
        const double w = std::max(16.0, QFontMetricsF(f).horizontalAdvance(n) + 12);
        const QRectF pill = visual(QRectF(right - w, (r.height() - 16) / 2, w, 16));
        p.save();
        p.setOpacity(b);
        if (!motion_.reduceMotion()) {
            const double s = 0.6 + 0.4 * b;
            p.translate(pill.center());
            p.scale(s, s);
            p.translate(-pill.center());
        }
        p.setPen(Qt::NoPen);
        p.setBrush(palette::gold());
        p.drawRoundedRect(pill, 8, 8);
        p.setFont(f);
        p.setPen(palette::ink());
        p.drawText(pill, Qt::AlignCenter, n);
        p.restore();
        right -= w + 4;
    }

    p.setFont(fonts::font(fonts::Role::body, selected_ ? QFont::DemiBold : QFont::Normal));
    p.setPen(selected_ ? palette::paper() : palette::withOpacity(palette::paper(), 0.84));
    const QRectF textRect = visual(QRectF(10 + 20 + 9, 0, right - 10 - 20 - 9, r.height()));
    p.drawText(textRect, QStyle::visualAlignment(layoutDirection(), Qt::AlignVCenter | Qt::AlignLeft),
               QFontMetrics(p.font()).elidedText(text(), Qt::ElideRight, int(textRect.width())));
}

SettingsSidebar::SettingsSidebar(SettingsRouter& router, MotionContext& motion, Badge badge, QWidget* parent)
    : QWidget(parent), router_(router), motion_(motion), badge_(std::move(badge)), top_(motion.frames(), 0),
      height_(motion.frames(), kRowHeight), driver_(motion.frames(), this)
{
    static const bool factory = [] {
        QAccessible::installFactory(sidebarAccessible);
        return true;
    }();
    Q_UNUSED(factory);
    setObjectName(QStringLiteral("settingsSidebar"));
    setAccessibleName(text("Settings"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true); // the theme's ink window colour

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 8);
    column->setSpacing(2);
    bool first = true;
    for (const PaneSection& section : paneSections()) {
        if (!section.title.isEmpty()) {
            QLabel* header = makeLabel(section.title, fonts::font(fonts::Role::subheadline, QFont::DemiBold), palette::paperDim(), false, this);
            header->setContentsMargins(10, 14, 0, 4);
            groupForAccessibility(header, section.title, QAccessible::Heading);
            column->addWidget(header);
        } else if (!first) {
            column->addSpacing(14);
        }
        first = false;
        for (SettingsPane pane : section.panes) {
            auto* row = new SidebarRow(pane, motion, this);
            connect(row, &QAbstractButton::clicked, this, [this, pane] { select(pane); });
            // A click on the selected row leaves it checked.
            connect(row, &QAbstractButton::toggled, row, [this, row](bool) { row->setSelected(row->pane() == router_.pane()); });
            rows_.push_back(row);
            column->addWidget(row);
        }
    }
    column->addStretch(1);

    // The highlight glides for the user's own choice; a pane opened from elsewhere (a link, the
    // command line, another window) takes it there at once.
    connect(&router_, &SettingsRouter::paneChanged, this, [this] { paneChanged(choosing_); });
    for (SidebarRow* row : rows_)
        row->setSelected(row->pane() == router_.pane());
    refreshBadges();
}

SidebarRow* SettingsSidebar::row(SettingsPane pane) const
{
    for (SidebarRow* r : rows_) {
        if (r->pane() == pane)
            return r;
    }
    return nullptr;
}

void SettingsSidebar::select(SettingsPane pane)
{
    if (pane == router_.pane())
        return;
    if (!motion_.reduceMotion()) {
        hops_[pane] = hops_.value(pane, 0) + 1;
        if (SidebarRow* r = row(pane))
            r->bounce();
    }
    choosing_ = true;
    router_.setPane(pane);
    choosing_ = false;
}

void SettingsSidebar::moveSelection(int step)
{
    if (const std::optional<SettingsPane> next = adjacentPane(router_.pane(), step))
        select(*next);
}

void SettingsSidebar::refreshBadges()
{
    for (SidebarRow* r : rows_)
        r->setCount(badge_ ? badge_(r->pane()) : 0);
}

QRectF SettingsSidebar::targetHighlight() const
{
    const SidebarRow* r = row(router_.pane());
    return r ? QRectF(r->geometry()) : QRectF();
}

QRectF SettingsSidebar::highlight() const
{
    const QRectF t = targetHighlight();
    return QRectF(t.left(), top_.value(), t.width(), height_.value());
}

void SettingsSidebar::paneChanged(bool animate)
{
    for (SidebarRow* r : rows_)
        r->setSelected(r->pane() == router_.pane());
    const QRectF t = targetHighlight();
    if (!animate || !placed_ || motion_.reduceMotion()) {
        top_.setTo(t.top());
        height_.setTo(t.height());
        update();
        return;
    }
    top_.animateTo(t.top(), Animation::springy(motion::spring()));
    height_.animateTo(t.height(), Animation::springy(motion::spring()));
    driver_.run([this] { return top_.isMoving() || height_.isMoving(); });
}

void SettingsSidebar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    paneChanged(false);
}

void SettingsSidebar::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    paneChanged(false);
    placed_ = true;
}

void SettingsSidebar::paintEvent(QPaintEvent*)
{
    const SidebarRow* r = row(router_.pane());
    if (!r)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::inkHighlight());
    p.drawRoundedRect(QRectF(r->geometry().left(), top_.value(), r->width(), height_.value()), 8, 8);
}

void SettingsSidebar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up && event->modifiers() == Qt::NoModifier) {
        moveSelection(-1);
        return;
    }
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier) {
        moveSelection(+1);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tq
