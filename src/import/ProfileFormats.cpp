#include "ProfileFormats.h"

#include "core/Text.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorel {
namespace {

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// A byte-order mark and white space ahead of the content, as editors and web servers leave them.
std::string_view withoutLeadingSpace(std::string_view bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const auto content = bytes.find_first_not_of(" \t\r\n");
    return content == std::string_view::npos ? std::string_view() : bytes.substr(content);
}

class FileDescriptor final {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

ProviderFileReading readProviderFile(std::string_view bytes) {
    if (bytes.size() > maximumProviderFileSize) {
        return std::unexpected(ImportProblem::tooLarge);
    }
    const std::string_view content = withoutLeadingSpace(bytes);
    if (content.empty()) {
        return std::unexpected(ImportProblem::otherFormat);
    }
    ProviderFileReading reading = std::unexpected(ImportProblem::otherFormat);
    if (startsWith(content, "bplist00")) {
        reading = readAppleProfile(content);
    } else {
        switch (content.front()) {
        case '<':
        case '\x30': // a DER or BER SEQUENCE: the CMS envelope of a signed profile
            reading = readAppleProfile(content);
            break;
        case '{':
            reading = readStrongSwanProfile(content);
            break;
        case '[':
        case '#':
            reading = readNetworkManagerConnection(content);
            break;
        default:
            break;
        }
    }
    return reading;
}

ProviderFileReading detail::readingOf(ProviderFile file) {
    if (!textsAreUtf8(file)) {
        return std::unexpected(ImportProblem::damaged);
    }
    return file;
}

bool detail::textsAreUtf8(const ProviderFile& file) {
    for (const ProviderLocation& location : file.locations) {
        for (const std::string_view text :
             {std::string_view(location.name), std::string_view(location.server), std::string_view(location.identity),
              std::string_view(location.username), location.password.view()}) {
            if (!text::isValidUtf8(text)) {
                return false;
            }
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
    if (file.get() < 0) {
        return std::unexpected(ImportProblem::unreadable);
    }
    if (::fstat(file.get(), &status) != 0) {
        return std::unexpected(ImportProblem::unreadable);
    }
    if (!S_ISREG(status.st_mode)) {
        return std::unexpected(ImportProblem::notRegularFile);
    }
    // One byte more than allowed tells a file that grew since it was measured.
    std::string bytes(maximumProviderFileSize + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t count = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return std::unexpected(ImportProblem::unreadable);
        }
        if (count == 0) {
            break;
        }
        filled += std::size_t(count);
    }
    if (filled > maximumProviderFileSize) {
        return std::unexpected(ImportProblem::tooLarge);
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace vantorel
