#include "platform/MemoryPressure.h"

#include <QFile>
#include <QRegularExpression>

#include <optional>

namespace tq {

namespace {

// Kernel files give their current content from the start each time: opened once.
QString readText(QFile& file, const QString& path)
{
    if (!file.isOpen()) {
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return {};
    } else if (!file.seek(0)) {
        file.close();
        return {};
    }
    return QString::fromLatin1(file.readAll());
}

// The avg10 figure of the line starting with `kind` ("some" or "full").
std::optional<double> stallAverage(const QString& text, const QString& kind)
{
    static const QRegularExpression line(QStringLiteral("^(some|full)\\s.*\\bavg10=([0-9.]+)"),
                                         QRegularExpression::MultilineOption);
    auto it = line.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(1) == kind) {
            bool ok = false;
            const double v = m.captured(2).toDouble(&ok);
            if (ok)
                return v;
        }
    }
    return std::nullopt;
}

std::optional<double> meminfoKb(const QString& text, const QString& key)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s+([0-9]+)").arg(key), QRegularExpression::MultilineOption);
    const auto m = line.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toDouble();
}

} // namespace

LinuxMemoryPressure::LinuxMemoryPressure(Clock& clock, QString pressureFile, QString meminfoFile, QObject* parent)
    : MemoryPressure(parent), pressureFile_(std::move(pressureFile)), meminfoFile_(std::move(meminfoFile)), timer_(clock)
{
}

void LinuxMemoryPressure::start()
{
    if (timer_.isActive())
        return;
    timer_.startRepeating(kInterval, [this] { poll(); });
}

void LinuxMemoryPressure::poll()
{
    const Level now = levelFrom(readText(pressure_, pressureFile_), readText(meminfo_, meminfoFile_));
    const Level before = level_;
    level_ = now;
    if (now > before)
        emit pressure(now);
}

MemoryPressure::Level LinuxMemoryPressure::levelFrom(const QString& pressureText, const QString& meminfoText)
{
    const auto some = stallAverage(pressureText, QStringLiteral("some"));
    const auto full = stallAverage(pressureText, QStringLiteral("full"));
    if (some || full) {
        if (full && *full >= 5.0)
            return Level::critical;
        if (some && *some >= 10.0)
            return Level::warning;
        return Level::normal;
    }
    const auto total = meminfoKb(meminfoText, QStringLiteral("MemTotal"));
    const auto available = meminfoKb(meminfoText, QStringLiteral("MemAvailable"));
    if (!total || !available || *total <= 0)
        return Level::normal;
    const double share = *available / *total;
    if (share < 0.05)
        return Level::critical;
    if (share < 0.10)
        return Level::warning;
    return Level::normal;
}

} // namespace tq
