#pragma once

#include "Uuid.h"
#include "VPNFailure.h"

#include <expected>
#include <string_view>

namespace vantorel {

// Where a location's password goes: stored under an identifier, deleted again, never read back.
class CredentialVault {
public:
    virtual ~CredentialVault() = default;

    // Stores the password's UTF-8 bytes under `id`. Fails when something is already stored there.
    virtual std::expected<void, VPNFailure> insert(std::string_view password, const Uuid& id) = 0;
    // Deletes whatever is stored under `id`; deleting nothing is success.
    virtual std::expected<void, VPNFailure> remove(const Uuid& id) = 0;

protected:
    CredentialVault() = default;
    CredentialVault(const CredentialVault&) = default;
    CredentialVault& operator=(const CredentialVault&) = default;
};

} // namespace vantorel
