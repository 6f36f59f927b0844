#include "ui/design/Backdrop.h"

#include "platform/NumberFormat.h"
#include "ui/design/Decoration.h"
#include "look/Palette.h"
#include "ui/design/Shapes.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tq {

const QImage& grainTexture()
{
    static const QImage texture = [] {
        QImage img(128, 128, QImage::Format_ARGB32_Premultiplied);
        std::uint64_t s = 0x9E3779B97F4A7C15ULL;
        constexpr std::uint64_t a = 0x5851F42D4C957F2DULL, c = 0x14057B7EF767814FULL;
        for (int y = 0; y < 128; ++y) {
            auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < 128; ++x) {
                const std::uint64_t s1 = s * a + c;
                const std::uint64_t s2 = s1 * a + c;
                const int v = int(((s2 >> 33) & 3) + ((s1 >> 33) & 3));
                row[x] = qRgba(v, v, v, 255);
                s = s2;
            }
        }
        return img;
    }();
    return texture;
}

void paintGrain(QPainter& painter, const QRectF& rect)
{
    static const QPixmap tile = [] {
        QPixmap pm = QPixmap::fromImage(grainTexture());
        pm.setDevicePixelRatio(2);
        return pm;
    }();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.drawTiledPixmap(rect, tile);
    painter.restore();
}

namespace {
// The gold glow around the top-trailing corner: the quarter disc of radius 560 that lies
// inside the view, made once.
const QImage& glow()
{
    static const QImage image = [] {
        QImage img(560, 560, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        QRadialGradient g(QPointF(560, 0), 560);
        g.setColorAt(0, palette::withOpacity(palette::gold(), 0.07));
        g.setColorAt(1, palette::withOpacity(palette::gold(), 0));
        p.fillRect(img.rect(), g);
        return img;
    }();
    return image;
}
} // namespace

void paintInkBackdrop(QPainter& painter, const QRectF& rect)
{
    paintInkBackdrop(painter, rect, QGuiApplication::layoutDirection());
}

void paintInkBackdrop(QPainter& painter, const QRectF& rect, Qt::LayoutDirection direction)
{
    painter.save();
    painter.fillRect(rect, palette::ink());
    painter.setClipRect(rect, Qt::IntersectClip);
    if (direction == Qt::RightToLeft) {
        // The glow mirrored about its own left edge: its centre on the top-left corner.
        painter.save();
        painter.translate(rect.left() + 560, rect.top());
        painter.scale(-1, 1);
        painter.drawImage(QPointF(0, 0), glow());
        painter.restore();
    } else {
        painter.drawImage(QPointF(rect.right() - 560, rect.top()), glow());
    }
    paintGrain(painter, rect);
    painter.restore();
}

InkBackdrop::InkBackdrop(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void InkBackdrop::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintInkBackdrop(p, QRectF(rect()), layoutDirection());
}

ButtonBar::ButtonBar(QWidget* parent) : QWidget(parent) {}

void ButtonBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette::inkRaised());
    p.fillRect(QRect(0, 0, width(), 1), palette::hairline());
}

TitleShade::TitleShade(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    markDecorative(this);
    if (parent) {
        parent->installEventFilter(this);
        follow();
    }
}

void TitleShade::setTop(double top)
{
    top_ = std::max(0.0, top);
    follow();
    update();
}

bool TitleShade::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        follow();
    return QWidget::eventFilter(watched, event);
}

void TitleShade::follow()
{
    if (QWidget* p = parentWidget()) {
        setGeometry(0, 0, p->width(), int(std::ceil(top_ + 18)));
        raise();
    }
}

void TitleShade::paintEvent(QPaintEvent*)
{
    // The backdrop, then the mask: opaque down to `top`, fading to nothing 18 points lower.
    QImage layer(size() * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(devicePixelRatioF());
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        paintInkBackdrop(lp, QRectF(rect()), layoutDirection());
        lp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient mask(0, top_, 0, top_ + 18);
        mask.setColorAt(0, Qt::black);
        mask.setColorAt(1, Qt::transparent);
        lp.fillRect(QRectF(0, 0, width(), top_), Qt::black);
        lp.fillRect(QRectF(0, top_, width(), height() - top_), mask);
    }
    QPainter p(this);
    p.drawImage(QPointF(0, 0), layer);
}

Rise::Rise(QWidget* content, int order, MotionContext& motion, QWidget* parent)
    : QWidget(parent), content_(content), order_(order), motion_(motion), shown_(motion.frames(), 0)
{
    content_->setParent(this);
    effect_ = new QGraphicsOpacityEffect(content_);
    effect_->setOpacity(0);
    content_->setGraphicsEffect(effect_);
    setSizePolicy(content_->sizePolicy());
}

Rise::~Rise()
{
    if (listener_)
        motion_.frames().unlisten(listener_);
}

