#pragma once

#include <QMainWindow>

class QAction;

namespace vantorel {

class AppModel;
class ContentView;

// The one window: ContentView under a File menu with "Add Location…" and Quit.
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

    ContentView* contentView() const { return m_content; }
    QAction* addLocationAction() const { return m_addLocation; }

    // With a tray icon to come back through, closing the window only hides it.
    void setHideOnClose(bool hide) { m_hideOnClose = hide; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void refresh();

    AppModel& m_model;
    ContentView* m_content;
    QAction* m_addLocation;
    bool m_hideOnClose = false;
};

} // namespace vantorel
