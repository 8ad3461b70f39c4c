#pragma once

#include "Translatable.h"
#include "Uuid.h"
#include "VPNFailure.h"

#include <expected>
#include <string>
#include <string_view>

namespace vantorel {

// One saved location: the connection details the user copied from their provider. The password
// is never here; it lives in the credential vault under `credentialID`.
struct VPNProfile {
    Uuid id;
    std::string name;
    std::string country;
    std::string server;
    std::string remoteIdentifier;
    std::string username;
    Uuid credentialID;
    bool favorite = false;

    // The normalised copy (texts trimmed, hosts lower-cased) when every field rule holds, else
    // `invalid` with the message of the first rule broken. Never changes this record.
    std::expected<VPNProfile, VPNFailure> validated() const;

    // The host-name rule for the server and the certificate identity. Neither trims nor lower-cases.
    static bool validHost(std::string_view host);

    // All eight fields equal; texts by canonical equivalence.
    friend bool operator==(const VPNProfile& a, const VPNProfile& b);
};

namespace messages {
inline constexpr std::string_view nameAndCountry =
    VANTOREL_TRANSLATABLE("VPNFailure", "Enter a location name and country, using at most 80 characters each.");
inline constexpr std::string_view server = VANTOREL_TRANSLATABLE(
    "VPNFailure", "Enter the provider\u2019s server hostname, without https://, a port or a path.");
inline constexpr std::string_view remoteIdentifier = VANTOREL_TRANSLATABLE(
    "VPNFailure", "Enter the server certificate identity supplied by your provider, such as vpn.example.com.");
inline constexpr std::string_view username =
    VANTOREL_TRANSLATABLE("VPNFailure", "Enter the VPN username supplied by your provider.");
} // namespace messages

} // namespace vantorel
