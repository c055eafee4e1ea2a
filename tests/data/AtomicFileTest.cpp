// Replacing a file: a failure at any byte leaves the old file and nothing
// else; targets that are no regular file are refused; what the old file was
// (its mode, owner, a link to it) survives.

#include "DataFileFixture.h"

#include "data/AtomicFile.h"
#include "data/DataFile.h"
#include "data/Errors.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cfloat>
#include <cstring>

using namespace datafiletest;

namespace {

std::string failureOf(const std::function<void()>& save)
{
    try {
        save();
    } catch (const FileError& e) {
        return e.what();
    }
    return {};
}

// A write that fails after `budget` bytes, as a full disk would.
struct FailingDisk {
    explicit FailingDisk(size_t budget)
    {
        setWriteFunctionForTests([budget, used = size_t{0}](int fd, const void* data, size_t size) mutable -> ssize_t {
            if (used >= budget) {
                errno = ENOSPC;
                return -1;
            }
            const size_t n = std::min(size, budget - used);
            used += n;
            return ::write(fd, data, n);
        });
    }
    ~FailingDisk() { setWriteFunctionForTests({}); }
};

TEST(AtomicFile, FailureAfterAnyByteKeepsTheOldFile)
{
    TempDir dir;
    const std::string old = dir.write("data.kwt", "old contents\r\n");
    const std::string bytes = "new contents, longer than the old ones\r\n";
    for (size_t budget = 0; budget < bytes.size(); ++budget) {
        SCOPED_TRACE(budget);
        FailingDisk disk(budget);
        const std::string message = failureOf([&] { replaceFileAtomically(old, bytes); });
        EXPECT_NE(message.find(old), std::string::npos) << message;
        EXPECT_NE(message.find(std::strerror(ENOSPC)), std::string::npos) << message;
        EXPECT_EQ(readBytes(old), "old contents\r\n");
        EXPECT_EQ(dir.names(), std::vector<std::string>{"data.kwt"}) << "a temporary file was left";
    }
    replaceFileAtomically(old, bytes);
    EXPECT_EQ(readBytes(old), bytes);
}

TEST(AtomicFile, TargetsThatAreNoRegularFile)
{
    TempDir dir;
    const std::string fifo = dir.path("pipe.kwt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(dir.path("folder.kwt"));
    for (const std::string& target : {fifo, dir.path("folder.kwt")}) {
        SCOPED_TRACE(target);
        const std::string message = failureOf([&] { replaceFileAtomically(target, "x"); });
        EXPECT_NE(message.find(target), std::string::npos) << message;
    }
    struct stat info {};
    ASSERT_EQ(::lstat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "the FIFO was replaced";

    // A link is followed, also one to a file not there yet.
    std::filesystem::create_symlink("new.kwt", dir.path("link.kwt"));
    replaceFileAtomically(dir.path("link.kwt"), "via link");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path("link.kwt")));
    EXPECT_EQ(readBytes(dir.path("new.kwt")), "via link");
}

TEST(AtomicFile, LongNamesAndWhatTheOldFileWas)
{
    TempDir dir;
    const std::string longName = dir.path(std::string(250, 'n') + ".kwt");
    replaceFileAtomically(longName, "long");
    EXPECT_EQ(readBytes(longName), "long");

    const std::string kept = dir.write("kept.kwt", "old");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(kept.c_str(), 4321, 4321), 0);
    }
    // Set-group-id on a group-executable file: giving a file its owner
    // clears that bit, so the mode must come after.
    ASSERT_EQ(::chmod(kept.c_str(), 02674), 0);
    replaceFileAtomically(kept, "new");
    struct stat info {};
    ASSERT_EQ(::stat(kept.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 02674u);
    if (root) {
        EXPECT_EQ(info.st_uid, 4321u);
    }

    // A file the user may not write is not replaced (root may write any).
    const std::string locked = dir.write("locked.kwt", "locked");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    const std::string message = failureOf([&] { replaceFileAtomically(locked, "new"); });
    EXPECT_EQ(message.empty(), root) << message;
    EXPECT_EQ(readBytes(locked), root ? "new" : "locked");
}

// Numbers of any size written to a KWT file read back to what was written.
TEST(AtomicFile, LargeValuesSurviveSaveAndRead)
{
    TempDir dir;
    const double values[] = {1e70, -1e70, 1e300, -1e300, DBL_MAX, -DBL_MAX};
    DataStore store;
    store.pointCount[1] = 3;
    for (int i = 0; i < 3; ++i) {
        store.x(1, i + 1) = values[2 * i];
        store.y(1, i + 1) = values[2 * i + 1];
    }
    store.sortSet(1);
    const DataStore written = store;
    writeDataFile(store, dir.path("big.kwt"));
    DataStore back;
    back.loadTargetSet = 1;
    readDataFile(back, dir.path("BIG.KWT"));
    ASSERT_EQ(back.pointCount[1], 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(back.x(1, i), written.x(1, i));
        EXPECT_EQ(back.y(1, i), written.y(1, i));
    }
}

} // namespace
