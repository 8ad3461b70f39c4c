#pragma once

#include "SecretText.h"
#include "VPNFailure.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// One location as a provider's profile file describes it, every text exactly as the file has it:
// the add operation normalises and checks them later, as it does typed text.
struct ProviderLocation {
    std::string name;
    std::string server;
    std::string identity;
    std::string username;
    SecretText password; // empty when the file holds none

    // The five texts, in this order, for what treats them all alike.
    std::array<std::string_view, 5> texts() const { return {name, server, identity, username, password.view()}; }

    friend bool operator==(const ProviderLocation&, const ProviderLocation&) = default;
};

// What a provider's file offers: the IKEv2 locations that sign in with a user name and password,
// in the file's order (never none).
struct ProviderFile {
    std::vector<ProviderLocation> locations;
    // The file carries a certificate authority of the provider's own, which this version does not use.
    bool carriesAuthority = false;

    bool carriesPassword() const;

    friend bool operator==(const ProviderFile&, const ProviderFile&) = default;
};

// Why a file gives no location, one sentence each.
enum class ImportProblem : std::uint8_t {
    notRegularFile = 1,
    tooLarge,
    unreadable,
    otherFormat,
    damaged,
    noIkev2,
    notUserPassword,
    encrypted,
    alteredAfterSigning,
};

// The sentence the person sees, as an `invalid` failure.
VPNFailure importFailure(ImportProblem problem);

using ProviderFileReading = std::expected<ProviderFile, ImportProblem>;

// Larger files are refused unread: a profile is a few kilobytes.
inline constexpr std::size_t maximumProviderFileSize = 1024 * 1024;

// The reading as the reading process hands it to the app over a pipe, and back. Decoding refuses
// anything but exactly what encoding makes.
std::string encodeReading(const ProviderFileReading& reading);
std::optional<ProviderFileReading> decodeReading(std::string_view bytes);

} // namespace vantorel
