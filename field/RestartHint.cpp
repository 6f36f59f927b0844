#include "field/RestartHint.h"

#include "platform/Text.h"

namespace tq {

QString RestartHint::sentence() const
{
    return text("%1 shares no text. Quit it and start it with %2 to get suggestions in it.")
        .arg(appName, QString::fromLatin1(kRendererAccessibilitySwitch));
}

} // namespace tq
