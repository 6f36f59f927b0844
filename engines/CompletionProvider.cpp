#include "engines/CompletionProvider.h"

#include "platform/Text.h"

namespace tq {

QString ProviderStatus::label() const
{
    switch (kind_) {
    case Kind::unknown:
        return tq::text("Not checked yet");
    case Kind::checking:
        return tq::text("Checking…");
    default:
        return text_;
    }
}

bool ProviderStatus::operator==(const ProviderStatus& other) const
{
    if (kind_ != other.kind_)
        return false;
    if (kind_ == Kind::unknown || kind_ == Kind::checking)
        return true;
    return text_ == other.text_
        || text_.normalized(QString::NormalizationForm_C) == other.text_.normalized(QString::NormalizationForm_C);
}

} // namespace tq
