#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace vantorel::testing {

// The files of a fuzz target's seed corpus and of the crashes kept beside it, in order.
inline std::vector<std::filesystem::path> fuzzInputs(const std::string& target) {
    std::vector<std::filesystem::path> files;
    for (const char* kind : {"corpus", "crashes"}) {
        std::error_code missing;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::path(VANTOREL_FUZZ_DIR) / kind / target, missing)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    std::ranges::sort(files);
    return files;
}

} // namespace vantorel::testing
