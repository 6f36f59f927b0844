#include "ui/design/SettingsRows.h"

#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Shapes.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace tq {

namespace {
QFont bodyFont() { return fonts::font(fonts::Role::body); }
QFont calloutFont() { return fonts::font(fonts::Role::callout); }

QWidget* titleDetail(QLabel*& title, QLabel*& detail, const QString& titleText, const QString& detailText,
                     QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* col = bareColumn(box, 4);
    title = makeLabel(titleText, bodyFont(), palette::paper(), true, box);
    col->addWidget(title);
    detail = nullptr;
    if (!detailText.isEmpty()) {
        detail = makeLabel(detailText, calloutFont(), palette::paperDim(), true, box);
        col->addWidget(detail);
    }
    return box;
}
} // namespace

FormSection::FormSection(const QString& header, const QString& footer, QWidget* parent) : QWidget(parent)
{
    auto* col = bareColumn(this, 6);
    if (!header.isEmpty()) {
        auto* h = makeLabel(header, fonts::font(fonts::Role::callout, QFont::DemiBold), palette::paperDim(), false, this);
        h->setContentsMargins(10, 0, 0, 0);
        col->addWidget(h);
    }
    card_ = new Card(10, this);
    rows_ = static_cast<Card*>(card_)->contentLayout();
    rows_->setContentsMargins(12, 6, 12, 6);
    rows_->setSpacing(0);
    col->addWidget(card_);
    footer_ = makeLabel(footer, calloutFont(), palette::paperDim(), true, this);
    footer_->setContentsMargins(10, 0, 10, 0);
    footer_->setVisible(!footer.isEmpty());
    col->addWidget(footer_);
}

void FormSection::addRow(QWidget* row)
{
    if (rows_->count() > 0) {
        rows_->addWidget(new Divider(Qt::Horizontal, card_));
    }
    auto* holder = new QWidget(card_);
    auto* pad = new QVBoxLayout(holder);
    pad->setContentsMargins(0, 3 + 3, 0, 3 + 3);
    pad->addWidget(row);
    rows_->addWidget(holder);
}

void FormSection::setRowVisible(QWidget* row, bool visible)
{
    QWidget* holder = row->parentWidget();
    const int at = rows_->indexOf(holder);
    if (at < 0)
        return;
    holder->setVisible(visible);
    if (at > 0) {
        if (QWidget* rule = rows_->itemAt(at - 1)->widget())
            rule->setVisible(visible);
    } else if (rows_->count() > 1) {
        // The first row: the hairline below it goes instead.
        if (QWidget* rule = rows_->itemAt(1)->widget())
            rule->setVisible(visible);
    }
}

int FormSection::rowCount() const
{
    return (rows_->count() + 1) / 2;
}

void FormSection::setFooter(const QString& footer)
{
    footer_->setText(footer);
    footer_->setVisible(!footer.isEmpty());
}

void FormSection::paintEvent(QPaintEvent*) {}

PaneForm::PaneForm(QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    content->setAttribute(Qt::WA_TranslucentBackground);
    layout_ = new QVBoxLayout(content);
    layout_->setContentsMargins(20, 12, 20, 20);
    layout_->setSpacing(18);
    layout_->addStretch(1);
    setWidget(content);
    viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(false);
}

FormSection* PaneForm::addSection(const QString& header, const QString& footer)
{
    auto* s = new FormSection(header, footer, widget());
    layout_->insertWidget(layout_->count() - 1, s);
    return s;
}

void PaneForm::addWidget(QWidget* w)
{
    layout_->insertWidget(layout_->count() - 1, w);
}

SettingToggle::SettingToggle(const QString& title, const QString& detail, MotionContext& motion, QWidget* parent)
    : HandToggle(motion, parent)
{
    setText(title);
    setAccessibleName(title);
    QWidget* label = titleDetail(title_, detail_, title, detail, this);
    setLabelWidget(label);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

SettingRow::SettingRow(const QString& title, const QString& detail, QWidget* trailing, QWidget* parent)
    : QWidget(parent), trailing_(trailing)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 3, 0, 3);
    row->setSpacing(12);
    row->addWidget(titleDetail(title_, detail_, title, detail, this), 1);
    if (trailing_)
        row->addWidget(trailing_, 0, Qt::AlignVCenter | Qt::AlignRight);
}

