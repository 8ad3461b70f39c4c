#include "ProfileFormats.h"

#include <algorithm>
#include <glib.h>
#include <memory>
#include <optional>

namespace vantorel {
namespace {

constexpr const char* strongSwanService = "org.freedesktop.NetworkManager.strongswan";

struct KeyFileFree {
    void operator()(GKeyFile* file) const { g_key_file_free(file); }
};

// A key's value as GLib reads it (escapes resolved, UTF-8 checked). Absent: an empty optional;
// present but not UTF-8: the file is damaged, reported through `damaged`.
std::optional<std::string> value(GKeyFile* file, const char* group, const char* key, bool& damaged) {
    GError* error = nullptr;
    char* text = g_key_file_get_string(file, group, key, &error);
    if (text == nullptr) {
        if (error != nullptr && error->domain == G_KEY_FILE_ERROR && error->code != G_KEY_FILE_ERROR_KEY_NOT_FOUND &&
            error->code != G_KEY_FILE_ERROR_GROUP_NOT_FOUND) {
            damaged = true;
        }
        g_clear_error(&error);
        return std::nullopt;
    }
    std::string result(text);
    g_free(text);
    return result;
}

// Whether the key file means to be a connection at all: other key files (desktop entries, shell
// scripts, a JSON array) are another format, not a damaged connection.
bool hasConnectionGroup(std::string_view bytes) {
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line = bytes.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.remove_suffix(1);
        }
        if (line == "[connection]") {
            return true;
        }
        start = end + 1;
    }
    return false;
}

} // namespace

ProviderFileReading readNetworkManagerConnection(std::string_view bytes) {
    if (!hasConnectionGroup(bytes)) {
        return std::unexpected(ImportProblem::otherFormat);
    }
    if (bytes.find('\0') != std::string_view::npos) {
        return std::unexpected(ImportProblem::damaged);
    }
    const std::unique_ptr<GKeyFile, KeyFileFree> file(g_key_file_new());
    if (!g_key_file_load_from_data(file.get(), bytes.data(), bytes.size(), G_KEY_FILE_NONE, nullptr)) {
        return std::unexpected(ImportProblem::damaged);
    }
    bool damaged = false;
    const auto type = value(file.get(), "connection", "type", damaged);
    const auto service = value(file.get(), "vpn", "service-type", damaged);
    const auto method = value(file.get(), "vpn", "method", damaged);
    const auto name = value(file.get(), "connection", "id", damaged);
    const auto address = value(file.get(), "vpn", "address", damaged);
    const auto identity = value(file.get(), "vpn", "remote-identity", damaged);
    const auto username = value(file.get(), "vpn", "user", damaged);
    const auto authority = value(file.get(), "vpn", "certificate", damaged);
    auto password = value(file.get(), "vpn-secrets", "password", damaged);
    if (damaged) {
        return std::unexpected(ImportProblem::damaged);
    }
    if (type != "vpn" || service != strongSwanService) {
        return std::unexpected(ImportProblem::noIkev2);
    }
    // The plugin's other methods sign in with a certificate, a key, an agent, a smart card or a
    // shared secret.
    if (method != "eap") {
        return std::unexpected(ImportProblem::notUserPassword);
    }
    const std::string server = address.value_or(std::string());
    ProviderFile profile;
    profile.carriesAuthority = authority.has_value();
    profile.locations.push_back({name.value_or(std::string()), server,
                                 detail::serverIdentity(identity.value_or(server)), username.value_or(std::string()),
                                 SecretText(password.value_or(std::string()))});
    if (password) {
        wipeString(*password);
    }
    return detail::readingOf(std::move(profile));
}

} // namespace vantorel
