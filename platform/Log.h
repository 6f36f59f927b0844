#pragma once
// The program's one log category. Messages are data, never format strings, and never
// carry the user's typed text.

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(tqLog)

namespace tq::log {

void debug(const QString& message);
void info(const QString& message);
void warning(const QString& message);
void error(const QString& message);

// Passes a diagnostic line only when it differs from the one before it.
class RepeatFilter {
public:
    bool pass(const QString& line);
    void reset() { last_.clear(); }

private:
    QString last_;
};

} // namespace tq::log
