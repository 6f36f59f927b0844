#pragma once
// The spelling checker: Enchant-2 with the hunspell dictionaries of the writer's languages,
// and word completions from those dictionaries' word lists.

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace tq {

class SpellChecker {
public:
    virtual ~SpellChecker() = default;
    // True when none of the writer's dictionaries knows the word. Words no dictionary can
    // judge (another script, empty) are not misspelled.
    virtual bool isMisspelled(const QString& word) = 0;
    // The dictionary (language tag) the text is written in, told from its words; empty when
    // none of the dictionaries fits it.
    virtual QString languageOf(const QString& text) = 0;
    // The best correction from the dictionary of `language` (empty: the first one), or an
    // empty string when it has none.
    virtual QString correction(const QString& word, const QString& language) = 0;
    // Words of `language`'s dictionary (empty: the first one) that start with `partial`
    // (ignoring case), longer than it; at most `limit` of them.
    virtual QStringList completions(const QString& partial, const QString& language, int limit = 20) = 0;
    // One more language the writer uses (the program's interface language), when it has a
    // dictionary.
    virtual void addLanguage(const QString& tag) { (void)tag; }
};

// Every form of a hunspell dictionary (its stems with their prefixes and suffixes applied),
// sorted for prefix look-ups and packed into one buffer.
class HunspellWordList {
public:
    // `base` is the dictionary path without its extension (".dic" and ".aff" are added).
    // A missing or unreadable dictionary gives an empty list.
    static HunspellWordList load(const QString& base);

    QStringList withPrefix(const QString& partial, int limit) const;
    std::size_t size() const { return offsets_.empty() ? 0 : offsets_.size() - 1; }
    bool isEmpty() const { return size() == 0; }

private:
    QStringView at(std::size_t i) const;
    QString words_;                  // all forms, back to back
    std::vector<quint32> offsets_;  // start of each form, plus the end
};

class EnchantSpellChecker final : public SpellChecker {
public:
    // `languages`: the writer's languages, first preferred ("de_DE", "fr", "pt-BR"); each
    // is matched to an installed dictionary (one per language), the rest are left out.
    explicit EnchantSpellChecker(const QStringList& languages = {QStringLiteral("en_US")});
    ~EnchantSpellChecker() override;

    bool isMisspelled(const QString& word) override;
    QString languageOf(const QString& text) override;
    QString correction(const QString& word, const QString& language) override;
    QStringList completions(const QString& partial, const QString& language, int limit = 20) override;
    void addLanguage(const QString& tag) override;

    bool isAvailable() const;
    // The tags of the dictionaries in use, in order.
    QStringList dictionaries() const;

    // The writer's languages from the session: LANGUAGE, LC_ALL, LC_MESSAGES and LANG, then
    // the keyboard layouts' languages; en_US when none is known.
    static QStringList sessionLanguages();
    // The language of an XKB layout name ("de" → "de_DE", "us" → "en_US"); empty when unknown.
    static QString layoutLanguage(const QString& layout);
    // The dictionary tag for a language among `available` dictionary tags; empty when none.
    static QString matchDictionary(const QString& language, const QStringList& available);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tq
