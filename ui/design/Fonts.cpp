#include "ui/design/Fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <cmath>

namespace tq::fonts {

namespace {
QFont sized(QFont f, double pointSize, QFont::Weight weight)
{
    f.setPointSizeF(pointSize);
    f.setWeight(weight);
    return f;
}
} // namespace

QFont system(double pointSize, QFont::Weight weight)
{
    return sized(QGuiApplication::font(), pointSize, weight);
}

QString roundedFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* name : {"Comfortaa", "Quicksand"})
            if (installed.contains(QString::fromLatin1(name)))
                return QString::fromLatin1(name);
        return QString();
    }();
    return family;
}

QFont rounded(double pointSize, QFont::Weight weight)
{
    const QString family = roundedFamily();
    if (family.isEmpty())
        return system(pointSize, weight);
    QFont f(family);
    return sized(f, pointSize, weight);
}

bool hasTabularDigits(const QFont& font)
{
    const QFontMetricsF m(font);
    const double w = m.horizontalAdvance(QLatin1Char('0'));
    for (char c = '1'; c <= '9'; ++c)
        if (std::abs(m.horizontalAdvance(QLatin1Char(c)) - w) > 0.01)
            return false;
    return true;
}

QFont tabularDigits(double pointSize, QFont::Weight weight)
{
    QFont f = system(pointSize, weight);
    if (hasTabularDigits(f))
        return f;
    for (const char* name : {"DejaVu Sans", "Noto Sans", "Liberation Sans"}) {
        QFont alt = sized(QFont(QString::fromLatin1(name)), pointSize, weight);
        if (QFontDatabase::families().contains(QString::fromLatin1(name)) && hasTabularDigits(alt))
            return alt;
    }
    return f;
}

} // namespace tq::fonts
