#include "engines/Replies.h"

#include "platform/Chars.h"
#include "platform/Text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>

#include <algorithm>
#include <utility>
#include <vector>

namespace tq::Providers {

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

PlatformError decodingError(bool missing)
{
    return PlatformError{QStringLiteral("json"), missing ? 1 : 0,
                         missing ? text("The data couldn't be read because it is missing.")
                                 : text("The data couldn't be read because it isn't in the correct format.")};
}

Outcome<QJsonObject> decodeObject(const Outcome<QByteArray>& reply)
{
    if (!reply.hasValue())
        return reply.failureAs<QJsonObject>();
    if (!isValidUtf8(reply.value()))
        return decodingError();
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(reply.value(), &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject())
        return decodingError();
    return doc.object();
}

Outcome<QStringList> listedNames(const Outcome<QByteArray>& reply, const QString& listKey, const QString& nameKey)
{
    if (reply.isCancelled())
        return Cancelled{};
    const auto object = decodeObject(reply);
    if (!object.hasValue())
        return QStringList{};
    const QJsonValue list = object.value().value(listKey);
    if (!list.isArray())
        return QStringList{};
    QStringList names;
    for (const QJsonValue& entry : list.toArray()) {
        const QJsonValue name = entry.toObject().value(nameKey);
        if (!name.isString())
            return QStringList{}; // the whole reply fails to decode
        const QString text = name.toString();
        // A name that reorders or breaks the text around it could pass for another model.
        const bool hostile = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
            return c.category() == QChar::Other_Control || chars::isLineBreak(c.unicode())
                || chars::isBidiControl(c.unicode());
        });
        if (!text.isEmpty() && text.size() <= kMaxModelName && !hostile)
            names.push_back(text);
    }
    return sortedByCodePoint(names);
}

QStringList sortedByCodePoint(QStringList names)
{
    std::vector<std::pair<QList<uint>, QString>> keyed;
    keyed.reserve(names.size());
    for (const QString& n : names)
        keyed.emplace_back(n.normalized(QString::NormalizationForm_C).toUcs4(), n);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList out;
    for (auto& k : keyed)
        out.push_back(std::move(k.second));
    return out;
}

Outcome<QString> ollamaText(const Outcome<QByteArray>& reply)
{
    const auto object = decodeObject(reply);
    if (!object.hasValue())
        return object.failureAs<QString>();
    const QJsonValue response = object.value().value(QStringLiteral("response"));
    if (!response.isString())
        return decodingError(true);
    return response.toString();
}

Outcome<QString> openAIText(const Outcome<QByteArray>& reply)
{
    const auto object = decodeObject(reply);
    if (!object.hasValue())
        return object.failureAs<QString>();
    const QJsonValue choices = object.value().value(QStringLiteral("choices"));
    if (!choices.isArray())
        return decodingError(true);
    const QJsonArray list = choices.toArray();
    QString first;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonValue t = list.at(i).toObject().value(QStringLiteral("text"));
        if (!t.isString())
            return decodingError(true); // every choice must carry its text
        if (i == 0)
            first = t.toString();
    }
    return first;
}

} // namespace tq::Providers
