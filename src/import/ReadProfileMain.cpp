// vantorel-read-profile FILE: reads one provider's profile file and writes what it found to
// standard output in the app's pipe format.
//
// The app runs this in a process of its own for every file it opens: the file comes from outside,
// so a file made to break one of the parsers breaks only this process; the parsers leave copies of
// the file's password in memory they free without wiping, and those go with the process; and the
// app itself never loads the property-list, CMS and key-file libraries.
#include "ProfileFormats.h"

#include <cerrno>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        bytes.remove_prefix(std::size_t(count));
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // The file may hold a password: no core file, and no other process of the user's may read
    // this one's memory.
    ::prctl(PR_SET_DUMPABLE, 0);
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    if (argc != 2) {
        return 2;
    }
    auto bytes = vantorel::readProviderFileBytes(argv[1]);
    const vantorel::ProviderFileReading reading =
        bytes ? vantorel::readProviderFile(*bytes) : std::unexpected(bytes.error());
    if (bytes) {
        vantorel::wipeString(*bytes);
    }
    std::string out = vantorel::encodeReading(reading);
    const bool written = writeAll(STDOUT_FILENO, out);
    vantorel::wipeString(out);
    return written ? 0 : 1;
}
