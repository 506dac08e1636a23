#include "harness.h"


#include "resource.h"

namespace zz::win::test {

namespace {

DialogDef sheetFrameTemplate()
{
    DialogDef def;
    def.caption = "Zezure Tool-Kit";
    for (auto [id, text] : {std::pair<int, const char*>{IDOK, "OK"}, {IDCANCEL, "Cancel"}, {IDHELP, "Help"}}) {
        ControlDef c;
        c.id = id;
        c.kind = Kind::button;
        c.text = text;
        def.controls.push_back(c);
    }
    return def;
}

}  // namespace

int MemPlatform::runSuccessDialog(SuccessDlg& dialog)
{
    ++successDialogsShown;
    MemDialog window(programTemplates().at(IDD_SUCCESSDLG));
    dialog.OnInitDialog(window);
    int result = successDialogAction ? successDialogAction(window) : kResultOK;
    if (result == kResultOK)
        dialog.OnOK(window);
    return result;
}

MemSheetWindow::MemSheetWindow() : buttons_(sheetFrameTemplate()) {}

SheetRun::SheetRun(const std::string& programFolder, std::optional<std::string> appData)
{
    platform.programFile = programFolder + "/Zizavizerovo.exe";
    platform.appData = std::move(appData);
    sheet = std::make_unique<MainSheet>(platform);
}

void SheetRun::createPage(int index)
{
    PropertyPage* page = sheet->page(index);
    dialogs_[index] = std::make_unique<MemDialog>(programTemplates().at(page->templateId()));
    dialogs_[index]->notify = [page](int id, int code) { page->OnCommand(id, code); };
    page->attach(*dialogs_[index]);
    initResults.push_back(page->OnInitDialog() ? 1 : 0);
}

void SheetRun::open()
{
    createPage(0);
    sheet->attach(window);
    sheet->OnInitDialog();
    activeTab = 0;
    sheet->page(0)->OnSetActive();
}

void SheetRun::selectTab(int index)
{
    if (!dialogs_[index])
        createPage(index);
    activeTab = index;
    sheet->page(index)->OnSetActive();
}

void SheetRun::pressExit()
{
    // The button takes the focus first, as a click does.
    window.frame().requireUsable(IDCANCEL);
    if (activeTab >= 0)
        dialogs_[activeTab]->focus(0);
    sheet->OnCommand(IDCANCEL, kClicked);
}

void SheetRun::pressEscape()
{
    sheet->OnCommand(IDCANCEL, kClicked);
    // The windows are destroyed: the field with the focus loses it.
    if (activeTab >= 0)
        dialogs_[activeTab]->focus(0);
}

}  // namespace zz::win::test
