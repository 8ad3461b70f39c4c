// Every input the fuzzers start from or ever broke on, through the same properties they check.
#include "Properties.h"
#include "core/LibraryDocument.h"
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

// A seed's name says what the program makes of it: a "valid-" document is read and passes the
// library's check; any other is refused by the one or the other.
TEST(FuzzCorpus, OnlyValidDocumentsAreTaken) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(VANTOREL_FUZZ_DIR) / "corpus" / "document")) {
        const auto library = LibraryDocument::decode(readFile(entry.path()));
        EXPECT_EQ(library && library->validated(), entry.path().filename().string().starts_with("valid-"))
            << entry.path().filename();
    }
}
