// The dialog shown after a project was created. Its "Save Diagnostics File"
// check box is hidden in the template, so OK normally leaves
// `saveDiagnostics` false.
#pragma once

#include "controls.h"

namespace zz::win {

class SuccessDlg {
public:
    static constexpr int kTemplateId = 136;

    // Window initialisation: the check box starts unchecked. Always true.
    bool OnInitDialog(Controls& controls);

    // OK: remembers the check box. The caller ends the dialog with OK.
    void OnOK(Controls& controls);

    bool saveDiagnostics = false;
};

}  // namespace zz::win
