#pragma once
// The spelling checker: Enchant-2 with the hunspell dictionaries of the writer's languages,
// and word beginnings from those dictionaries' word lists, built only when asked for.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
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
    // Whether a word of `language`'s dictionary (empty: the first one), or a compound of its
    // words, starts with `partial` (ignoring case; the partial itself counts). Unknown while
    // the dictionary's word list is not built (the first ask starts building it, away from
    // the caller's thread), while word lists are not wanted, and when the list cannot be
    // trusted.
    virtual std::optional<bool> startsWord(const QString& partial, const QString& language) = 0;
    // Word lists are built only while wanted; no longer wanting them frees them.
    virtual void setWordListsWanted(bool wanted) { (void)wanted; }
    // One more language the writer uses (the program's interface language), when it has a
    // dictionary.
    virtual void addLanguage(const QString& tag) { (void)tag; }
    // Starts opening the dictionaries away from the caller's thread, as the first check does,
    // and calls `opened` on the main thread once they are open (soon when they already are).
    // Until then no word is misspelled: what was checked meanwhile may be checked again.
    virtual void open(std::function<void()> opened) { (void)opened; }
};

// Every form of a hunspell dictionary (its stems with their prefixes and suffixes applied),
// lower-cased, each with the places it may take: a word of its own, or the beginning, middle
// or end of a compound. Sorted for prefix look-ups and packed into a few buffers.
class HunspellWordList {
public:
    // `base` is the dictionary path without its extension (".dic" and ".aff" are added).
    // A missing, unreadable or not understood dictionary (flag type, encoding) gives a list
    // that is not trusted. Setting `stop` ends the reading early, with such a list.
    static HunspellWordList load(const QString& base, const std::atomic<bool>* stop = nullptr);

    bool isTrusted() const { return trusted_; }
    // Some word starts with `partial` (ignoring case), or it is the start of a compound: a
    // word that may begin one, maybe words that may stand in its middle, then the start of
    // a word that may go on or end it.
    bool startsWord(const QString& partial) const;
    std::size_t size() const { return roles_.size(); }
    // The memory the list holds, in bytes.
    std::size_t bytes() const { return words_.capacity() + offsets_.capacity() * sizeof(quint32) + roles_.capacity(); }

private:
    std::string_view at(std::size_t i) const;
    std::size_t lowerBound(std::string_view key) const;
    // The places of the form exactly `key` (0: none).
    quint8 rolesOf(std::string_view key) const;
    bool anyStartingWith(std::string_view key, quint8 roles) const;
    bool continuesCompound(std::string_view rest, int parts) const;
    bool startsWordHere(std::string_view key) const; // with no prefix taken off
    bool startsWordAfterPrefixes(std::string_view key, int prefixes) const;

    QByteArray words_;              // every form in UTF-8, back to back
    std::vector<quint32> offsets_;  // start of each form, plus the end
    std::vector<quint8> roles_;     // the places each form may take
    // The prefixes (and what each strips from a stem) that the forms were not given.
    std::vector<std::pair<QByteArray, QByteArray>> prefixes_;
    QString ignored_;               // letters the dictionary leaves out of its words
    int compoundMin_ = 3;           // the shortest part of a compound, in letters
    int compoundMax_ = 5;           // the most parts searched for
    bool trusted_ = false;
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
    std::optional<bool> startsWord(const QString& partial, const QString& language) override;
    void setWordListsWanted(bool wanted) override;
    void addLanguage(const QString& tag) override;
    void open(std::function<void()> opened) override;

    // Waits until Enchant has opened the dictionaries (done away from the caller's thread on
    // first use; until then no word is misspelled).
    void waitForDictionaries();
    // Waits until the dictionaries are open and `language`'s word list is built (starting it when needed); true when it
    // can be trusted.
    bool waitForWordList(const QString& language);
    // The tags of the dictionaries whose word lists are held or being built.
    QStringList wordLists() const;

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
