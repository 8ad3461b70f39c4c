#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    // Every CTest entry runs this binary with a filter; one that matches nothing must not pass.
    if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        return 1;
    }
    return status;
}
