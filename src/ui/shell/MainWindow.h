#pragma once

#include <QMainWindow>
#include <memory>

class QAction;
class QFileDialog;

namespace vantorel {

class AppModel;
class ContentView;
class NameOnlyFileTypes;
class PortalFileChooser;

// The one window: ContentView under a File menu with "Add Location…", "Import Location…" and Quit.
// A provider's profile file dropped on the window is imported as if chosen from the menu.
//
// On Linux the window keeps the window manager's title bar, where the design hides it: without it
// the window could not be moved or resized by the window manager. The menu bar sits in the window,
// drawn in the palette; on macOS Qt moves it to the global menu bar.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    static constexpr QSize defaultWindowSize{1140, 780};
    static constexpr QSize minimumWindowSize{980, 700};

    explicit MainWindow(AppModel& model, QWidget* parent = nullptr);
    ~MainWindow() override;

    ContentView* contentView() const { return m_content; }
    QAction* addLocationAction() const { return m_addLocation; }
    QAction* importLocationAction() const { return m_importLocation; }
    // "Import Location…" asks the desktop's own file chooser; where the desktop has none, it opens
    // this dialog of the app's own, made when first needed.
    QFileDialog* importDialog();
    PortalFileChooser* portalFileChooser() const { return m_portal; }
    // Opens a chooser in the folder a file is likeliest to be in.
    void openImportDialog();

    // With a tray icon to come back through, closing the window only hides it.
    void setHideOnClose(bool hide) { m_hideOnClose = hide; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void refresh();

    AppModel& m_model;
    ContentView* m_content;
    QAction* m_addLocation;
    QAction* m_importLocation;
    QFileDialog* m_importDialog = nullptr;
    PortalFileChooser* m_portal;
    bool m_portalUnavailable = false;               // found so once, for the rest of the run
    std::unique_ptr<NameOnlyFileTypes> m_fileTypes; // outlives the dialog, which only points at it
    bool m_hideOnClose = false;
};

} // namespace vantorel
