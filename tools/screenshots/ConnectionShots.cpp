// The Connection page in the phases that look different.
#include "Shot.h"
#include "WindowStates.h"
#include "app/AppModel.h"
#include "ui/pages/ConnectionView.h"
#include "ui/shell/MainWindow.h"

#include <QWidget>

namespace vantorel::screenshots {
namespace {

// `busy` holds only inside one of the model's operations, so the picture is taken from inside a
// refresh, once the flag is set and before the phase changes.
QImage renderWhileBusy(QWidget& shown) {
    auto* model = shown.findChild<AppModel*>();
    auto* page = shown.findChild<ConnectionView*>();
    QImage image;
    const auto hook = QObject::connect(model, &AppModel::willChange, &shown, [&] {
        if (model->busy() && image.isNull()) {
            page->refresh();
            image = render(shown);
        }
    });
    model->refresh();
    QObject::disconnect(hook);
    return image;
}

} // namespace

std::vector<Shot> connectionShots() {
    return {
        {"window-connection.png", 1140, windowIn(AppPage::connection, TunnelPhase::unavailable)},
        {"window-connection-unknown-busy.png", 1140, windowIn(AppPage::connection, TunnelPhase::unknown),
         renderWhileBusy},
        {"window-connection-connected.png", 1140, windowIn(AppPage::connection, TunnelPhase::connected, true)},
        {"window-connection-connecting.png", 1140, windowIn(AppPage::connection, TunnelPhase::connecting)},
        {"window-connection-longest-smallest-window.png", MainWindow::minimumWindowSize.width(),
         [] { return window(AppPage::connection, {}, Library::longest); }, render,
         MainWindow::minimumWindowSize.height()},
    };
}

} // namespace vantorel::screenshots
