#include "settings/KeyCombo.h"

#include "platform/KeyNames.h"
#include "platform/Text.h"

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
    // Looked up on every call: the names follow the interface language.
    using namespace keycode;
    switch (code) {
    case kTab: return text("Tab", "key");
    case kReturn:
    case kKeypadEnter: return text("Enter", "key");
    case kEscape: return text("Esc", "key");
    // Code 51 deletes backwards; 117 is the forward Delete key ("Del").
    case kDelete: return text("Backspace", "key above Enter that deletes backwards");
    case kForwardDelete: return text("Del", "key");
    case kSpace: return text("Space", "key");
    case kHome: return text("Home", "key");
    case kEnd: return text("End", "key");
    case kPageUp: return text("Page Up", "key");
    case kPageDown: return text("Page Down", "key");
    case kLeft: return QString(QChar(0x2190));
    case kRight: return QString(QChar(0x2192));
    case kUp: return QString(QChar(0x2191));
    case kDown: return QString(QChar(0x2193));
    default: break;
    }
    static const std::uint16_t functionKeys[] = {kF1, kF2, kF3, kF4, kF5, kF6, kF7, kF8, kF9, kF10, kF11, kF12};
    for (int i = 0; i < 12; ++i) {
        if (functionKeys[i] == code)
            return QStringLiteral("F") + QString::number(i + 1);
    }
    return {};
}

QString KeyCombo::keyName(std::uint16_t code, const KeyLayout& layout)
{
    const QString fixed = tableName(code);
    if (!fixed.isEmpty())
        return fixed;
    if (const auto ch = layout.character(code); ch && !ch->isEmpty())
        return ch->toUpper();
    return text("Key %1", "key").arg(code);
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
