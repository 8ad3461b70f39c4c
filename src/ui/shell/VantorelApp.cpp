#include "ui/shell/VantorelApp.h"

#include "app/AppModel.h"
#include "app/CommandLine.h"
#include "platform/SingleInstance.h"
#include "ui/components/Theme.h"
#include "ui/shell/ContentView.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/TrayMenu.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace vantorel {

VantorelApp::VantorelApp(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTOREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.vantorel.Vantorel"));
    Theme::apply(application);

    m_model = std::make_unique<AppModel>();
    m_window = std::make_unique<MainWindow>(*m_model);
    m_tray = std::make_unique<TrayMenu>(*m_model);
    QObject::connect(m_tray.get(), &TrayMenu::quitRequested, &application, &QApplication::quit, Qt::QueuedConnection);

    // With a tray icon the application lives on in the tray when its window is closed; without
    // one, closing the window is the only way the user has to end it.
    const bool tray = m_tray->icon() != nullptr;
    m_window->setHideOnClose(tray);
    QApplication::setQuitOnLastWindowClosed(!tray);
}

VantorelApp::~VantorelApp() = default;

namespace {

// Runs `then` on the turn after `widget` is first painted, and never again.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget* widget, std::function<void()> then) : QObject(widget), m_then(std::move(then)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, m_then);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

// The window icon, drawn from the application icon's SVG. Drawing it takes a few milliseconds,
// so it waits for the first frame; and building it through QIcon's own SVG support would load
// Qt's icon-engine and image-format plugins.
void setWindowIcon() {
    QSvgRenderer renderer(QStringLiteral(":/app/org.vantorel.Vantorel.svg"));
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    QApplication::setWindowIcon(icon);
}

} // namespace

int VantorelApp::run(QApplication& application, const CommandLine& options) {
    SingleInstance instance;
    // A hidden start (an autostart) finding a copy running leaves it where it is; a file to open
    // always goes to the running copy.
    if (instance.claim(!options.hidden, options.file.value_or(QString())) == SingleInstance::Claim::handedOver) {
        return 0;
    }
    VantorelApp app(application);
    // Another start of the app brings this one forward, even from the tray, and may bring a file.
    QObject::connect(&instance, &SingleInstance::activationRequested, &application, &TrayMenu::showApplication);
    QObject::connect(&instance, &SingleInstance::fileOpenRequested, app.m_model.get(), &AppModel::importFile);
    new AfterFirstPaint(app.m_window->contentView(), &setWindowIcon);
    if (!options.hidden || options.file) {
        app.show();
    } else if (!app.m_tray->icon()) {
        std::fputs("vantorel: there is no system tray to start hidden in, so the window is shown.\n", stderr);
        app.show();
    }
    if (options.file) {
        app.m_model->importFile(*options.file);
    }
    return QApplication::exec();
}

void VantorelApp::show() {
    m_window->show();
}

} // namespace vantorel
