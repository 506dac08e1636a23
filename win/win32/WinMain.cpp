// The Windows program's entry point and the window procedures that connect the
// property sheet, its two pages and their controls to the page classes.

#include "Win32Platform.h"

#include <commctrl.h>
#include <ole2.h>

#include <memory>
#include <string>

#include "../Zizavizerovo.h"
#include "../resource.h"

namespace zz::win {
namespace {

HINSTANCE gInstance = nullptr;

// ---- Pages -------------------------------------------------------------------

// What a page's window keeps: the page object and its controls.
struct PageWindow {
    PropertyPage* page = nullptr;
    std::unique_ptr<Win32Controls> controls;
};

INT_PTR CALLBACK pageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<PageWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        auto* sheetPage = reinterpret_cast<PROPSHEETPAGEW*>(lParam);
        state = new PageWindow;
        state->page = reinterpret_cast<PropertyPage*>(sheetPage->lParam);
        state->controls = std::make_unique<Win32Controls>(window);
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
        state->page->attach(*state->controls);
        return state->page->OnInitDialog() ? TRUE : FALSE;
    }
    case WM_COMMAND:
        if (state && state->page->OnCommand(LOWORD(wParam), HIWORD(wParam))) {
            SetWindowLongPtrW(window, DWLP_MSGRESULT, 0);
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (state && header->code == PSN_SETACTIVE) {
            state->page->OnSetActive();
            SetWindowLongPtrW(window, DWLP_MSGRESULT, 0);
            return TRUE;
        }
        return FALSE;
    }
    case WM_NCDESTROY:
        if (state) {
            state->page->detach();
            delete state;
            SetWindowLongPtrW(window, DWLP_USER, 0);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

// ---- Sheet -------------------------------------------------------------------

class Win32Sheet : public SheetWindow {
public:
    Win32Sheet(MainSheet& sheet, Win32Platform& platform) : sheet_(sheet), platform_(platform) {}
    ~Win32Sheet() override { platform_.setOwnerWindow(nullptr); }

    // Before the pages: a message of the first page's initialisation already
    // belongs to the sheet.
    void attachWindow(HWND window)
    {
        window_ = window;
        platform_.setOwnerWindow(window);
        buttons_ = std::make_unique<Win32Controls>(window);
        sheet_.attach(*this);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Sheet::subclassProc)));
        sheet_.OnInitDialog();
    }

    Controls& buttons() override { return *buttons_; }

    std::intptr_t loadIcon(int iconId) override
    {
        return reinterpret_cast<std::intptr_t>(LoadIconW(gInstance, MAKEINTRESOURCEW(iconId)));
    }

    void setIcon(bool big, std::intptr_t icon) override
    {
        SendMessageW(window_, WM_SETICON, big ? ICON_BIG : ICON_SMALL, static_cast<LPARAM>(icon));
    }

    void endSheet(int) override
    {
        // The sheet's own Cancel processing ends the modal loop.
        ending_ = true;
        CallWindowProcW(original_, window_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(window_, IDCANCEL)));
    }

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<Win32Sheet*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (!self->ending_) {
            switch (message) {
            case WM_COMMAND: {
                const int id = LOWORD(wParam);
                if ((id == IDOK || id == IDCANCEL) && self->sheet_.OnCommand(id, HIWORD(wParam)))
                    return 0;
                break;
            }
            case WM_SYSCOMMAND:
                // The title bar's close box leaves like Exit, settings file included.
                if ((wParam & 0xFFF0) == SC_CLOSE) {
                    self->sheet_.OnExit();
                    return 0;
                }
                break;
            case WM_CLOSE:
                self->sheet_.OnExit();
                return 0;
            default:
                break;
            }
        }
        return CallWindowProcW(self->original_, window, message, wParam, lParam);
    }

    MainSheet& sheet_;
    Win32Platform& platform_;
    HWND window_ = nullptr;
    WNDPROC original_ = nullptr;
    std::unique_ptr<Win32Controls> buttons_;
    bool ending_ = false;
};

// The sheet being shown; the sheet callback has no user data of its own.
Win32Sheet* gShownSheet = nullptr;

int CALLBACK sheetCallback(HWND window, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && gShownSheet)
        gShownSheet->attachWindow(window);
    return 0;
}

class Win32Host : public AppHost {
public:
    explicit Win32Host(Win32Platform& platform) : platform_(platform) {}

    void initCommonControls() override
    {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&init);
    }

    int runSheet(MainSheet& sheet) override
    {
        std::wstring title = widen(sheet.title());
        PROPSHEETPAGEW pages[2] = {};
        for (int i = 0; i < sheet.pageCount(); ++i) {
            PropertyPage* page = sheet.page(i);
            pages[i].dwSize = sizeof(PROPSHEETPAGEW);
            pages[i].dwFlags = PSP_DEFAULT;
            pages[i].hInstance = gInstance;
            pages[i].pszTemplate = MAKEINTRESOURCEW(page->templateId());
            pages[i].pfnDlgProc = pageProc;
            pages[i].lParam = reinterpret_cast<LPARAM>(page);
        }

        PROPSHEETHEADERW header{};
        header.dwSize = sizeof(PROPSHEETHEADERW);
        header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;
        header.hwndParent = nullptr;
        header.hInstance = gInstance;
        header.pszCaption = title.c_str();
        header.nPages = static_cast<UINT>(sheet.pageCount());
        header.nStartPage = 0;
        header.ppsp = pages;
        header.pfnCallback = sheetCallback;

        Win32Sheet window(sheet, platform_);
        gShownSheet = &window;
        INT_PTR result = PropertySheetW(&header);
        gShownSheet = nullptr;
        return static_cast<int>(result);
    }

private:
    Win32Platform& platform_;
};

}  // namespace
}  // namespace zz::win

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    zz::win::gInstance = instance;
    OleInitialize(nullptr);  // the folder browser's new dialog style needs OLE
    {
        zz::win::Win32Platform platform(instance);
        zz::win::Win32Host host(platform);
        zz::win::CZizavizerovoApp app(host, platform);
        app.InitInstance();
    }
    OleUninitialize();
    return 0;
}
