// Fuzzes the reply clean-up: any reply, typed text and following text must clean without a
// crash, and the result must never hold a control character (but a lone tab), a line break or
// anything hidden.
#include "FuzzChecks.h"

#include "completion/Following.h"
#include "completion/ReplyCleanup.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {

// Characters random bytes seldom reach: fillers and blanks, private use, stacking marks,
// joiners, selectors and direction controls.
constexpr char32_t kTricky[] = {0x115F, 0x1160, 0x3164, 0xFFA0, 0x2800, 0x034F, 0x0301, 0x20E3, 0xE000,
                                0xF8FF, 0xF0000, 0x10FFFD, 0x200D, 0x200C, 0xFE0F, 0x202E, 0x1F3F4, 0xE0067,
                                0xE007F, 0x1B, 0x0A, 0xD83D};

// Splits the input into three texts at the first two 0x01 bytes; UTF-8, raw UTF-16 units
// (lone surrogates included), or ASCII with every other byte one of the tricky characters.
QString part(const uint8_t*& data, size_t& size, bool utf16, bool tricky)
{
    size_t n = 0;
    while (n < size && data[n] != 0x01)
        ++n;
    QString out;
    if (tricky) {
        for (size_t i = 0; i < n; ++i) {
            const char32_t c = data[i] < 0x80 ? char32_t(data[i]) : kTricky[data[i] % std::size(kTricky)];
            if (c == 0xD83D)
                out.append(QChar(char16_t(c))); // a lone surrogate
            else
                out.append(QString::fromUcs4(&c, 1));
        }
    } else if (utf16) {
        out.resize(qsizetype(n / 2));
        std::memcpy(out.data(), data, (n / 2) * 2);
    } else {
        out = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(n));
    }
    const size_t used = n < size ? n + 1 : n;
    data += used;
    size -= used;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int limit = data[0] % 24;
    const bool raw = data[1] & 1;
    const bool spelling = data[1] & 2;
    const bool utf16 = data[1] & 4;
    const bool tricky = data[1] & 8;
    data += 2;
    size -= 2;
    const QString reply = part(data, size, utf16, tricky);
    const QString before = part(data, size, utf16, tricky);
    const QString after = part(data, size, utf16, tricky);

    const tq::ReplyCleaner::MisspelledTest misspelled = [](const QString& w) { return w.size() % 2 == 0; };
    const QString cleaned = tq::ReplyCleaner::clean(reply, before, after, limit,
                                                     raw ? tq::PromptStyle::raw : tq::PromptStyle::instruct,
                                                     spelling ? misspelled : tq::ReplyCleaner::MisspelledTest{});
    for (qsizetype i = 0; i < cleaned.size(); ++i) {
        const QChar c = cleaned[i];
        // A lone tab stays; a run of blanks never does.
        if (c == u'\t' && (i + 1 == cleaned.size() || (cleaned[i + 1] != u' ' && cleaned[i + 1] != u'\t')))
            continue;
        if (c.category() == QChar::Other_Control || c == QChar(0x2028) || c == QChar(0x2029))
            std::abort();
    }
    if (tq::fuzz::holdsHidden(cleaned))
        std::abort();
    tq::ReplyCleaner::distinctAlternatives(reply, {before, after, cleaned});
    if (const auto progress = tq::typedProgress(reply, after, before); progress && *progress < 0)
        std::abort();
    tq::nextChunk(reply, limit & 1, limit & 2);
    return 0;
}
