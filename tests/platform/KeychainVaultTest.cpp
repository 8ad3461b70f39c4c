#include "platform/KeychainVault.h"

#include "SecretServiceTesting.h"
#include "platform/SystemVault.h"

#include <algorithm>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>

namespace vantorel {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using testing::StoredItems;
using testing::storedItems;
using ::testing::UnorderedElementsAre;

const VPNFailure unavailable = VPNFailure::credentialsUnavailable();

// A provider the live tests run against (a with-secret-service mode), and the attributes it adds to
// items of its own accord, as the start of secret-tool's "name = value": the name alone, or name and
// value where the provider's value is fixed.
struct Provider {
    std::string mode;
    std::vector<std::string> ownAttributes;
};

class LiveVault : public ::testing::TestWithParam<Provider> {
protected:
    void SetUp() override { testing::requireSecretService(GetParam().mode); }

    // What secret-tool reads back for `id`, less the provider's own attributes.
    StoredItems stored(const Uuid& id) const {
        StoredItems items = storedItems(id.string());
        for (const auto& own : GetParam().ownAttributes) {
            std::erase_if(items.attributes, [&](const std::string& attribute) { return attribute.starts_with(own); });
        }
        return items;
    }

    // Refused because the item is there, which the service says at once, not because the deadline
    // that would also refuse it ran out.
    void expectRefusedPromptly(const Uuid& id) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(vault.insert("new", id), std::unexpected(unavailable));
        EXPECT_LT(std::chrono::steady_clock::now() - start, KeychainVault::Deadlines{}.call);
    }

    KeychainVault vault;
};

// Each instance is one CTest entry, run on its own provider. gnome-keyring shows its default item type
// once it has read an item back from its file; KeePassXC shows the fields of the entry it keeps the
// item in.
INSTANTIATE_TEST_SUITE_P(keyring, LiveVault,
                         ::testing::Values(Provider{"keyring", {"xdg:schema = org.freedesktop.Secret.Generic"}}));
INSTANTIATE_TEST_SUITE_P(keepassxc, LiveVault,
                         ::testing::Values(Provider{
                             "keepassxc", {"Title = ", "UserName = ", "URL = ", "Notes = ", "Path = ", "Uuid = "}}));
INSTANTIATE_TEST_SUITE_P(kwallet, LiveVault, ::testing::Values(Provider{"kwallet", {}}));
INSTANTIATE_TEST_SUITE_P(standIn, LiveVault, ::testing::Values(Provider{"stand-in", {}}));

TEST_P(LiveVault, storesExactlyThePasswordBytesWithLabelAndTheTwoAttributes) {
    const std::string passwords[] = {
        "caf\xC3\xA9",                       // é is stored as C3 A9, not as a Latin-1 byte
        " spaces at both ends ",             // nothing trimmed
        "\xF0\x9F\x94\x91 \xD0\xBA\xD0\xBB", // four-byte and Cyrillic characters
        std::string(1024, 'x'),              // the longest password the repository accepts
    };
    for (const auto& password : passwords) {
        SCOPED_TRACE(password.substr(0, 24));
        const Uuid id = Uuid::random();
        ASSERT_TRUE(vault.insert(password, id));

        const StoredItems items = stored(id);
        EXPECT_EQ(items.count, 1);
        EXPECT_THAT(items.labels, ElementsAre("Vantorel connection"));
        EXPECT_THAT(items.secrets, ElementsAre(password));
        EXPECT_THAT(items.attributes,
                    UnorderedElementsAre("service = org.vantorel.mac.connection.v1", "account = " + id.string()));
        ASSERT_TRUE(vault.remove(id));
        EXPECT_EQ(stored(id).count, 0);
    }
}

TEST_P(LiveVault, neverReplacesAnItemAndRemovesOnlyItsOwn) {
    const Uuid first = Uuid::random();
    const Uuid second = Uuid::random();

    ASSERT_TRUE(vault.insert("first password", first));
    expectRefusedPromptly(first);
    ASSERT_TRUE(vault.insert("other password", second)) << "the same label under another account";
    EXPECT_THAT(stored(first).secrets, ElementsAre("first password"));

    EXPECT_TRUE(vault.remove(Uuid::random())) << "nothing to delete is success";
    ASSERT_TRUE(vault.remove(first));
    EXPECT_EQ(stored(first).count, 0);
    EXPECT_THAT(stored(second).secrets, ElementsAre("other password"));
    EXPECT_TRUE(vault.remove(first)) << "removing twice is success";

    ASSERT_TRUE(vault.remove(second));
}

// Items are found by service and account alone, whichever client wrote them.
TEST_P(LiveVault, itemsStoredByAnotherClientCount) {
    const Uuid id = Uuid::random();
    testing::storeWithSecretTool(id.string(), "stored elsewhere");
    expectRefusedPromptly(id);
    EXPECT_THAT(stored(id).secrets, ElementsAre("stored elsewhere"));

    // Two items under the same pair (told apart by an attribute we never set): both go.
    testing::storeWithSecretTool(id.string(), "another one", {"note", "second"});
    ASSERT_EQ(stored(id).count, 2);
    ASSERT_TRUE(vault.remove(id));
    EXPECT_EQ(stored(id).count, 0);
}

