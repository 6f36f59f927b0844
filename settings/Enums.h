#pragma once
// The closed choices among the settings. Each is stored and coded as its raw value, the case
// name; parsing a raw value is an exact, case-sensitive match.

#include <QHashFunctions>
#include <QJsonValue>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace tq {

// Suggestion length. `short` and `long` are C++ keywords, hence the trailing underscores;
// the raw values are "short", "medium", "long".
enum class CompletionLength { short_, medium, long_ };
enum class EngineKind { builtIn, apple, ollama, openAI };
enum class EscapeBehavior { dismiss, dismissForField, passThrough };
enum class InsertionMethod { typing, accessibility, paste };
enum class GhostStyle { grey, tinted };
// Mode of a rule per application or site.
enum class RuleMode { inherit, on, off };

// Cases in their listed order (the order of pickers) with their raw values.
template <typename E>
struct EnumCases;

template <>
struct EnumCases<CompletionLength> {
    static constexpr std::array kCases{CompletionLength::short_, CompletionLength::medium, CompletionLength::long_};
    static constexpr std::array<const char*, 3> kRaw{"short", "medium", "long"};
};
template <>
struct EnumCases<EngineKind> {
    static constexpr std::array kCases{EngineKind::builtIn, EngineKind::apple, EngineKind::ollama, EngineKind::openAI};
    static constexpr std::array<const char*, 4> kRaw{"builtIn", "apple", "ollama", "openAI"};
};
template <>
struct EnumCases<EscapeBehavior> {
    static constexpr std::array kCases{EscapeBehavior::dismiss, EscapeBehavior::dismissForField, EscapeBehavior::passThrough};
    static constexpr std::array<const char*, 3> kRaw{"dismiss", "dismissForField", "passThrough"};
};
template <>
struct EnumCases<InsertionMethod> {
    static constexpr std::array kCases{InsertionMethod::typing, InsertionMethod::accessibility, InsertionMethod::paste};
    static constexpr std::array<const char*, 3> kRaw{"typing", "accessibility", "paste"};
};
template <>
struct EnumCases<GhostStyle> {
    static constexpr std::array kCases{GhostStyle::grey, GhostStyle::tinted};
    static constexpr std::array<const char*, 2> kRaw{"grey", "tinted"};
};
template <>
struct EnumCases<RuleMode> {
    static constexpr std::array kCases{RuleMode::inherit, RuleMode::on, RuleMode::off};
    static constexpr std::array<const char*, 3> kRaw{"inherit", "on", "off"};
};

// Every case, in order.
template <typename E>
constexpr auto allCases()
{
    return EnumCases<E>::kCases;
}

template <typename E>
QString rawValue(E value)
{
    return QString::fromLatin1(EnumCases<E>::kRaw[static_cast<std::size_t>(value)]);
}

// The case whose raw value is exactly `raw`; anything else is no value.
template <typename E>
std::optional<E> fromRawValue(const QString& raw)
{
    for (std::size_t i = 0; i < EnumCases<E>::kCases.size(); ++i) {
        if (raw == QLatin1String(EnumCases<E>::kRaw[i]))
            return EnumCases<E>::kCases[i];
    }
    return std::nullopt;
}

// JSON form: the raw-value string. Decoding anything but a matching string gives no value.
template <typename E>
QJsonValue toJson(E value)
{
    return QJsonValue(rawValue(value));
}

template <typename E>
std::optional<E> fromJson(const QJsonValue& json)
{
    if (!json.isString())
        return std::nullopt;
    return fromRawValue<E>(json.toString());
}

// Hashing by case, for QHash and QSet keys.
template <typename E>
    requires requires { EnumCases<E>::kCases; }
size_t qHash(E value, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(value), seed);
}

// Localized labels, as shown by the settings panes.
QString label(CompletionLength value);
QString label(EscapeBehavior value);
QString label(InsertionMethod value);
QString label(GhostStyle value);
QString title(EngineKind value);
QString detail(EngineKind value);
QString detail(InsertionMethod value);
QString shortLabel(InsertionMethod value);

// True for the engines with an address and a model name (Ollama, the OpenAI-compatible server).
constexpr bool usesServer(EngineKind value)
{
    return value == EngineKind::ollama || value == EngineKind::openAI;
}

// Word budget of a suggestion length: 4, 10, 22.
constexpr int wordLimit(CompletionLength value)
{
    switch (value) {
    case CompletionLength::short_: return 4;
    case CompletionLength::medium: return 10;
    case CompletionLength::long_: return 22;
    }
    return 10;
}

} // namespace tq
