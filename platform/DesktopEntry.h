#pragma once
// Reading freedesktop desktop entries (.desktop files).

#include <QHash>
#include <QString>

#include <optional>

namespace tq::desktopentry {

// The keys of the "[Desktop Entry]" group with their raw values, or nothing when the file
// cannot be read. Later duplicates of a key win.
std::optional<QHash<QString, QString>> readMainGroup(const QString& path);

} // namespace tq::desktopentry
