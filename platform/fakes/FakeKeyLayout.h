#pragma once
// A keyboard layout for tests: the characters it produces are set by hand; every other key
// produces nothing.

#include "platform/KeyNames.h"

#include <QHash>

namespace tq {

class FakeKeyLayout final : public KeyLayout {
public:
    void set(std::uint16_t macKeyCode, const QString& text) { chars_.insert(macKeyCode, text); }
    void clear() { chars_.clear(); }

    std::optional<QString> character(std::uint16_t macKeyCode) const override
    {
        auto it = chars_.constFind(macKeyCode);
        if (it == chars_.constEnd() || it->isEmpty())
            return std::nullopt;
        return *it;
    }

private:
    QHash<std::uint16_t, QString> chars_;
};

} // namespace tq
