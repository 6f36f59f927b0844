#pragma once
// Another application's clipboard, read over an X connection of its own on a worker thread,
// every read given up after a time limit: an owner that never answers holds up neither the
// main thread nor a read of a newer copy.

#include "platform/Clipboard.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace tq {

class ClipboardReader {
public:
    enum class Scope {
        everything, // every format whose data could be read, named as Qt names them
        text,       // the markers and the plain text ("text/plain", UTF-8); no text when a marker forbids it
    };
    using Done = std::function<void(std::optional<ClipboardSnapshot>)>;

    // Answers are delivered on the thread of `context`, while it lives.
    ClipboardReader(QObject* context, std::chrono::milliseconds limit);
    ~ClipboardReader();
    ClipboardReader(const ClipboardReader&) = delete;
    ClipboardReader& operator=(const ClipboardReader&) = delete;

    // Reads the clipboard as the X server has it now; an empty snapshot when nobody owns it.
    // None when its owner did not answer within the limit, refused to list its formats or
    // handed over none of the data it offers.
    // `copy` names the copy: once a read of a copy went unanswered, its later reads answer
    // none without asking again.
    void read(Scope scope, quint64 copy, Done done);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tq
