// The Your service page.
#include "Shot.h"
#include "WindowStates.h"

#include <QWidget>

namespace vantorel::screenshots {

std::vector<Shot> serviceShots() {
    return {
        {"window-service.png", 1140,
         [] {
             return window(AppPage::service);
         }},
    };
}

} // namespace vantorel::screenshots
