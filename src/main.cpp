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
    // Every pixel is drawn in software: without this, Qt loads its OpenGL integration and the GL
    // libraries at start-up for nothing.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION")) {
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    }
    QApplication application(argc, argv);
    return vantorel::VantorelApp::run(application, options);
}
