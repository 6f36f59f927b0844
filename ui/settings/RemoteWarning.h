#pragma once
// The warning under a server engine's address when text would leave this computer.

#include <QString>

namespace tq {

// The host the server engines would send to, parsed exactly as they parse the address;
// empty when the address gives them none.
QString serverHost(const QString& address);

// Empty for this computer (localhost, 127.0.0.1, ::1) or no host; otherwise the sentence.
QString remoteWarningText(const QString& address);

} // namespace tq
