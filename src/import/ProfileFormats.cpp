#include "ProfileFormats.h"

#include "core/PosixFile.h"
#include "core/Text.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>

namespace vantorel {
namespace {

// A byte-order mark and white space ahead of the content, as editors and web servers leave them.
std::string_view withoutLeadingSpace(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const auto content = bytes.find_first_not_of(" \t\r\n");
    return content == std::string_view::npos ? std::string_view() : bytes.substr(content);
}

} // namespace

ProviderFileReading readProviderFile(std::string_view bytes) {
    if (bytes.size() > maximumProviderFileSize) {
        return std::unexpected(ImportProblem::tooLarge);
    }
    const std::string_view content = withoutLeadingSpace(bytes);
    if (content.empty()) {
        return std::unexpected(ImportProblem::otherFormat);
    }
    if (content.starts_with("bplist00")) {
        return readAppleProfile(content);
    }
    switch (content.front()) {
    case '<':
    case '\x30': // a DER or BER SEQUENCE: the CMS envelope of a signed profile
        return readAppleProfile(content);
    case '{':
        return readStrongSwanProfile(content);
    case '[':
    case '#':
        return readNetworkManagerConnection(content);
    default:
        return std::unexpected(ImportProblem::otherFormat);
    }
}

std::string detail::serverIdentity(std::string identity) {
    if (identity.size() > 1 && identity.front() == '@' && identity[1] != '@' && identity[1] != '#') {
        identity.erase(0, 1);
    }
    return identity;
}

ProviderFileReading detail::readingOf(ProviderFile file) {
    if (!textsAreUtf8(file)) {
        return std::unexpected(ImportProblem::damaged);
    }
    return file;
}

bool detail::textsAreUtf8(const ProviderFile& file) {
    for (const ProviderLocation& location : file.locations) {
        if (!std::ranges::all_of(location.texts(), text::isValidUtf8)) {
            return false;
        }
    }
    return true;
}

std::expected<std::string, ImportProblem> readProviderFileBytes(const char* path) {
    // What the name refers to is checked before it is opened: opening a FIFO for reading waits for
    // a writer, and opening a device may do something.
    struct stat status {};
    if (::stat(path, &status) != 0) {
        return std::unexpected(ImportProblem::unreadable);
    }
    if (!S_ISREG(status.st_mode)) {
        return std::unexpected(ImportProblem::notRegularFile);
    }
    if (std::size_t(status.st_size) > maximumProviderFileSize) {
        return std::unexpected(ImportProblem::tooLarge);
    }
    // Non-blocking, and checked again once open, in case the name was pointed elsewhere meanwhile.
    const FileDescriptor file(::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file) {
        return std::unexpected(ImportProblem::unreadable);
    }
    if (::fstat(file.get(), &status) != 0) {
        return std::unexpected(ImportProblem::unreadable);
    }
    if (!S_ISREG(status.st_mode)) {
        return std::unexpected(ImportProblem::notRegularFile);
    }
    std::optional<std::string> bytes = readUpTo(file.get(), maximumProviderFileSize);
    if (!bytes) {
        return std::unexpected(ImportProblem::unreadable);
    }
    if (bytes->size() > maximumProviderFileSize) {
        return std::unexpected(ImportProblem::tooLarge);
    }
    return std::move(*bytes);
}

} // namespace vantorel
