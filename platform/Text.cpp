#include "platform/Text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <utility>

namespace tq {

QString appName() { return QStringLiteral("Tessaquill"); }

namespace {
struct Wording {
    const char* mac;
    const char* plain;
    bool wholeWord;
};

// Longer entries first so "macOS" and "System Settings" win over shorter matches.
constexpr Wording kWording[] = {
    {"System Settings", "the desktop's settings", false},
    {"System Preferences", "the desktop's settings", false},
    {"macOS", "the system", true},
    {"Mac's", "computer's", true},
    {"Mac", "computer", true},
    {"\u2303", "Ctrl", false},
    {"\u2325", "Alt", false},
    {"\u21E7", "Shift", false},
    {"\u2318", "Super", false},
};
} // namespace

QString linuxWording(const QString& in)
{
    QString out = in;
    for (const auto& w : kWording) {
        const QString mac = QString::fromUtf8(w.mac);
        if (!out.contains(mac))
            continue;
        if (w.wholeWord) {
            static thread_local QHash<QString, QRegularExpression> cache;
            auto it = cache.find(mac);
            if (it == cache.end())
                it = cache.insert(mac, QRegularExpression(QStringLiteral("\\b") + QRegularExpression::escape(mac) + QStringLiteral("\\b")));
            out.replace(*it, QString::fromUtf8(w.plain));
        } else {
            out.replace(mac, QString::fromUtf8(w.plain));
        }
    }
    return out;
}

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

QString text(const char* source)
{
    QString t = QCoreApplication::translate("Tessaquill", source);
    t.replace(QStringLiteral("%app"), appName());
    return linuxWording(t);
}

} // namespace tq
