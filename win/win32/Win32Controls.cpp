#include "Win32Controls.h"

namespace zz::win {

std::wstring widen(std::string_view text, UINT codePage)
{
    if (text.empty())
        return {};
    int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
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

}  // namespace zz::win
