#include "platform/Log.h"

Q_LOGGING_CATEGORY(tqLog, "com.morvenfax.tessaquill.input")

namespace tq::log {

void debug(const QString& message) { qCDebug(tqLog).noquote() << message; }
void info(const QString& message) { qCInfo(tqLog).noquote() << message; }
void warning(const QString& message) { qCWarning(tqLog).noquote() << message; }
void error(const QString& message) { qCCritical(tqLog).noquote() << message; }

bool RepeatFilter::pass(const QString& line)
{
    if (line == last_)
        return false;
    last_ = line;
    return true;
}

} // namespace tq::log
