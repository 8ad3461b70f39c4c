#pragma once

#include "Uuid.h"
#include "VPNFailure.h"

#include <chrono>
#include <expected>
#include <string_view>

namespace vantorel {

// Where a location's password goes: stored under an identifier, deleted again, never read back.
class CredentialVault {
public:
    // Whoever keeps the program alive while a call waits on the store, which may be asking its user
    // for a password in a window of its own. Everything stays on the caller's thread: the vault
    // hands its waiting over to keepWaiting a slice at a time.
    class Patience {
    public:
        virtual ~Patience() = default;
        // The store has not answered at once. From here the call waits as long as a person may need.
        virtual void waitingBegan() = 0;
        // Called again and again while the call waits; may do other work for up to about `slice`.
        // False gives up on the call, which then fails and leaves nothing stored.
        virtual bool keepWaiting(std::chrono::milliseconds slice) = 0;
        // The call has its answer, or was given up.
        virtual void waitingEnded() = 0;
    };

    virtual ~CredentialVault() = default;

    // Without one, a call that waits blocks its caller until its deadline.
    virtual void setPatience(Patience* patience) { m_patience = patience; }

    // Stores the password's UTF-8 bytes under `id`. Fails when something is already stored there.
    virtual std::expected<void, VPNFailure> insert(std::string_view password, const Uuid& id) = 0;
    // Deletes whatever is stored under `id`; deleting nothing is success.
    virtual std::expected<void, VPNFailure> remove(const Uuid& id) = 0;

protected:
    CredentialVault() = default;
    CredentialVault(const CredentialVault&) = default;
    CredentialVault& operator=(const CredentialVault&) = default;

    Patience* patience() const { return m_patience; }

private:
    Patience* m_patience = nullptr;
};

} // namespace vantorel
