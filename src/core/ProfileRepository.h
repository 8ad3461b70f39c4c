#pragma once

#include "AtomicFile.h"
#include "CredentialVault.h"
#include "ProfileLibrary.h"
#include "VPNFailure.h"
#include "VPNProfile.h"

#include <cstddef>
#include <expected>
#include <filesystem>
#include <functional>
#include <string_view>

namespace vantorel {

// The only component that touches the library document. Keeps no copy of the library: every
// load reads the file, every save writes the whole document. All failures of a load or a save
// reach the caller as `storageUnavailable`.
class ProfileRepository final {
public:
    // Writes the document bytes to the destination; the default is writeFileAtomically.
    using Writer = DocumentWriter;

    static constexpr std::size_t maxDocumentSize = 1'048'576;
    static constexpr std::size_t maxPasswordBytes = 1'024;

    ProfileRepository(std::filesystem::path fileURL, CredentialVault& vault, Writer writer = {});

    const std::filesystem::path& fileURL() const { return m_fileURL; }

    // The stored library; the empty library when there is no document (nothing is created).
    std::expected<ProfileLibrary, VPNFailure> load() const;
    // Checks, encodes and writes the whole library.
    std::expected<void, VPNFailure> save(const ProfileLibrary& library) const;

    // Appends the checked location, selecting it if nothing was selected. The password is stored
    // first and taken back out if the document cannot be saved. Returns the saved library.
    std::expected<ProfileLibrary, VPNFailure> add(const VPNProfile& profile, std::string_view password,
                                                  const ProfileLibrary& library);
    // Removes every location with the profile's id and saves; the password is left to
    // deleteCredential so that a vault failure cannot undo a removal already on disk.
    std::expected<ProfileLibrary, VPNFailure> remove(const VPNProfile& profile, const ProfileLibrary& library);
    std::expected<void, VPNFailure> deleteCredential(const VPNProfile& profile);

private:
    std::filesystem::path m_fileURL;
    CredentialVault& m_vault;
    Writer m_write;
};

namespace messages {
inline constexpr std::string_view password = "Enter a connection password of at most 1,024 bytes.";
} // namespace messages

} // namespace vantorel
