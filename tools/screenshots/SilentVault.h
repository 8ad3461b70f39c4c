#pragma once

#include "core/CredentialVault.h"

namespace vantorel::screenshots {

// The screenshots' secret store: it never answers, so no password is ever stored, the real keyring
// stays out of the pictures, and a save or removal can be shown waiting for its answer.
class SilentVault final : public CredentialVault {
public:
    void insert(std::string_view, const Uuid&, std::stop_token, Done) override {}
    void remove(const Uuid&, std::stop_token, Done) override {}
};

} // namespace vantorel::screenshots
