#include "completion/EngineStatus.h"

#include "platform/Text.h"

namespace tq {

QString EngineStatus::label() const
{
    switch (kind) {
    case Kind::blocked:
    case Kind::failed:
        return text;
    case Kind::idle:
        return tq::text("Ready");
    case Kind::waiting:
        return tq::text("Waiting for a pause");
    case Kind::thinking:
        return tq::text("Thinking");
    case Kind::showing:
        return tq::text("Showing a suggestion");
    }
    return {};
}

} // namespace tq
