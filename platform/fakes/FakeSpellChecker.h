#pragma once

#include "platform/SpellChecker.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace tq {

// Knows exactly the words it is given; everything else is misspelled. While `closed`, as before
// its dictionaries open, no word is misspelled; tellOpened() ends it.
class FakeSpellChecker final : public SpellChecker {
public:
    bool isMisspelled(const QString& word) override { return !closed && !word.isEmpty() && !known.contains(word); }
    QString languageOf(const QString&) override { return language; }
    QString correction(const QString& word, const QString&) override { return corrections.value(word); }
    std::optional<bool> startsWord(const QString& partial, const QString&) override
    {
        return std::any_of(known.begin(), known.end(), [&](const QString& w) { return w.startsWith(partial, Qt::CaseInsensitive); });
    }
    void open(std::function<void()> told) override { opened = std::move(told); }
    void tellOpened()
    {
        closed = false;
        if (opened)
            opened();
    }
    bool closed = false;
    std::function<void()> opened;
    QString language = QStringLiteral("en_US"); // the language every text is in
    QSet<QString> known;
    QHash<QString, QString> corrections;
};

} // namespace tq