QSize Rise::sizeHint() const { return content_->sizeHint(); }
QSize Rise::minimumSizeHint() const { return content_->minimumSizeHint(); }
bool Rise::hasHeightForWidth() const { return content_->hasHeightForWidth(); }
int Rise::heightForWidth(int width) const { return content_->heightForWidth(width); }

bool Rise::event(QEvent* event)
{
    // The content's size changed (a text that wraps anew): the layout above asks again.
    if (event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QWidget::event(event);
}

void Rise::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (started_)
        return;
    started_ = true;
    offset_ = !motion_.reduceMotion();
    if (offset_)
        shown_.animateTo(1, Animation::timing(motion::Curve{motion::slow().easing, 500}, order_ * 0.06));
    else
        shown_.animateTo(1, Animation::timing(motion::Curve{motion::slow().easing, 200}));
    place();
    listener_ = motion_.frames().listen([this] {
        place();
        if (!shown_.isMoving()) {
            motion_.frames().unlisten(listener_);
            listener_ = 0;
            // Drawn without the effect once in place.
            content_->setGraphicsEffect(nullptr);
            effect_ = nullptr;
        }
    }, this);
}

void Rise::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    place();
}

void Rise::place()
{
    const double s = shown_.value();
    const int dy = offset_ ? int(std::lround(12 * (1 - s))) : 0;
    content_->setGeometry(0, dy, width(), height());
    if (effect_)
        effect_->setOpacity(s);
}

namespace {
class InkProgressAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit InkProgressAccessible(InkProgressBar* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}
    InkProgressBar* bar() const { return static_cast<InkProgressBar*>(widget()); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return bar()->valueText();
        // Qt's bridge hands screen readers only a number for the value: the words go in the description.
        if (t == QAccessible::Description && bar()->accessibleDescription().isEmpty())
            return bar()->valueText();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return int(std::lround(std::clamp(bar()->value(), 0.0, 1.0) * 100)); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
    int childCount() const override { return 0; }
};

QAccessibleInterface* progressFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("tq::InkProgressBar") && object && object->isWidgetType())
        return new InkProgressAccessible(static_cast<InkProgressBar*>(object));
    return nullptr;
}
} // namespace

InkProgressBar::InkProgressBar(double height, MotionContext& motion, QWidget* parent)
    : QWidget(parent), height_(height), motion_(motion), shown_(motion.frames(), 0), driver_(motion.frames(), this)
{
    static const bool installed = [] {
        QAccessible::installFactory(progressFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(int(std::ceil(height_)));
}

QString InkProgressBar::percentText() const
{
    const double v = std::clamp(value_, 0.0, 1.0);
    return tq::percentText(v);
}

void InkProgressBar::setValueText(const QString& text)
{
    if (text == valueText_)
        return;
    valueText_ = text;
    QAccessibleValueChangeEvent ev(this, int(std::lround(std::clamp(value_, 0.0, 1.0) * 100)));
    QAccessible::updateAccessibility(&ev);
}

void InkProgressBar::setValue(double value)
{
    if (std::isnan(value))
        value = 0;
    const bool changedText = std::lround(std::clamp(value, 0.0, 1.0) * 100) != std::lround(std::clamp(value_, 0.0, 1.0) * 100);
    value_ = value;
    // The spring holds under Reduce Motion too: the bar has no still form.
    shown_.animateTo(value, Animation::springy(motion::spring()));
    driver_.run([this] { return shown_.isMoving(); });
    if (changedText) {
        QAccessibleValueChangeEvent ev(this, int(std::lround(std::clamp(value_, 0.0, 1.0) * 100)));
        QAccessible::updateAccessibility(&ev);
    }
}

QSize InkProgressBar::sizeHint() const
{
    return QSize(160, int(std::ceil(height_)));
}

QRectF InkProgressBar::fillRect(const QRectF& track, double value)
{
    if (!(value > 0))
        return {};
    const double w = std::max(std::min(value, 1.0) * track.width(), track.height());
    return QRectF(track.left(), track.top(), std::min(w, track.width()), track.height());
}

void InkProgressBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (layoutDirection() == Qt::RightToLeft) { // fills from the right
        p.translate(width(), 0);
        p.scale(-1, 1);
    }
    const QRectF track(0, (height() - height_) / 2, width(), height_);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::wash());
    p.drawPath(continuousCapsule(track));
    const QRectF fill = fillRect(track, shown_.value());
    if (fill.isEmpty())
        return;
    QLinearGradient g(fill.topLeft(), fill.topRight());
    g.setColorAt(0, palette::withOpacity(palette::gold(), 0.85));
    g.setColorAt(1, palette::gold());
    p.setBrush(g);
    p.drawPath(continuousCapsule(fill));
    const double hh = std::max(0.22 * height_, 1.0);
    const QRectF highlight(fill.left() + 0.5 * height_, fill.top() + 0.18 * height_, fill.width() - height_, hh);
    if (highlight.width() > 0) {
        p.setBrush(QColor::fromRgbF(1, 1, 1, 0.28));
        p.drawPath(continuousCapsule(highlight));
    }
}

} // namespace tq
