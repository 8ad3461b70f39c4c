#include "ui/shell/MainWindow.h"

#include "app/AppModel.h"
#include "ui/ModelWatcher.h"
#include "ui/shell/ContentView.h"
#include "ui/shell/NameOnlyFileTypes.h"
#include "ui/shell/WindowMenuBar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>
#include <functional>
#include <optional>

namespace vantorel {
namespace {

// The one local file a drag carries, if that is all it carries.
std::optional<QString> droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile()) {
        return std::nullopt;
    }
    return data->urls().front().toLocalFile();
}

} // namespace

MainWindow::MainWindow(AppModel& model, QWidget* parent)
    : QMainWindow(parent), m_model(model), m_content(new ContentView(model, this)),
      m_fileTypes(std::make_unique<NameOnlyFileTypes>()) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Vantorel"));
    setCentralWidget(m_content);
    setMinimumSize(minimumWindowSize);
    resize(defaultWindowSize);

    setMenuBar(new WindowMenuBar(this));
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    // The two commands that change the library. The window owns their shortcuts, so that they work
    // wherever the focus is inside it; they do something only while the model takes edits.
    const auto editing = [&](const QString& text, const char* name, QKeySequence::StandardKey key,
                             std::function<void()> then) {
        QAction* action = file->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, then = std::move(then)] {
            if (m_model.canEdit()) {
                then();
            }
        });
        return action;
    };
    m_addLocation = editing(QStringLiteral("Add Location\u2026"), "addLocationAction", QKeySequence::New,
                            [this] { m_model.setShowingAdd(true); });
    m_importLocation = editing(QStringLiteral("Import Location\u2026"), "importLocationAction", QKeySequence::Open,
                               [this] { openImportDialog(); });
    setAcceptDrops(true);
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

MainWindow::~MainWindow() {
    // The dialog goes first, with the widgets: the icon provider it points at must outlive it.
    delete m_importDialog;
}

void MainWindow::refresh() {
    m_addLocation->setEnabled(m_model.canEdit());
    m_importLocation->setEnabled(m_model.canEdit());
}

QFileDialog* MainWindow::importDialog() {
    if (m_importDialog != nullptr) {
        return m_importDialog;
    }
    m_importDialog = new QFileDialog(this, QStringLiteral("Import Location"));
    m_importDialog->setObjectName(QStringLiteral("importDialog"));
    m_importDialog->setIconProvider(m_fileTypes.get());
    m_importDialog->setFileMode(QFileDialog::ExistingFile);
    m_importDialog->setAcceptMode(QFileDialog::AcceptOpen);
    m_importDialog->setNameFilters({
        QStringLiteral("VPN profiles (*.sswan *.mobileconfig *.nmconnection)"),
        QStringLiteral("strongSwan profiles (*.sswan)"),
        QStringLiteral("Apple configuration profiles (*.mobileconfig)"),
        QStringLiteral("NetworkManager connections (*.nmconnection)"),
        QStringLiteral("All files (*)"),
    });
    connect(m_importDialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { m_model.importFile(path); });
    return m_importDialog;
}

void MainWindow::openImportDialog() {
    // Where the last file came from; else where browsers put what the provider's site handed out;
    // else home. Never the folder the program happened to be started in.
    QString folder = QDir::homePath();
    for (const QString& candidate :
         {m_model.lastImportFolder(), QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)}) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isDir()) {
            folder = candidate;
            break;
        }
    }
    importDialog()->setDirectory(folder);
    importDialog()->open();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (m_model.canEdit() && droppedFile(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    if (const auto file = droppedFile(event->mimeData()); file && m_model.canEdit()) {
        event->acceptProposedAction();
        m_model.importFile(*file);
    }
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
