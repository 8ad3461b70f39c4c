#include "NestingLimits.h"
#include "ProfileFormats.h"

#include <array>
#include <nlohmann/json.hpp>
#include <optional>

namespace vantorel {
namespace {

using Json = nlohmann::json;

// The profile types that sign in with a certificate (alone or before EAP). strongSwan reads any
// type it does not know as "ikev2-eap", and so do we.
constexpr std::array certificateTypes{"ikev2-cert", "ikev2-cert-eap", "ikev2-eap-tls", "ikev2-byod-eap"};

// A member that must be a string when present. Absent: an empty optional; of another type: the file
// is damaged, reported through `damaged`.
std::optional<std::string> optionalString(const Json& object, const char* key, bool& damaged) {
    const auto member = object.find(key);
    if (member == object.end()) {
        return std::nullopt;
    }
    if (!member->is_string()) {
        damaged = true;
        return std::nullopt;
    }
    return member->get<std::string>();
}

} // namespace

ProviderFileReading readStrongSwanProfile(std::string_view bytes) {
    // nlohmann's reader takes a NUL byte for the end of its input and would read a prefix.
    if (bytes.find('\0') != std::string_view::npos || !nesting::jsonWithin(bytes)) {
        return std::unexpected(ImportProblem::damaged);
    }
    const Json profile = Json::parse(bytes, nullptr, /*allow_exceptions=*/false);
    if (!profile.is_object()) {
        return std::unexpected(ImportProblem::damaged);
    }
    const auto remote = profile.find("remote");
    const auto local = profile.find("local");
    if (remote == profile.end() || !remote->is_object() || (local != profile.end() && !local->is_object())) {
        return std::unexpected(ImportProblem::damaged);
    }
    bool damaged = false;
    const auto uuid = optionalString(profile, "uuid", damaged);
    const auto name = optionalString(profile, "name", damaged);
    const auto type = optionalString(profile, "type", damaged);
    const auto address = optionalString(*remote, "addr", damaged);
    const auto identity = optionalString(*remote, "id", damaged);
    const auto authority = optionalString(*remote, "cert", damaged);
    std::optional<std::string> username;
    std::optional<std::string> password;
    if (local != profile.end()) {
        username = optionalString(*local, "eap_id", damaged);
        password = optionalString(*local, "shared_secret", damaged);
    }
    if (damaged || !uuid || !name || !type || !address) {
        return std::unexpected(ImportProblem::damaged);
    }
    if (std::ranges::find(certificateTypes, *type) != certificateTypes.end()) {
        return std::unexpected(ImportProblem::notUserPassword);
    }
    ProviderFile file;
    file.carriesAuthority = authority.has_value();
    file.locations.push_back({*name, *address, detail::serverIdentity(identity.value_or(*address)),
                              username.value_or(std::string()), SecretText(password.value_or(std::string()))});
    if (password) {
        wipeString(*password);
    }
    return detail::readingOf(std::move(file));
}

} // namespace vantorel
