#include "AtomicFile.h"

#include "PosixFile.h"
#include "Uuid.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorel {
namespace {

constexpr mode_t folderMode = 0700;
constexpr mode_t fileMode = 0600;

std::unexpected<VPNFailure> failure() {
    return std::unexpected(VPNFailure::storageUnavailable());
}

// mkdir -p with mode 0700 for every folder it creates. Existing folders (or links to them higher
// up the path, such as a linked ~/.local/share) are left as they are.
bool createFolders(const std::filesystem::path& folder) {
    std::filesystem::path partial;
    for (const auto& component : folder) {
        partial /= component;
        if (::mkdir(partial.c_str(), folderMode) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return true;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Removes what killed writes of the same destination left: only names of exactly the temporary
// form, so that nothing else in the folder can be taken for one.
void removeLeftovers(int dir, std::string_view prefix) {
    const int listed = ::dup(dir);
    if (listed < 0) {
        return;
    }
    DIR* entries = ::fdopendir(listed);
    if (entries == nullptr) {
        ::close(listed);
        return;
    }
    constexpr std::size_t uuidLength = 36;
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view name = entry->d_name;
        if (name.size() == prefix.size() + uuidLength + temporaryFileSuffix.size() && name.starts_with(prefix) &&
            name.ends_with(temporaryFileSuffix) && Uuid::parse(name.substr(prefix.size(), uuidLength))) {
            ::unlinkat(dir, entry->d_name, 0);
        }
    }
    ::closedir(entries);
}

} // namespace

std::string temporaryFilePrefix(std::string_view destinationName) {
    const auto dash = destinationName.rfind('-');
    std::string prefix(1, '.');
    prefix += dash == std::string_view::npos ? destinationName : destinationName.substr(0, dash);
    prefix += '-';
    return prefix;
}

std::expected<void, VPNFailure> writeFileAtomically(std::string_view bytes, const std::filesystem::path& destination) {
    const std::filesystem::path folder = destination.parent_path().empty() ? "." : destination.parent_path();
    const std::string name = destination.filename();
    if (name.empty()) {
        return failure();
    }

    // Everything from here on is relative to this descriptor, so the folder cannot be swapped for
    // a link between the check and the writes. O_NOFOLLOW refuses a link in the folder's place.
    // The folders are made only when the folder is missing: after the first save it exists.
    constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int folderFd = ::open(folder.c_str(), folderFlags);
    if (folderFd < 0 && errno == ENOENT && createFolders(folder)) {
        folderFd = ::open(folder.c_str(), folderFlags);
    }
    const FileDescriptor dir(folderFd);
    // Only a folder whose mode is wrong is changed: a chmod dirties the folder's inode, and the
    // folder's fsync below would then have that to write too.
    struct stat folderStatus {};
    if (!dir || ::fstat(dir.get(), &folderStatus) != 0 ||
        ((folderStatus.st_mode & 07777) != folderMode && ::fchmod(dir.get(), folderMode) != 0)) {
        return failure();
    }

    const std::string prefix = temporaryFilePrefix(name);
    const std::string temporary = prefix + Uuid::random().string() + std::string(temporaryFileSuffix);
    struct RemoveTemporary {
        int dir;
        const std::string& name;
        bool renamed = false; // then the name is gone already
        ~RemoveTemporary() {
            if (!renamed) {
                ::unlinkat(dir, name.c_str(), 0);
            }
        }
    } removeTemporary{dir.get(), temporary};

    {
        const FileDescriptor file(
            ::openat(dir.get(), temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, fileMode));
        // fchmod makes the mode exact whatever the process umask is.
        if (!file || ::fchmod(file.get(), fileMode) != 0 || !writeAll(file.get(), bytes)) {
            return failure();
        }
        // Without this, a power cut after the rename can leave an empty or partial document where
        // the old one stood: the rename may reach the disk before the data does.
        if (::fsync(file.get()) != 0) {
            return failure();
        }
    }

    if (::renameat(dir.get(), temporary.c_str(), dir.get(), name.c_str()) != 0) {
        return failure();
    }
    removeTemporary.renamed = true;
    removeLeftovers(dir.get(), prefix);
    // Makes the rename itself durable. The new document is already in place at this point, so a
    // failure here is not reported as a failed save: that would claim the old data was kept.
    ::fsync(dir.get());
    return {};
}

} // namespace vantorel
