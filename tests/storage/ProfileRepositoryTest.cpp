#include "core/ProfileRepository.h"

#include "core/AtomicFile.h"
#include "core/LibraryDocument.h"
#include "support/FakeVault.h"
#include "support/TempDir.h"
#include "support/TestProfiles.h"

#include <csignal>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantorel;
using namespace vantorel::testing;
namespace fs = std::filesystem;

namespace {

const VPNFailure storageFailure = VPNFailure::storageUnavailable();
const VPNFailure passwordFailure = VPNFailure::invalid(std::string(messages::password));

// A repository on a real document in a temporary folder, whose writer can be told to fail with a
// failure of its own.
class ProfileRepositoryTest : public ::testing::Test {
protected:
    ProfileRepositoryTest()
        : m_repository(document(), m_vault,
                       [this](std::string_view bytes, const fs::path& to) -> std::expected<void, VPNFailure> {
                           if (m_failWrites) {
                               return std::unexpected(VPNFailure::invalid("disk full"));
                           }
                           return writeFileAtomically(bytes, to);
                       }) {}

    fs::path folder() const { return m_temp.path() / "data" / "Vantorel"; }
    fs::path document() const { return folder() / "locations-v1.json"; }

    // Saves `library` as the current document and returns it.
    ProfileLibrary stored(ProfileLibrary library) {
        EXPECT_TRUE(m_repository.save(library));
        return library;
    }

    TempDir m_temp;
    FakeVault m_vault;
    bool m_failWrites = false;
    ProfileRepository m_repository;
};

} // namespace

// Modes and leftovers of a save are the atomic writer's concern.
TEST_F(ProfileRepositoryTest, NoDocumentLoadsEmptyAndOnlyCheckedLibrariesAreSaved) {
    ProfileRepository repository(document(), m_vault); // the default writer
    EXPECT_EQ(repository.load(), ProfileLibrary{});
    EXPECT_FALSE(fs::exists(m_temp.path() / "data")); // a load creates nothing
    const ProfileLibrary two = libraryOf(2);
    ASSERT_TRUE(repository.save(ProfileLibrary{}));
    ASSERT_TRUE(repository.save(two)); // replaces the first
    EXPECT_EQ(repository.load(), two);

    // The storage failure, not the location's own message: this is not the user's typing.
    ProfileLibrary refused = two;
    refused.profiles[0].server = "not a host";
    const std::string before = readFile(document());
    EXPECT_EQ(repository.save(refused), std::unexpected(storageFailure));
    EXPECT_EQ(readFile(document()), before);
}

TEST_F(ProfileRepositoryTest, LoadRefusesWhatIsNotAPlainCheckedDocument) {
    fs::create_directories(folder());
    const ProfileLibrary library = libraryOf(2);
    const std::string encoded = LibraryDocument::encode(library);
    const fs::path elsewhere = m_temp.path() / "elsewhere.json";
    writeFile(elsewhere, encoded);
    // Whitespace carries no meaning, so a valid document is padded to the exact size limit.
    const std::string atLimit = encoded + std::string(ProfileRepository::maxDocumentSize - encoded.size(), ' ');
    ProfileLibrary invalid = library;
    invalid.profiles[0].server = "not a host";

    // What is planted at the document's path.
    const std::pair<std::function<void()>, const char*> rows[] = {
        {[&] { fs::create_symlink(elsewhere, document()); }, "symbolic link to a valid document"},
        {[&] { fs::create_symlink(m_temp.path() / "missing.json", document()); }, "dangling symbolic link"},
        {[&] { fs::create_directory(document()); }, "folder"},
        {[&] { ::mkfifo(document().c_str(), 0600); }, "fifo"},
        {[&] { writeFile(document(), "not json"); }, "not JSON"},
        {[&] { writeFile(document(), atLimit + " "); }, "one byte over the size limit"},
        {[&] { writeFile(document(), LibraryDocument::encode(invalid)); }, "a library that fails its check"},
    };
    for (const auto& [plant, what] : rows) {
        SCOPED_TRACE(what);
        plant();
        EXPECT_EQ(m_repository.load(), std::unexpected(storageFailure));
        fs::remove_all(document());
    }
    writeFile(document(), atLimit);
    EXPECT_EQ(m_repository.load(), library);
    // A file where the folder should be is not "no document".
    EXPECT_EQ(ProfileRepository(elsewhere / "locations-v1.json", m_vault).load(), std::unexpected(storageFailure));
}

