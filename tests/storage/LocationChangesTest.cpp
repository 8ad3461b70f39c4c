#include "core/AtomicFile.h"
#include "core/LibraryDocument.h"
#include "core/ProfileRepository.h"
#include "support/FakeVault.h"
#include "support/TempDir.h"
#include "support/TestProfiles.h"

#include <gtest/gtest.h>

using namespace vantorel;
using namespace vantorel::testing;
namespace fs = std::filesystem;

namespace {

const VPNFailure passwordFailure = VPNFailure::invalid(std::string(messages::password));

// A repository on a real temporary document whose writer can be told to fail.
class LocationChangesTest : public ::testing::Test {
protected:
    LocationChangesTest()
        : m_repository(m_temp.path() / "locations-v1.json", m_vault,
                       [this](std::string_view bytes, const fs::path& to) -> std::expected<void, VPNFailure> {
                           ++m_writes;
                           if (m_failWrites) {
                               return std::unexpected(VPNFailure::storageUnavailable());
                           }
                           return writeFileAtomically(bytes, to);
                       }) {}

    // Saves `library` as the current document and returns it.
    ProfileLibrary stored(ProfileLibrary library) {
        EXPECT_TRUE(m_repository.save(library));
        return library;
    }
    std::string documentBytes() const { return readFile(m_repository.fileURL()); }

    TempDir m_temp;
    FakeVault m_vault;
    bool m_failWrites = false;
    int m_writes = 0;
    ProfileRepository m_repository;
};

} // namespace

