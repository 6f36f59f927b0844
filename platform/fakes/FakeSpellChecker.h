#pragma once

#include "platform/SpellChecker.h"

#include <QHash>
#include <QSet>

namespace tq {

// Knows exactly the words it is given; everything else is misspelled.
class FakeSpellChecker final : public SpellChecker {
public:
    bool isMisspelled(const QString& word) override { return !word.isEmpty() && !known.contains(word); }
    QString languageOf(const QString&) override { return language; }
    QString correction(const QString& word, const QString&) override { return corrections.value(word); }
    QStringList completions(const QString& partial, const QString&, int limit = 20) override
    {
        QStringList out;
        for (const QString& w : known) {
            if (w.size() > partial.size() && w.startsWith(partial, Qt::CaseInsensitive) && out.size() < limit)
                out << w;
        }
        return out;
    }
    QString language = QStringLiteral("en_US"); // the language every text is in
    QSet<QString> known;
    QHash<QString, QString> corrections;
};

} // namespace tq
