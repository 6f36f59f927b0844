#include "platform/Text.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

namespace tq {

QString appName() { return QStringLiteral("Tessaquill"); }

QString modifierKeycap(QChar symbol)
{
    switch (symbol.unicode()) {
    case 0x2303: return text("Ctrl", "key");
    case 0x2325: return text("Alt", "key");
    case 0x21E7: return text("Shift", "key");
    case 0x2318: return text("Super", "key");
    default: return QString(symbol);
    }
}

namespace {
const char* const kContext = "Tessaquill";

QString withCount(QString s, int count)
{
    s.replace(QStringLiteral("%Ln"), QLocale().toString(count));
    s.replace(QStringLiteral("%n"), QString::number(count));
    return s;
}

// The English forms, used where the language in use has none of its own.
const QTranslator& englishForms()
{
    static const QTranslator* const english = [] {
        auto* t = new QTranslator;
        if (!t->load(QStringLiteral(":/i18n-en/tessaquill_en.qm")))
            qWarning("the English plural forms are missing");
        return t;
    }();
    return *english;
}
} // namespace

QString text(const char* source, const char* disambiguation, int count)
{
    // A count below zero is no count of anything; it reads as none.
    count = std::max(count, 0);
    QString t = QCoreApplication::translate(kContext, source, disambiguation, count);
    if (t == withCount(QString::fromUtf8(source), count)) {
        const QString english = englishForms().translate(kContext, source, disambiguation, count);
        if (!english.isEmpty())
            t = withCount(english, count);
    }
    t.replace(QStringLiteral("%app"), appName());
    return t;
}

QString text(const char* source, const char* disambiguation)
{
    QString t = QCoreApplication::translate(kContext, source, disambiguation);
    t.replace(QStringLiteral("%app"), appName());
    return t;
}

QString text(const char* source, int count) { return text(source, nullptr, count); }

} // namespace tq
