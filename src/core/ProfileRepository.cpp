#include "ProfileRepository.h"

#include "AtomicFile.h"
#include "CredentialJournal.h"
#include "LibraryDocument.h"
#include "PosixFile.h"
#include "SecretText.h"
#include "Text.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace vantorel {
namespace {

std::unexpected<VPNFailure> storageFailure() {
    return std::unexpected(VPNFailure::storageUnavailable());
}

bool acceptablePassword(std::string_view password) {
    return !password.empty() && password.size() <= ProfileRepository::maxPasswordBytes &&
           password.find('\0') == std::string_view::npos && text::isValidUtf8(password);
}

bool names(const ProfileLibrary& document, const Uuid& credentialID) {
    return std::ranges::find(document.profiles, credentialID, &VPNProfile::credentialID) != document.profiles.end();
}

} // namespace

struct ProfileRepository::State : std::enable_shared_from_this<State> {
    State(std::filesystem::path file, CredentialVault& vault, Writer writer)
        : fileURL(std::move(file)), vault(vault), write(writer ? std::move(writer) : Writer(writeFileAtomically)),
          journal(fileURL.parent_path() / CredentialJournal::fileName, write) {}

    std::expected<void, VPNFailure> save(const ProfileLibrary& library) const {
        if (!library.validated()) {
            return storageFailure();
        }
        if (!write(LibraryDocument::encode(library), fileURL)) {
            return storageFailure();
        }
        return {};
    }

    // Every secret-store call goes through here, so that `settled` knows when none is outstanding.
    template <class Start> void call(Start start, CredentialVault::Done then) {
        ++calls;
        start([state = self(), then = std::move(then)](CredentialVault::Result result) {
            then(std::move(result));
            if (--state->calls == 0 && state->settled) {
                state->settled();
            }
        });
    }

    // Deletes, one after another, `own` and the journal's ids that `document` does not name, leaving
    // alone those whose change is still in progress; an id whose deletion succeeds leaves the
    // journal. `then` hears how `own` went once all are done, unless the sweep is stopped first.
    void sweep(const ProfileLibrary& document, std::stop_token stop, std::optional<Uuid> own,
               std::function<void(CredentialVault::Result)> then) {
        auto ids = std::make_shared<std::vector<Uuid>>();
        if (own && !names(document, *own)) {
            ids->push_back(*own);
        }
        std::set<Uuid> named;
        for (const Uuid& id : journal.ids()) {
            if (names(document, id)) {
                named.insert(id); // the document wins: its password stays
            } else if (id != own && !inProgress.contains(id)) {
                ids->push_back(id);
            }
        }
        for (const Uuid& id : named) {
            (void)journal.erase(id);
        }
        sweepFrom(std::move(ids), 0, std::move(stop), own, {}, std::move(then));
    }

    void sweepFrom(std::shared_ptr<std::vector<Uuid>> ids, std::size_t next, std::stop_token stop,
                   std::optional<Uuid> own, CredentialVault::Result ownResult,
                   std::function<void(CredentialVault::Result)> then) {
        if (stop.stop_requested()) {
            return;
        }
        if (next == ids->size()) {
            then(std::move(ownResult));
            return;
        }
        const Uuid id = (*ids)[next];
        call([&](CredentialVault::Done done) { vault.remove(id, stop, std::move(done)); },
             [state = self(), ids, next, stop, own, ownResult, then = std::move(then),
              id](CredentialVault::Result deleted) mutable {
                 if (deleted) {
                     (void)state->journal.erase(id);
                 }
                 if (id == own) {
                     ownResult = deleted;
                 }
                 state->sweepFrom(std::move(ids), next + 1, std::move(stop), own, std::move(ownResult),
                                  std::move(then));
             });
    }

    // Deletes a password stored for a change that did not go through; until that succeeds, the
    // journal keeps its id for the next change to try again. Not to be stopped: the change it
    // belongs to is over.
    void takeBack(const Uuid& id, std::function<void()> then) {
        call([&](CredentialVault::Done done) { vault.remove(id, {}, std::move(done)); },
             [state = self(), id, then = std::move(then)](CredentialVault::Result deleted) {
                 if (deleted) {
                     (void)state->journal.erase(id);
                 }
                 state->inProgress.erase(id);
                 then();
             });
    }

    std::shared_ptr<State> self() { return shared_from_this(); }

