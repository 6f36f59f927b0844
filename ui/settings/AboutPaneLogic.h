#pragma once
// What the About pane's reset touches, and its version text. Pure over the stores.

#include <QList>
#include <QString>

namespace tq {

class AppRules;
class Preferences;

// Every setting back to its default (the onboarding and intro flags, the key-hint count and
// the interface language stay), every rule and pause gone, the pause everywhere lifted, the
// rules file saved after its debounce. Remembered names, statistics and memory stay.
void resetAllSettings(Preferences& prefs, AppRules& rules);

// The build's version, "1.0" when it has none.
QString aboutVersion(const QString& buildVersion);
// "Version 0.1.0".
QString aboutVersionText(const QString& buildVersion);

// Whether buttons of these widths fit side by side, `spacing` apart, in `available` points.
bool fitsInOneRow(const QList<int>& widths, int spacing, int available);

} // namespace tq
