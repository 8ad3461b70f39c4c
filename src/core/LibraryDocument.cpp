#include "LibraryDocument.h"

#include "Text.h"

#include <algorithm>
#include <limits>
#include <nlohmann/json.hpp>

namespace vantorel::LibraryDocument {
namespace {

using nlohmann::json;

// Decoding ---------------------------------------------------------------------------------------
// Any deviation from the format makes the whole document unreadable, so each reader returns
// nothing at the first one and the caller turns that into `storageUnavailable`.

const json* member(const json& object, const char* key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

std::optional<std::string> readString(const json& object, const char* key) {
    const json* value = member(object, key);
    if (value == nullptr || !value->is_string()) {
        return std::nullopt;
    }
    return value->get<std::string>();
}

std::optional<bool> readBool(const json& object, const char* key) {
    const json* value = member(object, key);
    if (value == nullptr || !value->is_boolean()) {
        return std::nullopt;
    }
    return value->get<bool>();
}

std::optional<Uuid> readUuid(const json& object, const char* key) {
    const auto text = readString(object, key);
    return text ? Uuid::parse(*text) : std::nullopt;
}

// Only a JSON integer that fits a signed 64-bit value. A number written with a fraction or an
// exponent (1.0, 1e0) is refused even when its value is integral: the program never writes one,
// and reading it as 1 would hide a hand edit that changed the number's type.
std::optional<std::int64_t> readInt64(const json& object, const char* key) {
    const json* value = member(object, key);
    if (value == nullptr) {
        return std::nullopt;
    }
    if (value->is_number_unsigned()) {
        const auto number = value->get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return std::nullopt;
        }
        return static_cast<std::int64_t>(number);
    }
    if (value->is_number_integer()) {
        return value->get<std::int64_t>();
    }
    return std::nullopt;
}

std::optional<VPNProfile> readProfile(const json& object) {
    if (!object.is_object()) {
        return std::nullopt;
    }
    auto country = readString(object, "country");
    auto credentialID = readUuid(object, "credentialID");
    auto favorite = readBool(object, "favorite");
    auto id = readUuid(object, "id");
    auto name = readString(object, "name");
    auto remoteIdentifier = readString(object, "remoteIdentifier");
    auto server = readString(object, "server");
    auto username = readString(object, "username");
    if (!country || !credentialID || !favorite || !id || !name || !remoteIdentifier || !server || !username) {
        return std::nullopt;
    }
    return VPNProfile{*id,
                      std::move(*name),
                      std::move(*country),
                      std::move(*server),
                      std::move(*remoteIdentifier),
                      std::move(*username),
                      *credentialID,
                      *favorite};
}

std::optional<VPNSettings> readSettings(const json& object) {
    if (!object.is_object()) {
        return std::nullopt;
    }
    const auto allowLocalNetwork = readBool(object, "allowLocalNetwork");
    const auto disconnectOnSleep = readBool(object, "disconnectOnSleep");
    if (!allowLocalNetwork || !disconnectOnSleep) {
        return std::nullopt;
    }
    return VPNSettings{*allowLocalNetwork, *disconnectOnSleep};
}

std::optional<ProfileLibrary> readLibrary(const json& root) {
    if (!root.is_object()) {
        return std::nullopt;
    }
    ProfileLibrary library;
    const json* profiles = member(root, "profiles");
    const auto schemaVersion = readInt64(root, "schemaVersion");
    const json* settings = member(root, "settings");
    if (profiles == nullptr || !profiles->is_array() || !schemaVersion || settings == nullptr) {
        return std::nullopt;
    }
    library.schemaVersion = *schemaVersion;
    library.profiles.reserve(profiles->size());
    for (const json& entry : *profiles) {
        auto profile = readProfile(entry);
        if (!profile) {
            return std::nullopt;
        }
        library.profiles.push_back(std::move(*profile));
    }
    if (const json* selected = member(root, "selectedID"); selected != nullptr && !selected->is_null()) {
        library.selectedID = readUuid(root, "selectedID");
        if (!library.selectedID) {
            return std::nullopt;
        }
    }
    auto decodedSettings = readSettings(*settings);
    if (!decodedSettings) {
        return std::nullopt;
    }
    library.settings = *decodedSettings;
    return library;
}

// Encoding ---------------------------------------------------------------------------------------
// The layout is fixed byte for byte: two spaces per level, `"key" : value`, one member per line,
// keys in ascending byte order, "/" escaped, an empty array as "[", a blank line and "]".

class Writer final {
public:
    // Room for the whole document up front, so that it is written into one allocation.
    explicit Writer(std::size_t expectedSize) { m_out.reserve(expectedSize); }

    std::string take() { return std::move(m_out); }

    void openObject() { open('{'); }
    void closeObject() { close('}'); }
    void openArray() { open('['); }
    void closeArray() { close(']'); }

