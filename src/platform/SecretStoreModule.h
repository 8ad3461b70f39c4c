#pragma once

namespace vantorel {

class CredentialVault;

// What vantorel-secret-store.so offers: a new keychain vault, owned by the caller.
using OpenSecretStore = CredentialVault* (*)();
inline constexpr const char* openSecretStoreSymbol = "vantorel_open_secret_store";

} // namespace vantorel
