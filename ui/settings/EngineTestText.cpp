#include "ui/settings/EngineTestText.h"

#include "platform/Text.h"
#include "ui/design/Formatters.h"

namespace tq::enginetest {

QString replyText(const QString& cleaned, std::int64_t milliseconds)
{
    if (cleaned.isEmpty())
        return text("The engine answered in %1 but had nothing useful to add.").arg(formatLatency(milliseconds));
    QString out = QStringLiteral("…draft tonight and");
    if (!cleaned.startsWith(u' '))
        out += u' ';
    return out + cleaned + QStringLiteral("   (") + formatLatency(milliseconds) + u')';
}

QString failureText(const QString& message)
{
    return text("That didn't work: %1").arg(message);
}

QString resultText(const EngineTestReply& reply)
{
    return reply.cleaned ? replyText(*reply.cleaned, reply.milliseconds) : failureText(reply.failure);
}

} // namespace tq::enginetest
