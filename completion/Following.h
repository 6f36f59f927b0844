#pragma once
// Following the typing through a shown suggestion: how much of it has been typed, and the
// piece a next-word acceptance inserts. Pure functions; counts are user-visible characters.

#include <QString>
#include <QStringView>

#include <optional>

namespace tq {

// How many leading characters of `suggestion` the user has typed since the request, whose text
// before the caret ended with `anchorTail`; none when `before` no longer fits the suggestion.
// No-break spaces count as plain spaces.
std::optional<int> typedProgress(const QString& suggestion, const QString& anchorTail, const QString& before);

// The leading piece of the remaining suggestion that a next-word acceptance inserts: leading
// whitespace and one word (or one run of punctuation), then optionally closing punctuation
// and one space.
QString nextChunk(const QString& remaining, bool includeSpace, bool includePunctuation);

} // namespace tq
