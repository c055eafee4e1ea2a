#include "data/AtomicFile.h"

#include "data/DataFilePath.h"
#include "data/Errors.h"
#include "data/Messages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

WriteFunction& writeSeam()
{
    static WriteFunction seam;
    return seam;
}

[[noreturn]] void fail(std::string_view pattern, const std::string& target, std::string_view reason)
{
    throw FileError(Messages::message(pattern, {target, reason}));
}

[[noreturn]] void failWith(std::string_view pattern, const std::string& target, int error)
{
    fail(pattern, target, std::strerror(error));
}

// The file a path names after following symbolic links: the link itself
// stays, what it points to is replaced (also when that does not exist yet).
std::string followLinks(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), buffer, sizeof buffer);
        if (n < 0 || static_cast<size_t>(n) >= sizeof buffer)
            return current;
        const std::string link(buffer, static_cast<size_t>(n));
        current = link.front() == '/' ? link : std::string(directoryPart(current)) + link;
    }
    errno = ELOOP;
    return {};
}

// Writes everything or returns the error.
int writeAll(int fd, std::string_view bytes)
{
    size_t written = 0;
    while (written < bytes.size()) {
        const void* from = bytes.data() + written;
        const size_t left = bytes.size() - written;
        const ssize_t n = writeSeam() ? writeSeam()(fd, from, left) : ::write(fd, from, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        written += static_cast<size_t>(n);
    }
    return 0;
}

// A short hidden name in the folder, whatever the length of the target's
// name, so a legal long file name always leaves room for it.
std::string temporaryName(const std::string& folder)
{
    static std::atomic<unsigned> counter{0};
    char name[40];
    std::snprintf(name, sizeof name, ".kvx%d-%u.tmp", static_cast<int>(::getpid()), ++counter);
    return folder + name;
}

} // namespace

void setWriteFunctionForTests(WriteFunction write)
{
    writeSeam() = std::move(write);
}

void replaceFileAtomically(const std::string& target, std::string_view bytes)
{
    const std::string real = followLinks(target);
    if (real.empty())
        failWith(Messages::CannotCreateFile, target, errno);

    struct stat old {};
    const bool exists = ::stat(real.c_str(), &old) == 0;
    if (exists) {
        if (S_ISDIR(old.st_mode))
            failWith(Messages::CannotCreateFile, target, EISDIR);
        if (!S_ISREG(old.st_mode))
            fail(Messages::CannotCreateFile, target, Messages::NotARegularFile);
        // As an ordinary write into the file would be refused.
        if (::faccessat(AT_FDCWD, real.c_str(), W_OK, AT_EACCESS) != 0)
            failWith(Messages::CannotCreateFile, target, errno);
    }

    const std::string dirPart(directoryPart(real));
    const std::string folder = dirPart.empty() ? std::string("./") : dirPart;
    const mode_t mode = exists ? (old.st_mode & 07777) : 0666;

    // A file without a name first: killed before it is complete, the save
    // leaves nothing behind.
    // It is named later through /proc, so only where /proc is there.
    int fd = ::access("/proc/self/fd", X_OK) == 0 ? ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode) : -1;
    const bool unnamed = fd >= 0;
    std::string temporary;
    if (!unnamed) {
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            temporary = temporaryName(folder);
            fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd < 0 && errno != EEXIST)
                break;
        }
        if (fd < 0)
            failWith(Messages::CannotCreateFile, target, errno);
    }

    auto abandon = [&](std::string_view pattern, int error) {
        ::close(fd);
        if (!temporary.empty())
            ::unlink(temporary.c_str());
        failWith(pattern, target, error);
    };
    if (exists) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Only allowed where the user may give the file away; the group
            // alone may still be possible.
            (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
        // After the owner, whose change clears the set-id bits; and the
        // umask must not narrow the old file's mode.
        ::fchmod(fd, mode);
    }
    if (const int error = writeAll(fd, bytes))
        abandon(Messages::CannotWriteFile, error);
    if (::fsync(fd) != 0)
        abandon(Messages::CannotWriteFile, errno);
    if (unnamed) {
        // Named only now that it is complete and on disk.
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            temporary = temporaryName(folder);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0)
                break;
            const int error = errno;
            temporary.clear();
            if (error != EEXIST)
                abandon(Messages::CannotCreateFile, error);
        }
        if (temporary.empty())
            abandon(Messages::CannotCreateFile, EEXIST);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        failWith(Messages::CannotWriteFile, target, error);
    }
    if (::rename(temporary.c_str(), real.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        failWith(Messages::CannotWriteFile, target, error);
    }
    // The folder is not synced: should the rename be lost in a crash, the
    // old file is still there whole, and the save costs a third less.
}
