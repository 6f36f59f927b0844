#pragma once
// An in-memory clipboard: tests copy into it, fetch the paste and see what was restored. Saves
// are answered at once, or held until answerSaves() when `holdSaves` is set.

#include "platform/Clipboard.h"

#include <utility>
#include <vector>

namespace tq {

class FakeClipboard final : public Clipboard {
public:
    ClipboardSnapshot contents;
    QString pasteText;
    int restores = 0;
    bool holdSaves = false;

    // What the user copies.
    void copy(const ClipboardSnapshot& s)
    {
        contents = s;
        copied = s;
        ours = false;
        ++copies;
    }
    // An application reads our paste.
    void fetch() { emit pasteFetched(); }
    // Answers the held saves with what the clipboard holds, or with none: its owner never answered.
    void answerSaves(bool answered)
    {
        for (const Saved& done : std::exchange(heldSaves, {}))
            done(answered ? std::optional<ClipboardSnapshot>(contents) : std::nullopt);
    }
    int savesHeld() const { return int(heldSaves.size()); }

    void save(Saved done) override
    {
        if (holdSaves)
            heldSaves.push_back(std::move(done));
        else
            done(contents);
    }
    std::optional<QString> copiedText() override { return readableText(copied); }
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
    ClipboardSnapshot copied;
    std::vector<Saved> heldSaves;
    bool ours = false;
    quint64 copies = 0;
};

} // namespace tq
