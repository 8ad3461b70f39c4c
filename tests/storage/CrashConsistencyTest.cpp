#include "core/AtomicFile.h"
#include "core/ProfileRepository.h"
#include "support/FakeVault.h"
#include "support/TempDir.h"
#include "support/TestProfiles.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantorel;
using namespace vantorel::testing;
namespace fs = std::filesystem;

namespace {

ProfileLibrary libraryOf(int count) {
    ProfileLibrary library;
    for (int i = 0; i < count; ++i) {
        library.profiles.push_back(sampleProfile("Location " + std::to_string(i)));
    }
    library.selectedID = library.profiles.front().id;
    return library;
}

std::vector<fs::path> temporaryFiles(const fs::path& folder) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename();
        if (name.starts_with(temporaryFilePrefix) && name.ends_with(temporaryFileSuffix)) {
            found.push_back(entry.path());
        }
    }
    return found;
}

} // namespace

// A process killed at any moment of a save leaves either the old or the new document, never a
// mixture, and at most the one temporary file it was writing.
TEST(CrashConsistency, KilledSavesLeaveOneWholeDocument) {
    TempDir temp;
    const fs::path document = temp.path() / "Vantorel" / "locations-v1.json";
    FakeVault vault;
    ProfileRepository repository(document, vault);
    // Two libraries of clearly different sizes, so a torn write could not pass for either.
    const ProfileLibrary first = libraryOf(3);
    const ProfileLibrary second = libraryOf(150);
    ASSERT_TRUE(repository.save(first));

    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delayMicroseconds(0, 20'000);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int kills = 0;
    for (; kills < 200 && std::chrono::steady_clock::now() < deadline; ++kills) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (bool even = true;; even = !even) {
                (void)repository.save(even ? second : first);
            }
        }
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const auto loaded = repository.load();
        ASSERT_TRUE(loaded) << "after kill " << kills;
        EXPECT_TRUE(*loaded == first || *loaded == second) << "after kill " << kills;
        const auto leftovers = temporaryFiles(document.parent_path());
        EXPECT_LE(leftovers.size(), 1u) << "after kill " << kills;
        for (const auto& leftover : leftovers) {
            fs::remove(leftover);
        }
    }
    EXPECT_EQ(kills, 200) << "the time bound cut the run short";
}
