#include "PosixFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <unistd.h>

namespace vantorel {

FileDescriptor::~FileDescriptor() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::optional<std::string> readUpTo(int fd, std::size_t limit) {
    // Read in pieces rather than into a buffer of the whole limit: a document is usually a few
    // kilobytes, and a megabyte zeroed up front costs more than reading it.
    std::string bytes;
    std::array<char, 64 * 1024> piece{};
    while (bytes.size() <= limit) {
        const ssize_t count = ::read(fd, piece.data(), std::min(piece.size(), limit + 1 - bytes.size()));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        bytes.append(piece.data(), static_cast<std::size_t>(count));
    }
    return bytes;
}

} // namespace vantorel
