#include "ui/shell/MainWindow.h"

#include "app/AppModel.h"
#include "ui/ModelWatcher.h"
#include "ui/shell/ContentView.h"
#include "ui/shell/NameOnlyFileTypes.h"
#include "ui/shell/PortalFileChooser.h"
#include "ui/shell/WindowMenuBar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QStandardPaths>
#include <QTreeView>
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

// The kinds of file a provider hands out, then anything.
QList<PortalFileChooser::Filter> importFilters() {
    return {
        {MainWindow::tr("VPN profiles"),
         {QStringLiteral("*.sswan"), QStringLiteral("*.mobileconfig"), QStringLiteral("*.nmconnection")}},
        {MainWindow::tr("strongSwan profiles"), {QStringLiteral("*.sswan")}},
        {MainWindow::tr("Apple configuration profiles"), {QStringLiteral("*.mobileconfig")}},
        {MainWindow::tr("NetworkManager connections"), {QStringLiteral("*.nmconnection")}},
        {MainWindow::tr("All files"), {QStringLiteral("*")}},
    };
}

} // namespace

MainWindow::MainWindow(AppModel& model, QWidget* parent)
    : QMainWindow(parent), m_model(model), m_content(new ContentView(model, this)),
      m_portal(new PortalFileChooser(this)), m_fileTypes(std::make_unique<NameOnlyFileTypes>()) {
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
    m_addLocation = editing(tr("Add Location\u2026"), "addLocationAction", QKeySequence::New,
                            [this] { m_model.setShowingAdd(true); });
    m_importLocation = editing(tr("Import Location\u2026"), "importLocationAction", QKeySequence::Open,
                               [this] { openImportDialog(); });
    setAcceptDrops(true);
    file->addSeparator();
    QAction* quit = file->addAction(tr("Quit Vantorel"));
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);

    connect(m_portal, &PortalFileChooser::fileSelected, this,
            [this](const QString& path) { m_model.importFile(path); });
    connect(m_portal, &PortalFileChooser::unavailable, this, [this] {
        m_portalUnavailable = true;
        openImportDialog();
    });

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
    m_importDialog = new QFileDialog(this, tr("Import Location"));
    m_importDialog->setObjectName(QStringLiteral("importDialog"));
    // Qt's own widgets, never a toolkit's dialog through the platform theme: that would run in this
    // process and look into the files it lists. The desktop's own chooser, which runs in a process
    // of its own, is reached through the portal instead.
    m_importDialog->setOption(QFileDialog::DontUseNativeDialog);
    m_importDialog->setIconProvider(m_fileTypes.get());
    m_importDialog->setFileMode(QFileDialog::ExistingFile);
    m_importDialog->setAcceptMode(QFileDialog::AcceptOpen);
    QStringList filters;
    for (const auto& filter : importFilters()) {
        filters << QStringLiteral("%1 (%2)").arg(filter.name, filter.globs.join(QLatin1Char(' ')));
    }
    m_importDialog->setNameFilters(filters);
    // Wide enough for every column of the detailed view, the name taking what is left.
    m_importDialog->resize(760, 460);
    if (auto* files = m_importDialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        files->header()->setStretchLastSection(false);
        files->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (auto* panes = m_importDialog->findChild<QSplitter*>(QStringLiteral("splitter"))) {
        panes->setSizes({170, 590});
    }
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
    if (!m_portalUnavailable) {
        m_portal->open(this, tr("Import Location"), folder, importFilters());
        return;
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
