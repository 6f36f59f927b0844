#pragma once
// Turns a raw model reply into the suggestion text, or into the empty string when the reply is
// unusable. Pure functions; every length is in user-visible characters.

#include "engines/CompletionProvider.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

namespace tq {

class ReplyCleaner {
public:
    // True when the spelling checker flags the (lower-cased) word.
    using MisspelledTest = std::function<bool(const QString&)>;

    // The whole pipeline. `isMisspelled` decides whether a reply glued to the typed word
    // continues it; without one (the settings' engine test) a glued reply always continues it.
    // `tabsAsSpaces`: the field takes a tab as a move to the next control, so a tab in the reply
    // becomes a space.
    static QString clean(const QString& reply, const QString& before, const QString& after, int wordLimit,
                         PromptStyle style, const MisspelledTest& isMisspelled = {}, bool tabsAsSpaces = false);

    // The steps, in pipeline order.
    // Escape sequences go whole, and so do format characters (bidirectional controls, zero-width
    // spaces, …) but for the joiners and the tag runs of flags that emoji need, lone surrogates
    // and U+FFFD: nothing invisible or broken reaches the field. Letters that draw nothing
    // (Hangul fillers, the blank braille pattern, the grapheme joiner) and private-use
    // characters go too, and a base character keeps at most four combining marks.
    static QString removeHidden(QStringView text);
    static QString stripThink(const QString& text);
    static bool hasContextMarker(QStringView text);
    static QString stripLabels(const QString& text);
    static bool isRefusal(QStringView text);
    static QString firstLine(QStringView text);
    // Control characters other than the tab go (a suggestion never types Return or Escape into
    // the application); a run of two or more spaces or tabs becomes one space, and so does every
    // tab with `tabsAsSpaces`.
    static QString normalizeSpacing(QStringView text, bool tabsAsSpaces = false);
    static QString removeOverlap(const QString& reply, QStringView typed);
    // Empty optional: the reply is rejected.
    static std::optional<QString> joinSpacing(const QString& reply, QStringView typed, PromptStyle style,
                                              const MisspelledTest& isMisspelled);
    static QString cutAtRepeat(const QString& reply, QStringView typed);
    static QString limitWords(const QString& reply, int limit);
    static QString dropRestOfLine(const QString& reply, QStringView after);
    static bool looksLikeEcho(QStringView reply, QStringView typed);

    // Alternatives without two that start with the same word (the longer one stays, in the
    // earlier one's place). `first` leads the list when given.
    static QStringList distinctAlternatives(const std::optional<QString>& first, const QStringList& list);
    static QString firstWordKey(QStringView text);

    // Word lists: whitespace-separated tokens, trimmed of punctuation and symbols, lower case.
    static QString normalizeWord(QStringView token);
    static QStringList wordList(QStringView text);
    static bool isContentWord(const QString& normalizedWord);
    static bool isStopWord(const QString& normalizedWord);
};

} // namespace tq