// An account whose keyring was never set up has no collection at all: the first store makes the
// default one and keeps the item there. Through the app's own way to the store: the module it loads
// when first needed (a module that is not there fails as the store would).
TEST(EmptySecretService, theFirstStoreCreatesTheDefaultCollection) {
    testing::requireSecretService("stand-in");
    EXPECT_EQ(SystemVault("/nowhere/vantorel-secret-store.so").insert("password", Uuid::random()),
              std::unexpected(unavailable));
    SystemVault vault(VANTOREL_SECRET_STORE_MODULE);
    const Uuid id = Uuid::random();
    ASSERT_TRUE(vault.insert("first password", id));
    EXPECT_THAT(storedItems(id.string()).secrets, ElementsAre("first password"));
    EXPECT_TRUE(vault.remove(id));
    EXPECT_EQ(storedItems(id.string()).count, 0);
}

// The test bus has no prompter, so the locked collection cannot be opened.
TEST(LockedKeyring, withoutPrompterFailsAndKeepsEveryItem) {
    ASSERT_NO_FATAL_FAILURE(testing::requireSecretService("keyring"));
    KeychainVault vault;
    const Uuid stored = Uuid::random();
    ASSERT_TRUE(vault.insert("kept", stored));
    testing::lockDefaultCollection();

    std::optional<std::expected<void, VPNFailure>> result;
    testing::timed("insert, existing item, locked", [&] { result = vault.insert("again", stored); });
    EXPECT_EQ(*result, std::unexpected(unavailable)) << "the existing item is seen without unlocking";
    testing::timed("insert, locked, no prompter", [&] { result = vault.insert("new", Uuid::random()); });
    EXPECT_EQ(*result, std::unexpected(unavailable));
    testing::timed("remove, locked, no prompter", [&] { result = vault.remove(stored); });
    EXPECT_EQ(*result, std::unexpected(unavailable));
    EXPECT_EQ(storedItems(stored.string()).count, 1);
}

// gnome-keyring asks a prompter that never answers, as when the user leaves the prompt alone: the
// call gives up once the prompt's allowance has run out, not at the shorter deadline of a call
// without a prompt.
TEST(LockedKeyring, givesUpOnAPromptThatNeverCompletes) {
    ASSERT_NO_FATAL_FAILURE(testing::requireSecretService("keyring"));
    const KeychainVault::Deadlines deadlines{.call = 1000ms, .prompt = 3000ms};
    KeychainVault vault(deadlines);
    testing::StalledPrompter prompter;
    ASSERT_FALSE(HasFailure());
    testing::lockDefaultCollection();

    std::optional<std::expected<void, VPNFailure>> result;
    const auto elapsed = testing::timed("insert, prompt never completes (3 s allowance)",
                                        [&] { result = vault.insert("password", Uuid::random()); });
    EXPECT_EQ(*result, std::unexpected(unavailable));
    EXPECT_GE(elapsed.count(), deadlines.prompt.count());
    EXPECT_LT(elapsed.count(), (deadlines.prompt + deadlines.call).count());

    // The prompt was left to the user rather than dismissed: the keyring daemon is still there.
    EXPECT_TRUE(vault.remove(Uuid::random()));
}

void expectFailsWithinDeadline(std::string_view situation) {
    SCOPED_TRACE(situation);
    const KeychainVault::Deadlines deadlines;
    KeychainVault vault;
    std::optional<std::expected<void, VPNFailure>> result;
    auto elapsed = testing::timed(std::string("insert, ") + std::string(situation),
                                  [&] { result = vault.insert("password", Uuid::random()); });
    EXPECT_EQ(*result, std::unexpected(unavailable));
    EXPECT_LT(elapsed.count(), deadlines.call.count());
    elapsed = testing::timed(std::string("remove, ") + std::string(situation),
                             [&] { result = vault.remove(Uuid::random()); });
    EXPECT_EQ(*result, std::unexpected(unavailable));
    EXPECT_LT(elapsed.count(), deadlines.call.count());
}

TEST(UnreachableSecretService, noSessionBus) {
    ASSERT_NO_FATAL_FAILURE(testing::requireSecretService("no-bus"));
    // No address at all (the library then looks for a bus it could start) and one that leads nowhere.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    expectFailsWithinDeadline("no bus address");
    const std::string nowhere = "unix:path=" + std::string(std::getenv("XDG_RUNTIME_DIR")) + "/no-bus-here";
    setenv("DBUS_SESSION_BUS_ADDRESS", nowhere.c_str(), 1);
    expectFailsWithinDeadline("bus address leads nowhere");
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

TEST(UnreachableSecretService, noProviderOnTheBus) {
    ASSERT_NO_FATAL_FAILURE(testing::requireSecretService("no-provider"));
    expectFailsWithinDeadline("no Secret Service on the bus");
}

} // namespace
} // namespace vantorel
