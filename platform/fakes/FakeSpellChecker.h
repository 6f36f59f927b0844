#pragma once

#include "platform/SpellChecker.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace tq {

// Knows exactly the words it is given; everything else is misspelled.
class FakeSpellChecker final : public SpellChecker {
public:
    bool isMisspelled(const QString& word) override { return !word.isEmpty() && !known.contains(word); }
    QString languageOf(const QString&) override { return language; }
    QString correction(const QString& word, const QString&) override { return corrections.value(word); }
    std::optional<bool> startsWord(const QString& partial, const QString&) override
    {
        return std::any_of(known.begin(), known.end(), [&](const QString& w) { return w.startsWith(partial, Qt::CaseInsensitive); });
    }
    QString language = QStringLiteral("en_US"); // the language every text is in
    QSet<QString> known;
    QHash<QString, QString> corrections;
};

} // namespace tq
