// Widget tests need one QApplication for the whole run, themed as the program themes it.
#include "ui/components/Theme.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class QtApplication final : public ::testing::Environment {
public:
    void SetUp() override {
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
        vantorel::Theme::apply(*m_application);
    }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[9] = "ui_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace
