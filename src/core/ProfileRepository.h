#pragma once

#include "AtomicFile.h"
#include "CredentialVault.h"
#include "ProfileLibrary.h"
#include "Translatable.h"
#include "VPNFailure.h"
#include "VPNProfile.h"

#include <cstddef>
#include <expected>
#include <filesystem>
#include <functional>
#include <memory>
#include <stop_token>
#include <string_view>

namespace vantorel {

// The only component that touches the library document. Keeps no copy of the library: every
// load reads the file, every save writes the whole document. All failures of a load or a save
// reach the caller as `storageUnavailable`.
//
// Adding and removing a location also touch the secret store, whose calls complete later. Beside
// the document, a journal (CredentialJournal) names the credential ids that may be in the store
// without the document naming them, so that whatever a give-up, a quit or a kill leaves there is
// deleted at the next add or removal, before its own call.
class ProfileRepository final {
public:
    // Writes the document's (and the journal's) bytes to their destination; the default is
    // writeFileAtomically.
    using Writer = DocumentWriter;
    using Saved = std::expected<ProfileLibrary, VPNFailure>;

    static constexpr std::size_t maxDocumentSize = 1'048'576;
    static constexpr std::size_t maxPasswordBytes = 1'024;

    ProfileRepository(std::filesystem::path fileURL, CredentialVault& vault, Writer writer = {});
    ~ProfileRepository();
    ProfileRepository(const ProfileRepository&) = delete;
    ProfileRepository& operator=(const ProfileRepository&) = delete;

    // The stored library; the empty library when there is no document (nothing is created).
    std::expected<ProfileLibrary, VPNFailure> load() const;
    // Checks, encodes and writes the whole library.
    std::expected<void, VPNFailure> save(const ProfileLibrary& library) const;

    // Appends the checked location, selecting it if nothing was selected. A location or password
    // that does not pass its checks fails at once. Otherwise the password is stored, then the
    // document saved, and a failed save takes the password back out; the saved library, or the
    // failure, comes to `finished` later. A stop request gives the add up: `finished` is not called,
    // nothing more starts, and a store the secret store carries out after all is deleted again.
    std::expected<void, VPNFailure> add(const VPNProfile& profile, std::string_view password,
                                        const ProfileLibrary& library, std::stop_token stop,
                                        std::function<void(Saved)> finished);
    // Removes every location with the profile's id and saves, at once. The password is left to
    // deleteCredential, so that a secret-store failure cannot undo a removal already on disk.
    Saved remove(const VPNProfile& profile, const ProfileLibrary& library);
    // Deletes the removed profile's password, and then what earlier changes left behind; `done`
    // hears how the password's deletion went, unless the call is stopped first. `document` is the
    // library as saved by remove.
    void deleteCredential(const VPNProfile& profile, const ProfileLibrary& document, std::stop_token stop,
                          CredentialVault::Done done);

    // No secret-store call of an add or a removal is outstanding, including those given up on.
    bool settled() const;
    // Called each time the last outstanding call has answered.
    void setSettledHandler(std::function<void()> handler);

private:
    // Everything the secret store's answers may still need after the repository is gone.
    struct State;
    std::shared_ptr<State> m_state;
};

namespace messages {
inline constexpr std::string_view password =
    VANTOREL_TRANSLATABLE("VPNFailure", "Enter a connection password of at most 1,024 bytes.");
} // namespace messages

} // namespace vantorel
