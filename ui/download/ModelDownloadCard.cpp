#include "ui/download/ModelDownloadCard.h"

#include "platform/Text.h"

#include <QLocale>

#include <algorithm>

namespace tq::modelcard {

QString formatBytes(qint64 bytes)
{
    return QLocale().formattedDataSize(std::max<qint64>(bytes, 0), 1, QLocale::DataSizeSIFormat);
}

Card card(const ModelStore::Phase& phase, bool standalone, bool onDeviceReady)
{
    using Kind = ModelStore::Phase::Kind;
    Card c;
    switch (phase.kind) {
    case Kind::missing:
        c.action = Action::download;
        c.actionTitle = tq::text("Download");
        c.primary = true;
        if (standalone) {
            c.status = StatusKind::note;
            c.statusText = onDeviceReady ? tq::text("The on-device model fills in until the download is done.")
                                         : tq::text("Suggestions start once the download is done.");
        }
        break;
    case Kind::downloading: {
        c.action = Action::cancel;
        c.actionTitle = tq::text("Cancel");
        c.status = StatusKind::progress;
        const qint64 total = std::max<qint64>(phase.total, 1);
        const qint64 received = std::clamp<qint64>(phase.received, 0, total);
        c.fraction = double(received) / double(total);
        c.progressValue = tq::text("%1 of %2").arg(formatBytes(phase.received), formatBytes(phase.total));
        c.statusText = phase.waitingForNetwork
            ? tq::text("Waiting for the network…")
            : tq::text("%1 of %2. You can keep writing while it downloads.")
                  .arg(formatBytes(phase.received), formatBytes(phase.total));
        break;
    }
    case Kind::verifying:
        c.status = StatusKind::verifying;
        c.statusText = tq::text("Checking the download");
        break;
    case Kind::failed:
        c.action = Action::retry;
        c.actionTitle = tq::text("Try Again");
        c.status = StatusKind::failed;
        c.statusText = phase.message;
        break;
    case Kind::ready:
        if (!standalone) {
            c.action = Action::remove;
            c.actionTitle = tq::text("Remove\u2026");
        }
        break;
    }
    return c;
}

QString specLine(const ModelSpec& spec)
{
    const QString dot = QStringLiteral(" \u00B7 ");
    const QString origin = spec.convertedBy.isEmpty()
                               ? spec.publisher
                               : tq::text("%1, converted for llama.cpp by %2").arg(spec.publisher, spec.convertedBy);
    return QStringList{origin, formatBytes(spec.bytes), tq::text("%1 license").arg(spec.license)}.join(dot);
}

QString removeTitle() { return tq::text("Remove the %app model?"); }

QString removeMessage(const ModelSpec& spec, bool onDeviceReady)
{
    if (onDeviceReady)
        return tq::text("This frees %1. The on-device model fills in until you download it again.").arg(formatBytes(spec.bytes));
    return tq::text("This frees %1. The %app model can't suggest until you download it again.").arg(formatBytes(spec.bytes));
}

} // namespace tq::modelcard
