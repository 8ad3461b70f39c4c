#pragma once

#include "core/CredentialVault.h"

#include <chrono>
#include <set>

// GLib's own declaration; repeating the typedef keeps GLib's headers out of every user of the vault.
extern "C" {
typedef struct _GMainContext GMainContext;
}

namespace vantorel {

// The system secret store: on Linux the Secret Service (GNOME Keyring, KWallet, KeePassXC), reached
// through libsecret. One item per location in the default collection, found by the pair
// (service, account = the identifier's canonical text).
//
// Calls block the caller, as the rest of the storage layer does, and each one runs on a private GLib
// main context. Without patience (see CredentialVault) a call gives up with `credentialsUnavailable`
// at its deadline; with it, a call the store does not answer at once is handed to the patience,
// which keeps the program alive, and may wait as long as a prompt, until the person stops it.
class KeychainVault final : public CredentialVault {
public:
    struct Deadlines {
        // For a whole call while no unlock prompt is showing.
        std::chrono::milliseconds call{5000};
        // From the moment the Secret Service shows a prompt: the user needs time to type a password.
        std::chrono::milliseconds prompt{60000};
    };

    // The service identifier every item is stored under.
    static constexpr std::string_view service = "org.vantorel.mac.connection.v1";
    static constexpr std::string_view label = "Vantorel connection";

    KeychainVault() : KeychainVault(Deadlines{}) {}
    explicit KeychainVault(Deadlines deadlines);
    ~KeychainVault() override;

    KeychainVault(const KeychainVault&) = delete;
    KeychainVault& operator=(const KeychainVault&) = delete;

    // Fails when an item for `id` already exists, even in a locked collection: an existing password is
    // never replaced.
    std::expected<void, VPNFailure> insert(std::string_view password, const Uuid& id) override;
    // Deletes every item for `id`, unlocking its collection first if needed.
    std::expected<void, VPNFailure> remove(const Uuid& id) override;

private:
    std::expected<void, VPNFailure> removeItems(const Uuid& id);
    // Takes away what stores that were given up on may have left behind after all.
    void clearAbandoned();

    Deadlines m_deadlines;
    // Ids whose store was given up on while the store held the request.
    std::set<Uuid> m_abandoned;
    // One context for the vault's lifetime, so that the callback of a call abandoned at its deadline
    // still runs, during a later call, and frees what it holds.
    GMainContext* m_context;
};

} // namespace vantorel
