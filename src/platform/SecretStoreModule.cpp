// vantorel-secret-store.so: the keychain vault, which the app loads when it first needs it.
#include "SecretStoreModule.h"

#include "KeychainVault.h"

extern "C" __attribute__((visibility("default"))) vantorel::CredentialVault* vantorel_open_secret_store() {
    static_assert(std::is_same_v<decltype(&vantorel_open_secret_store), vantorel::OpenSecretStore>);
    return new vantorel::KeychainVault();
}
