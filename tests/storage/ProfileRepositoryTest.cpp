#include "core/ProfileRepository.h"

#include "core/LibraryDocument.h"
#include "support/FakeVault.h"
#include "support/TempDir.h"
#include "support/TestProfiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vantorel;
using namespace vantorel::testing;
namespace fs = std::filesystem;

namespace {

class ProfileRepositoryTest : public ::testing::Test {
protected:
    fs::path folder() const { return m_temp.path() / "data" / "Vantorel"; }
    fs::path document() const { return folder() / "locations-v1.json"; }

    const ProfileLibrary& twoLocations() const { return m_twoLocations; }

    TempDir m_temp;
    ProfileLibrary m_twoLocations = [] {
        ProfileLibrary library;
        library.profiles = {sampleProfile("London"), sampleProfile("Paris")};
        library.selectedID = library.profiles[1].id;
        library.settings.disconnectOnSleep = true;
        return library;
    }();
    FakeVault m_vault;
};

} // namespace

TEST_F(ProfileRepositoryTest, FreshAccountLoadsEmptyAndFirstSaveCreatesPrivateFiles) {
    ProfileRepository repository(document(), m_vault);
    EXPECT_EQ(repository.fileURL(), document());
    const auto library = repository.load();
    ASSERT_TRUE(library);
    EXPECT_EQ(*library, ProfileLibrary{});
    EXPECT_FALSE(fs::exists(m_temp.path() / "data")); // a load creates nothing

    ASSERT_TRUE(repository.save(twoLocations()));
    EXPECT_EQ(modeOf(m_temp.path() / "data"), 0700u);
    EXPECT_EQ(modeOf(folder()), 0700u);
    EXPECT_EQ(modeOf(document()), 0600u);
    EXPECT_EQ(repository.load(), twoLocations());
    EXPECT_EQ(readFile(document()), LibraryDocument::encode(twoLocations()));
}

TEST_F(ProfileRepositoryTest, SaveTightensFolderModeAndReplacesInPlace) {
    fs::create_directories(folder());
    ::chmod(folder().c_str(), 0755);
    ProfileRepository repository(document(), m_vault);
    ASSERT_TRUE(repository.save(ProfileLibrary{}));
    EXPECT_EQ(modeOf(folder()), 0700u);

    ASSERT_TRUE(repository.save(twoLocations()));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder())) {
        names.push_back(entry.path().filename());
    }
    EXPECT_EQ(names, std::vector<std::string>{"locations-v1.json"});
    EXPECT_EQ(repository.load(), twoLocations());
}

TEST_F(ProfileRepositoryTest, LoadRefusesWhatIsNotAPlainSmallDocument) {
    fs::create_directories(folder());
    ProfileRepository repository(document(), m_vault);
    const fs::path elsewhere = m_temp.path() / "elsewhere.json";
    writeFile(elsewhere, LibraryDocument::encode(twoLocations()));

    struct Row {
        const char* what;
        std::function<void()> prepare;
    };
    const Row rows[] = {
        {"symbolic link to a valid document",
         [&] {
             fs::create_symlink(elsewhere, document());
         }},
        {"dangling symbolic link",
         [&] {
             fs::create_symlink(m_temp.path() / "missing.json", document());
         }},
        {"folder",
         [&] {
             fs::create_directory(document());
         }},
        {"fifo",
         [&] {
             ::mkfifo(document().c_str(), 0600);
         }},
        {"not JSON",
         [&] {
             writeFile(document(), "not json");
         }},
        {"empty file",
         [&] {
             writeFile(document(), "");
         }},
        {"refused by the library check",
         [&] {
             ProfileLibrary bad = twoLocations();
             bad.selectedID = Uuid::random();
             writeFile(document(), LibraryDocument::encode(bad));
         }},
        {"invalid location",
         [&] {
             ProfileLibrary bad = twoLocations();
             bad.profiles[0].name = "";
             writeFile(document(), LibraryDocument::encode(bad));
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        fs::remove_all(document());
        row.prepare();
        const std::string before = fs::is_regular_file(document()) ? readFile(document()) : "";
        const auto loaded = repository.load();
        ASSERT_FALSE(loaded);
        EXPECT_EQ(loaded.error(), VPNFailure::storageUnavailable());
        if (fs::is_regular_file(fs::symlink_status(document()))) {
            EXPECT_EQ(readFile(document()), before); // a load never modifies the file
        }
    }

    // A file where the folder should be is not "no document".
    ProfileRepository underFile(m_temp.path() / "elsewhere.json" / "locations-v1.json", m_vault);
    EXPECT_EQ(underFile.load().error(), VPNFailure::storageUnavailable());
}

TEST_F(ProfileRepositoryTest, SizeLimitIsExact) {
    fs::create_directories(folder());
    ProfileRepository repository(document(), m_vault);
    const std::string encoded = LibraryDocument::encode(twoLocations());
    // Whitespace carries no meaning, so pad a valid document to the exact sizes.
    const std::string atLimit = encoded + std::string(ProfileRepository::maxDocumentSize - encoded.size(), ' ');
    writeFile(document(), atLimit);
    EXPECT_EQ(repository.load(), twoLocations());
    writeFile(document(), atLimit + " ");
    EXPECT_EQ(repository.load().error(), VPNFailure::storageUnavailable());
}

TEST_F(ProfileRepositoryTest, SaveOfARefusedLibraryWritesNothing) {
    ProfileRepository repository(document(), m_vault);
    ASSERT_TRUE(repository.save(twoLocations()));
    const std::string before = readFile(document());

    ProfileLibrary invalidLocation = twoLocations();
    invalidLocation.profiles[0].server = "not a host";
    ProfileLibrary dangling = twoLocations();
    dangling.selectedID = Uuid::random();
    for (const auto& refused : {invalidLocation, dangling}) {
        const auto saved = repository.save(refused);
        ASSERT_FALSE(saved);
        // The storage failure, not the location's own message.
        EXPECT_EQ(saved.error(), VPNFailure::storageUnavailable());
        EXPECT_EQ(readFile(document()), before);
    }
}

TEST_F(ProfileRepositoryTest, WriterReceivesTheDocumentAndItsFailureBecomesStorageFailure) {
    std::vector<std::pair<std::string, fs::path>> writes;
    ProfileRepository observed(document(), m_vault, [&](std::string_view bytes, const fs::path& to) {
        writes.emplace_back(bytes, to);
        return std::expected<void, VPNFailure>{};
    });
    ASSERT_TRUE(observed.save(twoLocations()));
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].first, LibraryDocument::encode(twoLocations()));
    EXPECT_EQ(writes[0].second, document());

    ProfileRepository failing(document(), m_vault, [](std::string_view, const fs::path&) {
        return std::expected<void, VPNFailure>(std::unexpected(VPNFailure::invalid("disk full")));
    });
    EXPECT_EQ(failing.save(twoLocations()).error(), VPNFailure::storageUnavailable());
}
