#include "common/files.h"
#include "hostfiles.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <cerrno>
#include <chrono>
#include <system_error>
#include <thread>
#include <vector>

#ifdef __APPLE__
#include <mach-o/dyld.h>
#endif

// The file services on Linux and macOS.
namespace zz::files {

namespace {

class PosixOutputFile final : public OutputFile {
public:
    explicit PosixOutputFile(int fd) : fd_(fd) {}
    ~PosixOutputFile() override
    {
        if (fd_ >= 0) ::close(fd_);
    }

    bool write(std::string_view bytes) override
    {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            done += static_cast<size_t>(n);
        }
        return true;
    }

    bool close(bool synced) override
    {
        bool ok = !synced || ::fsync(fd_) == 0;
        if (::close(fd_) != 0) ok = false;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

}  // namespace

ReadStatus HostFileSystem::readFile(const std::string& path, std::string& bytes, std::uintmax_t limit)
{
    bytes.clear();
    // What is there decides before anything is opened: opening a pipe for
    // reading would wait for a writer.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT || errno == ENOTDIR ? ReadStatus::missing
                                                                                     : ReadStatus::unreadable;
    if (S_ISDIR(info.st_mode)) return ReadStatus::folder;
    if (!S_ISREG(info.st_mode)) return ReadStatus::special;
    if (static_cast<std::uintmax_t>(info.st_size) > limit) return ReadStatus::tooLarge;

    // The entry may change between the look and the open: the open does not
    // wait, and what it opened is looked at again.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return ReadStatus::unreadable;
    ReadStatus status = ReadStatus::ok;
    if (::fstat(fd, &info) != 0) status = ReadStatus::unreadable;
    else if (S_ISDIR(info.st_mode)) status = ReadStatus::folder;
    else if (!S_ISREG(info.st_mode)) status = ReadStatus::special;
    std::string content;
    char buffer[65536];
    while (status == ReadStatus::ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            status = ReadStatus::unreadable;
            break;
        }
        // A file that grows while it is read (or one whose size the system
        // does not tell) still stops at the limit.
        if (content.size() + static_cast<size_t>(n) > limit) status = ReadStatus::tooLarge;
        else content.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    if (status == ReadStatus::ok) bytes.swap(content);
    return status;
}

std::unique_ptr<OutputFile> HostFileSystem::createFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixOutputFile>(fd);
}

bool HostFileSystem::createEmptyFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat info {};
    const bool file = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return file;
}

bool HostFileSystem::renameNoReplace(const std::string& from, const std::string& to)
{
#if defined(__APPLE__)
    return ::renamex_np(from.c_str(), to.c_str(), RENAME_EXCL) == 0;
#else
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without the flag: claim the name with a folder of our
    // own, which a rename of a folder then replaces.
    struct stat info {};
    if (::lstat(from.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    if (::mkdir(to.c_str(), 0700) != 0) return false;
    if (::rename(from.c_str(), to.c_str()) == 0) return true;
    ::rmdir(to.c_str());
    return false;
#endif
}

std::intptr_t HostFileSystem::holdFolder(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void HostFileSystem::releaseFolder(std::intptr_t hold)
{
    if (hold >= 0) ::close(static_cast<int>(hold));  // closing lets go of the lock
}

bool HostFileSystem::folderIsHeld(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;  // what cannot be looked at is left alone
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

std::intptr_t HostFileSystem::lockFile(const std::string& path)
{
    // A folder is locked itself; anything else is a lock file.
    int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !(S_ISREG(info.st_mode) || S_ISDIR(info.st_mode)) ||
        ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void HostFileSystem::unlockFile(std::intptr_t lock)
{
    if (lock >= 0) ::close(static_cast<int>(lock));  // closing lets go of the lock
}

std::string_view hostPathSeparators()
{
    return "/";
}

char hostPathSeparator()
{
    return '/';
}

std::string programFile()
{
#ifdef __APPLE__
    uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::vector<char> buffer(size + 1, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) != 0) return {};
    return std::string(buffer.data());
#else
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return utf8Path(exe);
#endif
}

void sleepMilliseconds(int milliseconds)
{
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace zz::files
