#include "ui/settings/FieldInspector.h"

#include "platform/Chars.h"
#include "platform/Text.h"
#include "ui/design/Formatters.h"

#include <QLocale>

#include <cmath>

namespace tq::inspector {

namespace {

const char* yesNo(bool value)
{
    return value ? "true" : "false";
}

} // namespace

qint64 whole(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= 9.2e18)
        return 0;
    return static_cast<qint64>(std::trunc(value));
}

// A length in points, in the locale's digits: a measure, not a count of things.
static QString points(double value)
{
    return QLocale().toString(whole(value));
}

QString fieldType(const QString& role)
{
    return QString(role).remove(QStringLiteral("AX"));
}

QString fieldSize(const std::optional<QRectF>& frame)
{
    if (!frame)
        return text("Unknown");
    return text("%1 × %2 pt").arg(points(frame->width()), points(frame->height()));
}

QString caretText(const FieldSnapshot& s)
{
    if (!s.caretRect)
        return text("No");
    const int before = int(chars::count(s.before));
    const int after = int(chars::count(s.after));
    return text("Yes, at %1, %2 on screen, %3 pt tall, %4 and %5")
        .arg(points(s.caretRect->left()), points(s.caretRect->top()), points(s.caretRect->height()),
             text("%Ln characters before it", before),
             text("%Ln after", "characters after the caret", after));
}

QString fontText(const FieldSnapshot& s)
{
    if (!s.fontSize)
        return text("Not reported, estimated from the caret");
    const double size = std::isfinite(*s.fontSize) ? std::round(*s.fontSize) : 0;
    // One arg for both, so a "%2" in the font's name stays as it is.
    return text("%1 %2 pt").arg(s.fontName.value_or(text("System")), points(size));
}

bool atLineEnd(const FieldSnapshot& s)
{
    return s.restOfLine().trimmed().isEmpty();
}

QString textNearCaret(const FieldSnapshot& s)
{
    const QString rest = s.restOfLine();
    return chars::last(s.before, 180).toString() + QChar(0x258F) + chars::first(rest, 40).toString();
}

QString recentApps(const QStringList& names)
{
    if (names.isEmpty())
        return text("None yet", "no app looked at yet");
    return QLocale().createSeparatedList(names);
}

QString report(const Facts& f)
{
    QStringList lines = {
        QStringLiteral("Tessaquill diagnostics"),
        QStringLiteral("Status: ") + f.status,
        QStringLiteral("Engine: ") + f.engineTitle,
        QStringLiteral("Accessibility: ") + QLatin1String(yesNo(f.accessibility)),
        QStringLiteral("Keyboard listening: ") + QLatin1String(yesNo(f.listening)),
        QStringLiteral("Wait: ") + formatLatency(f.latency),
    };
    if (const auto& s = f.snapshot) {
        lines << QStringLiteral("App: ") + s->appName;
        lines << QStringLiteral("Role: ") + s->role;
        lines << QStringLiteral("Domain: ") + s->domain.value_or(QStringLiteral("none"));
        lines << QStringLiteral("Field: ")
                     + (s->fieldFrame ? QStringLiteral("%1x%2").arg(whole(s->fieldFrame->width())).arg(whole(s->fieldFrame->height()))
                                      : QStringLiteral("unknown"));
        lines << QStringLiteral("Caret: ") + QLatin1String(yesNo(s->caretRect.has_value()));
        lines << QStringLiteral("Font: ") + fontText(*s);
        lines << QStringLiteral("Line end: ") + QLatin1String(yesNo(atLineEnd(*s)));
        lines << QStringLiteral("Secure: ") + QLatin1String(yesNo(s->isSecure));
        lines << QStringLiteral("Characters before caret: ") + QString::number(chars::count(s->before));
    }
    return lines.join(u'\n');
}

} // namespace tq::inspector
