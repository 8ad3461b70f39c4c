#include "SecretServiceTesting.h"
#include "core/ProfileRepository.h"
#include "platform/KeychainVault.h"
#include "support/TempDir.h"
#include "support/TestProfiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vantorel {
namespace {

using testing::storedItems;

// The repository's add with the real vault: the password goes in under the credential id, and
// comes out again when the document cannot be written.
TEST(KeyringRepository, addStoresUnderTheCredentialIdAndTakesItBackWhenTheSaveFails) {
    ASSERT_NO_FATAL_FAILURE(testing::requireSecretService("keyring"));
    testing::TempDir folder;
    const auto document = folder.path() / "locations-v1.json";
    KeychainVault vault;

    const VPNProfile saved = testing::sampleProfile("London");
    ProfileRepository repository(document, vault);
    ASSERT_TRUE(repository.add(saved, "caf\xC3\xA9", ProfileLibrary{}));
    EXPECT_THAT(storedItems(saved.credentialID.string()).secrets, ::testing::ElementsAre("caf\xC3\xA9"));
    EXPECT_EQ(storedItems(saved.id.string()).count, 0);
    ASSERT_TRUE(repository.deleteCredential(saved));
    EXPECT_EQ(storedItems(saved.credentialID.string()).count, 0);

    const VPNProfile unsaved = testing::sampleProfile("Paris");
    ProfileRepository failing(document, vault, [](std::string_view, const std::filesystem::path&) {
        return std::expected<void, VPNFailure>(std::unexpected(VPNFailure::storageUnavailable()));
    });
    EXPECT_EQ(failing.add(unsaved, "password", ProfileLibrary{}), std::unexpected(VPNFailure::storageUnavailable()));
    EXPECT_EQ(storedItems(unsaved.credentialID.string()).count, 0);
}

} // namespace
} // namespace vantorel
