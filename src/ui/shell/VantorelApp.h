#pragma once

#include <chrono>
#include <memory>

class QApplication;

namespace vantorel {

class AppModel;
struct CommandLine;
class MainWindow;
class QuitWhenSettled;
class SingleInstance;
class TerminationRequests;
class TrayMenu;

// The application: names it, applies the theme, and holds the one model for the whole process
// together with the main window and the tray menu that show it.
//
// Every way of quitting (the tray's and the menu's Quit, closing the last window without a tray,
// the session ending, SIGTERM, SIGINT and SIGHUP) reaches the event loop as one quit request. An
// add or removal in progress is given up first, and the program waits for the secret store's
// answers to what is still out (at most quitPatience) before the loop ends with status 0.
class VantorelApp final {
public:
    static constexpr std::chrono::milliseconds quitPatience{2000};

    // The whole life of the program: hands over to a copy already running for this user (and
    // returns 0 without touching the library), or builds the app, starts it and runs the event loop.
    static int run(QApplication& application, const CommandLine& options);

    VantorelApp(QApplication& application, std::unique_ptr<AppModel> model);
    ~VantorelApp();
    VantorelApp(const VantorelApp&) = delete;
    VantorelApp& operator=(const VantorelApp&) = delete;

    // Shows the window, or for a hidden start only the tray icon (the window after all when there
    // is no tray), and opens the file the command line names.
    void start(const CommandLine& options);
    // Later starts of the app bring this one forward, from the tray too, with the file they name.
    void listenTo(SingleInstance& instance);
    // With a tray to come back through, closing the window leaves the app running there; without
    // one, closing the window is the only way the user has to end it.
    void useTray(bool present);

    AppModel& model() const { return *m_model; }
    MainWindow& window() const { return *m_window; }
    TrayMenu& tray() const { return *m_tray; }

private:
    QApplication& m_application;
    std::unique_ptr<AppModel> m_model;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<TrayMenu> m_tray;
    std::unique_ptr<QuitWhenSettled> m_quit;
    std::unique_ptr<TerminationRequests> m_terminations;
};

} // namespace vantorel
