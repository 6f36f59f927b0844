#include "platform/FieldFont.h"

#include <QFontDatabase>
#include <QStringList>

#include <optional>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {

std::optional<QFont> genericFont(const QString& name)
{
    const QString n = name.toLower();
    if (n == QLatin1String("monospace") || n == QLatin1String("mono") || n == QLatin1String("-moz-fixed"))
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (n == QLatin1String("sans-serif") || n == QLatin1String("sans") || n == QLatin1String("system-ui"))
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (n == QLatin1String("serif")) {
        QFont f(QStringLiteral("serif"));
        f.setStyleHint(QFont::Serif);
        return f;
    }
    return std::nullopt;
}

} // namespace

QFont fieldFont(const QString& family, double pixelSize)
{
    std::optional<QFont> found;
    for (QString entry : family.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        entry = entry.trimmed();
        if (entry.size() >= 2 && (entry.front() == QLatin1Char('\'') || entry.front() == QLatin1Char('"')) && entry.back() == entry.front())
            entry = entry.mid(1, entry.size() - 2).trimmed();
        if (entry.isEmpty())
            continue;
        if (QFontDatabase::hasFamily(entry)) {
            found = QFont(entry);
            break;
        }
        if ((found = genericFont(entry)))
            break;
    }
    QFont font = found.value_or(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    return font;
}

} // namespace tq
