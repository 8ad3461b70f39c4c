#include "app/UserText.h"

#include "core/PlatformText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>

namespace vantorel {
namespace {

// The core marks its texts with these contexts; the text itself is the key.
QString translated(const char* context, std::string_view english) {
    const std::string source(english);
    return QCoreApplication::translate(context, source.c_str());
}

const QString oursName = QStringLiteral("vantorelTranslation");
const QString qtsName = QStringLiteral("qtTranslation");

} // namespace

QString describe(const VPNFailure& failure) {
    return translated("VPNFailure", failure.description());
}

QString phaseTitle(TunnelPhase phase) {
    return translated("TunnelPhase", title(phase));
}

QString pageTitle(AppPage page) {
    return translated("AppPage", rawValue(page));
}

QString platformWords(std::string_view english) {
    return translated("PlatformText", english);
}

QString translationsFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vantorel/translations");
}

QString installTranslations(const QString& folder, QStringList languages) {
    QCoreApplication* application = QCoreApplication::instance();
    for (const QString& name : {oursName, qtsName}) {
        // A translator removes itself from the application as it goes.
        delete application->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
    }
    if (languages.isEmpty()) {
        languages = QLocale::system().uiLanguages();
    }
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) {
            break;
        }
        auto* ours = new QTranslator(application);
        if (!ours->load(QStringLiteral("vantorel_") + locale.name(), folder)) {
            delete ours;
            continue;
        }
        ours->setObjectName(oursName);
        QCoreApplication::installTranslator(ours);
        // Qt's own texts: its dialogs' and the command line's.
        auto* qts = new QTranslator(application);
        qts->setObjectName(qtsName);
        if (qts->load(QStringLiteral("qt_") + locale.name(), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qts);
        } else {
            delete qts;
        }
        QLocale::setDefault(locale);
        return QLocale::languageToCode(locale.language());
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return {};
}

} // namespace vantorel
