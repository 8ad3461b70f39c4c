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

TEST_F(ProfileRepositoryTest, FreshAccountLoadsEmptyAndSavesCreatePrivateFiles) {
    ProfileRepository repository(document(), m_vault);
    EXPECT_EQ(repository.fileURL(), document());
    EXPECT_EQ(repository.load(), ProfileLibrary{});
    EXPECT_FALSE(fs::exists(m_temp.path() / "data")); // a load creates nothing

    ASSERT_TRUE(repository.save(ProfileLibrary{}));
    ASSERT_TRUE(repository.save(twoLocations())); // replaces the first in place
    EXPECT_EQ(modeOf(m_temp.path() / "data"), 0700u);
    EXPECT_EQ(modeOf(folder()), 0700u);
    EXPECT_EQ(modeOf(document()), 0600u);
    EXPECT_EQ(repository.load(), twoLocations());
    EXPECT_EQ(readFile(document()), LibraryDocument::encode(twoLocations()));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder())) {
        names.push_back(entry.path().filename());
    }
    EXPECT_EQ(names, std::vector<std::string>{"locations-v1.json"});
}

TEST_F(ProfileRepositoryTest, LoadRefusesWhatIsNotAPlainDocument) {
    fs::create_directories(folder());
    ProfileRepository repository(document(), m_vault);
    const fs::path elsewhere = m_temp.path() / "elsewhere.json";
    writeFile(elsewhere, LibraryDocument::encode(twoLocations()));
    const auto expectRefused = [&](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(repository.load(), std::unexpected(VPNFailure::storageUnavailable()));
        fs::remove_all(document());
    };

    fs::create_symlink(elsewhere, document());
    expectRefused("symbolic link to a valid document");
    fs::create_symlink(m_temp.path() / "missing.json", document());
    expectRefused("dangling symbolic link");
    fs::create_directory(document());
    expectRefused("folder");
    ::mkfifo(document().c_str(), 0600);
    expectRefused("fifo");
    writeFile(document(), "not json");
    expectRefused("not JSON");

    // A file where the folder should be is not "no document".
    ProfileRepository underFile(elsewhere / "locations-v1.json", m_vault);
    EXPECT_EQ(underFile.load(), std::unexpected(VPNFailure::storageUnavailable()));
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

// A library that fails its check is neither written nor read, and reports the storage failure
// rather than the location's own message.
TEST_F(ProfileRepositoryTest, RefusedLibraryIsNeitherSavedNorLoaded) {
    ProfileRepository repository(document(), m_vault);
    ASSERT_TRUE(repository.save(twoLocations()));
    const std::string before = readFile(document());

    ProfileLibrary invalidLocation = twoLocations();
    invalidLocation.profiles[0].server = "not a host";
    ProfileLibrary dangling = twoLocations();
    dangling.selectedID = Uuid::random();
    for (const auto& refused : {invalidLocation, dangling}) {
        EXPECT_EQ(repository.save(refused), std::unexpected(VPNFailure::storageUnavailable()));
        EXPECT_EQ(readFile(document()), before);

        const std::string stored = LibraryDocument::encode(refused);
        writeFile(document(), stored);
        EXPECT_EQ(repository.load(), std::unexpected(VPNFailure::storageUnavailable()));
        EXPECT_EQ(readFile(document()), stored); // a load never modifies the file
        writeFile(document(), before);
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
