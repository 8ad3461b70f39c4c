#pragma once

#include "core/CredentialVault.h"

#include <filesystem>
#include <memory>

class QObject;

namespace vantorel {

class GLibContextPump;

// The system secret store as the app uses it: the keychain vault lives in a module of its own
// (vantorel-secret-store.so, with libsecret and GIO behind it), loaded the first time a password is
// stored or deleted, so that starting the program loads none of those libraries. A module that
// cannot be loaded fails every call as the store would: `credentialsUnavailable`.
//
// The store's answers arrive on GLib's default main context. Qt's GLib event dispatcher runs that
// context as the application's loop; under any other dispatcher (QT_NO_GLIB=1), the vault drives it
// from Qt's loop itself.
class SystemVault final : public CredentialVault {
public:
    // Beside the app, as installed and in the build tree: ../lib/vantorel/vantorel-secret-store.so.
    static std::filesystem::path installedModule();

    explicit SystemVault(std::filesystem::path module = installedModule());
    ~SystemVault() override;
    SystemVault(const SystemVault&) = delete;
    SystemVault& operator=(const SystemVault&) = delete;

    void insert(std::string_view password, const Uuid& id, std::stop_token stop, Done done) override;
    void remove(const Uuid& id, std::stop_token stop, Done done) override;

private:
    // The loaded store, or null when the module cannot be loaded.
    CredentialVault* store();
    void refuseLater(Done done);

    std::filesystem::path m_module;
    std::unique_ptr<CredentialVault> m_store;
    std::unique_ptr<GLibContextPump> m_pump;
    std::unique_ptr<QObject> m_refusals;
    bool m_tried = false;
};

} // namespace vantorel
