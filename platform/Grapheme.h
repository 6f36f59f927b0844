#pragma once
// User-visible characters: extended grapheme clusters. Every text length the program
// counts goes through these helpers, never bytes or UTF-16 units.

#include <QList>
#include <QString>
#include <QStringView>

namespace tq::grapheme {

// Number of user-visible characters.
int count(QStringView text);
// The first / last `n` user-visible characters (all of the text when it is shorter).
QString prefix(QStringView text, int n);
QString suffix(QStringView text, int n);
// UTF-16 offset just after the first `n` user-visible characters.
qsizetype offsetAfter(QStringView text, int n);
// UTF-16 offset where the last `n` user-visible characters begin.
qsizetype offsetOfLast(QStringView text, int n);
// True when `pos` (a UTF-16 offset) falls on a character boundary.
bool isBoundary(QStringView text, qsizetype pos);
// The last user-visible character, or an empty string.
QString last(QStringView text);
// UTF-16 offsets of every character boundary, from 0 to text.size() inclusive
// (a single 0 for an empty text). One pass, for code that walks a text character by character.
QList<qsizetype> boundaries(QStringView text);

} // namespace tq::grapheme
