#include "field/RestartHint.h"

#include "platform/Text.h"

namespace tq {

QString RestartHint::sentence() const
{
    return text("%1 shares no text. Quit it and start it with %2 to get suggestions in it.")
        // The switch reads left to right in a right-to-left sentence too.
        .arg(appName, QChar(0x2066) + QString::fromLatin1(kRendererAccessibilitySwitch) + QChar(0x2069));
}

} // namespace tq
