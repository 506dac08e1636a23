// The Win32 side of the page interface: real dialog controls. Texts cross
// this layer as UTF-8 and reach the controls through the wide API.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <string_view>

#include "../controls.h"

namespace zz::win {

// Text in `codePage` (UTF-8 unless said otherwise) as UTF-16, and UTF-16 as
// UTF-8.
std::wstring widen(std::string_view text, UINT codePage = CP_UTF8);
std::string narrow(const std::wstring& utf16);

// The controls of one dialog window, by control ID.
class Win32Controls : public Controls {
public:
    explicit Win32Controls(HWND dialog) : dialog_(dialog) {}
    HWND window() const { return dialog_; }

    bool exists(int id) const override;
    std::string text(int id) const override;
    void setText(int id, const std::string& text) override;
    bool checked(int id) const override;
    void setChecked(int id, bool checked) override;
    void clearItems(int id) override;
    int addItem(int id, const std::string& text) override;
    void setItemData(int id, int index, std::intptr_t data) override;
    std::intptr_t itemData(int id, int index) const override;
    int itemCount(int id) const override;
    int selection(int id) const override;
    void setSelection(int id, int index) override;
    bool enabled(int id) const override;
    void setEnabled(int id, bool enabled) override;
    bool visible(int id) const override;
    void setVisible(int id, bool visible) override;
    void setTextLimit(int id, std::size_t characters) override;
    void selectAll(int id) override;
    void clearSelection(int id) override;
    void scrollCaret(int id) override;
    void invalidate() override;

private:
    HWND item(int id) const { return GetDlgItem(dialog_, id); }
    LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendDlgItemMessageW(dialog_, id, message, wParam, lParam);
    }

    HWND dialog_;
};

}  // namespace zz::win
