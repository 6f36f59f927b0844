#include "ui/design/Fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tq::fonts {

namespace {
bool installed(const QString& family)
{
    return QFontDatabase::families().contains(family);
}
bool installed(const char* family) { return installed(QString::fromLatin1(family)); }

// Noto per script, for the scripts a design face lacks; Han in the interface language's own
// forms first.
const QStringList& scriptFallbacks()
{
    static const QStringList families = [] {
        QStringList han{"Noto Sans CJK SC", "Noto Sans CJK TC", "Noto Sans CJK JP", "Noto Sans CJK KR"};
        const QLocale locale;
        const QString first = locale.language() == QLocale::Japanese ? han[2]
                            : locale.language() == QLocale::Korean    ? han[3]
                            : locale.script() == QLocale::TraditionalChineseScript ? han[1]
                                                                                    : han[0];
        han.removeOne(first);
        han.prepend(first);
        QStringList all{"Noto Sans",          "Noto Sans Arabic",   "Noto Sans Hebrew",   "Noto Sans Devanagari",
                        "Noto Sans Bengali",  "Noto Sans Gujarati", "Noto Sans Gurmukhi", "Noto Sans Kannada",
                        "Noto Sans Malayalam", "Noto Sans Tamil",   "Noto Sans Telugu",   "Noto Sans Thai"};
        all += han;
        all.removeIf([](const QString& f) { return !installed(f); });
        return all;
    }();
    return families;
}

QFont sized(QFont f, double pixels, QFont::Weight weight)
{
    f.setFamilies(QStringList{f.family()} + scriptFallbacks());
    f.setPixelSize(std::max(1, int(std::lround(pixels))));
    f.setWeight(weight);
    return f;
}
} // namespace

int pixelSize(Role role)
{
    switch (role) {
    case Role::largeTitle: return 26;
    case Role::title: return 22;
    case Role::title2: return 17;
    case Role::title3: return 15;
    case Role::headline:
    case Role::body: return 13;
    case Role::callout: return 12;
    case Role::subheadline: return 11;
    case Role::footnote:
    case Role::caption:
    case Role::caption2: return 10;
    }
    return 13;
}

QFont font(Role role, Face face)
{
    return font(role, role == Role::headline ? QFont::DemiBold : QFont::Normal, face);
}

QFont font(Role role, QFont::Weight weight, Face face)
{
    const int px = pixelSize(role);
    switch (face) {
    case Face::system: return system(px, weight);
    case Face::rounded: return rounded(px, weight);
    case Face::tabularDigits: return tabularDigits(px, weight);
    case Face::monospaced: return monospaced(px, weight);
    }
    return system(px, weight);
}

QFont system(double pixels, QFont::Weight weight)
{
    return sized(QGuiApplication::font(), pixels, weight);
}

QString roundedFamily()
{
    static const QString family = [] {
        for (const char* name : {"Comfortaa", "Quicksand"})
            if (installed(name))
                return QString::fromLatin1(name);
        return QString();
    }();
    return family;
}

QFont rounded(double pixels, QFont::Weight weight)
{
    const QString family = roundedFamily();
    if (family.isEmpty())
        return system(pixels, weight);
    return sized(QFont(family), pixels, weight);
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

QFont tabularDigits(double pixels, QFont::Weight weight)
{
    QFont f = system(pixels, weight);
    if (hasTabularDigits(f))
        return f;
    for (const char* name : {"DejaVu Sans", "Noto Sans", "Liberation Sans"}) {
        QFont alt = sized(QFont(QString::fromLatin1(name)), pixels, weight);
        if (installed(name) && hasTabularDigits(alt))
            return alt;
    }
    return f;
}

QFont monospaced(double pixels, QFont::Weight weight)
{
    return sized(QFontDatabase::systemFont(QFontDatabase::FixedFont), pixels, weight);
}

const QList<int>& ladder()
{
    static const QList<int> sizes{10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 22, 24, 26, 28, 34, 56, 64};
    return sizes;
}

bool onLadder(const QFont& font)
{
    return font.pixelSize() > 0 && ladder().contains(font.pixelSize());
}

} // namespace tq::fonts
