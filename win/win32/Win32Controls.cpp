#include "Win32Controls.h"

#include <shlobj.h>

#include <cstring>
#include <vector>

#include "../SuccessDlg.h"
#include "../Zizavizerovo.h"

namespace zz::win {

std::wstring widen(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string narrow(const std::wstring& utf16)
{
    if (utf16.empty())
        return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// ---- Controls ----------------------------------------------------------------

bool Win32Controls::exists(int id) const
{
    return item(id) != nullptr;
}

std::string Win32Controls::text(int id) const
{
    HWND control = item(id);
    if (!control)
        return {};
    int length = GetWindowTextLengthW(control);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(control, buffer.data(), length + 1);
    buffer.resize(static_cast<size_t>(got > 0 ? got : 0));
    return narrow(buffer);
}

void Win32Controls::setText(int id, const std::string& text)
{
    SetDlgItemTextW(dialog_, id, widen(text).c_str());
}

bool Win32Controls::checked(int id) const
{
    return IsDlgButtonChecked(dialog_, id) == BST_CHECKED;
}

void Win32Controls::setChecked(int id, bool checked)
{
    CheckDlgButton(dialog_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Win32Controls::clearItems(int id)
{
    send(id, CB_RESETCONTENT);
}

int Win32Controls::addItem(int id, const std::string& text)
{
    std::wstring wide = widen(text);
    return static_cast<int>(send(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

void Win32Controls::setItemData(int id, int index, std::intptr_t data)
{
    send(id, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

std::intptr_t Win32Controls::itemData(int id, int index) const
{
    return static_cast<std::intptr_t>(send(id, CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int Win32Controls::itemCount(int id) const
{
    return static_cast<int>(send(id, CB_GETCOUNT));
}

int Win32Controls::selection(int id) const
{
    return static_cast<int>(send(id, CB_GETCURSEL));
}

void Win32Controls::setSelection(int id, int index)
{
    send(id, CB_SETCURSEL, static_cast<WPARAM>(index));
}

bool Win32Controls::enabled(int id) const
{
    HWND control = item(id);
    return control && IsWindowEnabled(control);
}

void Win32Controls::setEnabled(int id, bool enabled)
{
    if (HWND control = item(id))
        EnableWindow(control, enabled);
}

bool Win32Controls::visible(int id) const
{
    HWND control = item(id);
    return control && (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Controls::setVisible(int id, bool visible)
{
    if (HWND control = item(id))
        ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

void Win32Controls::setTextLimit(int id, std::size_t characters)
{
    send(id, EM_SETLIMITTEXT, static_cast<WPARAM>(characters));
}

void Win32Controls::selectAll(int id)
{
    send(id, EM_SETSEL, 0, -1);
}

void Win32Controls::clearSelection(int id)
{
    send(id, EM_SETSEL, static_cast<WPARAM>(-1), 0);
}

void Win32Controls::scrollCaret(int id)
{
    send(id, EM_SCROLLCARET);
}

void Win32Controls::invalidate()
{
    InvalidateRect(dialog_, nullptr, TRUE);
}

// ---- Platform ----------------------------------------------------------------

void Win32Platform::messageBox(const std::string& text)
{
    MessageBoxW(GetActiveWindow(), widen(text).c_str(), widen(kApplicationName).c_str(), MB_OK);
}

bool Win32Platform::copyToClipboard(const std::string& text)
{
    // Owner: the active window of this thread (the sheet while it runs).
    // Another program (a clipboard manager, a remote-desktop agent, a reader
    // polling the clipboard) may hold it open for a moment; a click must not
    // silently leave the old text there, so try for up to half a second.
    const HWND owner = GetActiveWindow();
    bool opened = OpenClipboard(owner) != FALSE;
    for (int attempt = 0; !opened && attempt < 25; ++attempt) {
        Sleep(20);
        opened = OpenClipboard(owner) != FALSE;
    }
    if (!opened)
        return false;
    EmptyClipboard();
    bool placed = false;
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1)) {
        if (void* memory = GlobalLock(block)) {
            std::memcpy(memory, text.c_str(), text.size() + 1);
            GlobalUnlock(block);
            placed = SetClipboardData(CF_TEXT, block) != nullptr;
        }
        if (!placed)
            GlobalFree(block);  // the clipboard did not take it
    }
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
    info.hwndOwner = GetActiveWindow();
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
    // The whole path, however long it is.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return {};
        if (n < buffer.size())
            return narrow(std::wstring(buffer.data(), n));
        buffer.resize(buffer.size() * 2);
    }
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

namespace {

struct SuccessDialogRun {
    SuccessDlg* dialog;
    Win32Controls* controls;
};

// Puts a dialog in the middle of the window that owns it.
void centerOverOwner(HWND window)
{
    HWND owner = GetWindow(window, GW_OWNER);
    RECT ownerRect, rect;
    if (!owner || !GetWindowRect(owner, &ownerRect) || !GetWindowRect(window, &rect))
        return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    SetWindowPos(window, nullptr, (ownerRect.left + ownerRect.right - width) / 2,
                 (ownerRect.top + ownerRect.bottom - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK successProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* run = reinterpret_cast<SuccessDialogRun*>(GetWindowLongPtrW(window, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        run = reinterpret_cast<SuccessDialogRun*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        run->controls = new Win32Controls(window);
        centerOverOwner(window);
        return run->dialog->OnInitDialog(*run->controls) ? TRUE : FALSE;
    }
    case WM_COMMAND:
        if (!run)
            return FALSE;
        if (LOWORD(wParam) == IDOK) {
            run->dialog->OnOK(*run->controls);
            EndDialog(window, kResultOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(window, kResultCancel);
            return TRUE;
        }
        return FALSE;
    case WM_NCDESTROY:
        if (run) {
            delete run->controls;
            run->controls = nullptr;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

int Win32Platform::runSuccessDialog(SuccessDlg& dialog)
{
    SuccessDialogRun run{&dialog, nullptr};
    // No parent given: the dialog is owned by the active window of the thread.
    INT_PTR result = DialogBoxParamW(instance_, MAKEINTRESOURCEW(SuccessDlg::kTemplateId), GetActiveWindow(),
                                     successProc, reinterpret_cast<LPARAM>(&run));
    return result == kResultOK ? kResultOK : kResultCancel;
}

}  // namespace zz::win
