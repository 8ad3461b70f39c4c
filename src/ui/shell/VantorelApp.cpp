#include "ui/shell/VantorelApp.h"

#include "app/AppModel.h"
#include "app/CommandLine.h"
#include "app/UserText.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationRequests.h"
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
#include <utility>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vantorel {

// Holds back the application's quit requests until the model has settled with the secret store.
class QuitWhenSettled final : public QObject {
public:
    QuitWhenSettled(QApplication& application, AppModel& model) : m_model(model) {
        application.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != qApp || event->type() != QEvent::Quit) {
            return false;
        }
        if (!std::exchange(m_quitting, true)) {
            // Gone from the screen at once; the secret store may take a moment to answer.
            for (QWidget* window : QApplication::topLevelWidgets()) {
                window->hide();
            }
            m_model.shutDown(
                [this] {
                    m_quitting = false;
                    QCoreApplication::exit(0);
                },
                VantorelApp::quitPatience);
        }
        return true;
    }

private:
    AppModel& m_model;
    bool m_quitting = false;
};

VantorelApp::VantorelApp(QApplication& application, std::unique_ptr<AppModel> model)
    : m_application(application), m_model(std::move(model)) {
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTOREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.vantorel.Vantorel"));
    Theme::apply(application);

    m_window = std::make_unique<MainWindow>(*m_model);
    m_tray = std::make_unique<TrayMenu>(*m_model);
    m_quit = std::make_unique<QuitWhenSettled>(application, *m_model);
    m_terminations = std::make_unique<TerminationRequests>();
    QObject::connect(m_terminations.get(), &TerminationRequests::received, &application, &QApplication::quit);
    QObject::connect(m_tray.get(), &TrayMenu::quitRequested, &application, &QApplication::quit, Qt::QueuedConnection);
    useTray(m_tray->icon() != nullptr);
}

void VantorelApp::useTray(bool present) {
    m_window->setHideOnClose(present);
    QApplication::setQuitOnLastWindowClosed(!present);
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

// Gives back to the system the heap pages that start-up used and freed: reading the document and
// laying out the first frame leave free holes among what the window keeps, and the C library only
// returns memory at the top of the heap by itself. Worth about a megabyte with a full library.
void releaseFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace

int VantorelApp::run(QApplication& application, const CommandLine& options) {
    SingleInstance instance;
    // A hidden start (an autostart) finding a copy running leaves it where it is; a file to open
    // always goes to the running copy.
    if (instance.claim(!options.hidden, options.file.value_or(QString())) == SingleInstance::Claim::handedOver) {
        return 0;
    }
    installTranslations();
    VantorelApp app(application, std::make_unique<AppModel>());
    app.listenTo(instance);
    new AfterFirstPaint(app.m_window->contentView(), [] {
        setWindowIcon();
        releaseFreedMemory();
    });
    app.start(options);
    return QApplication::exec();
}

void VantorelApp::start(const CommandLine& options) {
    // A file is opened in the window, hidden start or not.
    if (!options.hidden || options.file) {
        m_window->show();
    } else if (!m_tray->icon()) {
        std::fputs(qPrintable(QCoreApplication::translate(
                                  "vantorel::VantorelApp",
                                  "vantorel: there is no system tray to start hidden in, so the window "
                                  "is shown.") +
                              QLatin1Char('\n')),
                   stderr);
        m_window->show();
    }
    if (options.file) {
        m_model->importFile(*options.file);
    }
}

void VantorelApp::listenTo(SingleInstance& instance) {
    QObject::connect(&instance, &SingleInstance::activationRequested, &m_application, &TrayMenu::showApplication);
    QObject::connect(&instance, &SingleInstance::fileOpenRequested, m_model.get(), &AppModel::importFile);
}

} // namespace vantorel
