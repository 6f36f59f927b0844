// Fuzzes the prompt builder: any typed text and context must render both prompts without a
// crash, and the tail of the text is never longer than its limit.
#include "completion/Prompts.h"
#include "platform/Chars.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const unsigned present = data[0] | (data[1] << 8); // which context values are there
    const int limit = 1 + data[2] * 10;
    // UTF-8, or raw UTF-16 units (lone surrogates included) when the limit byte is odd.
    QString all;
    if (data[2] & 1) {
        all.resize(qsizetype((size - 3) / 2));
        std::memcpy(all.data(), data + 3, ((size - 3) / 2) * 2);
    } else {
        all = QString::fromUtf8(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3));
    }
    const QStringList parts = all.split(QChar(0x01));
    auto value = [&](int i) -> std::optional<QString> {
        if (!(present & (1u << i)))
            return std::nullopt;
        return parts.value(i + 1);
    };

    tq::PromptContext ctx;
    ctx.appName = value(0);
    ctx.windowTitle = value(1);
    ctx.domain = value(2);
    ctx.clipboard = value(3);
    ctx.screenText = value(4);
    ctx.nearbyText = value(5);
    ctx.aboutWriter = value(6);
    ctx.recentText = value(7);
    ctx.writerName = value(8);
    ctx.now = value(9);
    if (present & (1u << 10))
        ctx.examples = parts.mid(11);
    const QString typed = parts.value(0);

    tq::PromptBuilder::instructPrompt(typed, ctx);
    tq::PromptBuilder::rawPrompt(typed, ctx);
    tq::PromptBuilder::endingHint(typed);
    if (tq::chars::count(tq::PromptBuilder::tailText(typed, limit)) > limit)
        std::abort();
    return 0;
}
