#include "app/CommandLine.h"
#include "platform/ProcessProtection.h"
#include "ui/shell/VantorelApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    vantorel::protectProcessMemory(); // before anything is typed
    const vantorel::CommandLine options = vantorel::parseCommandLine(argc, argv);
    if (options.exitStatus) {
        return *options.exitStatus;
    }
    QApplication application(argc, argv);
    return vantorel::VantorelApp::run(application, options);
}
