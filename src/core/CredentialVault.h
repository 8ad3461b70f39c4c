#pragma once

#include "Uuid.h"
#include "VPNFailure.h"

#include <chrono>
#include <expected>
#include <functional>
#include <stop_token>
#include <string_view>

namespace vantorel {

// How long a change waits for the secret store before giving up: as long as a person may need to
// find and type the password of a keyring the store asks them to unlock.
inline constexpr std::chrono::milliseconds secretStorePatience{60'000};

// Where a location's password goes: stored under an identifier, deleted again, never read back.
//
// Both calls are asynchronous, since the store may be asking its user for a password in a window of
// its own: they start, return, and report once through `done`, later, on the caller's thread, never
// from inside the call itself or from inside a stop request. A stop request gives a call up.
// Destroying the vault gives up every call, and their `done` never runs.
class CredentialVault {
public:
    using Result = std::expected<void, VPNFailure>;
    using Done = std::function<void(Result)>;

    virtual ~CredentialVault() = default;

    // Stores the password's UTF-8 bytes under `id`; fails when something is already stored there.
    // Given up before anything that could store has gone out, the call fails at once. From then on
    // the store may carry the request out whatever the program says, so `done` waits for its answer
    // and reports what it did: success means the password is stored, and is the caller's to take
    // back.
    virtual void insert(std::string_view password, const Uuid& id, std::stop_token stop, Done done) = 0;
    // Deletes whatever is stored under `id`; deleting nothing is success. Given up, it fails at once.
    virtual void remove(const Uuid& id, std::stop_token stop, Done done) = 0;

protected:
    CredentialVault() = default;
    CredentialVault(const CredentialVault&) = default;
    CredentialVault& operator=(const CredentialVault&) = default;
};

} // namespace vantorel
