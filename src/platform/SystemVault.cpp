#include "SystemVault.h"

#include "GLibContextPump.h"
#include "SecretStoreModule.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>
#include <dlfcn.h>

namespace vantorel {

std::filesystem::path SystemVault::installedModule() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ".." /
           VANTOREL_PRIVATE_LIBDIR / "vantorel-secret-store.so";
}

SystemVault::SystemVault(std::filesystem::path module)
    : m_module(std::move(module)), m_refusals(std::make_unique<QObject>()) {}

// The store goes first, so that none of its calls can answer through a pump that is gone.
SystemVault::~SystemVault() {
    m_store.reset();
    m_pump.reset();
}

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
    const QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (m_store && (dispatcher == nullptr || !dispatcher->inherits("QEventDispatcherGlib"))) {
        m_pump = std::make_unique<GLibContextPump>();
    }
    return m_store.get();
}

void SystemVault::refuseLater(Done done) {
    // On the next turn, and never once the vault is gone: refusals go with their context object.
    QTimer::singleShot(0, m_refusals.get(),
                       [done = std::move(done)] { done(std::unexpected(VPNFailure::credentialsUnavailable())); });
}

void SystemVault::insert(std::string_view password, const Uuid& id, std::stop_token stop, Done done) {
    if (CredentialVault* loaded = store()) {
        return loaded->insert(password, id, std::move(stop), std::move(done));
    }
    refuseLater(std::move(done));
}

void SystemVault::remove(const Uuid& id, std::stop_token stop, Done done) {
    if (CredentialVault* loaded = store()) {
        return loaded->remove(id, std::move(stop), std::move(done));
    }
    refuseLater(std::move(done));
}

} // namespace vantorel
