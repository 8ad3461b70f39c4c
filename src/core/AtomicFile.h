#pragma once

#include "VPNFailure.h"

#include <expected>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vantorel {

// Writes `bytes` to `destination` so that a reader, a crash or a power cut sees either the whole
// old file or the whole new one. The folder is created if missing (mode 0700), refused if it is
// a symbolic link, and set to 0700; the file gets mode 0600. Every failure is
// `storageUnavailable`, and the old file is then untouched. Once the new file is in place, the
// temporary files that killed writes of the same destination left behind are removed.
std::expected<void, VPNFailure> writeFileAtomically(std::string_view bytes, const std::filesystem::path& destination);

// Something that writes a document's bytes to its destination: writeFileAtomically, or in tests a
// writer that fails on demand.
using DocumentWriter =
    std::function<std::expected<void, VPNFailure>(std::string_view bytes, const std::filesystem::path& destination)>;

// A write goes to "." + the destination's name up to its last "-" + a fresh UUID + ".tmp" beside the
// destination first: ".locations-<UUID>.tmp" for "locations-v1.json".
std::string temporaryFilePrefix(std::string_view destinationName);
inline constexpr std::string_view temporaryFileSuffix = ".tmp";

} // namespace vantorel
