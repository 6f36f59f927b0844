#pragma once
// Synthesised insertion into the focused application. The keyboard layer implements it;
// the field source uses it for typing, paste and Delete presses.

#include <QString>

namespace tq {

class TextInjecting {
public:
    virtual ~TextInjecting() = default;
    // Types the text as synthesised key events; nothing is reported when posting fails.
    virtual void type(const QString& text) = 0;
    // Pastes the text through the clipboard and puts the user's clipboard back afterwards.
    virtual void paste(const QString& text) = 0;
    // Presses Delete `count` times; does nothing for a count below 1.
    virtual void deleteBackward(int count) = 0;
};

} // namespace tq
