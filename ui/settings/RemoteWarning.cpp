#include "ui/settings/RemoteWarning.h"

#include "engines/HttpTransport.h"
#include "platform/Text.h"

namespace tq {

QString serverHost(const QString& address)
{
    const auto url = Providers::endpoint(address, QString());
    return url ? url->host(QUrl::FullyEncoded) : QString();
}

QString remoteWarningText(const QString& address)
{
    const QString host = serverHost(address);
    if (host.isEmpty() || host == QLatin1String("localhost") || host == QLatin1String("127.0.0.1")
        || host == QLatin1String("::1"))
        return {};
    if (host.endsWith(QLatin1String(".local")))
        return text("%1 is another device on your network, so the text around your caret will be sent there.").arg(host);
    return text("%1 isn't this computer, so the text around your caret will be sent there.").arg(host);
}

} // namespace tq