TEST_F(ProfileRepositoryTest, AddStoresPasswordThenDocument) {
    const ProfileLibrary empty = stored(ProfileLibrary{});
    VPNProfile typed = sampleProfile();
    typed.server = "  UK.Provider.Example ";
    const auto added = m_repository.add(typed, "p\xC3\xA9ss", empty);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->profiles, std::vector{*typed.validated()}); // the normalised copy is stored
    EXPECT_EQ(added->selectedID, typed.id);                      // nothing was selected
    EXPECT_EQ(m_repository.load(), *added);
    EXPECT_EQ(m_vault.items.at(typed.credentialID), "p\xC3\xA9ss"); // under credentialID, not id
    for (const auto& file : fs::directory_iterator(folder())) {
        EXPECT_EQ(readFile(file.path()).find("p\xC3\xA9ss"), std::string::npos) << file.path(); // in the vault alone
    }

    // Later adds are appended at the end and keep the existing selection. A password is one byte
    // at the least and 1,024 at the most.
    const VPNProfile second = sampleProfile("Paris");
    const auto again = m_repository.add(second, "x", *added);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->profiles.back(), second);
    EXPECT_EQ(again->selectedID, typed.id);
    EXPECT_TRUE(m_repository.add(sampleProfile("Rome"), std::string(1024, 'x'), *again));
}

// Every way an add can fail leaves the document and the vault as they were.
TEST_F(ProfileRepositoryTest, FailedAddsChangeNothing) {
    const ProfileLibrary current = stored(libraryOf(1));
    const std::string before = readFile(document());

    VPNProfile duplicateId = sampleProfile();
    duplicateId.id = current.profiles[0].id;
    std::string euros; // 342 characters in 1,026 bytes
    for (int i = 0; i < 342; ++i) {
        euros += "\u20AC";
    }

    enum Fault { none, insertFails, saveFails, saveAndUndoFail };
    const auto nameFailure = VPNFailure::invalid(std::string(messages::nameAndCountry));
    struct Row {
        const char* what;
        VPNProfile profile;
        std::string password;
        Fault fault;
        VPNFailure expected;
        int vaultCalls; // of "insert" and "remove", in that order, for the new credential
    };
    const VPNProfile good = sampleProfile("Paris");
    const Row rows[] = {
        {"invalid location and bad password", sampleProfile(""), "", none, nameFailure, 0},
        {"empty password", good, "", none, passwordFailure, 0},
        {"1,025-byte password", good, std::string(1025, 'a'), none, passwordFailure, 0},
        {"342 three-byte characters", good, euros, none, passwordFailure, 0},
        {"NUL in the middle", good, std::string("ab\0cd", 5), none, passwordFailure, 0},
        {"NUL at the end", good, std::string("abcd\0", 5), none, passwordFailure, 0},
        {"ill-formed UTF-8", good, "ab\xFF", none, passwordFailure, 0},
        {"duplicate id", duplicateId, "pw", none, storageFailure, 0},
        {"vault insert fails", good, "pw", insertFails, VPNFailure::credentialsUnavailable(), 1},
        {"save fails", good, "pw", saveFails, storageFailure, 2},
        {"save and undo fail", good, "pw", saveAndUndoFail, storageFailure, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        m_vault = FakeVault{};
        m_vault.failInsert = row.fault == insertFails;
        m_vault.failRemove = row.fault == saveAndUndoFail;
        m_failWrites = row.fault == saveFails || row.fault == saveAndUndoFail;
        const auto result = m_repository.add(row.profile, row.password, current);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error(), row.expected);
        EXPECT_EQ(readFile(document()), before);
        const std::string credential = " " + row.profile.credentialID.string();
        const std::vector<std::string> calls{"insert" + credential, "remove" + credential};
        EXPECT_EQ(m_vault.calls, std::vector(calls.begin(), calls.begin() + row.vaultCalls));
        // Only an undo that itself failed may leave the password behind.
        EXPECT_EQ(m_vault.items.contains(row.profile.credentialID), row.fault == saveAndUndoFail);
    }
}

