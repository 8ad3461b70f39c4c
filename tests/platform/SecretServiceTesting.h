#pragma once

#include "core/CredentialVault.h"

#include <QStringList>
#include <chrono>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

extern "C" {
typedef struct _GDBusConnection GDBusConnection;
}

// Helpers for tests that run inside tests/platform/with-secret-service.
namespace vantorel::testing {

// Fails the current test unless with-secret-service set up `mode`: the vault tests must never reach
// the user's own keyring, nor pass without a Secret Service when they need one.
void requireSecretService(std::string_view mode);

// What `secret-tool search --all service <service> account <account>` reports: a client this project
// did not write, reading the keyring back. An empty account: every item of the service.
struct StoredItems {
    int count = 0;
    std::vector<std::string> labels;
    std::vector<std::string> secrets;    // only for unlocked items
    std::vector<std::string> attributes; // "name = value", across all items
};
StoredItems storedItems(std::string_view account);

// Stores an item with secret-tool, with `extra` attributes besides service and account.
void storeWithSecretTool(std::string_view account, std::string_view secret, const QStringList& extra = {});

// Locks the default collection; the service does that without a prompt.
void lockDefaultCollection();

// Owns the system prompter's bus name and answers nothing, as a prompter that hangs would.
class StalledPrompter {
public:
    StalledPrompter();
    ~StalledPrompter();
    StalledPrompter(const StalledPrompter&) = delete;
    StalledPrompter& operator=(const StalledPrompter&) = delete;

private:
    GDBusConnection* m_connection = nullptr;
};

// Starts a vault call with `start` and turns GLib's default main context (where the vault's answers
// arrive) until it has answered. With `giveUpAfter`, its stop is requested after that long.
using VaultCall = std::function<void(std::stop_token, CredentialVault::Done)>;
CredentialVault::Result answerOf(const VaultCall& start,
                                 std::optional<std::chrono::milliseconds> giveUpAfter = std::nullopt);

// Turns GLib's default main context for `duration`.
void runFor(std::chrono::milliseconds duration);

// Milliseconds taken by `f`, printed so that a run shows the figures.
template <class F> std::chrono::milliseconds timed(std::string_view what, F&& f) {
    const auto start = std::chrono::steady_clock::now();
    std::forward<F>(f)();
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::cout << "[  timing  ] " << what << ": " << elapsed.count() << " ms\n";
    return elapsed;
}

} // namespace vantorel::testing
