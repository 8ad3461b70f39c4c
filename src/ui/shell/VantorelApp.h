#pragma once

#include <memory>

class QApplication;

namespace vantorel {

class AppModel;
struct CommandLine;
class MainWindow;
class TrayMenu;

// The application: names it, applies the theme, and holds the one model for the whole process
// together with the main window and the tray menu that show it.
class VantorelApp final {
public:
    // The whole life of the program: hands over to a copy already running for this user (and
    // returns 0 without touching the library), or builds the app, shows it (unless it starts
    // hidden in the tray) and runs the event loop.
    static int run(QApplication& application, const CommandLine& options);

    explicit VantorelApp(QApplication& application);
    ~VantorelApp();
    VantorelApp(const VantorelApp&) = delete;
    VantorelApp& operator=(const VantorelApp&) = delete;

    // Shows the main window at its default size.
    void show();

    AppModel& model() const { return *m_model; }
    MainWindow& window() const { return *m_window; }

private:
    std::unique_ptr<AppModel> m_model;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<TrayMenu> m_tray;
};

} // namespace vantorel
