#include "ui/shell/MainWindow.h"

#include "app/AppModel.h"
#include "ui/ModelWatcher.h"
#include "ui/shell/ContentView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

namespace vantorel {

MainWindow::MainWindow(AppModel& model, QWidget* parent)
    : QMainWindow(parent), m_model(model), m_content(new ContentView(model, this)) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Vantorel"));
    setCentralWidget(m_content);
    setMinimumSize(minimumWindowSize);
    resize(defaultWindowSize);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    m_addLocation = file->addAction(QStringLiteral("Add Location\u2026"));
    m_addLocation->setObjectName(QStringLiteral("addLocationAction"));
    m_addLocation->setShortcut(QKeySequence::New);
    // The window owns the shortcut, so it works wherever the focus is inside it.
    m_addLocation->setShortcutContext(Qt::WindowShortcut);
    connect(m_addLocation, &QAction::triggered, this, [this] {
        if (m_model.canEdit()) {
            m_model.setShowingAdd(true);
        }
    });
    file->addSeparator();
    QAction* quit = file->addAction(tr("Quit Vantorel"));
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);

    new ModelWatcher(
        model, [this] { refresh(); }, this);
    refresh();
}

void MainWindow::refresh() {
    m_addLocation->setEnabled(m_model.canEdit());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    m_content->closeOverlays();
    if (m_hideOnClose) {
        hide();
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace vantorel
