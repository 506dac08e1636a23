#include "project/winfiles.h"

#include <chrono>
#include <cstdint>
#include <fstream>
#include <system_error>
#include <vector>

#include "project/fspath.h"

#ifdef _WIN32
// The two system calls we need, declared here so that the core stays free of
// the system headers.
extern "C" __declspec(dllimport) unsigned long __stdcall GetModuleFileNameW(void* module, wchar_t* name,
                                                                            unsigned long size);
extern "C" __declspec(dllimport) void __stdcall Sleep(unsigned long milliseconds);
#elif defined(__APPLE__)
extern "C" int _NSGetExecutablePath(char* buf, uint32_t* bufsize);
#include <thread>
#else
#include <thread>
#endif

namespace fs = std::filesystem;

namespace zz {

namespace {

bool nothingAt(const fs::path& path)
{
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    return status.type() == fs::file_type::not_found;
}

// Opens and reads a whole file. A folder, or anything else that cannot be
// opened as a file, fails.
bool readBytes(const fs::path& path, std::string& bytes)
{
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool copyEntry(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(from, ec);
    if (ec) return false;
    if (fs::is_symlink(status)) {
        // A link is copied as a link, never followed.
        const fs::file_status existing = fs::symlink_status(to, ec);
        if (existing.type() != fs::file_type::not_found) {
            if (fs::is_directory(existing)) return false;
            if (!fs::remove(to, ec)) return false;
        }
        fs::copy_symlink(from, to, ec);
        return !ec;
    }
    if (fs::is_directory(status)) {
        fs::create_directory(to, ec);  // an existing folder is accepted
        if (ec) return false;
        return copyFolderTree(utf8Path(from), utf8Path(to));
    }
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    return !ec;
}

}  // namespace

bool copyFolderTree(const std::string& source, const std::string& destination)
{
    const fs::path from = fsPath(source);
    const fs::path to = fsPath(destination);
    std::error_code ec;
    fs::directory_iterator it(from, ec);
    if (ec) return false;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        const fs::path name = it->path().filename();
        if (!copyEntry(it->path(), to / name)) return false;
    }
    return !ec;
}

void sleepMilliseconds(int milliseconds)
{
    if (milliseconds <= 0) return;
#ifdef _WIN32
    Sleep(static_cast<unsigned long>(milliseconds));
#else
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
#endif
}

std::string windowsTextFromBytes(const std::string& bytes)
{
    std::string text;
    text.reserve(bytes.size() + 1);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text += bytes[i];
    }
    if (!text.empty() && text.back() != '\n') text += '\n';
    return text;
}

std::string windowsBytesFromText(const std::string& text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16 + 2);
    for (const char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

bool readTextFile(const std::string& path, std::string& text, bool retry, int retryCount, bool createIfMissing,
                  const RetryWait& wait)
{
    text.clear();
    const fs::path file = fsPath(path);
    if (nothingAt(file)) {
        if (createIfMissing) {
            std::ofstream created(file, std::ios::binary);  // the outcome is not looked at
        }
        return true;
    }
    std::string bytes;
    bool opened = readBytes(file, bytes);
    for (int attempt = 0; !opened && retry && attempt < retryCount; ++attempt) {
        if (wait) wait(kRetryWaitMilliseconds);
        bytes.clear();
        opened = readBytes(file, bytes);
    }
    if (!opened) return false;
    text = windowsTextFromBytes(bytes);
    return true;
}

bool writeTextFile(const std::string& path, const std::string& text)
{
    const fs::path file = fsPath(path);
    std::error_code ec;
    if (fs::is_directory(file, ec)) return false;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const std::string bytes = windowsBytesFromText(text + '\n');
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const bool ok = static_cast<bool>(out);
    out.close();
    return ok && !out.fail();
}

std::string folderOfProgramFile(const std::string& programFile)
{
#ifdef _WIN32
    const auto cut = programFile.find_last_of("\\/");
#else
    const auto cut = programFile.find_last_of('/');
#endif
    if (cut == std::string::npos) return {};
    return programFile.substr(0, cut);
}

std::string programFile()
{
#ifdef _WIN32
    // The name is read whole, however long: the buffer grows until it fits.
    std::vector<wchar_t> buffer(260);
    for (;;) {
        const unsigned long n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<unsigned long>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return utf8Path(fs::path(std::wstring(buffer.data(), n)));
        if (buffer.size() >= 32768 * 2) return {};
        buffer.resize(buffer.size() * 2);
    }
#elif defined(__APPLE__)
    uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::vector<char> buffer(size + 1, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) != 0) return {};
    return std::string(buffer.data());
#else
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return utf8Path(exe);
#endif
}

std::string programFolder()
{
    return folderOfProgramFile(programFile());
}

}  // namespace zz
