// Renders the building blocks of the interface, and the pages in the states that matter, offscreen
// into PNG files, so that they can be reviewed against the intended look: vantorel-screenshots
// <output folder>. Each subject's pictures are listed in a file of their own.
#include "Shot.h"
#include "ui/components/Theme.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

using namespace vantorel;
using namespace vantorel::screenshots;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantorel-screenshots <output folder>\n");
        return 2;
    }
    // Offscreen unless told otherwise: the tool runs on machines without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // A screen of two device pixels to the point unless told otherwise. Every widget then draws at
    // that density itself, as on such a screen; nothing is drawn at one and scaled up.
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", "2");
    }
    QApplication application(argc, argv);
    Theme::apply(application);

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.absolutePath())) {
        std::fprintf(stderr, "vantorel-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (const auto& subject :
         {componentShots(), connectionShots(), locationsShots(), preferencesShots(), serviceShots()}) {
        for (const Shot& shot : subject) {
            ok = save(shot, folder) && ok;
        }
    }
    return ok ? 0 : 1;
}
