// The Preferences page, editable and locked during a session.
#include "Shot.h"
#include "WindowStates.h"

namespace vantorel::screenshots {

std::vector<Shot> preferencesShots() {
    return {
        {"window-preferences.png", 1140, windowIn(AppPage::preferences, TunnelPhase::disconnected)},
        {"window-preferences-disabled.png", 1140, windowIn(AppPage::preferences, TunnelPhase::connected, true)},
    };
}

} // namespace vantorel::screenshots
