#include "ui/onboarding/IntroPlayer.h"

#include <QFile>
#include <QSoundEffect>

#include <algorithm>

namespace tq {

IntroPlayer::IntroPlayer(Clock& clock, QUrl source) : clock_(clock), source_(std::move(source)), fade_(clock) {}

IntroPlayer::~IntroPlayer()
{
    stop();
}

QUrl IntroPlayer::defaultSource()
{
    return QUrl(QStringLiteral("qrc:/sounds/intro.wav"));
}

void IntroPlayer::play(bool muted)
{
    if (effect_)
        return;
    const QString path = source_.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + source_.path()
                                                                   : source_.toLocalFile();
    if (path.isEmpty() || !QFile::exists(path))
        return;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(source_);
    effect_->setLoopCount(1);
    apply(muted ? 0 : kLevel);
    // Without a sound device the effect reports an error and stays silent.
    effect_->play();
}

void IntroPlayer::apply(double volume)
{
    volume_ = std::clamp(volume, 0.0, 1.0);
    if (effect_)
        effect_->setVolume(float(volume_));
}

void IntroPlayer::fadeTo(double target, double seconds)
{
    if (!effect_)
        return;
    fade_.cancel();
    if (seconds <= 0) {
        apply(target);
        return;
    }
    const double from = volume_;
    const Nanos begin = clock_.monotonic();
    const double length = seconds;
    fade_.startRepeating(Millis(20), [this, from, target, begin, length] {
        const double k = std::min(std::chrono::duration<double>(clock_.monotonic() - begin).count() / length, 1.0);
        apply(from + (target - from) * k);
        if (k >= 1)
            fade_.cancel();
    });
}

void IntroPlayer::stop()
{
    fade_.cancel();
    if (effect_) {
        effect_->stop();
        effect_.reset();
    }
}

} // namespace tq
