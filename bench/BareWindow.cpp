// The floor for the start-up comparison: an empty Qt 6 Widgets window of the app's size with one
// label, built with the same compiler, flags and Qt, measured in the same run as the app.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(1140, 780);
    auto* column = new QVBoxLayout(&window);
    column->addWidget(new QLabel(QStringLiteral("A bare Qt 6 Widgets window")));
    window.show();
    return QApplication::exec();
}
