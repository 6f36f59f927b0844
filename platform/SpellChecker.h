#pragma once
// The spelling checker: Enchant-2 with the hunspell en_US dictionary, and word completions
// from that dictionary's word list.

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace tq {

class SpellChecker {
public:
    virtual ~SpellChecker() = default;
    // True when the checker flags the word. Words the dictionary cannot judge (another
    // script, empty) are not misspelled.
    virtual bool isMisspelled(const QString& word) = 0;
    // The checker's best correction, or an empty string when it has none.
    virtual QString correction(const QString& word) = 0;
    // Dictionary words that start with `partial` (ignoring case), longer than it; at most
    // `limit` of them.
    virtual QStringList completions(const QString& partial, int limit = 20) = 0;

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
    // `dictionaryBase` empty: looked up in the XDG data folders under hunspell/ and myspell/.
    explicit EnchantSpellChecker(QString language = QStringLiteral("en_US"), QString dictionaryBase = {});
    ~EnchantSpellChecker() override;

    bool isMisspelled(const QString& word) override;
    QString correction(const QString& word) override;
    QStringList completions(const QString& partial, int limit = 20) override;

    bool isAvailable() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tq
