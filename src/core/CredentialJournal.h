#pragma once

#include "AtomicFile.h"
#include "Uuid.h"
#include "VPNFailure.h"

#include <cstddef>
#include <expected>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace vantorel {

// The credential ids whose password may be in the secret store while the document does not name
// them: an add's between its store and its save, a removal's between its save and its deletion.
// Kept in a small file beside the document, written as the document is, so that what a give-up, a
// quit or a kill leaves in the store is known at the next change and taken back.
//
// The document always wins: an id the document names is never deleted because the journal names it
// too. A journal that cannot be read is set aside (renamed with ".unreadable" added) and counts as
// empty; it never stands in the way of the document.
class CredentialJournal final {
public:
    static constexpr std::string_view fileName = "credential-journal-v1.json";
    static constexpr std::size_t maxSize = 65'536;

    CredentialJournal(std::filesystem::path file, DocumentWriter writer);

    // Read from the file the first time they are asked for.
    const std::set<Uuid>& ids();
    // Each change is written through before it returns; on failure the journal is as it was.
    std::expected<void, VPNFailure> insert(const Uuid& id);
    std::expected<void, VPNFailure> erase(const Uuid& id);

    static std::string encode(const std::set<Uuid>& ids);
    static std::optional<std::set<Uuid>> decode(std::string_view bytes);

private:
    std::expected<void, VPNFailure> write(const std::set<Uuid>& ids);

    std::filesystem::path m_file;
    DocumentWriter m_write;
    std::optional<std::set<Uuid>> m_ids;
};

} // namespace vantorel