    // Starts the next member of the current object; its value follows.
    void key(std::string_view name) {
        nextItem();
        writeString(name);
        m_out += " : ";
    }
    // Starts the next element of the current array; its value follows.
    void element() { nextItem(); }

    void string(std::string_view value) { writeString(value); }
    void boolean(bool value) { m_out += value ? "true" : "false"; }
    void integer(std::int64_t value) { m_out += std::to_string(value); }

private:
    void open(char bracket) {
        m_out += bracket;
        m_itemsAtLevel.push_back(0);
    }

    void close(char bracket) {
        const bool empty = m_itemsAtLevel.back() == 0;
        m_itemsAtLevel.pop_back();
        m_out += empty ? "\n\n" : "\n";
        indent();
        m_out += bracket;
    }

    void nextItem() {
        if (m_itemsAtLevel.back()++ > 0) {
            m_out += ',';
        }
        m_out += '\n';
        indent();
    }

    void indent() { m_out.append(2 * m_itemsAtLevel.size(), ' '); }

    void writeString(std::string_view value) {
        static constexpr char hex[] = "0123456789abcdef";
        const auto needsEscape = [](char c) {
            return c == '"' || c == '\\' || c == '/' || static_cast<unsigned char>(c) < 0x20;
        };
        m_out += '"';
        // Runs of characters that need no escape go in whole: most texts are one such run.
        while (!value.empty()) {
            const auto plain = std::ranges::find_if(value, needsEscape);
            m_out.append(value.begin(), plain);
            if (plain == value.end()) {
                break;
            }
            const char c = *plain;
            value.remove_prefix(std::size_t(plain - value.begin()) + 1);
            switch (c) {
            case '"':
                m_out += "\\\"";
                break;
            case '\\':
                m_out += "\\\\";
                break;
            case '/':
                m_out += "\\/";
                break;
            case '\b':
                m_out += "\\b";
                break;
            case '\f':
                m_out += "\\f";
                break;
            case '\n':
                m_out += "\\n";
                break;
            case '\r':
                m_out += "\\r";
                break;
            case '\t':
                m_out += "\\t";
                break;
            default:
                m_out += "\\u00";
                m_out += hex[static_cast<unsigned char>(c) >> 4];
                m_out += hex[static_cast<unsigned char>(c) & 0x0F];
            }
        }
        m_out += '"';
    }

    std::string m_out;
    std::vector<int> m_itemsAtLevel;
};

void writeProfile(Writer& out, const VPNProfile& profile) {
    out.openObject();
    out.key("country");
    out.string(profile.country);
    out.key("credentialID");
    out.string(profile.credentialID.string());
    out.key("favorite");
    out.boolean(profile.favorite);
    out.key("id");
    out.string(profile.id.string());
    out.key("name");
    out.string(profile.name);
    out.key("remoteIdentifier");
    out.string(profile.remoteIdentifier);
    out.key("server");
    out.string(profile.server);
    out.key("username");
    out.string(profile.username);
    out.closeObject();
}

} // namespace

std::expected<ProfileLibrary, VPNFailure> decode(std::string_view bytes) {
    // The parser treats a NUL byte as the end of its input, so a document followed by a NUL and
    // anything at all would read as that document, and the next save would drop the rest. A NUL
    // has no place in JSON text (inside a string it is written \u0000): the document is unreadable.
    if (bytes.find('\0') != std::string_view::npos) {
        return std::unexpected(VPNFailure::storageUnavailable());
    }
    // The parser checks UTF-8 inside strings and refuses lone surrogate escapes; outside strings
    // any non-ASCII byte is a syntax error. Trailing text after the document is refused too.
    // An object that repeats a key keeps the last value (the program never writes one).
    const json root = json::parse(bytes.begin(), bytes.end(), nullptr, /*allow_exceptions=*/false);
    if (root.is_discarded()) {
        return std::unexpected(VPNFailure::storageUnavailable());
    }
    auto library = readLibrary(root);
    if (!library) {
        return std::unexpected(VPNFailure::storageUnavailable());
    }
    return std::move(*library);
}

std::string encode(const ProfileLibrary& library) {
    // About 330 bytes a location with typical texts, and the rest of the document.
    Writer out(256 + library.profiles.size() * 400);
    out.openObject();
    out.key("profiles");
    out.openArray();
    for (const auto& profile : library.profiles) {
        out.element();
        writeProfile(out, profile);
    }
    out.closeArray();
    out.key("schemaVersion");
    out.integer(library.schemaVersion);
    if (library.selectedID) {
        out.key("selectedID");
        out.string(library.selectedID->string());
    }
    out.key("settings");
    out.openObject();
    out.key("allowLocalNetwork");
    out.boolean(library.settings.allowLocalNetwork);
    out.key("disconnectOnSleep");
    out.boolean(library.settings.disconnectOnSleep);
    out.closeObject();
    out.closeObject();
    return out.take();
}

} // namespace vantorel::LibraryDocument
