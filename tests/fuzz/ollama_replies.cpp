// Fuzzes what an Ollama server answers: the whole input as a generate or model-list body, and
// each of its lines on its own (the lines of a streamed answer). Nothing may crash, a text
// only comes out of valid UTF-8, and once cleaned it holds nothing hidden.
#include "FuzzChecks.h"

#include "engines/Replies.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    tq::fuzz::checkReply(body, tq::Providers::ollamaText(body));
    tq::Providers::listedNames(body, QStringLiteral("models"), QStringLiteral("name"));
    // The input as the text of a reply, escapes and all.
    const QByteArray wrapped = "{\"response\":\"" + body + "\"}";
    tq::fuzz::checkReply(wrapped, tq::Providers::ollamaText(wrapped));
    for (const QByteArray& line : body.split('\n'))
        tq::fuzz::checkReply(line, tq::Providers::ollamaText(line));
    return 0;
}
