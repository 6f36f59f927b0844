#pragma once
// The intro's sound: a short chime read from a PCM wave file and played once through an
// audio sink, its volume faded on the shared clock. With no sound device the intro simply
// plays in silence.

#include "platform/Clock.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QUrl>

#include <memory>
#include <optional>

class QAudioSink;

namespace tq {

// The samples of a PCM wave file (8, 16 or 32 bit integer), or none when it is not one.
// A data chunk longer than the file is cut to what is there.
struct WaveSound {
    QAudioFormat format;
    QByteArray samples;
};
std::optional<WaveSound> readWave(const QByteArray& file);

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

    bool hasSound() const { return bool(sink_); }
    double volume() const { return volume_; }
    static QUrl defaultSource();

private:
    void apply(double volume);
    Clock& clock_;
    QUrl source_;
    // Declared before the sink, which reads it until it is destroyed.
    QBuffer samples_;
    std::unique_ptr<QAudioSink> sink_;
    Timer fade_;
    double volume_ = 0;
};

} // namespace tq
