// Every input the fuzzers start from or ever broke on, through the same properties they check.
#include "Properties.h"
#include "support/TempDir.h"

#include <algorithm>

using namespace vantorel;
using vantorel::testing::readFile;
namespace fs = std::filesystem;

namespace {

// The files of `target`'s seed corpus and of the crashes kept beside it, in order.
std::vector<fs::path> inputs(const std::string& target) {
    std::vector<fs::path> files;
    for (const char* kind : {"corpus", "crashes"}) {
        std::error_code missing;
        for (const auto& entry : fs::directory_iterator(fs::path(VANTOREL_FUZZ_DIR) / kind / target, missing)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    std::ranges::sort(files);
    return files;
}

} // namespace

TEST(FuzzCorpus, InputsKeepTheirTargetsPromises) {
    const struct {
        const char* target;
        std::size_t atLeast;
        std::optional<std::string> (*check)(std::string_view);
    } targets[] = {{"document", 50, fuzzing::checkDocument}, {"record", 1, fuzzing::checkRecord}};
    for (const auto& [target, atLeast, check] : targets) {
        const auto files = inputs(target);
        ASSERT_GE(files.size(), atLeast) << target;
        for (const auto& file : files) {
            EXPECT_EQ(check(readFile(file)), std::nullopt) << file.filename();
        }
    }
}
