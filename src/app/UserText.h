#pragma once

#include "app/AppPage.h"
#include "core/TunnelPhase.h"
#include "core/VPNFailure.h"

#include <QString>
#include <QStringList>
#include <string_view>

namespace vantorel {

// The core's texts as the person reads them: in their language where the translation has them,
// else in the core's own English.
QString describe(const VPNFailure& failure);
QString phaseTitle(TunnelPhase phase);
QString pageTitle(AppPage page);
// One of platformText()'s texts.
QString platformWords(std::string_view english);

// Where the translations are installed: share/vantorel/translations beside the program's bin
// folder, as in the build tree.
QString translationsFolder();

// Installs the translation of the program's texts, and Qt's own, for the first of `languages` (most
// preferred first; by default the person's, from LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that has
// one in `folder`; English, the language the program is written in, ends the search. Numbers are
// then written as in that language. Returns the language installed, empty for English. Needs the
// application object, and replaces what an earlier call installed.
QString installTranslations(const QString& folder = translationsFolder(), QStringList languages = {});

} // namespace vantorel
