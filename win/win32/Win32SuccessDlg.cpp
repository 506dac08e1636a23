#include "Win32SuccessDlg.h"

#include "../SuccessDlg.h"
#include "Win32Controls.h"

namespace zz::win {

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

int runSuccessDialogBox(HINSTANCE instance, HWND owner, SuccessDlg& dialog)
{
    SuccessDialogRun run{&dialog, nullptr};
    INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(SuccessDlg::kTemplateId), owner, successProc,
                                     reinterpret_cast<LPARAM>(&run));
    return result == kResultOK ? kResultOK : kResultCancel;
}

}  // namespace zz::win
