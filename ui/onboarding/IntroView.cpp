#include "ui/onboarding/IntroView.h"

#include "platform/Text.h"
#include "settings/Preferences.h"
#include "ui/design/Buttons.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Shapes.h"
#include "ui/design/Symbols.h"
#include "ui/onboarding/IntroStage.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QPainter>
#include <QShowEvent>
#include <QStyle>

#include <algorithm>

namespace tq {

namespace {

// The quiet white-tinted controls over the stage: a capsule with a word, or a circle with a symbol.
class IntroChip final : public QAbstractButton {
public:
    IntroChip(MotionContext& motion, QWidget* parent)
        : QAbstractButton(parent), motion_(motion), swap_(motion.frames(), 1), driver_(motion.frames(), this)
    {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
    }
    // The symbol is replaced in place: the old one shrinks away as the new one grows in
    // (a plain cross-fade under Reduce Motion).
    void setSymbol(const QString& name)
    {
        if (name == symbol_)
            return;
        previous_ = symbol_;
        symbol_ = name;
        if (previous_.isEmpty() || !isVisible()) {
            swap_.setTo(1);
        } else {
            swap_.setTo(0);
            swap_.animateTo(1, Animation::timing(motion::easeOut(motion_.reduceMotion() ? 200 : 280)));
            driver_.run([this] { return swap_.isMoving(); });
        }
        update();
    }
    bool hasSymbol() const { return !symbol_.isEmpty(); }
    QSize sizeHint() const override
    {
        if (hasSymbol())
            return {30, 30};
        const QFontMetrics fm(chipFont());
        return {fm.horizontalAdvance(text()) + 24, fm.height() + 12};
    }
    static QFont chipFont() { return fonts::font(fonts::Role::callout, QFont::Medium); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(hasFocus() ? QPen(palette::withOpacity(palette::gold(), 0.7), 1) : Qt::NoPen);
        p.setBrush(palette::withOpacity(Qt::white, isDown() ? 0.12 : 0.06));
        if (hasSymbol()) {
            p.drawEllipse(r);
            const QRectF box = r.adjusted(8, 8, -8, -8);
            const double k = std::clamp(swap_.value(), 0.0, 1.0);
            const bool fadeOnly = motion_.reduceMotion();
            auto draw = [&](const QString& name, double opacity, double scale) {
                if (opacity <= 0 || name.isEmpty())
                    return;
                p.save();
                p.setOpacity(opacity);
                p.translate(box.center());
                p.scale(scale, scale);
                p.translate(-box.center());
                symbols::paint(p, name, box, palette::paperDim());
                p.restore();
            };
            if (k < 1)
                draw(previous_, 1 - std::min(1.0, 2 * k), fadeOnly ? 1 : 1 - 0.5 * std::min(1.0, 2 * k));
            draw(symbol_, k < 1 ? std::max(0.0, 2 * k - 1) : 1, fadeOnly || k >= 1 ? 1 : 0.5 + 0.5 * std::max(0.0, 2 * k - 1));
        } else {
            p.drawPath(continuousCapsule(r));
            p.setFont(chipFont());
            p.setPen(palette::paperDim());
            p.drawText(r, Qt::AlignCenter, text());
        }
    }

private:
    MotionContext& motion_;
    QString symbol_;
    QString previous_;
    AnimatedValue swap_;
    FrameDriver driver_;
};

} // namespace

IntroView::IntroView(IntroServices services, std::function<void()> done, QWidget* parent)
    : QWidget(parent)
    , services_(std::move(services))
    , done_(std::move(done))
    , player_(services_.clock, services_.sound)
    , enter_(services_.motion.frames(), 0)
    , leave_(services_.motion.frames(), 0)
    , doneTimer_(services_.clock)
{
    setObjectName(QStringLiteral("introView"));
    setAccessibleName(appName());
    setAccessibleDescription(text("Your next words, one Tab away."));
    setFocusPolicy(Qt::StrongFocus);
    stage_ = new IntroStage(this);

    auto* skip = new IntroChip(services_.motion, this);
    skip->setText(text("Skip"));
    skip->setAccessibleName(text("Skip"));
    skip_ = skip;
    connect(skip_, &QAbstractButton::clicked, this, &IntroView::leave);

    auto* sound = new IntroChip(services_.motion, this);
    sound_ = sound;
    connect(sound_, &QAbstractButton::clicked, this, &IntroView::toggleSound);

    startButton_ = new PrimaryButton(text("Get Started"), services_.motion, this);
    startButton_->setAccessibleName(text("Get Started"));
    startButton_->hide(); // not clickable nor seen by accessibility before its cue
    startFade_ = new QGraphicsOpacityEffect(startButton_);
    startButton_->setGraphicsEffect(startFade_);
    connect(startButton_, &QAbstractButton::clicked, this, &IntroView::leave);

    fade_ = new QGraphicsOpacityEffect(this);
    fade_->setOpacity(0);
    setGraphicsEffect(fade_);

    connect(&services_.prefs, &Preferences::changed, this, [this](const QString& key) {
        if (key == QLatin1String("introMuted"))
            followMuted();
    });
    followMuted();
    stage_->setFrame(0, cues(), services_.motion.reduceMotion());
}

IntroView::~IntroView()
{
    stopTicking();
}

QAbstractButton* IntroView::startButton() const
{
    return startButton_;
}

double IntroView::sceneTime() const
{
    if (frozenAt_ >= 0)
        return frozenAt_;
    if (!started_)
        return 0;
    return services_.motion.frames().seconds() - startedAt_;
}

double IntroView::shownOpacity() const
{
    return fade_->isEnabled() ? fade_->opacity() : 1.0;
}

void IntroView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window brought back from the task bar goes on where it was; a view put on screen again
    // starts its scene over.
    if (event->spontaneous() || ending_.leaving())
        return;
    started_ = true;
    ending_.restart();
    startedAt_ = services_.motion.frames().seconds();
    const bool reduce = services_.motion.reduceMotion();
    enter_.setTo(0);
    enter_.animateTo(1, Animation::timing(motion::easeOut(reduce ? 200 : 450)));
    fade_->setEnabled(true);
    fade_->setOpacity(0);
    player_.play(services_.prefs.introMuted() || services_.localOnly);
    setFocus();
    if (!listener_)
        listener_ = services_.motion.frames().listen([this] { frame(); }, this);
    frame();
}

