// Renders the building blocks of the interface, and the pages in the states that matter, offscreen
// into PNG files, so that they can be reviewed against the intended look: vantorel-screenshots
// <output folder>. Each subject's pictures are listed in a file of their own.
#include "Shot.h"
#include "app/UserText.h"
#include "ui/components/Theme.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

using namespace vantorel;
using namespace vantorel::screenshots;

namespace {

constexpr const char* usage = "usage: vantorel-screenshots [--language <code>] <output folder>\n"
                              "Renders the interface's building blocks and pages, in the states that\n"
                              "matter, into PNG files in the folder (created when missing): in English,\n"
                              "or in the language given (de).\n";

} // namespace

int main(int argc, char** argv) {
    // Anything that looks like an option is one: a mistyped flag never becomes a folder.
    QString language;
    const char* output = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--language") == 0 && i + 1 < argc) {
            language = QString::fromLocal8Bit(argv[++i]);
        } else if (argv[i][0] == '-' || output != nullptr) {
            std::fprintf(stderr, "vantorel-screenshots: unexpected argument %s\n", argv[i]);
            std::fputs(usage, stderr);
            return 2;
        } else {
            output = argv[i];
        }
    }
    if (output == nullptr) {
        std::fputs(usage, stderr);
        return 2;
    }
    // Offscreen unless told otherwise: the tool runs on machines without a display. Its screen is a
    // common laptop's, 1366 by 768 points, so that what is made to fit the screen is shown fitting.
    QTemporaryDir screens;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QFile config(screens.filePath(QStringLiteral("screens.json")));
        (void)config.open(QIODevice::WriteOnly);
        config.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 2732, "height": 1536,
                         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    }
    // A screen of two device pixels to the point unless told otherwise. Every widget then draws at
    // that density itself, as on such a screen; nothing is drawn at one and scaled up.
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", "2");
    }
    QApplication application(argc, argv);
    Theme::apply(application);
    if (!language.isEmpty() && language != QLatin1String("en") &&
        installTranslations(QStringLiteral(VANTOREL_TRANSLATIONS_DIR), {language}).isEmpty()) {
        std::fprintf(stderr, "vantorel-screenshots: no translation for %s\n", qPrintable(language));
        return 2;
    }

    const QDir folder(QString::fromLocal8Bit(output));
    if (!QDir().mkpath(folder.absolutePath())) {
        std::fprintf(stderr, "vantorel-screenshots: cannot create %s\n", output);
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
