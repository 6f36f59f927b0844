#include "field/WindowTitle.h"

#include <QRegularExpression>

namespace tq {

QString withoutModifiedMark(const QString& title)
{
    static const QRegularExpression leading(QStringLiteral("^(?:[*\u25CF\u2022]\\s*)+"));
    static const QRegularExpression lone(QStringLiteral("\\s+\\*(?=\\s+[-\u2013\u2014|\u00B7]\\s|\\s*$)"));
    QString out = title;
    out.remove(leading);
    out.remove(lone);
    return out;
}

} // namespace tq