// Removal drops the entry and, when it was selected, selects the first remaining one.
TEST_F(ProfileRepositoryTest, RemoveMovesSelectionToTheFirstRemaining) {
    struct Row {
        const char* what;
        int count;
        std::optional<int> selected;
        int removed; // -1: a location not in the library
        std::vector<int> left;
        std::optional<int> selectedAfter;
    };
    const Row rows[] = {
        {"selected last entry: the first is selected, not the neighbour", 3, 2, 2, {0, 1}, 0},
        {"unselected entry: selection and order kept", 3, 1, 0, {1, 2}, 1},
        {"the only entry: nothing selected", 1, 0, 0, {}, std::nullopt},
        {"nothing selected stays so", 2, std::nullopt, 1, {0}, std::nullopt},
        {"unknown id: nothing changes", 2, 0, -1, {0, 1}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ProfileLibrary library = libraryOf(row.count);
        library.selectedID = row.selected ? std::optional(library.profiles[*row.selected].id) : std::optional<Uuid>();
        library = stored(library);
        const auto removed =
            m_repository.remove(row.removed < 0 ? sampleProfile("Elsewhere") : library.profiles[row.removed], library);
        ASSERT_TRUE(removed);
        std::vector<VPNProfile> left;
        for (const int i : row.left) {
            left.push_back(library.profiles[i]);
        }
        EXPECT_EQ(removed->profiles, left);
        EXPECT_EQ(removed->selectedID,
                  row.selectedAfter ? std::optional(library.profiles[*row.selectedAfter].id) : std::nullopt);
        EXPECT_EQ(m_repository.load(), *removed);
    }
    EXPECT_TRUE(m_vault.calls.empty()); // the vault is not touched by a removal
}

TEST_F(ProfileRepositoryTest, RemoveComparesIdsOnlyAndAFailedSaveChangesNothing) {
    const ProfileLibrary library = stored(libraryOf(2));
    // Every entry with the id goes, whatever its other fields.
    ProfileLibrary twins = library;
    VPNProfile twin = library.profiles[0];
    twin.name = "Renamed";
    twins.profiles.push_back(twin);
    const auto removed = m_repository.remove(twin, twins);
    ASSERT_TRUE(removed);
    EXPECT_EQ(removed->profiles, std::vector{library.profiles[1]});

    m_failWrites = true;
    EXPECT_EQ(m_repository.remove(library.profiles[1], *removed), std::unexpected(storageFailure));
}

// A process killed at any moment of a save leaves either the old or the new document, never a
// mixture, and at most the one temporary file it was writing. 200 kills on every run;
// VANTOREL_KILLS=1000 for a longer run.
TEST_F(ProfileRepositoryTest, KilledSavesLeaveOneWholeDocument) {
    const char* requested = std::getenv("VANTOREL_KILLS");
    const int wanted = requested != nullptr ? std::atoi(requested) : 200;
    ASSERT_GT(wanted, 0);
    ProfileRepository repository(document(), m_vault); // the default writer
    // Two libraries of clearly different sizes, so a torn write could not pass for either.
    const ProfileLibrary first = libraryOf(3);
    const ProfileLibrary second = libraryOf(150);
    ASSERT_TRUE(repository.save(first));

    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delayMicroseconds(0, 20'000);
    for (int kills = 0; kills < wanted; ++kills) {
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
        // Besides the document, at most the one temporary file the killed save was writing.
        const std::vector<fs::directory_entry> entries(fs::directory_iterator(folder()), {});
        EXPECT_LE(entries.size(), 2u) << "after kill " << kills;
        for (const auto& entry : entries) {
            if (entry.path() != document()) {
                fs::remove(entry.path());
            }
        }
    }
}
