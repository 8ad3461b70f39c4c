#pragma once

#include <QString>
#include <optional>

namespace vantorel {

// How the program was asked to start.
struct CommandLine {
    // Start in the tray, without showing the window (an autostart).
    bool hidden = false;
    // A provider's profile file to import, as an absolute path (a relative one is resolved here,
    // where it was typed, before it is handed to a copy already running elsewhere).
    std::optional<QString> file;
    // The program ends right away with this status: --help and --version were answered, or the
    // arguments were not understood.
    std::optional<int> exitStatus;
};

// Reads the arguments before any window or file is touched, and without a display: --help and
// --version print to standard output and end with 0; anything unknown, or more than one file,
// prints the usage to standard error and ends with 2.
CommandLine parseCommandLine(int argc, char** argv);

} // namespace vantorel
