#pragma once
// Records what would have been typed.

#include "platform/KeySynth.h"

#include <QList>
#include <QStringList>

namespace tq {

class FakeKeySynth final : public KeySynth {
public:
    struct Press {
        std::uint16_t keyCode;
        std::uint8_t modifiers;
        friend bool operator==(const Press&, const Press&) = default;
    };
    // One entry per call, in order: typed chunks as text, presses as "key:<code>/<mods>".
    QStringList log;
    QStringList typed;
    QList<Press> presses;
    bool canPost = true;

    bool available() override { return canPost; }
    void typeText(const QString& text) override
    {
        typed.append(text);
        log.append(text);
    }
    void pressKey(std::uint16_t code, std::uint8_t mods, int count = 1) override
    {
        for (int i = 0; i < count; ++i) {
            presses.append(Press{code, mods});
            log.append(QStringLiteral("key:%1/%2").arg(code).arg(mods));
        }
    }
};

} // namespace tq
