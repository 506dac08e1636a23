// The success dialog (template 136) as a Win32 modal dialog box.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace zz::win {

class SuccessDlg;

// Runs the dialog modally, owned by `owner` (the sheet); answers kResultOK or
// kResultCancel.
int runSuccessDialogBox(HINSTANCE instance, HWND owner, SuccessDlg& dialog);

}  // namespace zz::win
