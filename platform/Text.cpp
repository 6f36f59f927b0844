#include "platform/Text.h"

#include <QCoreApplication>

namespace tq {

QString appName() { return QStringLiteral("Tessaquill"); }

QString modifierKeycap(QChar symbol)
{
    switch (symbol.unicode()) {
    case 0x2303: return QStringLiteral("Ctrl");
    case 0x2325: return QStringLiteral("Alt");
    case 0x21E7: return QStringLiteral("Shift");
    case 0x2318: return QStringLiteral("Super");
    default: return QString(symbol);
    }
}

QString text(const char* source, const char* disambiguation)
{
    QString t = QCoreApplication::translate("Tessaquill", source, disambiguation);
    t.replace(QStringLiteral("%app"), appName());
    return t;
}

} // namespace tq
