#pragma once

#include "core/ProviderFile.h"

#include <expected>
#include <string>
#include <string_view>

// The readers of the profile files VPN providers hand out. They take untrusted bytes and never
// trust what they find: every text is checked to be UTF-8, every type is checked before use, and
// a signature on a file is not a reason to believe it.
namespace vantorel {

// Recognises the format from the bytes (never from a file name) and reads it.
ProviderFileReading readProviderFile(std::string_view bytes);

// A strongSwan profile (.sswan): one JSON object.
ProviderFileReading readStrongSwanProfile(std::string_view bytes);
// An Apple configuration profile (.mobileconfig): an XML or binary property list, bare or in a CMS
// SignedData envelope, whose IKEv2 VPN payloads are read.
ProviderFileReading readAppleProfile(std::string_view bytes);
// A NetworkManager connection (.nmconnection) for its strongSwan plugin: a GLib key file.
ProviderFileReading readNetworkManagerConnection(std::string_view bytes);

// The bytes of the file at `path`, which must be a regular file of at most
// maximumProviderFileSize bytes. A FIFO or a device is refused without waiting on it.
std::expected<std::string, ImportProblem> readProviderFileBytes(const char* path);

namespace detail {
// The server identity as the person is to see it: strongSwan writes a fully qualified domain name
// that must not be resolved as "@" and the name, and providers copy that into every format. Other
// forms ("@@" for an e-mail address, "@#" for a key id, addresses, names) stay as written, so that
// the person sees what the sheet refuses.
std::string serverIdentity(std::string identity);
// True when every text of every location is well-formed UTF-8.
bool textsAreUtf8(const ProviderFile& file);
// What every reader returns: the file's locations, or `damaged` when a text is not UTF-8.
ProviderFileReading readingOf(ProviderFile file);
} // namespace detail

} // namespace vantorel
