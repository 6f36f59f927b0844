// Fuzzes the reply clean-up: any reply, typed text and following text must clean without a
// crash, and the result must never hold a control character, a line break or anything hidden.
#include "FuzzChecks.h"

#include "completion/Following.h"
#include "completion/ReplyCleanup.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Splits the input into three texts at the first two 0x01 bytes; UTF-8, or raw UTF-16 units
// (lone surrogates included).
QString part(const uint8_t*& data, size_t& size, bool utf16)
{
    size_t n = 0;
    while (n < size && data[n] != 0x01)
        ++n;
    QString out;
    if (utf16) {
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
    data += 2;
    size -= 2;
    const QString reply = part(data, size, utf16);
    const QString before = part(data, size, utf16);
    const QString after = part(data, size, utf16);

    const tq::ReplyCleaner::MisspelledTest misspelled = [](const QString& w) { return w.size() % 2 == 0; };
    const QString cleaned = tq::ReplyCleaner::clean(reply, before, after, limit,
                                                     raw ? tq::PromptStyle::raw : tq::PromptStyle::instruct,
                                                     spelling ? misspelled : tq::ReplyCleaner::MisspelledTest{});
    for (QChar c : cleaned) {
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
