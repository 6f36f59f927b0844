#pragma once
// What the ghost panel is asked to draw. Rectangles are in bottom-left, y-up screen space.

#include <QRectF>
#include <QString>

#include <optional>

namespace tq {

struct GhostContent {
    struct Kind {
        enum class Type { completion, fix };
        Type type = Type::completion;
        QString text;        // completion text; the replacement for a fix
        QString word;        // the misspelled word of a fix

        static Kind completion(const QString& text) { return Kind{Type::completion, text, {}}; }
        static Kind fix(const QString& word, const QString& replacement) { return Kind{Type::fix, replacement, word}; }
        bool isFix() const { return type == Type::fix; }
        friend bool operator==(const Kind&, const Kind&) = default;
    };

    Kind kind;
    QRectF caretRect;                 // top (maxY) is the top of the caret's row
    std::optional<double> lineStartX; // where the caret's text line begins: its left edge, its right edge right to left
    std::optional<QRectF> fieldFrame;
    double fontSize = 13;
    std::optional<QString> fontName;
    bool allowWrap = false;
    std::optional<QString> hint; // key-hint keycap text
    bool tinted = false;
    double verticalNudge = 0; // positive moves the text down
    bool anchored = false;    // a pill under (or above) the field instead of at the caret
    bool rightToLeft = false; // the caret's paragraph runs right to left: the ghost goes on leftwards

    // The text drawn: the completion itself, or an arrow in the paragraph's direction ("→ ",
    // "← " right to left) and the replacement.
    QString shownText() const
    {
        if (!kind.isFix())
            return kind.text;
        return (rightToLeft ? QStringLiteral("← ") : QStringLiteral("→ ")) + kind.text;
    }

    friend bool operator==(const GhostContent&, const GhostContent&) = default;
};

} // namespace tq
