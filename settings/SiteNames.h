#pragma once
// Website names as the user types them for a rule: read as a host name the way a page's
// address gives it (scheme, "www.", port, path, query dropped; lower case; international
// names in their ASCII form), or refused with a sentence saying why.

#include <QString>

#include <optional>

namespace tq {

struct SiteName {
    std::optional<QString> host; // the name to store; none when refused or unfinished
    QString problem;             // why it is refused; empty when accepted or simply unfinished
};

// A trailing dot is dropped; "localhost" is a name of its own. An unfinished name (empty, or
// one label such as "wikipedia") is no fault while typing; when `submitted` it is refused with
// a sentence.
SiteName checkSiteName(const QString& typed, bool submitted = false);

// The longest host name.
inline constexpr qsizetype kMaxSiteName = 253;

} // namespace tq
