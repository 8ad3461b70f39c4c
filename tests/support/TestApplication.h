#pragma once

#include <gtest/gtest.h>
#include <memory>

namespace vantorel::testing {

// Tests of Qt objects need one application object for the whole run, for queued calls and timers;
// `prepare`, when given, readies it as the program readies its own.
template <class Application> class TestApplication final : public ::testing::Environment {
public:
    explicit TestApplication(void (*prepare)(Application&) = nullptr) : m_prepare(prepare) {}
    void SetUp() override {
        m_application = std::make_unique<Application>(m_argc, m_argv);
        if (m_prepare != nullptr) {
            m_prepare(*m_application);
        }
    }
    void TearDown() override { m_application.reset(); }

private:
    void (*m_prepare)(Application&);
    int m_argc = 1;
    char m_name[6] = "tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<Application> m_application;
};

} // namespace vantorel::testing
