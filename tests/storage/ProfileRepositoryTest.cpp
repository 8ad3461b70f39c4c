#include "core/ProfileRepository.h"

#include "core/AtomicFile.h"
#include "core/CredentialJournal.h"
#include "core/LibraryDocument.h"
#include "support/FakeVault.h"
#include "support/TempDir.h"
#include "support/TestProfiles.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantorel;
using namespace vantorel::testing;
namespace fs = std::filesystem;

namespace {

const VPNFailure storageFailure = VPNFailure::storageUnavailable();
const VPNFailure passwordFailure = VPNFailure::invalid(std::string(messages::password));
const VPNFailure keyringFailure = VPNFailure::credentialsUnavailable();

// A repository on a real document in a temporary folder, over a secret store that holds its calls
// until the test answers them. Writes of the document or of the journal can be told to fail.
class ProfileRepositoryTest : public ::testing::Test {
protected:
    ProfileRepositoryTest() { restart(); }

    fs::path folder() const { return m_temp.path() / "data" / "Vantorel"; }
    fs::path document() const { return folder() / "locations-v1.json"; }
    fs::path journal() const { return folder() / CredentialJournal::fileName; }

    // As after a kill: a new repository and a new connection to the same store, and nothing the old
    // ones were waiting for ever answered.
    void restart() {
        m_repository.reset();
        m_vault = std::make_unique<FakeVault>(m_items);
        m_repository = std::make_unique<ProfileRepository>(
            document(), *m_vault,
            [this](std::string_view bytes, const fs::path& to) -> std::expected<void, VPNFailure> {
                if (to == document() ? m_failWrites : m_failJournal) {
                    return std::unexpected(VPNFailure::invalid("disk full"));
                }
                return writeFileAtomically(bytes, to);
            });
    }

    // Saves `library` as the current document and returns it.
    ProfileLibrary stored(ProfileLibrary library) {
        EXPECT_TRUE(m_repository->save(library));
        return library;
    }

    // Starts an add; its outcome lands in `outcome`.
    std::expected<void, VPNFailure> startAdd(const VPNProfile& profile, std::string_view password,
                                             const ProfileLibrary& library, std::stop_token stop = {}) {
        m_outcome.reset();
        return m_repository->add(profile, password, library, std::move(stop),
                                 [this](ProfileRepository::Saved saved) { m_outcome = std::move(saved); });
    }

    // An add the store answers at once, as a working store does.
    ProfileRepository::Saved add(const VPNProfile& profile, std::string_view password, const ProfileLibrary& library) {
        if (auto started = startAdd(profile, password, library); !started) {
            return std::unexpected(started.error());
        }
        m_vault->answerAll();
        return m_outcome.value();
    }

    std::set<Uuid> journalIds() const { return CredentialJournal::decode(readFile(journal())).value(); }

    std::set<Uuid> itemIds() const { return FakeVault::ids(*m_items); }

    TempDir m_temp;
    std::shared_ptr<FakeVault::Items> m_items = std::make_shared<FakeVault::Items>();
    std::unique_ptr<FakeVault> m_vault;
    std::unique_ptr<ProfileRepository> m_repository;
    std::optional<ProfileRepository::Saved> m_outcome;
    bool m_failWrites = false;
    bool m_failJournal = false;
};

} // namespace

// Modes and leftovers of a save are the atomic writer's concern.
TEST_F(ProfileRepositoryTest, NoDocumentLoadsEmptyAndOnlyCheckedLibrariesAreSaved) {
    ProfileRepository repository(document(), *m_vault); // the default writer
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
        EXPECT_EQ(m_repository->load(), std::unexpected(storageFailure));
        fs::remove_all(document());
    }
    writeFile(document(), atLimit);
    EXPECT_EQ(m_repository->load(), library);
    // A file where the folder should be is not "no document".
    EXPECT_EQ(ProfileRepository(elsewhere / "locations-v1.json", *m_vault).load(), std::unexpected(storageFailure));
}

