// Widget tests are themed as the program themes itself.
#include "support/TestApplication.h"
#include "ui/components/Theme.h"

#include <QApplication>

[[maybe_unused]] static const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new vantorel::testing::TestApplication<QApplication>(
        [](QApplication& application) { vantorel::Theme::apply(application); }));
