#include "CommandLine.h"

#include "app/UserText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QUrl>
#include <cstdio>

namespace vantorel {
namespace {

QString text(const char* english) {
    return QCoreApplication::translate("CommandLine", english);
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

CommandLine parseCommandLine(int argc, char** argv) {
    // A core application only: the parser names the program from its arguments, and no display
    // is needed to answer --help.
    int count = argc;
    QCoreApplication core(count, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vantorel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTOREL_VERSION));
    installTranslations();

    QCommandLineParser parser;
    parser.setApplicationDescription(text(QT_TRANSLATE_NOOP(
        "CommandLine", "Keep your own list of IKEv2 VPN locations, with their passwords in the secret store.")));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption hidden(
        QStringLiteral("hidden"),
        text(QT_TRANSLATE_NOOP("CommandLine", "Start in the tray without showing the window.")));
    parser.addOption(hidden);
    parser.addPositionalArgument(
        text(QT_TRANSLATE_NOOP("CommandLine", "file")),
        text(QT_TRANSLATE_NOOP("CommandLine", "A VPN provider's profile to import: strongSwan (.sswan), "
                                              "Apple (.mobileconfig) or NetworkManager (.nmconnection).")),
        text(QT_TRANSLATE_NOOP("CommandLine", "[file]")));
    // Qt's own options, which the application object reads later ("-platform xcb"): known here, so
    // that they are not taken for mistakes.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"platform", "platformtheme", "platformpluginpath", "plugin", "display", "style",
                             "stylesheet", "session", "qwindowgeometry", "qwindowtitle", "qwindowicon"}) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLine result;
    if (!parser.parse(QCoreApplication::arguments()) || parser.positionalArguments().size() > 1) {
        const QString problem = parser.errorText().isEmpty()
                                    ? text(QT_TRANSLATE_NOOP("CommandLine", "Unexpected argument '%1'."))
                                          .arg(parser.positionalArguments().at(1))
                                    : parser.errorText();
        print(stderr, QStringLiteral("vantorel: %1\n\n%2").arg(problem, parser.helpText()));
        result.exitStatus = 2;
    } else if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        result.exitStatus = 0;
    } else if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Vantorel %1\n").arg(QCoreApplication::applicationVersion()));
        result.exitStatus = 0;
    }
    result.hidden = parser.isSet(hidden);
    if (!parser.positionalArguments().isEmpty()) {
        // File managers may hand over a file: URL rather than a path.
        const QString argument = parser.positionalArguments().front();
        const QUrl url(argument);
        const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
        result.file = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    }
    return result;
}

} // namespace vantorel
