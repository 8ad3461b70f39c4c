#include "platform/KeychainVault.h"

#include "SecretServiceTesting.h"
#include "platform/SystemVault.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>

namespace vantorel {
namespace {

using namespace std::chrono_literals;
using testing::answerOf;
using ::testing::ElementsAre;
using testing::StoredItems;
using testing::storedItems;
using ::testing::UnorderedElementsAre;

const VPNFailure unavailable = VPNFailure::credentialsUnavailable();
// A refusal the store gives at once, with nothing to wait for, takes well under this.
constexpr auto promptly = 5000ms;

CredentialVault::Result insert(CredentialVault& vault, std::string_view password, const Uuid& id,
                               std::optional<std::chrono::milliseconds> giveUpAfter = std::nullopt) {
    return answerOf([&](std::stop_token stop,
                        CredentialVault::Done done) { vault.insert(password, id, std::move(stop), std::move(done)); },
                    giveUpAfter);
}

CredentialVault::Result remove(CredentialVault& vault, const Uuid& id) {
    return answerOf(
        [&](std::stop_token stop, CredentialVault::Done done) { vault.remove(id, std::move(stop), std::move(done)); });
}

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
        EXPECT_EQ(insert(vault, "new", id), std::unexpected(unavailable));
        EXPECT_LT(std::chrono::steady_clock::now() - start, promptly);
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
        ASSERT_TRUE(insert(vault, password, id));

        const StoredItems items = stored(id);
        EXPECT_EQ(items.count, 1);
        EXPECT_THAT(items.labels, ElementsAre("Vantorel connection"));
        EXPECT_THAT(items.secrets, ElementsAre(password));
        EXPECT_THAT(items.attributes,
                    UnorderedElementsAre("service = org.vantorel.mac.connection.v1", "account = " + id.string()));
        ASSERT_TRUE(remove(vault, id));
        EXPECT_EQ(stored(id).count, 0);
    }
}

TEST_P(LiveVault, neverReplacesAnItemAndRemovesOnlyItsOwn) {
    const Uuid first = Uuid::random();
    const Uuid second = Uuid::random();

    ASSERT_TRUE(insert(vault, "first password", first));
    expectRefusedPromptly(first);
    ASSERT_TRUE(insert(vault, "other password", second)) << "the same label under another account";
    EXPECT_THAT(stored(first).secrets, ElementsAre("first password"));

    EXPECT_TRUE(remove(vault, Uuid::random())) << "nothing to delete is success";
    ASSERT_TRUE(remove(vault, first));
    EXPECT_EQ(stored(first).count, 0);
    EXPECT_THAT(stored(second).secrets, ElementsAre("other password"));
    EXPECT_TRUE(remove(vault, first)) << "removing twice is success";

    ASSERT_TRUE(remove(vault, second));
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
    ASSERT_TRUE(remove(vault, id));
    EXPECT_EQ(stored(id).count, 0);
}

// An account whose keyring was never set up has no collection at all: the first store makes the
// default one and keeps the item there. Through the app's own way to the store: the module it loads
// when first needed (a module that is not there fails as the store would), on Qt's event loop, whose
// dispatcher is GLib's unless QT_NO_GLIB is set (the vault then drives GLib's context itself).
TEST(EmptySecretService, theFirstStoreCreatesTheDefaultCollection) {
    testing::requireSecretService("stand-in");
    int argc = 1;
    char name[] = "platform_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    const auto answered = [](const std::function<void(CredentialVault::Done)>& start) {
        std::optional<CredentialVault::Result> answer;
        start([&](CredentialVault::Result result) { answer = std::move(result); });
        while (!answer) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return *answer;
    };
    SystemVault missing("/nowhere/vantorel-secret-store.so");
    EXPECT_EQ(answered([&](auto done) { missing.insert("password", Uuid::random(), {}, done); }),
              std::unexpected(unavailable));

    SystemVault vault(VANTOREL_SECRET_STORE_MODULE);
    const Uuid id = Uuid::random();
    ASSERT_TRUE(answered([&](auto done) { vault.insert("first password", id, {}, done); }));
    EXPECT_THAT(storedItems(id.string()).secrets, ElementsAre("first password"));
    EXPECT_TRUE(answered([&](auto done) { vault.remove(id, {}, done); }));
    EXPECT_EQ(storedItems(id.string()).count, 0);
}

// The test bus has no prompter, so the locked collection cannot be opened.
TEST(LockedKeyring, withoutPrompterFailsAndKeepsEveryItem) {
    ASSERT_NO_FATAL_FAILURE(testing::requireSecretService("keyring"));
    KeychainVault vault;
    const Uuid stored = Uuid::random();
    ASSERT_TRUE(insert(vault, "kept", stored));
    testing::lockDefaultCollection();

    std::optional<CredentialVault::Result> result;
    auto elapsed = testing::timed("insert, existing item, locked", [&] { result = insert(vault, "again", stored); });
    EXPECT_EQ(*result, std::unexpected(unavailable)) << "the existing item is seen without unlocking";
    EXPECT_LT(elapsed, promptly);
    elapsed = testing::timed("insert, locked, no prompter", [&] { result = insert(vault, "new", Uuid::random()); });
    EXPECT_EQ(*result, std::unexpected(unavailable));
    EXPECT_LT(elapsed, promptly);
    elapsed = testing::timed("remove, locked, no prompter", [&] { result = remove(vault, stored); });
    EXPECT_EQ(*result, std::unexpected(unavailable));
    EXPECT_LT(elapsed, promptly);
    EXPECT_EQ(storedItems(stored.string()).count, 1);
}

