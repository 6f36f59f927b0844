#include "ui/settings/SettingsRouter.h"

namespace tq {

void SettingsRouter::setPane(SettingsPane pane)
{
    if (pane == pane_)
        return;
    pane_ = pane;
    emit paneChanged(pane);
}

} // namespace tq
