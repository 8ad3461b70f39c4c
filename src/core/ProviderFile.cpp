#include "ProviderFile.h"

#include "Translatable.h"

#include <algorithm>

namespace vantorel {

bool ProviderFile::carriesPassword() const {
    return std::ranges::any_of(locations, [](const ProviderLocation& location) { return !location.password.empty(); });
}

VPNFailure importFailure(ImportProblem problem) {
    switch (problem) {
    case ImportProblem::notRegularFile:
        return VPNFailure::invalid(
            VANTOREL_TRANSLATABLE("VPNFailure", "This is not a regular file, so it cannot be imported."));
    case ImportProblem::tooLarge:
        return VPNFailure::invalid(
            VANTOREL_TRANSLATABLE("VPNFailure", "This file is larger than 1 MiB, too large to be a VPN profile."));
    case ImportProblem::unreadable:
        return VPNFailure::invalid(VANTOREL_TRANSLATABLE(
            "VPNFailure", "This file could not be read. Check that it still exists and that you may open it."));
    case ImportProblem::otherFormat:
        return VPNFailure::invalid(VANTOREL_TRANSLATABLE(
            "VPNFailure", "This file is not a VPN profile Vantorel can read. Use the .sswan, .mobileconfig or "
                          ".nmconnection profile from your provider."));
    case ImportProblem::damaged:
        return VPNFailure::invalid(VANTOREL_TRANSLATABLE(
            "VPNFailure", "This VPN profile is damaged and cannot be read. Ask your provider for a new copy."));
    case ImportProblem::noIkev2:
        return VPNFailure::invalid(VANTOREL_TRANSLATABLE("VPNFailure", "This VPN profile holds no IKEv2 connection."));
    case ImportProblem::notUserPassword:
        return VPNFailure::invalid(VANTOREL_TRANSLATABLE(
            "VPNFailure",
            "The IKEv2 connections in this profile sign in with a certificate or a shared secret. Vantorel keeps "
            "connections that sign in with a user name and password."));
    case ImportProblem::encrypted:
        return VPNFailure::invalid(VANTOREL_TRANSLATABLE(
            "VPNFailure",
            "This VPN profile is encrypted for one device and cannot be read. Ask your provider for an unencrypted "
            "copy."));
    case ImportProblem::alteredAfterSigning:
        return VPNFailure::invalid(VANTOREL_TRANSLATABLE(
            "VPNFailure", "This VPN profile was changed after it was signed, so it may not be what your "
                          "provider sent. Ask your provider for a new copy."));
    }
    return VPNFailure::invalid(VANTOREL_TRANSLATABLE("VPNFailure", "This file could not be read."));
}

// The pipe's format: a status byte (0, or the ImportProblem), then for a file a flags byte (bit 0:
// a certificate authority), the number of locations, and each location's five texts, each as a
// 32-bit little-endian length and its bytes.
namespace {

constexpr std::uint8_t readingSucceeded = 0;
constexpr std::uint8_t authorityFlag = 1;

void putLength(std::string& out, std::size_t length) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((length >> shift) & 0xFF));
    }
}

class Cursor final {
public:
    explicit Cursor(std::string_view bytes) : m_rest(bytes) {}

    std::optional<std::uint8_t> byte() {
        if (m_rest.empty()) {
            return std::nullopt;
        }
        const auto value = static_cast<std::uint8_t>(m_rest.front());
        m_rest.remove_prefix(1);
        return value;
    }
    std::optional<std::uint32_t> length() {
        if (m_rest.size() < 4) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) {
            value = (value << 8) | static_cast<std::uint8_t>(m_rest[std::size_t(i)]);
        }
        m_rest.remove_prefix(4);
        return value;
    }
    std::optional<std::string_view> text() {
        const auto size = length();
        if (!size || *size > m_rest.size()) {
            return std::nullopt;
        }
        const std::string_view value = m_rest.substr(0, *size);
        m_rest.remove_prefix(*size);
        return value;
    }
    bool atEnd() const { return m_rest.empty(); }

private:
    std::string_view m_rest;
};

} // namespace

std::string encodeReading(const ProviderFileReading& reading) {
    std::string out;
    if (!reading) {
        out.push_back(static_cast<char>(reading.error()));
        return out;
    }
    out.push_back(static_cast<char>(readingSucceeded));
    out.push_back(static_cast<char>(reading->carriesAuthority ? authorityFlag : 0));
    putLength(out, reading->locations.size());
    for (const ProviderLocation& location : reading->locations) {
        for (const std::string_view text : location.texts()) {
            putLength(out, text.size());
            out.append(text);
        }
    }
    return out;
}

std::optional<ProviderFileReading> decodeReading(std::string_view bytes) {
    Cursor cursor(bytes);
    const auto status = cursor.byte();
    if (!status) {
        return std::nullopt;
    }
    if (*status != readingSucceeded) {
        if (*status > static_cast<std::uint8_t>(ImportProblem::alteredAfterSigning) || !cursor.atEnd()) {
            return std::nullopt;
        }
        return std::unexpected(static_cast<ImportProblem>(*status));
    }
    const auto flags = cursor.byte();
    const auto count = cursor.length();
    // Every location takes at least twenty bytes, so a count the bytes cannot hold is refused before
    // anything is reserved for it.
    if (!flags || (*flags & ~authorityFlag) != 0 || !count || *count == 0 || *count > bytes.size() / 20) {
        return std::nullopt;
    }
    ProviderFile file;
    file.carriesAuthority = (*flags & authorityFlag) != 0;
    file.locations.reserve(*count);
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto name = cursor.text();
        const auto server = cursor.text();
        const auto identity = cursor.text();
        const auto username = cursor.text();
        const auto password = cursor.text();
        if (!name || !server || !identity || !username || !password) {
            return std::nullopt;
        }
        file.locations.push_back({std::string(*name), std::string(*server), std::string(*identity),
                                  std::string(*username), SecretText(*password)});
    }
    if (!cursor.atEnd()) {
        return std::nullopt;
    }
    return file;
}

} // namespace vantorel
