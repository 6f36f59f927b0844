#include "engines/CompletionProvider.h"

#include "platform/Text.h"

namespace tq {

QString ProviderStatus::label() const
{
    switch (kind_) {
    case Kind::Unknown:
        return tq::text("Not checked yet");
    case Kind::Checking:
        return tq::text("Checking…");
    default:
        return text_;
    }
}

bool ProviderStatus::operator==(const ProviderStatus& other) const
{
    if (kind_ != other.kind_)
        return false;
    if (kind_ == Kind::Unknown || kind_ == Kind::Checking)
        return true;
    return text_ == other.text_
        || text_.normalized(QString::NormalizationForm_C) == other.text_.normalized(QString::NormalizationForm_C);
}

} // namespace tq
