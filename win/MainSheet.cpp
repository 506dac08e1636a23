#include "MainSheet.h"

#include "resource.h"

namespace zz::win {

MainSheet::MainSheet(Platform& platform) : projectPage(platform), koderPage(platform)
{
    projectPage.setSheet(this);
    koderPage.setSheet(this);
}

PropertyPage* MainSheet::page(int index)
{
    switch (index) {
    case 0:
        return &projectPage;
    case 1:
        return &koderPage;
    default:
        return nullptr;
    }
}

bool MainSheet::OnInitDialog()
{
    Controls& buttons = window_->buttons();
    buttons.setVisible(IDC_SHEET_HELP, false);
    buttons.setVisible(IDOK, false);
    buttons.setText(IDCANCEL, "Exit");

    icon = window_->loadIcon(IDR_MAINFRAME);
    window_->setIcon(true, icon);
    window_->setIcon(false, icon);
    return true;
}

void MainSheet::OnActivatePage(PropertyPage& page)
{
    if (auto* coder = dynamic_cast<ControlCoderPage*>(&page)) {
        if (projectPage.hasWindow())
            projectPage.parseControls();
        for (Zizudavuveva* record : {&coder->defKontrol, &coder->kontrol}) {
            record->enableParamSmoothing = projectPage.project.enableParamSmoothing;
            record->smoothingTimeMsec = projectPage.project.smoothingTimeMsec;
        }
        coder->initControls();
    }
}

void MainSheet::OnExit()
{
    if (closing_)
        return;
    closing_ = true;
    if (projectPage.hasWindow()) {
        projectPage.parseControls();
        projectPage.saveLogFile();
    }
    if (window_)
        window_->endSheet(kResultCancel);
}

bool MainSheet::OnCommand(int id, int code)
{
    if ((id == IDOK || id == IDCANCEL) && code == kClicked) {
        OnExit();
        return true;
    }
    return false;
}

}  // namespace zz::win
