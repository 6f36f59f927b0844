// Fuzzes what an OpenAI-compatible server answers: the whole input as a completion or model-list
// body, and the payload of each "data:" line (the events of a streamed answer). Nothing may
// crash, a text only comes out of valid UTF-8, and once cleaned it holds nothing hidden.
#include "FuzzChecks.h"

#include "engines/Replies.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    tq::fuzz::checkReply(body, tq::Providers::openAIText(body));
    tq::Providers::listedNames(body, QStringLiteral("data"), QStringLiteral("id"));
    // The input as the text of a reply, escapes and all.
    const QByteArray wrapped = "{\"choices\":[{\"text\":\"" + body + "\"}]}";
    tq::fuzz::checkReply(wrapped, tq::Providers::openAIText(wrapped));
    for (const QByteArray& line : body.split('\n')) {
        if (!line.startsWith("data:"))
            continue;
        const QByteArray payload = line.mid(5).trimmed();
        tq::fuzz::checkReply(payload, tq::Providers::openAIText(payload));
    }
    return 0;
}
