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

    // A second add is appended at the end and keeps the existing selection.
    const VPNProfile second = sampleProfile("Paris");
    const auto again = m_repository.add(second, "x", *added);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->profiles.back(), second);
    EXPECT_EQ(again->selectedID, typed.id);
}

TEST_F(LocationChangesTest, PasswordRule) {
    const ProfileLibrary empty = stored(ProfileLibrary{});
    const std::string threeByte = "\xE2\x82\xAC"; // €
    std::string of342;
    for (int i = 0; i < 342; ++i) {
        of342 += threeByte; // 1,026 bytes in 342 characters
    }
    struct Row {
        const char* what;
        std::string password;
        bool accepted;
    };
    const Row rows[] = {
        {"1,024 bytes", std::string(1024, 'a'), true},
        {"one byte", "a", true},
        {"1,025 bytes", std::string(1025, 'a'), false},
        {"342 three-byte characters", of342, false},
        {"empty", "", false},
        {"NUL in the middle", std::string("ab\0cd", 5), false},
        {"NUL at the end", std::string("abcd\0", 5), false},
        {"ill-formed UTF-8", "ab\xFF", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const auto result = m_repository.add(sampleProfile(), row.password, empty);
        EXPECT_EQ(result.has_value(), row.accepted);
        if (!row.accepted) {
            EXPECT_EQ(result.error(), passwordFailure);
        }
    }
    EXPECT_EQ(m_vault.items.size(), 2u); // only the two accepted passwords were stored
}

// Every way an add can fail leaves the document and the vault as they were.
TEST_F(LocationChangesTest, FailedAddsChangeNothing) {
    const ProfileLibrary current = stored([] {
        ProfileLibrary library;
        library.profiles = {sampleProfile("London")};
        return library;
    }());
    const std::string before = documentBytes();

    VPNProfile invalid = sampleProfile();
    invalid.name = "";
    VPNProfile duplicateId = sampleProfile();
    duplicateId.id = current.profiles[0].id;
    ProfileLibrary full;
    for (int i = 0; i < 200; ++i) {
        full.profiles.push_back(sampleProfile());
    }

    struct Row {
        const char* what;
        VPNProfile profile;
        std::string password;
        ProfileLibrary library;
        bool failInsert, failWrite, failRemove;
        VPNFailure expected;
        std::vector<std::string> vaultCalls; // "insert" / "remove" for the new credential
    };
    const VPNProfile good = sampleProfile("Paris");
    const Row rows[] = {
        {"invalid location and bad password",
         invalid,
         "",
         current,
         false,
         false,
         false,
         VPNFailure::invalid(std::string(messages::nameAndCountry)),
         {}},
        {"bad password", good, "", current, false, false, false, passwordFailure, {}},
        {"duplicate id", duplicateId, "pw", current, false, false, false, VPNFailure::storageUnavailable(), {}},
        {"201st location", good, "pw", full, false, false, false, VPNFailure::storageUnavailable(), {}},
        {"vault insert fails",
         good,
         "pw",
         current,
         true,
         false,
         false,
         VPNFailure::credentialsUnavailable(),
         {"insert"}},
        {"save fails", good, "pw", current, false, true, false, VPNFailure::storageUnavailable(), {"insert", "remove"}},
        {"save and undo fail",
         good,
         "pw",
         current,
         false,
         true,
         true,
         VPNFailure::storageUnavailable(),
         {"insert", "remove"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        m_vault = FakeVault{};
        m_vault.failInsert = row.failInsert;
        m_vault.failRemove = row.failRemove;
        m_failWrites = row.failWrite;
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
        EXPECT_EQ(m_vault.items.contains(row.profile.credentialID), row.failRemove);
    }
}

TEST_F(LocationChangesTest, RemoveMovesSelectionToTheFirstRemaining) {
    ProfileLibrary library;
    library.profiles = {sampleProfile("A"), sampleProfile("B"), sampleProfile("C")};
    library.selectedID = library.profiles[2].id;
    library = stored(library);

    // Removing the selected last entry selects the first, not the neighbour.
    auto removed = m_repository.remove(library.profiles[2], library);
    ASSERT_TRUE(removed);
    EXPECT_EQ(removed->selectedID, library.profiles[0].id);
    EXPECT_EQ(m_repository.load(), *removed);

    // Removing an unselected entry keeps the selection and the order.
    auto second = m_repository.remove(library.profiles[0], stored([&] {
                                          ProfileLibrary withSelection = library;
                                          withSelection.selectedID = library.profiles[1].id;
                                          return withSelection;
                                      }()));
    ASSERT_TRUE(second);
    EXPECT_EQ(second->selectedID, library.profiles[1].id);
    EXPECT_EQ(second->profiles, (std::vector{library.profiles[1], library.profiles[2]}));

    // Removing the only location leaves nothing selected; a missing selection stays missing.
    ProfileLibrary single;
    single.profiles = {sampleProfile("Solo")};
    single.selectedID = single.profiles[0].id;
    auto emptied = m_repository.remove(single.profiles[0], stored(single));
    ASSERT_TRUE(emptied);
    EXPECT_TRUE(emptied->profiles.empty());
    EXPECT_FALSE(emptied->selectedID);
    EXPECT_TRUE(m_vault.calls.empty()); // the vault is not touched by a removal
}

TEST_F(LocationChangesTest, RemoveEdgeCases) {
    ProfileLibrary library;
    library.profiles = {sampleProfile("A"), sampleProfile("B")};
    library = stored(library);

    // An unknown id still rewrites the document and returns an equal library.
    const int writesBefore = m_writes;
    auto unknown = m_repository.remove(sampleProfile("Elsewhere"), library);
    ASSERT_TRUE(unknown);
    EXPECT_EQ(*unknown, library);
    EXPECT_EQ(m_writes, writesBefore + 1);

    // Only the id is compared, and every entry with it goes (such a library cannot be stored,
    // so no save is involved: the writer observes the attempt).
    ProfileLibrary twins = library;
    VPNProfile twin = library.profiles[0];
    twin.name = "Renamed";
    twins.profiles.push_back(twin);
    std::vector<std::string> seen;
    ProfileRepository observing(m_temp.path() / "other.json", m_vault, [&](std::string_view bytes, const fs::path&) {
        seen.emplace_back(bytes);
        return std::expected<void, VPNFailure>{};
    });
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
