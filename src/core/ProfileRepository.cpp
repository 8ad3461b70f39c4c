#include "ProfileRepository.h"

#include "AtomicFile.h"
#include "LibraryDocument.h"
#include "PosixFile.h"
#include "Text.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

namespace vantorel {
namespace {

std::unexpected<VPNFailure> storageFailure() {
    return std::unexpected(VPNFailure::storageUnavailable());
}

bool acceptablePassword(std::string_view password) {
    return !password.empty() && password.size() <= ProfileRepository::maxPasswordBytes &&
           password.find('\0') == std::string_view::npos && text::isValidUtf8(password);
}

} // namespace

ProfileRepository::ProfileRepository(std::filesystem::path fileURL, CredentialVault& vault, Writer writer)
    : m_fileURL(std::move(fileURL)), m_vault(vault), m_write(writer ? std::move(writer) : Writer(writeFileAtomically)) {
}

std::expected<ProfileLibrary, VPNFailure> ProfileRepository::load() const {
    // The checks run on the open descriptor, so nothing can be swapped in between check and read.
    // O_NOFOLLOW refuses a link; O_NONBLOCK keeps a FIFO planted at the path from hanging the open.
    const FileDescriptor fd(::open(m_fileURL.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (!fd) {
        if (errno == ENOENT) {
            return ProfileLibrary{};
        }
        return storageFailure();
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0 ||
        static_cast<std::size_t>(status.st_size) > maxDocumentSize) {
        return storageFailure();
    }
    const std::optional<std::string> bytes = readUpTo(fd.get(), maxDocumentSize);
    if (!bytes || bytes->size() > maxDocumentSize) {
        return storageFailure();
    }

    auto library = LibraryDocument::decode(*bytes);
    if (!library || !library->validated()) {
        return storageFailure();
    }
    return std::move(*library);
}

std::expected<void, VPNFailure> ProfileRepository::save(const ProfileLibrary& library) const {
    if (!library.validated()) {
        return storageFailure();
    }
    if (!m_write(LibraryDocument::encode(library), m_fileURL)) {
        return storageFailure();
    }
    return {};
}

std::expected<ProfileLibrary, VPNFailure> ProfileRepository::add(const VPNProfile& profile, std::string_view password,
                                                                 const ProfileLibrary& library) {
    auto location = profile.validated();
    if (!location) {
        return std::unexpected(location.error());
    }
    if (!acceptablePassword(password)) {
        return std::unexpected(VPNFailure::invalid(std::string(messages::password)));
    }

    ProfileLibrary next = library;
    next.profiles.push_back(*location);
    if (!next.selectedID) {
        next.selectedID = location->id;
    }
    if (auto checked = next.validated(); !checked) {
        return std::unexpected(checked.error());
    }

    if (auto stored = m_vault.insert(password, location->credentialID); !stored) {
        return std::unexpected(stored.error());
    }
    if (auto saved = save(next); !saved) {
        // No location without its password, and no password without its location. If this
        // removal fails too the item stays behind; nothing more can be done about it here.
        (void)m_vault.remove(location->credentialID);
        return std::unexpected(saved.error());
    }
    return next;
}

std::expected<ProfileLibrary, VPNFailure> ProfileRepository::remove(const VPNProfile& profile,
                                                                    const ProfileLibrary& library) {
    ProfileLibrary next = library;
    std::erase_if(next.profiles, [&](const VPNProfile& entry) { return entry.id == profile.id; });
    if (next.selectedID == profile.id) {
        next.selectedID = next.profiles.empty() ? std::nullopt : std::optional(next.profiles.front().id);
    }
    if (auto saved = save(next); !saved) {
        return std::unexpected(saved.error());
    }
    return next;
}

std::expected<void, VPNFailure> ProfileRepository::deleteCredential(const VPNProfile& profile) {
    return m_vault.remove(profile.credentialID);
}

} // namespace vantorel
