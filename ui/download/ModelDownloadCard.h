#pragma once
// What the model download card shows for each phase of the model store: one action, one
// status part, the model's description line and the removal confirmation. Byte counts are
// 64-bit all the way; the bar gets a fraction, never a byte count in an int.

#include "engines/ModelSpec.h"
#include "engines/ModelStore.h"

#include <QString>

namespace tq::modelcard {

enum class Action { none, download, cancel, retry, remove };
enum class StatusKind { none, progress, failed, note, verifying };

struct Card {
    Action action = Action::none;
    QString actionTitle;  // empty without an action
    bool primary = false; // drawn as the gold call to action
    StatusKind status = StatusKind::none;
    QString statusText;   // the line below the bar, the failure, the note or the check
    double fraction = 0;  // progress: received over total (a total of 0 counts as 1), 0…1
    QString progressValue; // progress: "<received> of <total>" for screen readers
};

// `standalone`: the card stands alone (onboarding) rather than inside the engine pane.
// `onDeviceReady`: the system's on-device model answers while the download is missing.
Card card(const ModelStore::Phase& phase, bool standalone, bool onDeviceReady);

// Sizes in decimal units of the current locale ("1.2 GB").
QString formatBytes(qint64 bytes);
// "<publisher>[, converted for llama.cpp by <converter>] · <size> · <licence> license".
QString specLine(const ModelSpec& spec);
// "Remove the Tessaquill model?" and "This frees <size>. …".
QString removeTitle();
QString removeMessage(const ModelSpec& spec, bool onDeviceReady);

} // namespace tq::modelcard
