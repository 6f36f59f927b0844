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
            {kTab, QStringLiteral("Tab")},
            {kReturn, QStringLiteral("Return")},
            {kKeypadEnter, QStringLiteral("Enter")},
            {kEscape, QStringLiteral("Esc")},
            {kDelete, QStringLiteral("Delete")},
            {kForwardDelete, QStringLiteral("Del")},
            {kSpace, QStringLiteral("Space")},
            {kLeft, QString(QChar(0x2190))},
            {kRight, QString(QChar(0x2192))},
            {kUp, QString(QChar(0x2191))},
            {kDown, QString(QChar(0x2193))},
            {kF1, QStringLiteral("F1")},
            {kF2, QStringLiteral("F2")},
            {kF3, QStringLiteral("F3")},
            {kF4, QStringLiteral("F4")},
            {kF5, QStringLiteral("F5")},
            {kF6, QStringLiteral("F6")},
            {kF7, QStringLiteral("F7")},
            {kF8, QStringLiteral("F8")},
            {kF9, QStringLiteral("F9")},
            {kF10, QStringLiteral("F10")},
            {kF11, QStringLiteral("F11")},
            {kF12, QStringLiteral("F12")},
            {kHome, QStringLiteral("Home")},
            {kEnd, QStringLiteral("End")},
            {kPageUp, QStringLiteral("Page Up")},
            {kPageDown, QStringLiteral("Page Down")},
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
