// The Locations page, its removal confirmation and the add-location sheet it opens.
#include "Shot.h"
#include "WindowStates.h"
#include "app/AppModel.h"
#include "ui/components/Alert.h"
#include "ui/components/InputField.h"
#include "ui/pages/AddLocationSheet.h"
#include "ui/pages/AddLocationView.h"
#include "ui/pages/LocationRow.h"
#include "ui/pages/LocationsView.h"
#include "ui/shell/MainWindow.h"

#include <QAction>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
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

// A provider's Apple profile with six locations, long names among them, their passwords and the
// provider's certificate authority: the sheet with its chooser and both notices.
void importSixLocations(AppModel& model, const ProfileLibrary&) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("provider.mobileconfig"));
    QString payloads;
    const char* names[] = {
        "Oslo",        "Bergen",    "Reykjav\u00edk (the long way round, through the northern exchange)",
        "Troms\u00f8", "Stavanger", "Trondheim"};
    for (int i = 0; i < 6; ++i) {
        payloads += QStringLiteral("<dict><key>PayloadType</key><string>com.apple.vpn.managed</string><key>VPNType"
                                   "</key><string>IKEv2</string><key>UserDefinedName</key><string>%1</string><key>"
                                   "IKEv2</key><dict><key>RemoteAddress</key><string>site-%2.provider.example"
                                   "</string><key>AuthName</key><string>customer-7</string><key>ExtendedAuthEnabled"
                                   "</key><true/><key>AuthPassword</key><string>secret</string></dict></dict>")
                        .arg(QString::fromUtf8(names[i]))
                        .arg(i + 1);
    }
    QFile file(path);
    (void)file.open(QIODevice::WriteOnly);
    file.write(QStringLiteral("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>PayloadContent</key><array>"
                              "%1<dict><key>PayloadType</key><string>com.apple.security.root</string></dict></array>"
                              "</dict></plist>")
                   .arg(payloads)
                   .toUtf8());
    file.close();
    model.importFile(path);
}

QImage renderImportedSheet(QWidget& shown) {
    auto* sheet = shown.findChild<AddLocationSheet*>();
    waitFor([&] { return sheet->isVisible() && sheet->view() != nullptr; });
    settle(shown);
    return render(*sheet);
}

// The page scrolled to the end of its list.
QImage renderScrolledToTheEnd(QWidget& shown) {
    QScrollBar* bar = shown.findChild<QScrollArea*>(QStringLiteral("pageScrollArea"))->verticalScrollBar();
    bar->setValue(bar->maximum());
    settle(shown);
    return render(shown);
}

// The alert refusing a file whose name is as long as a file's name may be.
QImage renderRefusedLongName(QWidget& shown) {
    static QTemporaryDir folder;
    QFile file(folder.filePath(QString(242, u'W') + QStringLiteral(".mobileconfig")));
    (void)file.open(QIODevice::WriteOnly);
    file.write("Not a profile.");
    file.close();
    auto* model = shown.findChild<AppModel*>();
    model->importFile(file.fileName());
    waitFor([&] { return model->message().has_value(); });
    settle(shown);
    return render(*shown.findChild<Alert*>(QStringLiteral("messageAlert")));
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
             return window(AppPage::locations, {}, Library::empty);
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
        {"sheet-add-location-chooser-smallest-window.png", MainWindow::minimumWindowSize.width(),
         [] { return window(AppPage::locations, importSixLocations); }, renderImportedSheet,
         MainWindow::minimumWindowSize.height()},
        {"window-locations-longest-smallest-window.png", MainWindow::minimumWindowSize.width(),
         [] { return window(AppPage::locations, {}, Library::longest); }, render,
         MainWindow::minimumWindowSize.height()},
        {"window-locations-scrolled-smallest-window.png", MainWindow::minimumWindowSize.width(),
         [] { return window(AppPage::locations); }, renderScrolledToTheEnd, MainWindow::minimumWindowSize.height()},
        {"dialog-remove-location-longest.png", 1140, [] { return window(AppPage::locations, {}, Library::longest); },
         renderRemovalConfirmation},
        {"dialog-import-refused-long-name.png", 1140, [] { return window(AppPage::locations); }, renderRefusedLongName},
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
