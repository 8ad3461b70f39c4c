#include "core/AtomicFile.h"

#include "core/Uuid.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vantorel;
using namespace vantorel::testing;
namespace fs = std::filesystem;

namespace {

std::size_t temporaryFilesIn(const fs::path& folder) {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename();
        count += name.starts_with(temporaryFilePrefix("locations-v1.json")) && name.ends_with(temporaryFileSuffix);
    }
    return count;
}

} // namespace

TEST(AtomicFile, LinkedFolderIsRefusedAndItsTargetStaysEmpty) {
    TempDir temp;
    const fs::path target = temp.path() / "target";
    fs::create_directory(target);
    fs::create_symlink(target, temp.path() / "Vantorel");
    const auto written = writeFileAtomically("{}", temp.path() / "Vantorel" / "locations-v1.json");
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error(), VPNFailure::storageUnavailable());
    EXPECT_TRUE(fs::is_empty(target));
}

TEST(AtomicFile, FailedRenameKeepsTheOldDocumentAndLeavesNoTemporaryFile) {
    TempDir temp;
    // A non-empty folder at the destination makes the rename itself fail, for root as well.
    const fs::path destination = temp.path() / "locations-v1.json";
    fs::create_directories(destination / "occupied");
    ::chmod(temp.path().c_str(), 0755);
    const auto written = writeFileAtomically("new", destination);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error(), VPNFailure::storageUnavailable());
    EXPECT_TRUE(fs::is_directory(destination / "occupied"));
    EXPECT_EQ(temporaryFilesIn(temp.path()), 0u);
    EXPECT_EQ(modeOf(temp.path()), 0700u); // tightened even though the save failed later
}

TEST(AtomicFile, ReplacesAndCreatesExactBytes) {
    TempDir temp;
    const fs::path destination = temp.path() / "a" / "b" / "locations-v1.json";
    std::string bytes(300'000, 'x');
    bytes[123] = '\0';
    ASSERT_TRUE(writeFileAtomically(bytes, destination));
    EXPECT_EQ(readFile(destination), bytes);
    // What killed saves left is removed by the next one, and nothing that only looks alike.
    const fs::path folder = destination.parent_path();
    const std::string leftover = ".locations-" + Uuid::random().string() + ".tmp";
    const std::vector<std::string> kept = {".locations-not-a-uuid.tmp",
                                           ".credential-journal-" + Uuid::random().string() + ".tmp",
                                           "locations-" + Uuid::random().string() + ".tmp"};
    for (const auto& name : kept) {
        writeFile(folder / name, "kept");
    }
    writeFile(folder / leftover, "left by a kill");
    ASSERT_TRUE(writeFileAtomically("second", destination));
    EXPECT_EQ(readFile(destination), "second");
    EXPECT_FALSE(fs::exists(folder / leftover));
    for (const auto& name : kept) {
        EXPECT_TRUE(fs::exists(folder / name)) << name;
        fs::remove(folder / name);
    }
    EXPECT_EQ(modeOf(destination), 0600u);
    EXPECT_EQ(modeOf(temp.path() / "a"), 0700u);
    EXPECT_EQ(temporaryFilesIn(destination.parent_path()), 0u);

    // A file where a folder must go is a failure, not a crash.
    EXPECT_FALSE(writeFileAtomically("x", destination / "child.json"));
}
