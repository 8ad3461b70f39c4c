#pragma once

#include "ProfileLibrary.h"
#include "VPNFailure.h"

#include <expected>
#include <string>
#include <string_view>

// The library document: one UTF-8 JSON object holding the locations, the selection and the
// preferences. Reading is strict (every required key, exact JSON types, well-formed UTF-8);
// writing produces one fixed, byte-for-byte stable layout.
namespace vantorel::LibraryDocument {

// The library in the document's bytes; `storageUnavailable` when the bytes are not a readable
// document. Does not run the library's own checks.
std::expected<ProfileLibrary, VPNFailure> decode(std::string_view bytes);

// Pretty-printed, keys sorted, no final line break.
std::string encode(const ProfileLibrary& library);

} // namespace vantorel::LibraryDocument
