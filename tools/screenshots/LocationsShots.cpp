// The Locations page, its removal confirmation and the add-location sheet it opens.
#include "Shot.h"
#include "WindowStates.h"
#include "app/AppModel.h"
#include "ui/pages/AddLocationSheet.h"
#include "ui/pages/AddLocationView.h"
#include "ui/pages/LocationRow.h"
#include "ui/pages/LocationsView.h"

#include <QAction>
#include <QMessageBox>

namespace vantorel::screenshots {
namespace {

// The removal confirmation for the first location of the list, as the row's menu opens it.
QImage renderRemovalConfirmation(QWidget& shown) {
    auto* page = shown.findChild<LocationsView*>();
    page->findChild<LocationRow*>()->findChild<QAction*>(QStringLiteral("removeAction"))->trigger();
    settle(shown);
    return render(*page->removalConfirmation());
}

// The add-location sheet as it opens; with `saved`, after "Save location" with every field empty.
std::function<QImage(QWidget&)> renderSheet(bool saved) {
    return [saved](QWidget& shown) {
        auto* sheet = shown.findChild<AddLocationSheet*>();
        if (saved) {
            sheet->view()->save();
        }
        settle(shown);
        return render(*sheet);
    };
}

std::unique_ptr<QWidget> withSheet() {
    return window(AppPage::locations, [](AppModel& model, const ProfileLibrary&) { model.setShowingAdd(true); });
}

} // namespace

std::vector<Shot> locationsShots() {
    return {
        {"window-locations.png", 1140,
         [] {
             return window(AppPage::locations);
         }},
        {"window-locations-empty.png", 1140,
         [] {
             return window(AppPage::locations, {}, false);
         }},
        {"window-locations-no-match.png", 1140,
         [] {
             return window(AppPage::locations,
                           [](AppModel& model, const ProfileLibrary&) { model.setQuery(QStringLiteral("Lisbon")); });
         }},
        {"window-locations-locked.png", 1140, windowIn(AppPage::locations, TunnelPhase::connected, true)},
        {"dialog-remove-location.png", 1140, [] { return window(AppPage::locations); }, renderRemovalConfirmation},
        {"sheet-add-location.png", 1140, withSheet, renderSheet(false)},
        {"sheet-add-location-error.png", 1140, withSheet, renderSheet(true)},
    };
}

} // namespace vantorel::screenshots
