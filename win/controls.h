// The narrow interface between the page classes and their windows.
//
// A page talks to its dialog only through `Controls` (one dialog window, its
// controls addressed by control ID) and to the system only through
// `Platform` (message box, clipboard, folder chooser, program path,
// environment, the machine's code page, modal success dialog). The Win32
// layer implements both with real windows; the tests implement them in
// memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace zz {
class CodePage;
}

namespace zz::win {

// Notification codes a page receives with a control's ID. They carry the
// values of the Win32 codes so that the window layer hands them on unchanged.
enum Notification : int {
    kClicked = 0,        // BN_CLICKED
    kKillFocus = 0x200,  // EN_KILLFOCUS
    kChanged = 0x300,    // EN_CHANGE
};

// Dialog results.
enum DialogResult : int { kResultOK = 1, kResultCancel = 2 };

class Controls {
public:
    virtual ~Controls() = default;

    virtual bool exists(int id) const = 0;

    // Window text of any control (edit, button, static). Setting the text of an
    // edit control notifies the page of the change, as the system does.
    virtual std::string text(int id) const = 0;
    virtual void setText(int id, const std::string& text) = 0;

    // Check boxes and radio buttons.
    virtual bool checked(int id) const = 0;
    virtual void setChecked(int id, bool checked) = 0;

    // Drop-down lists. `selection` is -1 when no entry is selected.
    virtual void clearItems(int id) = 0;
    virtual int addItem(int id, const std::string& text) = 0;
    virtual void setItemData(int id, int index, std::intptr_t data) = 0;
    virtual std::intptr_t itemData(int id, int index) const = 0;
    virtual int itemCount(int id) const = 0;
    virtual int selection(int id) const = 0;
    virtual void setSelection(int id, int index) = 0;

    virtual bool enabled(int id) const = 0;
    virtual void setEnabled(int id, bool enabled) = 0;
    virtual bool visible(int id) const = 0;
    virtual void setVisible(int id, bool visible) = 0;

    // Edit controls: the cap on typed text (0: the system's default), the
    // whole text selected, the selection removed, the caret scrolled into view.
    virtual void setTextLimit(int id, std::size_t characters) = 0;
    virtual void selectAll(int id) = 0;
    virtual void clearSelection(int id) = 0;
    virtual void scrollCaret(int id) = 0;

    // The whole dialog is to be drawn again.
    virtual void invalidate() = 0;
};

class SuccessDlg;

class Platform {
public:
    virtual ~Platform() = default;

    // Modal message box titled with the application's name, one OK button.
    virtual void messageBox(const std::string& text) = 0;

    // Places the text on the clipboard as Unicode text (CF_UNICODETEXT),
    // which editors paste as the page showed it; programs that ask for 8-bit
    // text (CF_TEXT) get it from the system, in the machine's code page.
    // False when the clipboard could not be opened (or the text could not be
    // handed to it).
    virtual bool copyToClipboard(const std::string& text) = 0;

    // Runs the shell's folder browser starting at `start`; returns the chosen
    // folder, or `start` when the user cancelled or chose no file-system
    // folder.
    virtual std::string browseForFolder(const std::string& title, const std::string& start) = 0;

    // Full file name of the running program.
    virtual std::string programPath() = 0;

    // An environment variable; nothing when it is not set.
    virtual std::optional<std::string> environment(const std::string& name) = 0;

    // The machine's code page (not the program's own, which is UTF-8), in
    // which the settings file is kept when every character fits; null keeps
    // the file in UTF-8.
    virtual const CodePage* machineCodePage() = 0;

    // Runs the success dialog modally; returns kResultOK or kResultCancel.
    virtual int runSuccessDialog(SuccessDlg& dialog) = 0;
};

}  // namespace zz::win
