#include "CredentialJournal.h"

#include "PosixFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace vantorel {
namespace {

// Nothing when the file is missing; the bytes, or an empty string for anything else that is not a
// plain file of a sane size.
std::optional<std::string> readJournal(const std::filesystem::path& file) {
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (!fd) {
        return errno == ENOENT ? std::nullopt : std::optional<std::string>(std::string());
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::size_t>(status.st_size) > CredentialJournal::maxSize) {
        return std::string();
    }
    auto bytes = readUpTo(fd.get(), CredentialJournal::maxSize);
    return bytes && bytes->size() <= CredentialJournal::maxSize ? std::move(bytes) : std::string();
}

} // namespace

CredentialJournal::CredentialJournal(std::filesystem::path file, DocumentWriter writer)
    : m_file(std::move(file)), m_write(writer ? std::move(writer) : DocumentWriter(writeFileAtomically)) {}

const std::set<Uuid>& CredentialJournal::ids() {
    if (!m_ids) {
        const auto bytes = readJournal(m_file);
        m_ids = bytes ? decode(*bytes) : std::set<Uuid>();
        if (!m_ids) {
            // Kept for whoever wants to look at it, out of the way of the next write.
            const std::filesystem::path aside = m_file.string() + ".unreadable";
            std::rename(m_file.c_str(), aside.c_str());
            m_ids.emplace();
        }
    }
    return *m_ids;
}

std::expected<void, VPNFailure> CredentialJournal::insert(const Uuid& id) {
    std::set<Uuid> next = ids();
    if (!next.insert(id).second) {
        return {};
    }
    return write(next);
}

std::expected<void, VPNFailure> CredentialJournal::erase(const Uuid& id) {
    std::set<Uuid> next = ids();
    if (next.erase(id) == 0) {
        return {};
    }
    return write(next);
}

std::expected<void, VPNFailure> CredentialJournal::write(const std::set<Uuid>& ids) {
    if (auto written = m_write(encode(ids), m_file); !written) {
        return written;
    }
    m_ids = ids;
    return {};
}

std::string CredentialJournal::encode(const std::set<Uuid>& ids) {
    std::string out = "{\n  \"inFlight\" : [";
    const char* separator = "\n    \"";
    for (const Uuid& id : ids) {
        out += separator;
        out += id.string();
        out += '"';
        separator = ",\n    \"";
    }
    out += ids.empty() ? "\n\n  ],\n" : "\n  ],\n";
    out += "  \"schemaVersion\" : 1\n}";
    return out;
}

std::optional<std::set<Uuid>> CredentialJournal::decode(std::string_view bytes) {
    // Not a format for hand edits: anything but exactly what encode writes, give or take white
    // space, is unreadable.
    const auto root = nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (!root.is_object() || root.size() != 2 || !root.contains("inFlight") || !root.contains("schemaVersion")) {
        return std::nullopt;
    }
    const auto& version = root["schemaVersion"];
    const auto& list = root["inFlight"];
    if (!version.is_number_unsigned() || version.get<std::uint64_t>() != 1 || !list.is_array()) {
        return std::nullopt;
    }
    std::set<Uuid> ids;
    for (const auto& entry : list) {
        const auto id = entry.is_string() ? Uuid::parse(entry.get_ref<const std::string&>()) : std::nullopt;
        if (!id) {
            return std::nullopt;
        }
        ids.insert(*id);
    }
    return ids;
}

} // namespace vantorel
