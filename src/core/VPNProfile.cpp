#include "VPNProfile.h"

#include "Text.h"

namespace vantorel {
namespace {

constexpr std::size_t maxLabelLength = 63;
constexpr std::size_t maxHostLength = 253;

bool validText(std::string_view value, std::size_t max) {
    return !value.empty() && text::isValidUtf8(value) && !text::containsControlScalar(value) &&
           text::characterCount(value) <= max;
}

bool isAsciiAlphanumeric(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool validLabel(std::string_view label) {
    if (label.empty() || label.size() > maxLabelLength || label.front() == '-' || label.back() == '-') {
        return false;
    }
    for (const char c : label) {
        if (!isAsciiAlphanumeric(c) && c != '-') {
            return false;
        }
    }
    return true;
}

} // namespace

bool VPNProfile::validHost(std::string_view host) {
    if (text::characterCount(host) > maxHostLength) {
        return false;
    }
    if (host.find('.') == std::string_view::npos || host.back() == '.') {
        return false;
    }
    bool onlyDigitsAndDots = true;
    for (const char c : host) {
        onlyDigitsAndDots = onlyDigitsAndDots && ((c >= '0' && c <= '9') || c == '.');
    }
    if (onlyDigitsAndDots) {
        return false;
    }
    // Empty labels are kept, so a leading dot or ".." is caught by the label rule.
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = host.find('.', start);
        const std::string_view label = host.substr(start, dot == std::string_view::npos ? host.npos : dot - start);
        if (!validLabel(label)) {
            return false;
        }
        if (dot == std::string_view::npos) {
            return true;
        }
        start = dot + 1;
    }
}

std::expected<VPNProfile, VPNFailure> VPNProfile::validated() const {
    VPNProfile copy = *this;
    copy.name = text::trimmed(name);
    copy.country = text::trimmed(country);
    copy.server = text::lowercased(text::trimmed(server));
    copy.remoteIdentifier = text::lowercased(text::trimmed(remoteIdentifier));
    copy.username = text::trimmed(username);

    if (!validText(copy.name, 80) || !validText(copy.country, 80)) {
        return std::unexpected(VPNFailure::invalid(std::string(messages::nameAndCountry)));
    }
    if (!validHost(copy.server)) {
        return std::unexpected(VPNFailure::invalid(std::string(messages::server)));
    }
    if (!validHost(copy.remoteIdentifier)) {
        return std::unexpected(VPNFailure::invalid(std::string(messages::remoteIdentifier)));
    }
    if (!validText(copy.username, 254)) {
        return std::unexpected(VPNFailure::invalid(std::string(messages::username)));
    }
    return copy;
}

bool operator==(const VPNProfile& a, const VPNProfile& b) {
    return a.id == b.id && a.credentialID == b.credentialID && a.favorite == b.favorite &&
           text::canonicallyEqual(a.name, b.name) && text::canonicallyEqual(a.country, b.country) &&
           text::canonicallyEqual(a.server, b.server) &&
           text::canonicallyEqual(a.remoteIdentifier, b.remoteIdentifier) &&
           text::canonicallyEqual(a.username, b.username);
}

} // namespace vantorel
