#include "ui/settings/Figures.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QTextOption>

#include "ui/design/Text.h"

#include <cmath>

namespace tq {

namespace {

// The widest digit of the face: every digit gets a cell of this width.
double digitCell(const QFontMetricsF& m)
{
    double w = 0;
    for (char c = '0'; c <= '9'; ++c)
        w = std::max(w, m.horizontalAdvance(QLatin1Char(c)));
    return w;
}

// Right-to-left letters need the text laid out whole (shaping, bidi order).
bool hasRightToLeft(const QString& text)
{
    for (const QChar c : text)
        if (c.direction() == QChar::DirR || c.direction() == QChar::DirAL)
            return true;
    return false;
}

QFont scaled(QFont f, double scale)
{
    f.setPixelSize(std::max(1, int(std::lround(f.pixelSize() * scale))));
    return f;
}

} // namespace

RollingFigure::RollingFigure(const QFont& font, const QColor& colour, double minimumScale, MotionContext& motion,
                             QWidget* parent)
    : QWidget(parent), motion_(motion), font_(font), colour_(colour), minimumScale_(minimumScale),
      progress_(motion.frames(), 1), driver_(motion.frames(), this)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TranslucentBackground);
}

void RollingFigure::setText(const QString& text)
{
    final_ = text;
    frame_ = nullptr;
    progress_.setTo(1);
    driver_.stop();
    setAccessibleName(text);
    updateGeometry();
    update();
}

void RollingFigure::setColour(const QColor& colour)
{
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void RollingFigure::roll(const QString& text, const std::function<QString(double)>& frame, const Animation& animation)
{
    if (animation.kind == Animation::Kind::none) {
        setText(text);
        return;
    }
    final_ = text;
    frame_ = frame;
    setAccessibleName(text);
    progress_.setTo(0);
    progress_.animateTo(1, animation);
    driver_.run([this] { return progress_.isMoving(); });
    updateGeometry();
    update();
}

void RollingFigure::countTo(qint64 to, const Animation& animation)
{
    const qint64 from = number_;
    number_ = to;
    const QString text = QLocale().toString(to);
    if (from == to || final_.isEmpty()) {
        if (text != final_)
            setText(text);
        return;
    }
    roll(text, [from, to](double p) { return QLocale().toString(qint64(std::llround(from + double(to - from) * p))); },
         animation);
}

QString RollingFigure::shownText() const
{
    if (!frame_ || !progress_.isMoving())
        return final_;
    return frame_(progress_.value());
}

double RollingFigure::naturalWidth(const QFont& font, const QString& text) const
{
    const QFontMetricsF m(font);
    if (hasRightToLeft(text))
        return m.horizontalAdvance(text);
    const double cell = digitCell(m);
    double w = 0;
    for (const QChar c : text)
        w += c.isDigit() ? cell : m.horizontalAdvance(c);
    return w;
}

QSize RollingFigure::sizeHint() const
{
    const QFontMetricsF m(font_);
    return {int(std::ceil(naturalWidth(font_, final_))) + 2, int(std::ceil(m.height()))};
}

QSize RollingFigure::minimumSizeHint() const
{
    const QSize full = sizeHint();
    return {int(std::ceil(full.width() * minimumScale_)), full.height()};
}

void RollingFigure::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QString shown = shownText();
    // Shrinks to the final text's fit, so the size holds while the digits move.
    const double natural = naturalWidth(font_, final_);
    const double scale = natural > width() ? std::max(minimumScale_, width() / natural) : 1.0;
    const QFont f = scale < 1 ? scaled(font_, scale) : font_;
    const QFontMetricsF m(f);
    const double cell = digitCell(m);
    p.setFont(f);
    p.setPen(colour_);
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    if (hasRightToLeft(shown)) {
        QTextOption option(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter));
        option.setTextDirection(layoutDirection());
        option.setWrapMode(QTextOption::NoWrap);
        p.drawText(QRectF(rect()), shown, option);
        return;
    }
    const double total = naturalWidth(f, shown);
    double x = rtl ? width() - total : 0;
    const double baseline = (height() - m.height()) / 2 + m.ascent();
    // Digits sit in even cells; other characters (separators, units) at their own width. A
    // right-to-left line keeps the number's own left-to-right order.
    for (const QChar c : shown) {
        const double advance = c.isDigit() ? cell : m.horizontalAdvance(c);
        const double offset = c.isDigit() ? (cell - m.horizontalAdvance(c)) / 2 : 0;
        p.drawText(QPointF(x + offset, baseline), QString(c));
        x += advance;
    }
}

Presence::Presence(QWidget* content, MotionContext& motion, double fromScale, QWidget* parent)
    : QWidget(parent), content_(content), motion_(motion), fromScale_(fromScale), amount_(motion.frames(), 1)
{
    content_->setParent(this);
    setSizePolicy(content_->sizePolicy());
}

Presence::~Presence()
{
    if (listener_)
        motion_.frames().unlisten(listener_);
}

// A content of fixed size without hints (a symbol) still takes its room.
QSize Presence::sizeHint() const { return content_->sizeHint().expandedTo(content_->minimumSize()); }
QSize Presence::minimumSizeHint() const { return content_->minimumSizeHint().expandedTo(content_->minimumSize()); }
bool Presence::hasHeightForWidth() const { return content_->hasHeightForWidth(); }
int Presence::heightForWidth(int width) const { return content_->heightForWidth(width); }

bool Presence::event(QEvent* event)
{
    // The content's size changed: the layout above asks again.
    if (event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QWidget::event(event);
}

void Presence::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    content_->setGeometry(rect());
}

void Presence::setPresent(bool present, const Animation& animation)
{
    if (present == present_ && !amount_.isMoving() && isHidden() == !present)
        return;
    present_ = present;
    // Off screen there is nothing to watch: settle at once.
    if (animation.kind == Animation::Kind::none || !parentWidget() || !parentWidget()->isVisible()) {
        amount_.setTo(present ? 1 : 0);
        settle();
        return;
    }
    if (present && isHidden()) {
        amount_.setTo(0);
        setVisible(true);
    }
    if (width() <= 0 || height() <= 0)
        resize(sizeHint()); // not laid out yet: the picture takes the content's own size
    content_->setGeometry(rect());
    content_->show();
    snapshot_ = content_->grab();
    content_->hide();
    amount_.animateTo(present ? 1 : 0, animation);
    if (!listener_)
        listener_ = motion_.frames().listen([this] {
            update();
            if (!amount_.isMoving())
                settle();
        });
    update();
}

void Presence::settle()
{
    if (listener_) {
        motion_.frames().unlisten(listener_);
        listener_ = 0;
    }
    snapshot_ = QPixmap();
    content_->setVisible(present_);
    setVisible(present_);
    update();
    emit settled(present_);
}

void Presence::paintEvent(QPaintEvent*)
{
    if (snapshot_.isNull() || content_->isVisible())
        return;
    const double a = std::clamp(amount_.value(), 0.0, 1.0);
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setOpacity(a);
    const double s = fromScale_ + (1 - fromScale_) * amount_.value(); // the spring may overshoot
    const QPointF c = QRectF(rect()).center();
    p.translate(c);
    p.scale(s, s);
    p.translate(-c);
    p.drawPixmap(rect(), snapshot_);
}

} // namespace tq