TEST_F(ProfileRepositoryTest, AddStoresPasswordThenDocument) {
    const ProfileLibrary empty = stored(ProfileLibrary{});
    VPNProfile typed = sampleProfile();
    typed.server = "  UK.Provider.Example ";
    ASSERT_TRUE(startAdd(typed, "p\xC3\xA9ss", empty));
    ASSERT_EQ(m_vault->held.size(), 1u);
    EXPECT_EQ(m_repository->load(), empty) << "the document waits for the password to be stored";
    EXPECT_FALSE(m_repository->settled());
    m_vault->answer();
    ASSERT_TRUE(m_outcome && *m_outcome);
    const ProfileLibrary added = **m_outcome;
    EXPECT_TRUE(m_repository->settled());
    EXPECT_EQ(added.profiles, std::vector{*typed.validated()}); // the normalised copy is stored
    EXPECT_EQ(added.selectedID, typed.id);                      // nothing was selected
    EXPECT_EQ(m_repository->load(), added);
    EXPECT_EQ(m_items->at(typed.credentialID), "p\xC3\xA9ss"); // under credentialID, not id
    EXPECT_TRUE(journalIds().empty());
    for (const auto& file : fs::directory_iterator(folder())) {
        EXPECT_EQ(readFile(file.path()).find("p\xC3\xA9ss"), std::string::npos) << file.path(); // in the vault alone
    }

    // Later adds are appended at the end and keep the existing selection. A password is one byte
    // at the least and 1,024 at the most.
    const VPNProfile second = sampleProfile("Paris");
    const auto again = add(second, "x", added);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->profiles.back(), second);
    EXPECT_EQ(again->selectedID, typed.id);
    EXPECT_TRUE(add(sampleProfile("Rome"), std::string(1024, 'x'), *again));
}

// Every way an add can fail leaves the document as it was, and the store too, but for a password
// whose take-back failed: the journal keeps that one, and the next change deletes it first.
TEST_F(ProfileRepositoryTest, FailedAddsChangeNothing) {
    const ProfileLibrary current = stored(libraryOf(1));
    const std::string before = readFile(document());

    VPNProfile duplicateId = sampleProfile();
    duplicateId.id = current.profiles[0].id;
    std::string euros; // 342 characters in 1,026 bytes
    for (int i = 0; i < 342; ++i) {
        euros += "\u20AC";
    }

    enum Fault { none, insertFails, journalFails, saveFails, saveAndUndoFail };
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
        {"the journal cannot be written", good, "pw", journalFails, storageFailure, 0},
        {"vault insert fails", good, "pw", insertFails, keyringFailure, 1},
        {"save fails", good, "pw", saveFails, storageFailure, 2},
        {"save and undo fail", good, "pw", saveAndUndoFail, storageFailure, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        m_items->clear();
        fs::remove(journal());
        writeFile(document(), before);
        restart();
        m_vault->failInsert = row.fault == insertFails;
        m_vault->failRemove = row.fault == saveAndUndoFail;
        m_failWrites = row.fault == saveFails || row.fault == saveAndUndoFail;
        m_failJournal = row.fault == journalFails;
        const auto result = add(row.profile, row.password, current);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error(), row.expected);
        EXPECT_EQ(readFile(document()), before);
        const std::string credential = " " + row.profile.credentialID.string();
        const std::vector<std::string> calls{"insert" + credential, "remove" + credential};
        EXPECT_EQ(m_vault->log, std::vector(calls.begin(), calls.begin() + row.vaultCalls));
        // Only an undo that itself failed may leave the password behind.
        EXPECT_EQ(m_items->contains(row.profile.credentialID), row.fault == saveAndUndoFail);
        m_failWrites = m_failJournal = m_vault->failRemove = m_vault->failInsert = false;
        EXPECT_TRUE(add(sampleProfile("Rome"), "pw", current));
        EXPECT_FALSE(m_items->contains(row.profile.credentialID)) << "the next change deletes what is left";
    }
}

