#pragma once
// Reading the bodies the server engines answer with. Pure functions of the bytes received: a
// body that is not valid UTF-8 or not the JSON the format asks for is a decoding error, never
// patched into something else.

#include "engines/Async.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace tq::Providers {

// A reply that is not JSON, or lacks a key the format requires (`missing`).
PlatformError decodingError(bool missing = false);

// True when `bytes` are well-formed UTF-8 (no overlong forms, surrogates or stray bytes).
bool isValidUtf8(const QByteArray& bytes);

// The JSON object of a successful reply; a failure or cancellation passes through, a body that
// is not a JSON object in valid UTF-8 becomes a decoding error.
Outcome<QJsonObject> decodeObject(const Outcome<QByteArray>& reply);

// The model list of a reply: the string `nameKey` of every object in the array `listKey`,
// sorted; empty on any failure (a cancellation stays one). An empty name, one longer than
// kMaxModelName, or one holding a control character, a line break or a bidirectional control
// is left out: no model is called that.
inline constexpr qsizetype kMaxModelName = 256;
Outcome<QStringList> listedNames(const Outcome<QByteArray>& reply, const QString& listKey, const QString& nameKey);

// Names sorted by the Unicode scalar values of their canonically composed forms.
QStringList sortedByCodePoint(QStringList names);

// The text of an Ollama generate reply: its string "response".
Outcome<QString> ollamaText(const Outcome<QByteArray>& reply);
// The text of an OpenAI-compatible completion reply: the "text" of the first of "choices",
// where every choice must carry one.
Outcome<QString> openAIText(const Outcome<QByteArray>& reply);

} // namespace tq::Providers
