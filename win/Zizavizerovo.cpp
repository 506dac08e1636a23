#include "Zizavizerovo.h"

namespace zz::win {

bool CZizavizerovoApp::InitInstance()
{
    host_.initCommonControls();
    MainSheet sheet(platform_);
    sheet.SetTitle(kSheetTitle);
    host_.runSheet(sheet);  // however the sheet ends, the process ends
    return false;
}

}  // namespace zz::win
