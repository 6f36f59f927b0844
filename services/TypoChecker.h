#pragma once
// Spelling rules of the suggestion loop: holding back on a word that looks misspelled, and
// offering the checker's correction after a finished word, both in the language the text is
// written in.

#include <QHash>
#include <QString>

#include <optional>

namespace tq {

class SpellChecker;

class TypoChecker {
public:
    using Corrections = QHash<QString, QString>;
    struct Fix {
        QString word;
        QString correction;
        bool operator==(const Fix&) const = default;
    };

    // `corrections`, when given, replaces the checker's judgement and corrections.
    explicit TypoChecker(SpellChecker& checker, std::optional<Corrections> corrections = std::nullopt);

    bool isMisspelled(const QString& word);
    // The trailing run of letters and apostrophes (' and ’); empty when the text ends otherwise.
    static QString lastWord(const QString& text);
    // The word starts this program's name, or a word typed earlier in `text` (which ends
    // with the word itself).
    static bool isKnownPrefix(const QString& word, const QString& text);
    // True while the lower-case word being typed (4 or more characters) is misspelled and
    // the dictionary of the text's language tells that no word (nor compound) starts with it.
    bool looksLikeTypo(const QString& textBeforeCaret);
    // For a text ending in a finished, misspelled lower-case word of 3 or more characters
    // and exactly one space: that word and its correction.
    std::optional<Fix> fix(const QString& textBeforeCaret);

private:
    SpellChecker& checker_;
    std::optional<Corrections> corrections_;
};

} // namespace tq
