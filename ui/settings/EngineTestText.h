#pragma once
// The texts "Try the engine" shows for what came back.

#include "completion/EngineTest.h"

#include <QString>

#include <cstdint>

namespace tq::enginetest {

// The text shown for a reply already cleaned, after `milliseconds`.
QString replyText(const QString& cleaned, std::int64_t milliseconds);
QString failureText(const QString& message);
QString resultText(const EngineTestReply& reply);

} // namespace tq::enginetest
