#include "PosixFile.h"

#include <cerrno>
#include <unistd.h>

namespace vantorel {

FileDescriptor::~FileDescriptor() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::optional<std::string> readUpTo(int fd, std::size_t limit) {
    std::string bytes(limit + 1, '\0');
    std::size_t total = 0;
    while (total < bytes.size()) {
        const ssize_t count = ::read(fd, bytes.data() + total, bytes.size() - total);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        total += static_cast<std::size_t>(count);
    }
    bytes.resize(total);
    return bytes;
}

} // namespace vantorel
