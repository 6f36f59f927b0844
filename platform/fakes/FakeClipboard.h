#pragma once
// An in-memory clipboard: tests copy into it, fetch the paste and see what was restored.

#include "platform/Clipboard.h"

namespace tq {

class FakeClipboard final : public Clipboard {
public:
    ClipboardSnapshot contents;
    QString pasteText;
    int restores = 0;

    // What the user copies.
    void copy(const ClipboardSnapshot& s)
    {
        contents = s;
        ours = false;
        ++copies;
    }
    // An application reads our paste.
    void fetch() { emit pasteFetched(); }

    ClipboardSnapshot save() override { return contents; }
    void setPaste(const QString& text) override
    {
        pasteText = text;
        contents = ClipboardSnapshot{{{QStringLiteral("text/plain"), text.toUtf8()},
                                      {QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret")}}};
        ours = true;
    }
    bool holdsPaste() const override { return ours; }
    quint64 changeCount() const override { return copies; }
    void restore(const ClipboardSnapshot& s) override
    {
        ++restores;
        contents = s;
        ours = false;
    }

private:
    bool ours = false;
    quint64 copies = 0;
};

} // namespace tq
