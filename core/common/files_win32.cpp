#include "common/files.h"
#include "hostfiles.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <vector>

// The file services on Windows. This file and the Win32 layer of the Windows
// program are the only places that include the system's header.
namespace zz::files {

namespace {

std::wstring widePath(const std::string& path)
{
    return fsPath(path).wstring();
}

}  // namespace

ReadStatus HostFileSystem::readFile(const std::string& path, std::string& bytes, std::uintmax_t limit)
{
    bytes.clear();
    const std::wstring wide = widePath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadStatus::missing
                                                                              : ReadStatus::unreadable;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return ReadStatus::folder;
    // Other programs may read and write the file meanwhile.
    const HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ReadStatus::unreadable;
    ReadStatus status = ReadStatus::ok;
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK) status = ReadStatus::special;
    else if (!GetFileSizeEx(file, &size)) status = ReadStatus::unreadable;
    else if (static_cast<std::uintmax_t>(size.QuadPart) > limit) status = ReadStatus::tooLarge;
    std::string content;
    std::vector<char> buffer(65536);
    while (status == ReadStatus::ok) {
        DWORD got = 0;
        if (!ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) {
            status = ReadStatus::unreadable;
            break;
        }
        if (got == 0) break;
        if (content.size() + got > limit) status = ReadStatus::tooLarge;
        else content.append(buffer.data(), got);
    }
    CloseHandle(file);
    if (status == ReadStatus::ok) bytes.swap(content);
    return status;
}

namespace {

class Win32OutputFile final : public OutputFile {
public:
    explicit Win32OutputFile(HANDLE file) : file_(file) {}
    ~Win32OutputFile() override
    {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    }

    bool write(std::string_view bytes) override
    {
        size_t done = 0;
        while (done < bytes.size()) {
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
            DWORD written = 0;
            if (!WriteFile(file_, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
            done += written;
        }
        return true;
    }

    bool close(bool synced) override
    {
        bool ok = !synced || FlushFileBuffers(file_) != FALSE;
        if (!CloseHandle(file_)) ok = false;
        file_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE file_;
};

}  // namespace

std::unique_ptr<OutputFile> HostFileSystem::createFile(const std::string& path)
{
    const HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32OutputFile>(file);
}

bool HostFileSystem::createEmptyFile(const std::string& path)
{
    const HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool disk = GetFileType(file) == FILE_TYPE_DISK;
    CloseHandle(file);
    return disk;
}

bool HostFileSystem::renameNoReplace(const std::string& from, const std::string& to)
{
    // Without MOVEFILE_REPLACE_EXISTING the move fails when anything is there.
    return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), 0) != FALSE;
}

std::intptr_t HostFileSystem::holdFolder(const std::string& path)
{
    // An open handle that does not share deletion keeps other processes from
    // removing the folder; it goes when the process does.
    const HANDLE folder = CreateFileW(widePath(path).c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    return folder == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(folder);
}

void HostFileSystem::releaseFolder(std::intptr_t hold)
{
    if (hold != -1) CloseHandle(reinterpret_cast<HANDLE>(hold));
}

bool HostFileSystem::folderIsHeld(const std::string& path)
{
    const HANDLE folder = CreateFileW(widePath(path).c_str(), FILE_LIST_DIRECTORY, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return true;  // held, or not ours to look at
    CloseHandle(folder);
    return false;
}

std::intptr_t HostFileSystem::lockFile(const std::string& path)
{
    // A folder takes no lock of its own here: a hidden file in it does.
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    const std::wstring lockPath = folder ? widePath(path + "\\.zizavizerovo-lock") : widePath(path);
    const HANDLE file = CreateFileW(lockPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                    folder ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return -1;
    OVERLAPPED at{};
    if (GetFileType(file) != FILE_TYPE_DISK ||
        !LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        CloseHandle(file);
        return -1;
    }
    return reinterpret_cast<std::intptr_t>(file);
}

void HostFileSystem::unlockFile(std::intptr_t lock)
{
    if (lock != -1) CloseHandle(reinterpret_cast<HANDLE>(lock));  // closing lets go of the lock
}

std::string_view hostPathSeparators()
{
    return "\\/";
}

char hostPathSeparator()
{
    return '\\';
}

std::string programFile()
{
    // The name is read whole, however long: the buffer grows until it fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return utf8Path(std::filesystem::path(std::wstring(buffer.data(), n)));
        if (buffer.size() >= 32768 * 2) return {};
        buffer.resize(buffer.size() * 2);
    }
}

void sleepMilliseconds(int milliseconds)
{
    if (milliseconds > 0) Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace zz::files
