#pragma once

#include "core/CredentialVault.h"

#include <filesystem>
#include <memory>

namespace vantorel {

// The system secret store as the app uses it: the keychain vault lives in a module of its own
// (vantorel-secret-store.so, with libsecret and GIO behind it), loaded the first time a password is
// stored or deleted, so that starting the program loads none of those libraries. A module that
// cannot be loaded fails every call as the store would: `credentialsUnavailable`.
class SystemVault final : public CredentialVault {
public:
    // Beside the app, as installed and in the build tree: ../lib/vantorel/vantorel-secret-store.so.
    static std::filesystem::path installedModule();

    explicit SystemVault(std::filesystem::path module = installedModule());
    ~SystemVault() override;
    SystemVault(const SystemVault&) = delete;
    SystemVault& operator=(const SystemVault&) = delete;

    std::expected<void, VPNFailure> insert(std::string_view password, const Uuid& id) override;
    std::expected<void, VPNFailure> remove(const Uuid& id) override;
    void setPatience(Patience* patience) override;

private:
    // The loaded store, or null when the module cannot be loaded.
    CredentialVault* store();

    std::filesystem::path m_module;
    std::unique_ptr<CredentialVault> m_store;
    bool m_tried = false;
};

} // namespace vantorel
