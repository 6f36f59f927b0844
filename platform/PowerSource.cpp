#include "platform/PowerSource.h"

#include <QDir>
#include <QFile>

namespace tq {

namespace {
QString readAttribute(const QString& supply, const char* name)
{
    QFile f(supply + QLatin1Char('/') + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.read(256)).trimmed();
}

bool isAdapterType(const QString& type)
{
    // USB-C and USB power delivery adapters report their own types beside "Mains".
    return type == QLatin1String("Mains") || type.startsWith(QLatin1String("USB"));
}
} // namespace

SysfsPowerSource::SysfsPowerSource(QString root) : root_(std::move(root)) {}

bool SysfsPowerSource::onBattery()
{
    const QDir dir(root_);
    bool discharging = false;
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString supply = dir.filePath(name);
        if (readAttribute(supply, "scope") == QLatin1String("Device"))
            continue;
        const QString type = readAttribute(supply, "type");
        if (isAdapterType(type) && readAttribute(supply, "online") == QLatin1String("1"))
            return false;
        if (type == QLatin1String("Battery") && readAttribute(supply, "status") == QLatin1String("Discharging"))
            discharging = true;
    }
    return discharging;
}

} // namespace tq
