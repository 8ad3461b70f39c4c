#pragma once

#include <QImage>
#include <functional>
#include <memory>
#include <vector>

class QDir;
class QWidget;

namespace vantorel::screenshots {

// The widget as it is drawn on its screen, at that screen's pixel density.
QImage render(QWidget& widget);

// One picture: the file it is written to, the width it is laid out at (0: the content's own), what
// it shows and how it is taken (by default, the whole widget).
struct Shot {
    const char* file;
    int width;
    std::function<std::unique_ptr<QWidget>()> build;
    std::function<QImage(QWidget&)> capture = render;
    // A window this tall, however much its page would need (0: the default size, grown to the page).
    int height = 0;
};

// Lets the event loop run until nothing under `widget` is moving, so that a picture shows it at
// rest. An animation that never ends (a spinner) is not waited for.
void settle(QWidget& widget);

// Lets the event loop run until `ready` holds, or a few seconds have passed.
void waitFor(const std::function<bool()>& ready);

// Builds the shot's widget, lays it out, shows it, takes the picture once it has settled and writes
// it into `folder`, printing where. False when the file could not be written.
bool save(const Shot& shot, const QDir& folder);

// The pictures, by subject; each page has a file of its own.
std::vector<Shot> componentShots();
std::vector<Shot> connectionShots();
std::vector<Shot> locationsShots();
std::vector<Shot> preferencesShots();
std::vector<Shot> serviceShots();

} // namespace vantorel::screenshots
