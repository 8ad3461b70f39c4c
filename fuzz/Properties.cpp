#include "Properties.h"

#include "core/LibraryDocument.h"
#include "core/NameCollator.h"
#include "core/Text.h"
#include "core/VPNProfile.h"

#include <array>
#include <vector>

namespace vantorel::fuzzing {
namespace {

std::vector<std::string_view> split(std::string_view bytes, char separator, std::size_t parts) {
    std::vector<std::string_view> out;
    while (out.size() + 1 < parts) {
        const std::size_t at = bytes.find(separator);
        if (at == std::string_view::npos) {
            break;
        }
        out.push_back(bytes.substr(0, at));
        bytes.remove_prefix(at + 1);
    }
    out.push_back(bytes);
    out.resize(parts);
    return out;
}

bool sameBytes(const VPNProfile& a, const VPNProfile& b) {
    return a.id == b.id && a.credentialID == b.credentialID && a.favorite == b.favorite && a.name == b.name &&
           a.country == b.country && a.server == b.server && a.remoteIdentifier == b.remoteIdentifier &&
           a.username == b.username;
}

bool acceptedText(std::string_view value, std::size_t limit) {
    return !value.empty() && text::isValidUtf8(value) && text::trimmed(value) == value &&
           text::characterCount(value) <= limit && !text::containsControlScalar(value);
}

} // namespace

std::optional<std::string> checkDocument(std::string_view bytes) {
    const auto library = LibraryDocument::decode(bytes);
    if (!library || !library->validated()) {
        return std::nullopt;
    }
    const std::string encoded = LibraryDocument::encode(*library);
    const auto again = LibraryDocument::decode(encoded);
    if (!again) {
        return "a checked library does not read back from its own encoding";
    }
    if (!(*again == *library)) {
        return "a checked library reads back different from its own encoding";
    }
    if (LibraryDocument::encode(*again) != encoded) {
        return "encoding is not a fixed point";
    }
    if (!again->validated()) {
        return "a checked library fails its check after a round trip";
    }
    return std::nullopt;
}

std::optional<std::string> checkRecord(std::string_view bytes) {
    const auto parts = split(bytes, '\xFF', 7);
    const VPNProfile profile{Uuid::random(),        std::string(parts[0]), std::string(parts[1]), std::string(parts[2]),
                             std::string(parts[3]), std::string(parts[4]), Uuid::random(),        false};
    if (const auto accepted = profile.validated()) {
        if (!acceptedText(accepted->name, 80) || !acceptedText(accepted->country, 80) ||
            !acceptedText(accepted->username, 254)) {
            return "an accepted location has a text outside the rules";
        }
        if (!VPNProfile::validHost(accepted->server) || !VPNProfile::validHost(accepted->remoteIdentifier) ||
            text::lowercased(accepted->server) != accepted->server) {
            return "an accepted location has a host outside the rules";
        }
        const auto again = accepted->validated();
        if (!again || !sameBytes(*again, *accepted)) {
            return "checking an accepted location again changes it";
        }
    }

    // A text always finds itself, and finding is blind to the case of ASCII letters.
    const std::string_view query = parts[5];
    if (!query.empty() && text::isValidUtf8(query) && !text::caselessContains(query, query)) {
        return "a text does not find itself";
    }
    std::string haystack = std::string(parts[0]) + " " + std::string(parts[1]);
    const bool found = text::caselessContains(haystack, query);
    for (char& c : haystack) {
        if (c >= 'a' && c <= 'z') {
            c = char(c - 'a' + 'A');
        }
    }
    if (text::caselessContains(haystack, query) != found) {
        return "upper-casing ASCII letters changes what the search finds";
    }

    // The name ordering is a strict weak order on any bytes.
    static const NameCollator collator("en_US");
    const std::string_view a = parts[0];
    const std::string_view b = parts[6];
    if (collator.less(a, a) || (collator.less(a, b) && collator.less(b, a))) {
        return "the name ordering is not a strict order";
    }
    return std::nullopt;
}

} // namespace vantorel::fuzzing
