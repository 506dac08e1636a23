#include "SuccessDlg.h"

#include "resource.h"

namespace zz::win {

static_assert(SuccessDlg::kTemplateId == IDD_SUCCESSDLG, "success dialog template");

bool SuccessDlg::OnInitDialog(Controls& controls)
{
    controls.setChecked(IDC_SAVE_DIAGNOSTICS, false);
    return true;
}

void SuccessDlg::OnOK(Controls& controls)
{
    saveDiagnostics = controls.checked(IDC_SAVE_DIAGNOSTICS);
}

}  // namespace zz::win
