#pragma once

#include "core/CredentialVault.h"

#include <chrono>
#include <memory>
#include <vector>

namespace vantorel {

// The system secret store: on Linux the Secret Service (GNOME Keyring, KWallet, KeePassXC), reached
// through libsecret and GDBus. One item per location in the default collection, found by the pair
// (service, account = the identifier's canonical text).
//
// Calls run on GLib's default main context, which Qt's GLib event dispatcher runs as the
// application's own loop (elsewhere, SystemVault drives it from Qt's loop). Nothing here waits: each
// request to the store is sent, and its answer continues the call.
class KeychainVault final : public CredentialVault {
public:
    // The service identifier every item is stored under.
    static constexpr std::string_view service = "org.vantorel.mac.connection.v1";
    static constexpr std::string_view label = "Vantorel connection";

    // `requestTimeout`: how long D-Bus waits for the store's answer to one request. A store may hold
    // a request until its user has unlocked it, so the default is what the program allows a person
    // to answer a prompt: D-Bus's own 25 seconds would give up first, and a store would be sent twice.
    explicit KeychainVault(std::chrono::milliseconds requestTimeout = secretStorePatience);
    ~KeychainVault() override;

    KeychainVault(const KeychainVault&) = delete;
    KeychainVault& operator=(const KeychainVault&) = delete;

    // Fails when an item for `id` already exists, even in a locked collection: an existing password is
    // never replaced.
    void insert(std::string_view password, const Uuid& id, std::stop_token stop, Done done) override;
    // Deletes every item for `id`, unlocking its collection first if needed.
    void remove(const Uuid& id, std::stop_token stop, Done done) override;

    class Call;

private:
    void track(const std::shared_ptr<Call>& call);

    std::chrono::milliseconds m_requestTimeout;
    // The calls not yet answered, to be let go when the vault is.
    std::vector<std::weak_ptr<Call>> m_calls;
};

} // namespace vantorel
