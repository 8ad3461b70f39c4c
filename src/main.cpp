#include "ui/shell/VantorelApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    vantorel::VantorelApp vantorel(application);
    vantorel.show();
    return QApplication::exec();
}
