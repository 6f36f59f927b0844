#pragma once
// The intro's sound: a short chime played once with QSoundEffect, its volume faded on the
// shared clock. With no sound device the intro simply plays in silence.

#include "platform/Clock.h"

#include <QUrl>

#include <memory>

class QSoundEffect;

namespace tq {

class IntroPlayer {
public:
    static constexpr double kLevel = 0.9;

    explicit IntroPlayer(Clock& clock, QUrl source = defaultSource());
    ~IntroPlayer();
    IntroPlayer(const IntroPlayer&) = delete;
    IntroPlayer& operator=(const IntroPlayer&) = delete;

    // Starts the sound once, at volume 0 when muted and kLevel otherwise.
    void play(bool muted);
    // Moves the volume to `target` over `seconds`; nothing when nothing was played.
    void fadeTo(double target, double seconds);
    // Stops and releases the sound.
    void stop();

    bool hasSound() const { return bool(effect_); }
    double volume() const { return volume_; }
    static QUrl defaultSource();

private:
    void apply(double volume);
    Clock& clock_;
    QUrl source_;
    std::unique_ptr<QSoundEffect> effect_;
    Timer fade_;
    double volume_ = 0;
};

} // namespace tq
