#pragma once
// A place that text can be read from and inserted into: the focused field of another
// application, or the practice field.

#include "field/FieldSnapshot.h"
#include "settings/Enums.h"

#include <optional>

namespace tq {

class FieldSource {
public:
    virtual ~FieldSource() = default;
    // Reads the field now; nullopt when there is no usable field (see whyNoField()).
    virtual std::optional<FieldSnapshot> snapshot() = 0;
    // Puts the text at the caret, replacing the selection.
    virtual void insert(const QString& text, InsertionMethod mode) = 0;
    // Removes `count` characters before the caret, like as many Delete presses.
    virtual void deleteBackward(int count) = 0;
    // One line saying why the last snapshot found no usable field; nullopt when none.
    virtual std::optional<QString> whyNoField() const { return std::nullopt; }
};

} // namespace tq