namespace {
// The disclosure row's header: a chevron that turns and the title.
class DisclosureHeader final : public QAbstractButton {
public:
    DisclosureHeader(const QString& title, std::function<double()> openness, QWidget* parent)
        : QAbstractButton(parent), openness_(std::move(openness))
    {
        setText(title);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        setFont(bodyFont());
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override
    {
        const QFontMetricsF m(font());
        return QSize(int(m.horizontalAdvance(text()) + 28), int(std::max(22.0, m.height() + 8)));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double h = height();
        const bool rtl = layoutDirection() == Qt::RightToLeft;
        p.save();
        // At the leading end, pointing to the trailing end when closed, down when open.
        p.translate(rtl ? width() - 8 : 8, h / 2);
        if (rtl)
            p.scale(-1, 1);
        p.rotate(90 * openness_());
        p.setPen(QPen(palette::paperDim(), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF pts[3] = {{-2, -4}, {2.5, 0}, {-2, 4}};
        p.drawPolyline(pts, 3);
        p.restore();
        p.setPen(isEnabled() ? palette::paper() : palette::withOpacity(palette::paper(), 0.45));
        p.drawText(visualRect(layoutDirection(), width(), QRectF(22, 0, width() - 22, h)), QStyle::visualAlignment(layoutDirection(), Qt::AlignVCenter | Qt::AlignLeft), text());
        if (hasFocus()) {
            p.setPen(QPen(palette::gold(), 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
        }
    }

private:
    std::function<double()> openness_;
};
} // namespace

RowDisclosure::RowDisclosure(const QString& title, QWidget* content, MotionContext& motion, QWidget* parent)
    : QWidget(parent), motion_(motion), content_(content), openness_(motion.frames(), 0)
{
    auto* col = bareColumn(this, 4);
    header_ = new DisclosureHeader(title, [this] { return openness_.value(); }, this);
    header_->setAccessibleName(title);
    col->addWidget(header_);
    content_->setParent(this);
    col->addWidget(content_);
    content_->setMaximumHeight(0);
    content_->setVisible(false);
    connect(header_, &QAbstractButton::clicked, this, [this] { setExpanded(!expanded_); });
}

RowDisclosure::~RowDisclosure()
{
    if (listener_)
        motion_.frames().unlisten(listener_);
}

void RowDisclosure::setExpanded(bool expanded)
{
    if (expanded == expanded_)
        return;
    expanded_ = expanded;
    // The same 0.2 s ease-in-out under Reduce Motion: a fold has no still form.
    openness_.animateTo(expanded ? 1 : 0, Animation::timing(motion::easeInOut(200)));
    content_->setVisible(true);
    applyHeight();
    if (!listener_ && openness_.isMoving()) {
        listener_ = motion_.frames().listen([this] {
            applyHeight();
            if (!openness_.isMoving()) {
                motion_.frames().unlisten(listener_);
                listener_ = 0;
            }
        }, this);
    }
    emit expandedChanged(expanded_);
}

void RowDisclosure::applyHeight()
{
    const double o = openness_.value();
    const int full = content_->sizeHint().height();
    if (o >= 1) {
        content_->setMaximumHeight(QWIDGETSIZE_MAX);
    } else {
        content_->setMaximumHeight(int(std::lround(full * o)));
    }
    content_->setVisible(o > 0);
    header_->update();
}

StatusLine::StatusLine(MotionContext& motion, QWidget* parent)
    : QWidget(parent), motion_(motion), driver_(motion.frames(), this)
{
    setFont(calloutFont());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QString StatusLine::symbolFor(StatusView::Kind kind)
{
    switch (kind) {
    case StatusView::Kind::ready:
        return QStringLiteral("checkmark.circle.fill");
    case StatusView::Kind::unavailable:
        return QStringLiteral("exclamationmark.triangle.fill");
    case StatusView::Kind::unknown:
        return QStringLiteral("circle.dashed");
    case StatusView::Kind::checking:
        return {};
    }
    return {};
}

void StatusLine::setStatus(const StatusView& status)
{
    status_ = status;
    setAccessibleName(status_.label);
    updateGeometry();
    update();
    spin();
}

void StatusLine::spin()
{
    if (status_.kind == StatusView::Kind::checking && isVisible() && !motion_.reduceMotion())
        driver_.run([this] { return status_.kind == StatusView::Kind::checking && isVisible(); });
    else
        driver_.stop();
}

void StatusLine::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    spin();
}

void StatusLine::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    driver_.stop();
}

namespace {
constexpr double kIcon = 14;
constexpr double kGap = 6;
} // namespace

QSize StatusLine::sizeHint() const
{
    const QFontMetricsF m(font());
    return QSize(int(kIcon + kGap + m.horizontalAdvance(status_.label) + 2), int(std::ceil(std::max(kIcon, m.height()))));
}

int StatusLine::heightForWidth(int width) const
{
    const QFontMetricsF m(font());
    const int lines = std::max<int>(1, int(wrapLines(status_.label, font(), width - kIcon - kGap, 2).size()));
    return int(std::ceil(std::max(kIcon, lines * m.lineSpacing())));
}

void StatusLine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF m(font());
    const QStringList lines = wrapLines(status_.label, font(), width() - kIcon - kGap, 2);
    const double textHeight = std::max<qsizetype>(1, lines.size()) * m.lineSpacing();
    const double top = std::max(0.0, (height() - std::max(textHeight, kIcon)) / 2);
    const double iconTop = top + (std::min(textHeight, m.lineSpacing()) - kIcon) / 2;
    const QRectF icon = visualRect(layoutDirection(), width(), QRectF(0, std::max(0.0, iconTop), kIcon, kIcon));
    switch (status_.kind) {
    case StatusView::Kind::ready:
        symbols::paint(p, symbolFor(status_.kind), icon, palette::green());
        break;
    case StatusView::Kind::unavailable:
        symbols::paint(p, symbolFor(status_.kind), icon, palette::orange());
        break;
    case StatusView::Kind::unknown:
        symbols::paint(p, symbolFor(status_.kind), icon, palette::paperDim());
        break;
    case StatusView::Kind::checking: {
        // A small spinner: eight spokes, the brightest turning once a second.
        const double t = motion_.reduceMotion() ? 0 : motion_.frames().seconds();
        const int lead = int(std::floor(t * 8)) % 8;
        p.save();
        p.translate(icon.center());
        for (int i = 0; i < 8; ++i) {
            const int age = (lead - i + 8) % 8;
            p.setPen(QPen(palette::withOpacity(palette::paper(), 1.0 - age * 0.1), 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(0, -3.5), QPointF(0, -6.2));
            p.rotate(45);
        }
        p.restore();
        break;
    }
    }
    p.setPen(palette::paperDim());
    double y = top;
    for (const QString& line : lines) {
        p.drawText(visualRect(layoutDirection(), width(), QRectF(kIcon + kGap, y, width() - kIcon - kGap, m.lineSpacing())),
                   QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter), line);
        y += m.lineSpacing();
    }
}

} // namespace tq
