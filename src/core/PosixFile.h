#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vantorel {

// Closes a descriptor on every way out.
class FileDescriptor final {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();
    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }

private:
    int m_fd;
};

// Reads `fd` to its end, but no more than `limit` + 1 bytes: a result longer than `limit` tells a
// file that grew past it after it was measured. Nothing when a read fails.
std::optional<std::string> readUpTo(int fd, std::size_t limit);

} // namespace vantorel
