#pragma once

#include "core/CredentialVault.h"

namespace vantorel::screenshots {

// The fake secret store: the screenshots never store a password, and a vault that refuses keeps
// the real keyring out of them.
class RefusingVault final : public CredentialVault {
public:
    std::expected<void, VPNFailure> insert(std::string_view, const Uuid&) override {
        return std::unexpected(VPNFailure::credentialsUnavailable());
    }
    std::expected<void, VPNFailure> remove(const Uuid&) override { return {}; }
};

} // namespace vantorel::screenshots
