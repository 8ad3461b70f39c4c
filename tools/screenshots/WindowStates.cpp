#include "WindowStates.h"

#include "SilentVault.h"
#include "app/AppModel.h"
#include "app/TunnelStates.h"
#include "core/AtomicFile.h"
#include "core/LibraryDocument.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <tuple>

namespace vantorel::screenshots {

namespace {

ProfileLibrary sampleLibrary() {
    ProfileLibrary library;
    const std::tuple<const char*, const char*, const char*, bool> locations[] = {
        {"London", "United Kingdom", "uk.provider.example", true},
        {"Amsterdam 2", "Netherlands", "nl2.provider.example", false},
        {"Amsterdam 10", "Netherlands", "nl10.provider.example", false},
        {"Z\u00fcrich", "Switzerland", "ch.provider.example", true},
        {"Oslo", "Norway", "no.provider.example", false},
        {"Montr\u00e9al", "Canada", "ca.provider.example", false},
        {"Tokyo", "Japan", "jp.provider.example", true},
        {"S\u00e3o Paulo", "Brazil", "br.provider.example", false},
    };
    for (const auto& [name, country, server, favorite] : locations) {
        library.profiles.push_back(VPNProfile{Uuid::random(), QString::fromUtf8(name).toStdString(), country, server,
                                              server, "customer-0042", Uuid::random(), favorite});
    }
    library.selectedID = library.profiles[4].id;
    return library;
}

ProfileLibrary longestLibrary() {
    ProfileLibrary library;
    // A host of 253 characters: four labels, three of the longest a label may be.
    const std::string label(63, 'w');
    const std::string host = label + "." + label + "." + label + "." + std::string(61, 'w');
    for (const char last : {'W', 'M', 'Q'}) {
        const std::string name = std::string(79, 'W') + last;
        library.profiles.push_back(VPNProfile{Uuid::random(), name, std::string(80, 'W'), host, host,
                                              std::string(254, 'W'), Uuid::random(), last == 'W'});
    }
    library.selectedID = library.profiles.front().id;
    return library;
}

} // namespace

std::unique_ptr<QWidget> window(AppPage page, const ModelState& state, Library kind) {
    ProfileLibrary library = kind == Library::sample    ? sampleLibrary()
                             : kind == Library::longest ? longestLibrary()
                                                        : ProfileLibrary{};
    library.settings.allowLocalNetwork = true;
    QTemporaryDir folder;
    const auto document = std::filesystem::path(folder.path().toStdString()) / "locations-v1.json";
    (void)writeFileAtomically(LibraryDocument::encode(library), document);
    auto model = std::make_unique<AppModel>(std::make_unique<SilentVault>(), document, DocumentWriter{},
                                            std::filesystem::path(VANTOREL_IMPORT_HELPER));
    QApplication::processEvents(); // the model's first refresh
    model->setPage(page);
    if (state) {
        state(*model, library);
    }
    auto shown = std::make_unique<MainWindow>(*model);
    model.release()->setParent(shown.get()); // destroyed after the window's own widgets
    return shown;
}

std::function<std::unique_ptr<QWidget>()> windowIn(AppPage page, TunnelPhase phase, bool sessionStarted) {
    return [=] {
        return window(page, [=](AppModel& model, const ProfileLibrary& library) {
            const std::optional<QDateTime> since =
                sessionStarted ? std::optional(QDateTime::currentDateTimeUtc().addSecs(-3725)) : std::nullopt;
            reportTunnelStatus(model, phase, since, library.profiles.front().id);
        });
    };
}

} // namespace vantorel::screenshots
