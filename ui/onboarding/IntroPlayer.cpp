#include "ui/onboarding/IntroPlayer.h"

#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>

#include <algorithm>

namespace tq {

// QSoundEffect is not used: its process-wide sample cache can deadlock at exit while a
// sample is still loading, which hangs the program on quit.

std::optional<WaveSound> readWave(const QByteArray& file)
{
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(file.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(file.constData() + at); };
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<QAudioFormat> format;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qint64 length = u32(at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (length < 16 || body + 16 > file.size() || u16(body) != 1)
                return std::nullopt; // not plain PCM
            const int channels = u16(body + 2);
            const int rate = int(u32(body + 4));
            const int bits = u16(body + 14);
            QAudioFormat f;
            f.setChannelCount(channels);
            f.setSampleRate(rate);
            f.setSampleFormat(bits == 8    ? QAudioFormat::UInt8
                              : bits == 16 ? QAudioFormat::Int16
                              : bits == 32 ? QAudioFormat::Int32
                                           : QAudioFormat::Unknown);
            if (channels < 1 || channels > 8 || rate < 1000 || rate > 384000 || !f.isValid())
                return std::nullopt;
            format = f;
        } else if (id == "data") {
            if (!format)
                return std::nullopt;
            const qsizetype frame = format->bytesPerFrame();
            qsizetype size = qsizetype(std::min<qint64>(length, file.size() - body));
            size -= size % frame;
            if (size <= 0)
                return std::nullopt;
            return WaveSound{*format, file.mid(body, size)};
        }
        at = body + qsizetype(length) + (length & 1); // chunks are padded to even sizes
    }
    return std::nullopt;
}

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
    if (sink_)
        return;
    const QString path = source_.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + source_.path()
                                                                   : source_.toLocalFile();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    std::optional<WaveSound> wave = readWave(file.read(8 << 20));
    if (!wave)
        return;
    samples_.setData(wave->samples);
    samples_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), wave->format);
    // Once played out, the stream is given back rather than held open until the intro ends.
    QObject::connect(sink_.get(), &QAudioSink::stateChanged, sink_.get(), [this](QAudio::State state) {
        if (state == QAudio::IdleState && sink_)
            sink_->stop();
    });
    apply(muted ? 0 : kLevel);
    // Without a sound device the sink reports an error and stays silent.
    sink_->start(&samples_);
}

void IntroPlayer::apply(double volume)
{
    volume_ = std::clamp(volume, 0.0, 1.0);
    if (sink_)
        sink_->setVolume(volume_);
}

void IntroPlayer::fadeTo(double target, double seconds)
{
    if (!sink_)
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
    if (sink_) {
        sink_->disconnect();
        sink_->stop();
        sink_.reset();
    }
    samples_.close();
}

} // namespace tq
