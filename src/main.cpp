#include "platform/ProcessProtection.h"
#include "ui/shell/VantorelApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    vantorel::protectProcessMemory(); // before anything is typed
    QApplication application(argc, argv);
    return vantorel::VantorelApp::run(application);
}
