#include "support/TestApplication.h"

#include <QCoreApplication>

[[maybe_unused]] static const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new vantorel::testing::TestApplication<QCoreApplication>);
