// The Locations page, its removal confirmation and the add-location sheet it opens.
#include "Shot.h"
#include "WindowStates.h"
#include "app/AppModel.h"
#include "ui/components/InputField.h"
#include "ui/pages/AddLocationSheet.h"
#include "ui/pages/AddLocationView.h"
#include "ui/pages/LocationRow.h"
#include "ui/pages/LocationsView.h"

#include <QAction>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

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

// Lets a moment pass, so that what is shown after the secret store has been silent a while is up.
void waitAMoment(QWidget& shown) {
    QEventLoop moment;
    QTimer::singleShot(400, &moment, &QEventLoop::quit);
    moment.exec();
    settle(shown);
}

// The sheet saving a location the secret store has not answered for yet.
QImage renderSheetWaiting(QWidget& shown) {
    auto* sheet = shown.findChild<AddLocationSheet*>();
    const QStringList texts{"Oslo", "Norway", "no.provider.example", "no.provider.example", "customer-7", "secret"};
    const char* fields[] = {"nameField",     "countryField",  "serverField",
                            "identityField", "usernameField", "passwordField"};
    for (int i = 0; i < texts.size(); ++i) {
        sheet->view()->findChild<InputField*>(fields[i])->field()->setText(texts[i]);
    }
    sheet->view()->save();
    waitAMoment(shown);
    return render(*sheet);
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
        {"sheet-add-location-waiting.png", 1140, withSheet, renderSheetWaiting},
        {"window-locations-removal-waiting.png", 1140,
         [] {
             return window(AppPage::locations,
                           [](AppModel& model, const ProfileLibrary& library) { model.remove(library.profiles[0]); });
         },
         [](QWidget& shown) {
             waitAMoment(shown);
             return render(shown);
         }},
    };
}

} // namespace vantorel::screenshots
