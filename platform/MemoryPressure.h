#pragma once
// Tells when the system runs short of memory, so that large caches (the loaded model) can be
// freed. On Linux the source is the kernel's pressure stall information, or the share of
// available memory where that is missing, read every few seconds.

#include "platform/Clock.h"

#include <QFile>
#include <QObject>
#include <QString>

#include <memory>

namespace tq {

class MemoryPressure : public QObject {
    Q_OBJECT
public:
    enum class Level { normal, warning, critical };
    Q_ENUM(Level)

    using QObject::QObject;
    ~MemoryPressure() override = default;

    // Starts watching; a second call does nothing.
    virtual void start() = 0;

signals:
    // The level rose to warning or to critical (never repeated while it stays there).
    void pressure(tq::MemoryPressure::Level level);
};

// Reads /proc/pressure/memory, else /proc/meminfo, every `kInterval`; the files stay open and
// are read again from their start.
class LinuxMemoryPressure final : public MemoryPressure {
    Q_OBJECT
public:
    static constexpr Nanos kInterval = std::chrono::seconds(2);

    explicit LinuxMemoryPressure(Clock& clock, QString pressureFile = QStringLiteral("/proc/pressure/memory"),
                                 QString meminfoFile = QStringLiteral("/proc/meminfo"), QObject* parent = nullptr);
    void start() override;
    // Reads the files once and reports a rise.
    void poll();
    Level level() const { return level_; }

    // Stall information: "some avg10" of 10 % or more is a warning, "full avg10" of 5 % or more
    // is critical. Without it, available memory under 10 % (warning) or 5 % (critical) of the
    // total; normal when neither text can be read.
    static Level levelFrom(const QString& pressureText, const QString& meminfoText);

private:
    QString pressureFile_;
    QString meminfoFile_;
    QFile pressure_;
    QFile meminfo_;
    Timer timer_;
    Level level_ = Level::normal;
};

} // namespace tq
