#include "Win32Platform.h"

#include <shlobj.h>

#include <cstring>

#include "../Zizavizerovo.h"
#include "Win32SuccessDlg.h"
#include "common/files.h"

namespace zz::win {

Win32Platform::Win32Platform(HINSTANCE instance) : instance_(instance)
{
    const UINT codePage = machineAnsiCodePage();
    if (codePage != 0 && codePage != CP_UTF8 && IsValidCodePage(codePage))
        codePage_ = std::make_unique<Win32CodePage>(codePage);
}

void Win32Platform::messageBox(const std::string& text)
{
    MessageBoxW(owner_, widen(text).c_str(), widen(kApplicationName).c_str(), MB_OK);
}

namespace {

// A movable memory block holding `size` bytes from `data`; null when the
// memory could not be had.
HGLOBAL blockWith(const void* data, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (!block)
        return nullptr;
    void* memory = GlobalLock(block);
    if (!memory) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(memory, data, size);
    GlobalUnlock(block);
    return block;
}

// Hands the block to the clipboard, which then owns it; a block it does not
// take is freed here.
bool handToClipboard(UINT format, HGLOBAL block)
{
    if (!block)
        return false;
    if (SetClipboardData(format, block))
        return true;
    GlobalFree(block);
    return false;
}

}  // namespace

bool Win32Platform::copyToClipboard(const std::string& text)
{
    // Another program (a clipboard manager, a remote-desktop agent, a reader
    // polling the clipboard) may hold it open for a moment; a click must not
    // silently leave the old text there, so try for up to half a second.
    bool opened = OpenClipboard(owner_) != FALSE;
    for (int attempt = 0; !opened && attempt < 25; ++attempt) {
        Sleep(20);
        opened = OpenClipboard(owner_) != FALSE;
    }
    if (!opened)
        return false;
    EmptyClipboard();
    // Unicode text only: the system makes the 8-bit text (CF_TEXT) from it
    // for programs that ask for that, in the code page of the clipboard's
    // locale. This program's own 8-bit code page is UTF-8, which no reader
    // of CF_TEXT expects.
    const std::wstring wide = widen(text);
    const bool placed =
        handToClipboard(CF_UNICODETEXT, blockWith(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)));
    CloseClipboard();
    return placed;
}

namespace {

int CALLBACK browseCallback(HWND dialog, UINT message, LPARAM parameter, LPARAM data)
{
    switch (message) {
    case BFFM_INITIALIZED:
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
        break;
    case BFFM_SELCHANGED: {
        wchar_t path[MAX_PATH];
        if (SHGetPathFromIDListW(reinterpret_cast<LPCITEMIDLIST>(parameter), path))
            SendMessageW(dialog, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path));
        break;
    }
    default:
        break;
    }
    return 0;
}

}  // namespace

std::string Win32Platform::browseForFolder(const std::string& title, const std::string& start)
{
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || !allocator)
        return start;

    std::wstring wideTitle = widen(title);
    std::wstring wideStart = widen(start);
    BROWSEINFOW info{};
    info.hwndOwner = owner_;
    info.pidlRoot = nullptr;
    info.pszDisplayName = nullptr;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = BIF_STATUSTEXT | BIF_NEWDIALOGSTYLE;
    info.lpfn = browseCallback;
    info.lParam = reinterpret_cast<LPARAM>(wideStart.c_str());

    std::string result = start;
    if (LPITEMIDLIST item = SHBrowseForFolderW(&info)) {
        wchar_t path[MAX_PATH] = L"";
        if (SHGetPathFromIDListW(item, path))
            result = narrow(path);
        allocator->Free(item);
    }
    allocator->Release();
    return result;
}

std::string Win32Platform::programPath()
{
    return files::programFile();
}

std::optional<std::string> Win32Platform::environment(const std::string& name)
{
    std::wstring wideName = widen(name);
    DWORD n = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (n == 0)
        return std::nullopt;
    std::wstring value(n, L'\0');
    n = GetEnvironmentVariableW(wideName.c_str(), value.data(), n);
    value.resize(n);
    return narrow(value);
}

int Win32Platform::runSuccessDialog(SuccessDlg& dialog)
{
    return runSuccessDialogBox(instance_, owner_, dialog);
}

}  // namespace zz::win
