// Every input the fuzzers start from or ever broke on, through the same properties they check.
#include "Properties.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The files of `folder` (and of the crashes kept beside the corpus for that target), in order.
std::vector<std::filesystem::path> inputs(const std::string& target) {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path root = VANTOREL_FUZZ_DIR;
    for (const auto& folder : {root / "corpus" / target, root / "crashes" / target}) {
        if (!std::filesystem::exists(folder)) {
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    std::ranges::sort(files);
    return files;
}

} // namespace

TEST(FuzzCorpus, DocumentsKeepTheReadersPromises) {
    const auto files = inputs("document");
    ASSERT_GE(files.size(), 50u);
    for (const auto& file : files) {
        EXPECT_EQ(vantorel::fuzzing::checkDocument(contents(file)), std::nullopt) << file.filename();
    }
}

TEST(FuzzCorpus, RecordsKeepTheRulesPromises) {
    const auto files = inputs("record");
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
        EXPECT_EQ(vantorel::fuzzing::checkRecord(contents(file)), std::nullopt) << file.filename();
    }
}