void IntroView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    // A closing window stops the sound and the clock at once.
    player_.stop();
    stopTicking();
    // Closed while leaving: what follows the intro still comes.
    if (ending_.phase() == IntroEnding::Phase::leaving) {
        doneTimer_.cancel();
        finish();
    }
}

void IntroView::finish()
{
    if (ending_.finish() && done_)
        done_();
}

void IntroView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    place();
}

void IntroView::place()
{
    stage_->setGeometry(rect());
    const QSize skip = skip_->sizeHint();
    // Skip at the top trailing corner, the sound chip at the bottom leading one; mirrored right to left.
    skip_->setGeometry(QStyle::visualRect(layoutDirection(), rect(), QRect(width() - 16 - skip.width(), 16, skip.width(), skip.height())));
    sound_->setGeometry(QStyle::visualRect(layoutDirection(), rect(), QRect(16, height() - 16 - 30, 30, 30)));
    const QSize s = startButton_->sizeHint();
    const double p = intro::buttonProgress(sceneTime(), cues());
    const double down = 10 * intro::tail(p);
    startButton_->setGeometry(width() / 2 - s.width() / 2, int(height() - 64 - s.height() / 2.0 + down), s.width(),
                              s.height());
}

void IntroView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        leave();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Return belongs to "Get Started", which only works after its cue.
        if (intro::buttonUsable(sceneTime(), cues()))
            leave();
        return;
    }
    QWidget::keyPressEvent(event);
}

void IntroView::frame()
{
    const double t = sceneTime();
    const IntroCues& cue = cues();
    const bool still = services_.motion.reduceMotion();
    const double now = services_.motion.frames().seconds();

    if (!ending_.leaving()) {
        stage_->setFrame(t, cue, still);
        const bool usable = intro::buttonUsable(t, cue);
        if (usable != startButton_->isVisible())
            startButton_->setVisible(usable);
        startFade_->setOpacity(intro::easeOut(intro::buttonProgress(t, cue)));
        place();
        const double e = enter_.valueAt(now);
        fade_->setOpacity(e);
        if (e >= 1 && fade_->isEnabled()) {
            fade_->setEnabled(false); // full opacity: draw straight to the window
            ending_.entered();
        }
        return;
    }
    const double l = leave_.valueAt(now);
    fade_->setEnabled(true);
    fade_->setOpacity((1 - l) * enter_.valueAt(now));
    stage_->setLeaving(std::max(l, 1e-6), !still, lastFrame_);
    lastFrame_ = QImage();
    if (!leave_.isMovingAt(now))
        stopTicking();
}

void IntroView::stopTicking()
{
    if (listener_) {
        services_.motion.frames().unlisten(listener_);
        listener_ = 0;
    }
}

void IntroView::leave()
{
    if (!ending_.leave())
        return;
    frozenAt_ = started_ ? services_.motion.frames().seconds() - startedAt_ : 0;
    // The buttons leave with the stage: they become part of its last frame.
    lastFrame_ = stage_->renderFrame();
    {
        QPainter p(&lastFrame_);
        for (QWidget* w : {static_cast<QWidget*>(skip_), static_cast<QWidget*>(sound_), static_cast<QWidget*>(startButton_)}) {
            if (!w->isVisible())
                continue;
            p.save();
            if (w == startButton_)
                p.setOpacity(startFade_->opacity());
            w->render(&p, w->pos(), QRegion(), QWidget::DrawChildren);
            p.restore();
            w->hide();
        }
    }
    player_.fadeTo(0, 0.8);
    const bool reduce = services_.motion.reduceMotion();
    motion::Curve curve;
    curve.easing = QEasingCurve(QEasingCurve::BezierSpline);
    curve.easing.addCubicBezierSegment(QPointF(0.23, 1), QPointF(0.32, 1), QPointF(1, 1));
    curve.durationMs = reduce ? 200 : 550;
    leave_.animateTo(1, Animation::timing(curve));
    if (!listener_)
        listener_ = services_.motion.frames().listen([this] { frame(); }, this);
    frame();
    const auto wait = Millis(reduce ? 200 : 500);
    doneTimer_.start(wait, [this] { finish(); });
}

void IntroView::toggleSound()
{
    const bool muted = !services_.prefs.introMuted();
    services_.prefs.setIntroMuted(muted);
    player_.fadeTo(muted ? 0 : IntroPlayer::kLevel, 0.3);
}

void IntroView::followMuted()
{
    auto* chip = static_cast<IntroChip*>(sound_);
    const bool muted = services_.prefs.introMuted();
    chip->setSymbol(muted ? QStringLiteral("speaker.slash.fill") : QStringLiteral("speaker.wave.2.fill"));
    chip->setAccessibleName(muted ? text("Turn sound on") : text("Turn sound off"));
}

} // namespace tq
