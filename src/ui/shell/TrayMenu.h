#pragma once

#include <QObject>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace vantorel {

class AppModel;

// The tray icon and its menu: the phase, the active location, Connect or Disconnect, "Show
// Vantorel" and "Quit Vantorel". The menu is rebuilt from the model after every change it
// announces. Where the desktop has no tray, the menu exists but no icon is shown.
class TrayMenu final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayMenu)

public:
    // The widest an entry naming a location is drawn; a longer name is shortened.
    static constexpr int longestEntryWidth = 280;

    explicit TrayMenu(AppModel& model, QObject* parent = nullptr);
    ~TrayMenu() override;

    QMenu* menu() const { return m_menu.get(); }
    // Null where the desktop has no tray.
    QSystemTrayIcon* icon() const { return m_icon; }

    // Rebuilds the menu from the model as it is now; runs by itself after every change.
    void rebuild();

    // Brings the application forward and raises the first window that can be the main window.
    static void showApplication();

signals:
    void quitRequested();

private:
    AppModel& m_model;
    std::unique_ptr<QMenu> m_menu;
    QSystemTrayIcon* m_icon = nullptr;
};

} // namespace vantorel