// gnome-keyring asks a prompter that never answers, as when the user leaves the prompt alone. The
// vault waits as long as it is let; given up, it answers at once, and leaves the prompt to the user
// rather than dismissing it: the keyring daemon is still there afterwards.
TEST(LockedKeyring, aCallGivenUpDuringAPromptAnswersAtOnce) {
    ASSERT_NO_FATAL_FAILURE(testing::requireSecretService("keyring"));
    KeychainVault vault;
    testing::StalledPrompter prompter;
    ASSERT_FALSE(HasFailure());
    testing::lockDefaultCollection();

    std::optional<CredentialVault::Result> result;
    const auto elapsed = testing::timed("insert, prompt never completes, given up after 3 s",
                                        [&] { result = insert(vault, "password", Uuid::random(), 3000ms); });
    EXPECT_EQ(*result, std::unexpected(unavailable));
    EXPECT_GE(elapsed, 3000ms);
    EXPECT_LT(elapsed, 3500ms);
    EXPECT_TRUE(remove(vault, Uuid::random()));
}

void expectFailsPromptly(std::string_view situation) {
    SCOPED_TRACE(situation);
    KeychainVault vault;
    std::optional<CredentialVault::Result> result;
    auto elapsed = testing::timed(std::string("insert, ") + std::string(situation),
                                  [&] { result = insert(vault, "password", Uuid::random()); });
    EXPECT_EQ(*result, std::unexpected(unavailable));
    EXPECT_LT(elapsed, promptly);
    elapsed = testing::timed(std::string("remove, ") + std::string(situation),
                             [&] { result = remove(vault, Uuid::random()); });
    EXPECT_EQ(*result, std::unexpected(unavailable));
    EXPECT_LT(elapsed, promptly);
}

TEST(UnreachableSecretService, noSessionBus) {
    ASSERT_NO_FATAL_FAILURE(testing::requireSecretService("no-bus"));
    // No address at all (the library then looks for a bus it could start) and one that leads nowhere.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    expectFailsPromptly("no bus address");
    const std::string nowhere = "unix:path=" + std::string(std::getenv("XDG_RUNTIME_DIR")) + "/no-bus-here";
    setenv("DBUS_SESSION_BUS_ADDRESS", nowhere.c_str(), 1);
    expectFailsPromptly("bus address leads nowhere");
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

TEST(UnreachableSecretService, noProviderOnTheBus) {
    ASSERT_NO_FATAL_FAILURE(testing::requireSecretService("no-provider"));
    expectFailsPromptly("no Secret Service on the bus");
}

// The stand-in answers each CreateItem two seconds late, storing only then. A store is sent once,
// whatever D-Bus does meanwhile; given up while the store holds it, the call waits for the answer
// and says what the store did, so that its caller can take the password back.
TEST(HeldStore, isSentOnceAndAnsweredTruthfully) {
    ASSERT_NO_FATAL_FAILURE(testing::requireSecretService("stand-in"));
    // D-Bus gives up on the request before the store answers it: nothing is sent again.
    KeychainVault impatient(1000ms);
    const Uuid once = Uuid::random();
    EXPECT_EQ(insert(impatient, "password", once), std::unexpected(unavailable));
    testing::runFor(2500ms);
    EXPECT_EQ(storedItems(once.string()).count, 1);

    KeychainVault vault;
    const Uuid given = Uuid::random();
    std::optional<CredentialVault::Result> result;
    const auto elapsed = testing::timed("insert given up after 0.5 s, answered at 2 s",
                                        [&] { result = insert(vault, "password", given, 500ms); });
    EXPECT_EQ(*result, CredentialVault::Result()) << "stored, and the caller's to take back";
    EXPECT_GE(elapsed, 1500ms);
    EXPECT_EQ(storedItems(given.string()).count, 1);
    EXPECT_TRUE(remove(vault, given));
}

// The stand-in answers each search two seconds late: a store given up before it went out ends at
// once, and nothing is stored, then or later.
TEST(HeldStore, givenUpBeforeItGoesOutStoresNothing) {
    ASSERT_NO_FATAL_FAILURE(testing::requireSecretService("stand-in"));
    KeychainVault vault;
    const Uuid id = Uuid::random();
    std::optional<CredentialVault::Result> result;
    const auto elapsed =
        testing::timed("insert given up during its search", [&] { result = insert(vault, "password", id, 500ms); });
    EXPECT_EQ(*result, std::unexpected(unavailable));
    EXPECT_LT(elapsed, 1000ms);
    testing::runFor(2500ms);
    EXPECT_EQ(storedItems(id.string()).count, 0);
}

} // namespace
} // namespace vantorel
