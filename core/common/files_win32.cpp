#include "common/files.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <vector>

// The two system calls the file services need, declared here so that the core
// stays free of the system headers.
extern "C" __declspec(dllimport) unsigned long __stdcall GetModuleFileNameW(void* module, wchar_t* name,
                                                                            unsigned long size);
extern "C" __declspec(dllimport) void __stdcall Sleep(unsigned long milliseconds);

// The file services on Windows.
namespace zz::files {

bool writeWholeFile(const std::string& path, std::string_view bytes, bool synced)
{
    const int fd = _wopen(fsPath(path).c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT,
                          _S_IREAD | _S_IWRITE);
    if (fd < 0) return false;
    size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        const size_t chunk = bytes.size() - done < 0x40000000u ? bytes.size() - done : 0x40000000u;
        const int n = _write(fd, bytes.data() + done, static_cast<unsigned>(chunk));
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (ok && synced && _commit(fd) != 0) ok = false;
    if (_close(fd) != 0) ok = false;
    return ok;
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
    std::vector<wchar_t> buffer(260);
    for (;;) {
        const unsigned long n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<unsigned long>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return utf8Path(std::filesystem::path(std::wstring(buffer.data(), n)));
        if (buffer.size() >= 32768 * 2) return {};
        buffer.resize(buffer.size() * 2);
    }
}

void sleepMilliseconds(int milliseconds)
{
    if (milliseconds > 0) Sleep(static_cast<unsigned long>(milliseconds));
}

}  // namespace zz::files