TEST_F(LocationChangesTest, AddStoresPasswordThenDocument) {
    const ProfileLibrary empty = stored(ProfileLibrary{});
    VPNProfile typed = sampleProfile();
    typed.server = "  UK.Provider.Example ";
    const auto added = m_repository.add(typed, "p\xC3\xA9ss", empty);
    ASSERT_TRUE(added);
    ASSERT_EQ(added->profiles.size(), 1u);
    EXPECT_EQ(added->profiles[0].server, "uk.provider.example"); // the validated copy is stored
    EXPECT_EQ(added->selectedID, typed.id);                      // nothing was selected
    EXPECT_EQ(m_repository.load(), *added);
    EXPECT_EQ(m_vault.items.at(typed.credentialID), "p\xC3\xA9ss"); // under credentialID, not id
    EXPECT_EQ(m_vault.calls, std::vector<std::string>{"insert " + typed.credentialID.string()});

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
TEST_F(LocationChangesTest, FailedAddsChangeNothing) {
    ProfileLibrary current;
    current.profiles = {sampleProfile("London")};
    current = stored(current);
    const std::string before = documentBytes();

    VPNProfile invalid = sampleProfile();
    invalid.name = "";
    VPNProfile duplicateId = sampleProfile();
    duplicateId.id = current.profiles[0].id;
    ProfileLibrary full;
    for (int i = 0; i < 200; ++i) {
        full.profiles.push_back(sampleProfile());
    }
    std::string euros; // 342 characters in 1,026 bytes
    for (int i = 0; i < 342; ++i) {
        euros += "\u20AC";
    }

    enum Fault { none, insertFails, saveFails, saveAndUndoFail };
    const auto storage = VPNFailure::storageUnavailable();
    const auto nameFailure = VPNFailure::invalid(std::string(messages::nameAndCountry));
    struct Row {
        const char* what;
        VPNProfile profile;
        std::string password;
        ProfileLibrary library;
        Fault fault;
        VPNFailure expected;
        std::vector<std::string> vaultCalls; // "insert" / "remove" for the new credential
    };
    const VPNProfile good = sampleProfile("Paris");
    const Row rows[] = {
        {"invalid location and bad password", invalid, "", current, none, nameFailure, {}},
        {"empty password", good, "", current, none, passwordFailure, {}},
        {"1,025-byte password", good, std::string(1025, 'a'), current, none, passwordFailure, {}},
        {"342 three-byte characters", good, euros, current, none, passwordFailure, {}},
        {"NUL in the middle", good, std::string("ab\0cd", 5), current, none, passwordFailure, {}},
        {"NUL at the end", good, std::string("abcd\0", 5), current, none, passwordFailure, {}},
        {"ill-formed UTF-8", good, "ab\xFF", current, none, passwordFailure, {}},
        {"duplicate id", duplicateId, "pw", current, none, storage, {}},
        {"201st location", good, "pw", full, none, storage, {}},
        {"vault insert fails", good, "pw", current, insertFails, VPNFailure::credentialsUnavailable(), {"insert"}},
        {"save fails", good, "pw", current, saveFails, storage, {"insert", "remove"}},
        {"save and undo fail", good, "pw", current, saveAndUndoFail, storage, {"insert", "remove"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        m_vault = FakeVault{};
        m_vault.failInsert = row.fault == insertFails;
        m_vault.failRemove = row.fault == saveAndUndoFail;
        m_failWrites = row.fault == saveFails || row.fault == saveAndUndoFail;
        const ProfileLibrary given = row.library;

        const auto result = m_repository.add(row.profile, row.password, row.library);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error(), row.expected);
        EXPECT_EQ(row.library, given);
        EXPECT_EQ(documentBytes(), before);
        std::vector<std::string> expectedCalls;
        for (const auto& call : row.vaultCalls) {
            expectedCalls.push_back(call + " " + row.profile.credentialID.string());
        }
        EXPECT_EQ(m_vault.calls, expectedCalls);
        // Only an undo that itself failed may leave the password behind.
        EXPECT_EQ(m_vault.items.contains(row.profile.credentialID), row.fault == saveAndUndoFail);
    }
}

// Removal drops the entry and, when it was selected, selects the first remaining one.
TEST_F(LocationChangesTest, RemoveMovesSelectionToTheFirstRemaining) {
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
        {"unknown id: rewritten unchanged", 2, 0, -1, {0, 1}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ProfileLibrary library;
        for (int i = 0; i < row.count; ++i) {
            library.profiles.push_back(sampleProfile("Location " + std::to_string(i)));
        }
        if (row.selected) {
            library.selectedID = library.profiles[*row.selected].id;
        }
        library = stored(library);
        const int writesBefore = m_writes;
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
        EXPECT_EQ(m_writes, writesBefore + 1);
        EXPECT_EQ(m_repository.load(), *removed);
    }
    EXPECT_TRUE(m_vault.calls.empty()); // the vault is not touched by a removal
}

TEST_F(LocationChangesTest, RemoveEdgeCases) {
    ProfileLibrary library;
    library.profiles = {sampleProfile("A"), sampleProfile("B")};
    library = stored(library);

    // Only the id is compared, and every entry with it goes (such a library cannot be stored,
    // so no save is involved: the writer observes the attempt).
    ProfileLibrary twins = library;
    VPNProfile twin = library.profiles[0];
    twin.name = "Renamed";
    twins.profiles.push_back(twin);
    ProfileRepository observing(m_temp.path() / "other.json", m_vault,
                                [](std::string_view, const fs::path&) { return std::expected<void, VPNFailure>{}; });
    auto removed = observing.remove(twin, twins);
    ASSERT_TRUE(removed);
    EXPECT_EQ(removed->profiles, std::vector{library.profiles[1]});

    // A failed save reports the storage failure and changes nothing.
    m_failWrites = true;
    const std::string before = documentBytes();
    const auto failed = m_repository.remove(library.profiles[0], library);
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error(), VPNFailure::storageUnavailable());
    EXPECT_EQ(documentBytes(), before);
}

TEST_F(LocationChangesTest, DeleteCredentialPassesTheVaultFailureOn) {
    const VPNProfile profile = sampleProfile();
    m_vault.items[profile.credentialID] = "pw";
    EXPECT_TRUE(m_repository.deleteCredential(profile));
    EXPECT_TRUE(m_vault.items.empty());
    EXPECT_EQ(m_vault.calls, std::vector<std::string>{"remove " + profile.credentialID.string()});
    m_vault.failRemove = true;
    EXPECT_EQ(m_repository.deleteCredential(profile).error(), VPNFailure::credentialsUnavailable());
}
