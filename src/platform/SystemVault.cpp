#include "SystemVault.h"

#include "SecretStoreModule.h"

#include <QCoreApplication>
#include <dlfcn.h>

namespace vantorel {

std::filesystem::path SystemVault::installedModule() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ".." /
           VANTOREL_PRIVATE_LIBDIR / "vantorel-secret-store.so";
}

SystemVault::SystemVault(std::filesystem::path module) : m_module(std::move(module)) {}

SystemVault::~SystemVault() = default;

CredentialVault* SystemVault::store() {
    if (m_tried) {
        return m_store.get();
    }
    m_tried = true;
    // Never unloaded: the store registers GLib types, which live as long as the process.
    // What went wrong goes to the terminal once: the person only sees that the keyring is out of reach.
    void* handle = ::dlopen(m_module.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto open =
        handle == nullptr ? nullptr : reinterpret_cast<OpenSecretStore>(::dlsym(handle, openSecretStoreSymbol));
    if (open == nullptr) {
        qWarning("vantorel: the secret store module could not be loaded: %s", ::dlerror());
        return nullptr;
    }
    m_store.reset(open());
    if (m_store) {
        m_store->setPatience(patience());
    }
    return m_store.get();
}

std::expected<void, VPNFailure> SystemVault::insert(std::string_view password, const Uuid& id) {
    if (CredentialVault* loaded = store()) {
        return loaded->insert(password, id);
    }
    return std::unexpected(VPNFailure::credentialsUnavailable());
}

std::expected<void, VPNFailure> SystemVault::remove(const Uuid& id) {
    if (CredentialVault* loaded = store()) {
        return loaded->remove(id);
    }
    return std::unexpected(VPNFailure::credentialsUnavailable());
}

void SystemVault::setPatience(Patience* patience) {
    CredentialVault::setPatience(patience);
    if (m_store) {
        m_store->setPatience(patience);
    }
}

} // namespace vantorel
