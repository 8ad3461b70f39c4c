// A process that claims the app's single instance and says what happened, for the tests that
// need two real processes: "first" (then "activated" when another start asks it to come forward,
// and "open <path>" for each file it brings, and it exits), "handed over" or "unchecked". With
// --once it exits right after saying it.
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const bool once = argc > 1 && QByteArray(argv[1]) == "--once";
    vantorel::SingleInstance instance;
    const auto say = [](const char* what) {
        std::printf("%s\n", what);
        std::fflush(stdout);
    };
    switch (instance.claim()) {
    case vantorel::SingleInstance::Claim::handedOver:
        say("handed over");
        return 0;
    case vantorel::SingleInstance::Claim::unchecked:
        say("unchecked");
        return 3;
    case vantorel::SingleInstance::Claim::first:
        say("first");
        if (once) {
            return 0;
        }
        QObject::connect(&instance, &vantorel::SingleInstance::activationRequested, &application, [&] {
            say("activated");
            QCoreApplication::quit();
        });
        QObject::connect(&instance, &vantorel::SingleInstance::fileOpenRequested, &application,
                         [&](const QString& file) { say(("open " + file).toUtf8().constData()); });
        return QCoreApplication::exec();
    }
    return 1;
}