// A change that stopped anywhere (a kill, a quit, a give-up) leaves the store with at most the
// password the journal names; the next add, after a start on the same folder and store, deletes it
// before storing its own, and leaves the passwords the document names.
TEST_F(ProfileRepositoryTest, WhatAStoppedChangeLeftIsDeletedByTheNextOne) {
    struct Row {
        const char* what;
        std::function<void(const ProfileLibrary&)> stopAt;
    };
    const auto startedAdd = [&](const ProfileLibrary& library) {
        ASSERT_TRUE(startAdd(sampleProfile("Paris"), "pw", library));
        ASSERT_EQ(m_vault->held.size(), 1u);
    };
    const auto startedRemoval = [&](const ProfileLibrary& library) {
        const auto removed = m_repository->remove(library.profiles[0], library);
        ASSERT_TRUE(removed);
        m_repository->deleteCredential(library.profiles[0], *removed, {}, [](CredentialVault::Result) {});
        ASSERT_EQ(m_vault->held.size(), 1u);
    };
    // The store carries out the held call, but its answer never arrives.
    const auto carriedOut = [&] {
        const FakeVault::Call& call = m_vault->held.front();
        if (call.insert) {
            m_items->emplace(call.id, call.password);
        } else {
            m_items->erase(call.id);
        }
    };
    const Row rows[] = {
        {"add, before its store", startedAdd},
        {"add, after its store",
         [&](const ProfileLibrary& library) {
             startedAdd(library), carriedOut();
         }},
        {"add, after its save",
         [&](const ProfileLibrary& library) {
             startedAdd(library);
             m_failJournal = true; // as a kill before the journal lets go of the id
             m_vault->answer();
             ASSERT_TRUE(m_outcome && *m_outcome);
         }},
        {"removal, before its delete", startedRemoval},
        {"removal, after its delete",
         [&](const ProfileLibrary& library) {
             startedRemoval(library), carriedOut();
         }},
        {"removal, its delete given up",
         [&](const ProfileLibrary& library) {
             std::stop_source stop;
             const auto removed = m_repository->remove(library.profiles[0], library);
             m_repository->deleteCredential(library.profiles[0], *removed, stop.get_token(),
                                            [](CredentialVault::Result) { FAIL() << "stopped"; });
             stop.request_stop();
             m_vault->answerAll();
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        m_items->clear();
        fs::remove_all(folder());
        restart();
        const ProfileLibrary two = stored(libraryOf(2));
        for (const auto& profile : two.profiles) {
            m_items->emplace(profile.credentialID, "kept");
        }
        row.stopAt(two);

        m_failJournal = false;
        restart();
        const auto document = m_repository->load();
        ASSERT_TRUE(document);
        const VPNProfile next = sampleProfile("Rome");
        const auto added = add(next, "pw", *document);
        ASSERT_TRUE(added);
        EXPECT_EQ(itemIds(), credentialIDs(*added));
        EXPECT_TRUE(journalIds().empty());
        EXPECT_EQ(m_vault->log.back(), "insert " + next.credentialID.string()) << "deleted first";
    }
}

// Given up while the store holds its request, an add reports nothing more. The password the store
// keeps after all is deleted when that answer comes, and meanwhile no other change takes the
// unanswered request for nothing stored.
TEST_F(ProfileRepositoryTest, AGivenUpStoreIsTakenBackWhenItsAnswerComes) {
    const ProfileLibrary current = stored(libraryOf(1));
    m_items->emplace(current.profiles[0].credentialID, "kept");
    int settledTimes = 0;
    m_repository->setSettledHandler([&] { ++settledTimes; });

    // Held in its store.
    std::stop_source stop;
    const VPNProfile given = sampleProfile("Paris");
    ASSERT_TRUE(startAdd(given, "pw", current, stop.get_token()));
    stop.request_stop();
    // Another add comes, sweeps and stores while the first request is still held.
    ASSERT_TRUE(startAdd(sampleProfile("Rome"), "pw", current));
    ASSERT_EQ(m_vault->held.size(), 2u);
    m_vault->answer(1);
    ASSERT_TRUE(m_outcome && *m_outcome);
    const ProfileLibrary saved = **m_outcome;
    EXPECT_EQ(std::ranges::count(m_vault->log, "remove " + given.credentialID.string()), 0);
    EXPECT_EQ(settledTimes, 0);
    m_outcome.reset();
    m_vault->answer(); // carried out after all
    ASSERT_EQ(m_vault->held.size(), 1u) << "taken back";
    m_vault->answer();
    EXPECT_FALSE(m_outcome);
    EXPECT_EQ(itemIds(), credentialIDs(saved));
    EXPECT_TRUE(journalIds().empty());
    EXPECT_EQ(settledTimes, 1);
}

TEST_F(ProfileRepositoryTest, AnUnreadableJournalIsSetAsideAndTheDocumentStillRules) {
    const ProfileLibrary current = stored(libraryOf(1));
    const std::string damaged = "{\"inFlight\" : [\"not an id\"], \"schemaVersion\" : 1}";
    writeFile(journal(), damaged);
    const auto added = add(sampleProfile("Paris"), "pw", current);
    ASSERT_TRUE(added);
    EXPECT_EQ(readFile(journal().string() + ".unreadable"), damaged);
    EXPECT_TRUE(journalIds().empty());

    // What the journal accepts is what it writes.
    const std::set<Uuid> ids{Uuid::random(), Uuid::random()};
    EXPECT_EQ(CredentialJournal::decode(CredentialJournal::encode(ids)), ids);
    EXPECT_EQ(CredentialJournal::decode(CredentialJournal::encode({})), std::set<Uuid>());
    for (const char* refused :
         {"", "[]", "{\"inFlight\" : [], \"schemaVersion\" : 2}", "{\"inFlight\" : []}",
          "{\"inFlight\" : {}, \"schemaVersion\" : 1}", "{\"inFlight\" : [], \"schemaVersion\" : 1, \"more\" : 0}"}) {
        EXPECT_FALSE(CredentialJournal::decode(refused)) << refused;
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
        const VPNProfile gone = row.removed < 0 ? sampleProfile("Elsewhere") : library.profiles[row.removed];
        const auto removed = m_repository->remove(gone, library);
        ASSERT_TRUE(removed);
        std::vector<VPNProfile> left;
        for (const int i : row.left) {
            left.push_back(library.profiles[i]);
        }
        EXPECT_EQ(removed->profiles, left);
        EXPECT_EQ(removed->selectedID,
                  row.selectedAfter ? std::optional(library.profiles[*row.selectedAfter].id) : std::nullopt);
        EXPECT_EQ(m_repository->load(), *removed);
        EXPECT_TRUE(journalIds().contains(gone.credentialID)) << "named until its password is deleted";
    }
    EXPECT_TRUE(m_vault->log.empty()); // the vault waits for deleteCredential
}

TEST_F(ProfileRepositoryTest, RemoveComparesIdsOnlyAndAFailedSaveChangesNothing) {
    const ProfileLibrary library = stored(libraryOf(2));
    // Every entry with the id goes, whatever its other fields.
    ProfileLibrary twins = library;
    VPNProfile twin = library.profiles[0];
    twin.name = "Renamed";
    twins.profiles.push_back(twin);
    const auto removed = m_repository->remove(twin, twins);
    ASSERT_TRUE(removed);
    EXPECT_EQ(removed->profiles, std::vector{library.profiles[1]});

    const std::string before = readFile(document());
    m_failWrites = true;
    EXPECT_EQ(m_repository->remove(library.profiles[1], *removed), std::unexpected(storageFailure));
    EXPECT_FALSE(journalIds().contains(library.profiles[1].credentialID));
    m_failWrites = false;
    m_failJournal = true;
    EXPECT_EQ(m_repository->remove(library.profiles[1], *removed), std::unexpected(storageFailure));
    EXPECT_EQ(readFile(document()), before);
}

// A process killed at any moment of a save leaves either the old or the new document, never a
// mixture, and at most the one temporary file it was writing. 200 kills on every run;
// VANTOREL_KILLS=1000 for a longer run.
TEST_F(ProfileRepositoryTest, KilledSavesLeaveOneWholeDocument) {
    const char* requested = std::getenv("VANTOREL_KILLS");
    const int wanted = requested != nullptr ? std::atoi(requested) : 200;
    ASSERT_GT(wanted, 0);
    ProfileRepository repository(document(), *m_vault); // the default writer
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
    }
    // The temporary files of killed saves are removed by the next save.
    ASSERT_TRUE(repository.save(first));
    EXPECT_EQ(std::vector<fs::directory_entry>(fs::directory_iterator(folder()), {}).size(), 1u);
}
