#include "data/FollowReader.h"

#include "data/Errors.h"
#include "data/Messages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// The complete lines of `bytes`: up to and including the last CR or LF.
size_t completeLength(std::string_view bytes)
{
    const size_t last = bytes.find_last_of("\r\n");
    return last == std::string_view::npos ? 0 : last + 1;
}

void takePoints(DataStore& to, const DataStore& from, int s)
{
    const auto si = static_cast<size_t>(s);
    const int n = std::clamp(from.pointCount[si], 0, kSetCapacity);
    to.pointCount[si] = from.pointCount[si];
    std::copy_n(from.xs(s), n, to.xs(s));
    std::copy_n(from.ys(s), n, to.ys(s));
}

// Enough to notice a file that was written over rather than grown.
constexpr size_t kTailBytes = 64;

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// Reads up to `length` bytes at `offset`; fewer when the file ends sooner.
std::string readAt(int fd, uint64_t offset, size_t length, const std::string& path)
{
    std::string bytes(length, '\0');
    size_t got = 0;
    while (got < length) {
        const ssize_t n = ::pread(fd, bytes.data() + got, length - got, static_cast<off_t>(offset + got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(Messages::message(Messages::CannotOpenFile, {path, std::strerror(errno)}));
        }
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

} // namespace

// ---------------------------------------------------------------- FollowReader

FollowReader::FollowReader(std::string path, const DataStore& base)
    : path_(std::move(path)), kind_(dataFileKind(path_)), base_(base), raw_(base)
{
}

void FollowReader::restart(DataStore& store, std::string_view bytes)
{
    pending_.assign(bytes);
    unreadLines_ = false;
    restartFromPending(store);
}

void FollowReader::restartFromPending(DataStore& store)
{
    raw_ = store;
    for (int s = kFirstSet; s <= kLastSet; ++s)
        takePoints(raw_, base_, s);
    provisionalSet_ = 0;
    skipLineFeed_ = false;
    headDone_ = false;
    const std::string_view complete(pending_.data(), completeLength(pending_));
    if (kind_ == DataFileKind::Kwt) {
        // A KWT file names its point counts before the points: it is read
        // whole every time (a save replaces it whole anyway).
        readDataBytes(raw_, complete, path_, kFirstSet);
    } else {
        next_ = readPlainHead(raw_, complete, path_, kFirstSet);
        headDone_ = kind_ == DataFileKind::Plain || next_.line > 7;
        if (headDone_)
            keepPosition(readPlainLinesFrom(raw_, complete, path_, next_), complete.size());
    }
    DataStore shown = raw_;
    finishDataRead(shown, path_);
    store = shown;
}

bool FollowReader::completesLine(std::string_view more) const
{
    if (skipLineFeed_ && pending_.empty() && !more.empty() && more.front() == '\n')
        more.remove_prefix(1);
    return more.find_first_of("\r\n") != std::string_view::npos;
}

bool FollowReader::take(std::string_view more)
{
    unreadLines_ = unreadLines_ || completesLine(more);
    pending_.append(more);
    return unreadLines_;
}

bool FollowReader::update(DataStore& store)
{
    if (!unreadLines_)
        return false;
    unreadLines_ = false;
    if (kind_ == DataFileKind::Kwt || !headDone_) {
        restartFromPending(store);
        return true;
    }
    if (skipLineFeed_) {
        if (pending_.front() == '\n')
            pending_.erase(0, 1);
        skipLineFeed_ = false;
    }
    const size_t length = completeLength(pending_);
    if (length == 0)
        return false;

    // The point of an X line whose Y was missing is read again, Y and all.
    const int retracted = provisionalSet_;
    if (retracted > 0)
        --raw_.pointCount[static_cast<size_t>(retracted)];
    provisionalSet_ = 0;
    const PlainLinesStop stop = readPlainLinesFrom(raw_, std::string_view(pending_.data(), length), path_, next_);
    int first = stop.firstChanged;
    int last = stop.lastChanged;
    if (retracted > 0) {
        first = std::min(first, retracted);
        last = std::max(last, retracted);
    }
    keepPosition(stop, length);
    for (int s = first; s <= last; ++s) {
        takePoints(store, raw_, s);
        store.sortSet(s);
    }
    store.unsavedChanges = false;
    return first <= last;
}

void FollowReader::keepPosition(const PlainLinesStop& stop, size_t completeLength)
{
    provisionalSet_ = stop.provisionalSet;
    // A CR at the very end may be the first half of a CR LF.
    skipLineFeed_ = stop.resume.offset == completeLength && completeLength == pending_.size() && completeLength > 0
        && pending_[completeLength - 1] == '\r';
    pending_.erase(0, stop.resume.offset);
    next_ = {0, stop.resume.line, stop.resume.set};
}

// ---------------------------------------------------------------- FileFollower

FileFollower::FileFollower(std::string path, const DataStore& base)
    : path_(std::move(path)), reader_(path_, base)
{
}

void FileFollower::start(DataStore& store)
{
    readAll(store);
}

void FileFollower::readAll(DataStore& store)
{
    const std::string bytes = readFileBytes(path_);
    struct stat info {};
    const bool known = ::stat(path_.c_str(), &info) == 0;
    reader_.restart(store, bytes);
    device_ = known ? info.st_dev : 0;
    inode_ = known ? info.st_ino : 0;
    taken_ = bytes.size();
    tail_ = bytes.substr(bytes.size() - std::min(bytes.size(), kTailBytes));
    readAgain_ = false;
}

bool FileFollower::poll()
{
    if (readAgain_)
        return true;
    const FileHandle file(::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.fd() < 0)
        return false; // gone for the moment: a writer may put it back
    struct stat info {};
    if (::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const auto size = static_cast<uint64_t>(info.st_size);
    const bool sameFile = info.st_dev == device_ && info.st_ino == inode_ && size >= taken_
        && readAt(file.fd(), taken_ - tail_.size(), tail_.size(), path_) == tail_;
    if (!sameFile) {
        readAgain_ = true;
        return true;
    }
    if (size == taken_)
        return false;
    if (size > kMaxDataFileBytes)
        throw FileError(Messages::message(Messages::DataFileTooLarge, {path_}));
    const std::string more = readAt(file.fd(), taken_, static_cast<size_t>(size - taken_), path_);
    taken_ += more.size();
    tail_ += more;
    if (tail_.size() > kTailBytes)
        tail_.erase(0, tail_.size() - kTailBytes);
    return reader_.take(more);
}

bool FileFollower::apply(DataStore& store)
{
    if (readAgain_) {
        readAll(store);
        return true;
    }
    return reader_.update(store);
}
