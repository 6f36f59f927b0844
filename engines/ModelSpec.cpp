#include "engines/ModelSpec.h"

namespace tq {

const ModelSpec& ModelSpec::builtIn()
{
    static const ModelSpec spec{
        QStringLiteral("Gemma 4 E2B"),
        QStringLiteral("Google"),
        QStringLiteral("ggml-org"),
        QStringLiteral("Apache 2.0"),
        QUrl(QStringLiteral("https://huggingface.co/google/gemma-4-E2B")),
        QStringLiteral("gemma-4-E2B-Q8_0.gguf"),
        QUrl(QStringLiteral("https://huggingface.co/ggml-org/gemma-4-E2B-GGUF/resolve/"
                            "75f8d25cab245d2254ba3e0405679226b9f58fff/gemma-4-E2B-Q8_0.gguf")),
        4967478336LL,
        QStringLiteral("fcf7224c47518fca8a8a85391cfb0873a94d3dee4434fb77763113bfa7264d97"),
    };
    return spec;
}

} // namespace tq
