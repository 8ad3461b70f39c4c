// Every input the fuzzers start from or ever broke on, through the same properties they check.
#include "Properties.h"
#include "support/FuzzInputs.h"
#include "support/TempDir.h"

using namespace vantorel;
using vantorel::testing::fuzzInputs;
using vantorel::testing::readFile;

TEST(FuzzCorpus, InputsKeepTheirTargetsPromises) {
    const struct {
        const char* target;
        std::size_t atLeast;
        std::optional<std::string> (*check)(std::string_view);
    } targets[] = {{"document", 50, fuzzing::checkDocument}, {"record", 1, fuzzing::checkRecord}};
    for (const auto& [target, atLeast, check] : targets) {
        const auto files = fuzzInputs(target);
        ASSERT_GE(files.size(), atLeast) << target;
        for (const auto& file : files) {
            EXPECT_EQ(check(readFile(file)), std::nullopt) << file.filename();
        }
    }
}
