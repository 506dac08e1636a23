// The Windows program's sheet run in memory: the application object, the
// sheet with its pages on in-memory dialogs built from the real templates,
// and platform services that record what the program showed.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "MainSheet.h"
#include "SuccessDlg.h"
#include "Zizavizerovo.h"
#include "memdialog.h"
#include "project/codepage.h"
#include "tempfolder.h"

namespace zz::win::test {

class MemPlatform : public Platform {
public:
    void messageBox(const std::string& text) override { messages.push_back(text); }
    bool copyToClipboard(const std::string& text) override
    {
        if (!clipboardOpens)
            return false;
        clipboard = text;
        ++clipboardWrites;
        return true;
    }
    std::string browseForFolder(const std::string& title, const std::string& start) override
    {
        browserTitles.push_back(title);
        browserStarts.push_back(start);
        return chosenFolder ? *chosenFolder : start;
    }
    std::string programPath() override { return programFile; }
    std::optional<std::string> environment(const std::string& name) override
    {
        if (name == "APPDATA")
            return appData;
        return std::nullopt;
    }
    const CodePage* machineCodePage() override { return codePage; }
    int runSuccessDialog(SuccessDlg& dialog) override;

    std::vector<std::string> messages;
    std::string clipboard = "(untouched)";
    int clipboardWrites = 0;
    bool clipboardOpens = true;
    std::optional<std::string> chosenFolder;  // nothing: the user cancels
    std::vector<std::string> browserTitles, browserStarts;
    std::string programFile;
    std::optional<std::string> appData;
    const CodePage* codePage = nullptr;  // the settings file in UTF-8

    // What the user does in the success dialog; the default presses OK.
    std::function<int(MemDialog&)> successDialogAction;
    int successDialogsShown = 0;
};

// The sheet's own window: frame buttons, icon, end of the modal loop.
class MemSheetWindow : public SheetWindow {
public:
    MemSheetWindow();
    Controls& buttons() override { return buttons_; }
    std::intptr_t loadIcon(int iconId) override { return iconId == 129 ? 0x129 : 0; }
    void setIcon(bool big, std::intptr_t icon) override { (big ? bigIcon : smallIcon) = icon; }
    void endSheet(int result) override { endResult = result; }

    MemDialog& frame() { return buttons_; }
    std::intptr_t bigIcon = 0, smallIcon = 0;
    std::optional<int> endResult;

private:
    MemDialog buttons_;
};

// The program as a person sees it: the sheet open on the project page.
class SheetRun {
public:
    // The program lives in `programFolder` (with PluginTemplate beside it when
    // the test puts one there); APPDATA is `appData`.
    SheetRun(const std::string& programFolder, std::optional<std::string> appData);

    // Opens the sheet as the property sheet does: the first page's window and
    // initialisation, the sheet's initialisation, the first activation.
    void open();
    // The user selects a tab (0 project page, 1 coder page).
    void selectTab(int index);
    // The user presses Exit (the button takes the focus first).
    void pressExit();
    // The user presses Escape or Enter, or clicks the close box: the sheet
    // ends with the focus where it was, then its windows go.
    void pressEscape();

    MemDialog& projectForm() { return *dialogs_[0]; }
    MemDialog& coderForm() { return *dialogs_[1]; }
    ProjectPage& projectPage() { return sheet->projectPage; }
    ControlCoderPage& coderPage() { return sheet->koderPage; }

    MemPlatform platform;
    MemSheetWindow window;
    std::unique_ptr<MainSheet> sheet;
    int activeTab = -1;
    std::vector<int> initResults;  // what each page's OnInitDialog answered

private:
    void createPage(int index);
    std::unique_ptr<MemDialog> dialogs_[2];
};

}  // namespace zz::win::test
