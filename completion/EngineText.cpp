// User-visible texts of the engine. Kept apart from the engine's own files, which see the
// field's `tq::text` helpers namespace and so cannot include platform/Text.h.

#include "platform/Text.h"

namespace tq {

QString engineText(const char* source) { return text(source); }

} // namespace tq
