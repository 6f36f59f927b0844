#pragma once
// What is known of the focused field at one moment.

#include <QRectF>
#include <QString>

#include <optional>

namespace tq {

struct FieldSnapshot {
    QString fieldKey;  // "<pid>:<element hash>", or "playground:<id>" for the practice field
    QString bundleID;  // "unknown" when the application has none
    QString appName;   // "App" when the application has none
    QString role;
    QString before;    // text before the caret, zero-width characters removed
    QString after;     // text after the caret (after the selection)
    qint64 selectionLength = 0; // UTF-16 units
    std::optional<QRectF> caretRect; // screen space, 1 wide
    std::optional<double> lineStartX;
    std::optional<QRectF> fieldFrame;
    std::optional<double> fontSize;
    std::optional<QString> fontName;
    bool isSecure = false;
    std::optional<QString> domain;
    std::optional<QString> windowTitle;
    bool isLocal = false;

    // Field by field, rectangles and numbers exactly.
    friend bool operator==(const FieldSnapshot& a, const FieldSnapshot& b);

    // `after` up to its first line break.
    QString restOfLine() const;
    // `before` ends with a line break and the line above ends a sentence.
    bool startsLineAfterSentence() const;
    // Every character of `after` is whitespace (true when empty).
    bool afterIsBlank() const;
    // A Tab key press here moves the focus on instead of writing a tab: one-line fields, and
    // every field of a web page.
    bool tabLeavesField() const;
};

} // namespace tq