    std::filesystem::path fileURL;
    CredentialVault& vault;
    Writer write;
    CredentialJournal journal;
    // Ids of adds not yet settled: the journal names them, but a sweep must not delete them.
    std::set<Uuid> inProgress;
    int calls = 0;
    std::function<void()> settled;
};

// The state of one add, from its store to its save.
struct AddChange {
    VPNProfile location;
    SecretText password;
    ProfileLibrary next;
    std::stop_token stop;
    std::function<void(ProfileRepository::Saved)> finished;
};

ProfileRepository::ProfileRepository(std::filesystem::path fileURL, CredentialVault& vault, Writer writer)
    : m_state(std::make_shared<State>(std::move(fileURL), vault, std::move(writer))) {}

ProfileRepository::~ProfileRepository() {
    m_state->settled = nullptr;
}

std::expected<ProfileLibrary, VPNFailure> ProfileRepository::load() const {
    // The checks run on the open descriptor, so nothing can be swapped in between check and read.
    // O_NOFOLLOW refuses a link; O_NONBLOCK keeps a FIFO planted at the path from hanging the open.
    const FileDescriptor fd(::open(m_state->fileURL.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
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
    return m_state->save(library);
}

std::expected<void, VPNFailure> ProfileRepository::add(const VPNProfile& profile, std::string_view password,
                                                       const ProfileLibrary& library, std::stop_token stop,
                                                       std::function<void(Saved)> finished) {
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

    // Named before anything can reach the store, so that no kill can leave the password unnamed.
    State& state = *m_state;
    const Uuid id = location->credentialID;
    if (!state.journal.insert(id)) {
        return storageFailure();
    }
    state.inProgress.insert(id);
    auto change = std::make_shared<AddChange>(
        AddChange{std::move(*location), SecretText(password), std::move(next), stop, std::move(finished)});

    const auto store = [state = state.self(), change](CredentialVault::Result) {
        const Uuid id = change->location.credentialID;
        if (change->stop.stop_requested()) {
            // Nothing went out: the id has nothing to name.
            state->inProgress.erase(id);
            (void)state->journal.erase(id);
            return;
        }
        state->call(
            [&](CredentialVault::Done done) { state->vault.insert(change->password.view(), id, change->stop, done); },
            [state, change, id](CredentialVault::Result stored) {
                change->password.wipe();
                if (!stored) {
                    // Whether the store kept anything is not known: the journal keeps the id.
                    state->inProgress.erase(id);
                    if (!change->stop.stop_requested()) {
                        change->finished(std::unexpected(stored.error()));
                    }
                    return;
                }
                if (change->stop.stop_requested()) {
                    state->takeBack(id, [] {});
                    return;
                }
                if (auto saved = state->save(change->next); !saved) {
                    // No location without its password, and no password without its location.
                    state->takeBack(id, [change, error = saved.error()] { change->finished(std::unexpected(error)); });
                    return;
                }
                state->inProgress.erase(id);
                (void)state->journal.erase(id); // if this fails, the document naming the id wins
                change->finished(std::move(change->next));
            });
    };
    state.sweep(library, std::move(stop), std::nullopt, store);
    return {};
}

ProfileRepository::Saved ProfileRepository::remove(const VPNProfile& profile, const ProfileLibrary& library) {
    ProfileLibrary next = library;
    std::erase_if(next.profiles, [&](const VPNProfile& entry) { return entry.id == profile.id; });
    if (next.selectedID == profile.id) {
        next.selectedID = next.profiles.empty() ? std::nullopt : std::optional(next.profiles.front().id);
    }
    // Named before the document lets go of it, so that a kill before its deletion cannot orphan it.
    if (!m_state->journal.insert(profile.credentialID)) {
        return storageFailure();
    }
    if (auto saved = save(next); !saved) {
        (void)m_state->journal.erase(profile.credentialID);
        return std::unexpected(saved.error());
    }
    return next;
}

void ProfileRepository::deleteCredential(const VPNProfile& profile, const ProfileLibrary& document,
                                         std::stop_token stop, CredentialVault::Done done) {
    m_state->sweep(document, std::move(stop), profile.credentialID, std::move(done));
}

bool ProfileRepository::settled() const {
    return m_state->calls == 0;
}

void ProfileRepository::setSettledHandler(std::function<void()> handler) {
    m_state->settled = std::move(handler);
}

} // namespace vantorel
