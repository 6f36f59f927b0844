#include "settings/KeyCombo.h"

#include "platform/KeyNames.h"
#include "platform/Text.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>
#include <limits>

namespace tq {

QString ModifierSet::symbols() const
{
    QString out;
    if (contains(control))
        out += QChar(0x2303);
    if (contains(option))
        out += QChar(0x2325);
    if (contains(shift))
        out += QChar(0x21E7);
    if (contains(command))
        out += QChar(0x2318);
    return out;
}

QJsonObject KeyCombo::toJson() const
{
    QJsonObject o;
    o.insert(QStringLiteral("keyCode"), int(keyCode));
    o.insert(QStringLiteral("modifiers"), int(modifiers.rawValue));
    return o;
}

QByteArray KeyCombo::toJsonData() const
{
    // Written by hand so the members keep their order.
    return QByteArrayLiteral("{\"keyCode\":") + QByteArray::number(keyCode) + QByteArrayLiteral(",\"modifiers\":")
        + QByteArray::number(modifiers.rawValue) + '}';
}

namespace {
// A whole number within [0, max], as a JSON number.
std::optional<unsigned> wholeNumber(const QJsonValue& v, unsigned max)
{
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d < 0 || d > max || std::floor(d) != d)
        return std::nullopt;
    return unsigned(d);
}
} // namespace

std::optional<KeyCombo> KeyCombo::fromJson(const QJsonObject& object)
{
    const auto code = wholeNumber(object.value(QStringLiteral("keyCode")), std::numeric_limits<std::uint16_t>::max());
    const auto mods = wholeNumber(object.value(QStringLiteral("modifiers")), std::numeric_limits<std::uint8_t>::max());
    if (!code || !mods)
        return std::nullopt;
    return KeyCombo{std::uint16_t(*code), ModifierSet(std::uint8_t(*mods))};
}

std::optional<KeyCombo> KeyCombo::fromJsonData(const QByteArray& data)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return fromJson(doc.object());
}

QString KeyCombo::tableName(std::uint16_t code)
{
    static const QHash<std::uint16_t, QString> names = [] {
        using namespace keycode;
        return QHash<std::uint16_t, QString>{
            {Tab, QStringLiteral("Tab")},
            {Return, QStringLiteral("Return")},
            {KeypadEnter, QStringLiteral("Enter")},
            {Escape, QStringLiteral("Esc")},
            {Delete, QStringLiteral("Delete")},
            {ForwardDelete, QStringLiteral("Del")},
            {Space, QStringLiteral("Space")},
            {Left, QString(QChar(0x2190))},
            {Right, QString(QChar(0x2192))},
            {Up, QString(QChar(0x2191))},
            {Down, QString(QChar(0x2193))},
            {F1, QStringLiteral("F1")},
            {F2, QStringLiteral("F2")},
            {F3, QStringLiteral("F3")},
            {F4, QStringLiteral("F4")},
            {F5, QStringLiteral("F5")},
            {F6, QStringLiteral("F6")},
            {F7, QStringLiteral("F7")},
            {F8, QStringLiteral("F8")},
            {F9, QStringLiteral("F9")},
            {F10, QStringLiteral("F10")},
            {F11, QStringLiteral("F11")},
            {F12, QStringLiteral("F12")},
            {Home, QStringLiteral("Home")},
            {End, QStringLiteral("End")},
            {PageUp, QStringLiteral("Page Up")},
            {PageDown, QStringLiteral("Page Down")},
        };
    }();
    return names.value(code);
}

QString KeyCombo::keyName(std::uint16_t code, const KeyLayout& layout)
{
    const QString fixed = tableName(code);
    if (!fixed.isEmpty())
        return fixed;
    if (const auto ch = layout.character(code); ch && !ch->isEmpty())
        return ch->toUpper();
    return QStringLiteral("Key ") + QString::number(code);
}

QStringList KeyCombo::keycaps(const KeyLayout& layout) const
{
    QStringList caps;
    for (QChar symbol : modifiers.symbols())
        caps.append(modifierKeycap(symbol));
    caps.append(keyName(keyCode, layout));
    return caps;
}

QString KeyCombo::displayText(const KeyLayout& layout) const { return keycaps(layout).join(QLatin1Char('+')); }

} // namespace tq
