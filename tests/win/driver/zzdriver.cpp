// Drives the real Windows program from outside, as a person would, by sending
// messages to its windows:
//   zzdriver APP.exe WORKFOLDER
// Prepares a settings file in code page 1252 under WORKFOLDER\appdata (the
// program's APPDATA), starts the program, checks the start-up form, switches
// to another window with an empty project name and finds the name's message
// owned by the program's window, pastes and sets text with line breaks into
// one-line fields, creates a project into the folder "Plug-ins Größe", copies
// parameter code and the bound-variable declaration and reads the clipboard
// back (8-bit and Unicode text), leaves with Exit and checks the settings file
// the program wrote; then starts it again, finds the remembered values and
// leaves through the title bar's close box. Every wait polls with a deadline
// and handles the driver's own window messages meanwhile. Wine runs with the
// Western code page 1252 as the machine's (run_e2e.sh sets the locale).
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

int passed = 0;
int failed = 0;

// UTF-16 in `codePage` (UTF-8 unless said otherwise).
std::string narrow(const std::wstring& w, UINT codePage = CP_UTF8)
{
    if (w.empty())
        return {};
    int n = WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

void check(bool ok, const std::string& what, const std::string& detail = {})
{
    (ok ? passed : failed)++;
    std::printf("%s: %s%s%s\n", ok ? "ok" : "FAIL", what.c_str(), detail.empty() ? "" : " -- ", detail.c_str());
    std::fflush(stdout);
}

// Polls `condition` every 50 ms until it holds or `seconds` have passed; the
// driver's own window gets its messages meanwhile.
bool waitFor(const std::function<bool()>& condition, double seconds)
{
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (condition())
            return true;
        if (GetTickCount64() > deadline)
            return false;
        Sleep(50);
    }
}

std::wstring textOf(HWND window)
{
    wchar_t buffer[4096] = L"";
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 10000, &result);
    return buffer;
}

std::string itemText(HWND dialog, int id)
{
    return narrow(textOf(GetDlgItem(dialog, id)));
}

LRESULT sendItem(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, id), message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, &result);
    return static_cast<LRESULT>(result);
}

void setItemText(HWND dialog, int id, const std::wstring& text)
{
    sendItem(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The whole text of an edit replaced by what the clipboard holds (Ctrl+A, Ctrl+V).
void pasteInto(HWND dialog, int id)
{
    sendItem(dialog, id, EM_SETSEL, 0, -1);
    sendItem(dialog, id, WM_PASTE);
}

// A click that may open a modal window: posted, so that we do not wait for it.
// The button's own notification is posted to its dialog, as a released mouse
// button makes the button send it: BM_CLICK would go through a simulated
// press (capture and focus), which Wine may drop while a fresh prefix is
// still starting up.
void click(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

bool setClipboard(const std::string& text)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    return true;
}

// Reads the clipboard's text in `format` (char for CF_TEXT, wchar_t for
// CF_UNICODETEXT); empty when it holds none or another program has it open
// right now.
template <typename Char>
std::basic_string<Char> clipboardData(UINT format)
{
    std::basic_string<Char> text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(format)) {
        if (const Char* p = static_cast<const Char*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

std::string clipboardText()
{
    return clipboardData<char>(CF_TEXT);
}

std::wstring clipboardUnicodeText()
{
    return clipboardData<wchar_t>(CF_UNICODETEXT);
}

// The machine's ANSI code page as the registry keeps it; 0 when unknown.
unsigned machineCodePage()
{
    wchar_t value[16] = L"";
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Nls\\CodePage", L"ACP",
                     RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return 0;
    return static_cast<unsigned>(wcstoul(value, nullptr, 10));
}

std::string readFileBytes(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool writeFileBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream out(path.c_str(), std::ios::binary);
    out << bytes;
    return static_cast<bool>(out);
}

HWND findDialog(const wchar_t* title, DWORD process, double seconds = 60)
{
    HWND found = nullptr;
    waitFor(
        [&] {
            HWND w = nullptr;
            while ((w = FindWindowExW(nullptr, w, L"#32770", title)) != nullptr) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == process && IsWindowVisible(w)) {
                    found = w;
                    return true;
                }
            }
            return false;
        },
        seconds);
    return found;
}

HWND currentPage(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// A window of another program, as far as the program under test can tell.
HWND makeOtherWindow()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZzDriverOtherProgram";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, windowClass.lpszClassName, L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                           40, 300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// The window that has the keyboard focus in the thread that owns `window`.
HWND focusOfThreadOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: zzdriver APP.exe WORKFOLDER\n");
        return 2;
    }
    const std::wstring app = argv[1];
    const std::wstring work = argv[2];
    const std::wstring appData = work + L"\\appdata";
    const std::wstring projects = work + L"\\Plug-ins Gr\u00f6\u00dfe";
    const std::wstring settingsFile = appData + L"\\Zizavizerovo\\zezurelog.txt";
    CreateDirectoryW(work.c_str(), nullptr);
    CreateDirectoryW(appData.c_str(), nullptr);
    CreateDirectoryW((appData + L"\\Zizavizerovo").c_str(), nullptr);
    CreateDirectoryW(projects.c_str(), nullptr);
    const std::string projectsUtf8 = narrow(projects);
    const std::string projects1252 = narrow(projects, 1252);
    check(machineCodePage() == 1252, "the machine's code page is 1252", std::to_string(machineCodePage()));
    // As the program wrote it before it knew UTF-8: "E2E Müller" and the
    // folder in code page 1252.
    writeFileBytes(settingsFile, "E2E M\xFCller\r\nE2EV\r\nhttps://e2e.example\r\ne2e@example.com\r\n" +
                                     projects1252 + "\r\n\r\n");
    check(setClipboard("sentinel"), "clipboard can be written");

    // The program's environment: ours, with APPDATA pointing at the work folder.
    std::wstring environment;
    for (const wchar_t* p = GetEnvironmentStringsW(); *p; p += wcslen(p) + 1) {
        if (_wcsnicmp(p, L"APPDATA=", 8) != 0)
            environment.append(p).push_back(L'\0');
    }
    environment.append(L"APPDATA=" + appData).push_back(L'\0');
    environment.push_back(L'\0');

    std::wstring commandLine = L"\"" + app + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(app.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        environment.data(), work.c_str(), &startup, &process)) {
        std::printf("FAIL: cannot start the program (%lu)\n", GetLastError());
        return 1;
    }

    HWND sheet = findDialog(L"Zezure Tool-Kit", process.dwProcessId);
    check(sheet != nullptr, "the sheet \"Zezure Tool-Kit\" opens");
    HWND page = nullptr;
    if (sheet)
        waitFor([&] { return (page = currentPage(sheet)) != nullptr; }, 30);
    if (!sheet || !page) {
        TerminateProcess(process.hProcess, 1);
        std::printf("%d passed, %d failed\n", passed, failed + 1);
        return 1;
    }

    // Start-up state: the settings file on top of the defaults.
    check(itemText(page, 1126) == "E2E M\xC3\xBCller", "company name from the settings file in code page 1252",
          itemText(page, 1126));
    check(itemText(page, 1127) == "E2EV", "company code from the settings file");
    check(itemText(page, 1125) == projectsUtf8, "project folder from the settings file", itemText(page, 1125));
    check(itemText(page, 1122) == "NewZezureProject", "default project name");
    check(itemText(page, 1967) == "64", "block size 64");
    check(itemText(page, 1965) == "20.00", "smoothing time 20.00");
    check(itemText(sheet, IDCANCEL) == "Exit", "the sheet's Cancel reads Exit");
    check(!IsWindowVisible(GetDlgItem(sheet, IDOK)), "the sheet's OK is hidden");
    check(!IsWindowEnabled(GetDlgItem(page, 2025)), "universal API boxes disabled");

    // The user empties the project name and switches to another program: the
    // name's message shows at once, owned by the program's window, whatever
    // window is active, and the program waits for it.
    HWND nameEdit = GetDlgItem(page, 1122);
    check(waitFor([&] { return focusOfThreadOf(sheet) == nameEdit; }, 30),
          "the page opens with the focus in Project Name");
    setItemText(page, 1122, L"");
    HWND other = makeOtherWindow();
    SetForegroundWindow(other);
    HWND nameBox = findDialog(L"Zizavizerovo", process.dwProcessId, 20);
    check(nameBox != nullptr, "switching away from an empty project name shows its message");
    if (nameBox) {
        check(GetForegroundWindow() != sheet, "the program is not the active one");
        check(narrow(textOf(GetDlgItem(nameBox, 0xFFFF))) == "Project name is empty.", "the name's message",
              narrow(textOf(GetDlgItem(nameBox, 0xFFFF))));
        check(GetWindow(nameBox, GW_OWNER) == sheet, "the message box is owned by the program's window");
        check(!IsWindowEnabled(sheet), "the program's window waits for the message box");
        click(nameBox, IDOK);
        check(waitFor([&] { return !IsWindow(nameBox); }, 30), "the message box closes with OK");
    }
    DestroyWindow(other);

    // Text fields are one line: text pasted or set from outside with a line
    // break or a tab reaches the project and the settings file up to it.
    setClipboard("https://e2e.example\tpasted\r\nsecond line");
    pasteInto(page, 2031);
    check(itemText(page, 2031).find('\n') == std::string::npos, "a paste into a one-line edit holds no line break",
          itemText(page, 2031));
    setItemText(page, 2032, L"e2e@example.com\r\nBcc: someone");
    setClipboard("sentinel");

    // Create a project.
    setItemText(page, 1122, L"E2EProject");
    setItemText(page, 1126, L"E2E Vend\u00f6r Two");  // reaches the project as UTF-8
    setItemText(page, 1128, L"E2Ep");
    check(itemText(page, 1803) == "auval -v aufx E2Ep E2EV", "typing the plug-in code updates the auval line",
          itemText(page, 1803));
    click(page, 1000);
    HWND success = findDialog(L"Success", process.dwProcessId);
    check(success != nullptr, "the success dialog appears");
    if (success) {
        click(success, IDOK);
        check(waitFor([&] { return !IsWindow(success); }, 30), "the success dialog closes with OK");
    }
    const std::string cmake = readFileBytes(projects + L"\\E2EProject\\CMakeLists.txt");
    check(cmake.find("E2EProject") != std::string::npos, "the new project's CMakeLists.txt names the project");
    check(cmake.find("$$$") == std::string::npos, "no marker is left in CMakeLists.txt");
    check(cmake.find("E2E Vend\xC3\xB6r Two") != std::string::npos, "the typed company name reached the project");
    check(cmake.find("\r\n") != std::string::npos, "CMakeLists.txt is written with CR LF");
    check(cmake.find("\"https://e2e.example\"") != std::string::npos &&
              cmake.find("\"e2e@example.com\"") != std::string::npos,
          "the URL and e-mail reached the project up to their control characters");

    // The coder page: parameter code and declaration on the clipboard.
    SendMessageW(sheet, PSM_SETCURSEL, 1, 0);
    HWND coder = nullptr;
    waitFor([&] { return (coder = currentPage(sheet)) != nullptr && coder != page; }, 30);
    check(coder != nullptr && coder != page, "the coder page becomes active");
    if (coder && coder != page) {
        check(itemText(coder, 1007) == "Control" && itemText(coder, 1002) == "0", "the coder page's defaults");
        setItemText(coder, 1008, L"\u00b5s");  // micro sign: outside ASCII, inside code page 1252
        // Held open by another program for a moment (as a clipboard manager
        // does), the clipboard still receives the code once it is free.
        DWORD sequence = GetClipboardSequenceNumber();
        const bool held = OpenClipboard(nullptr) != FALSE;
        click(coder, 1027);
        if (held) {
            Sleep(200);
            CloseClipboard();
        }
        std::string code;
        check(waitFor(
                  [&] {
                      return GetClipboardSequenceNumber() != sequence && (code = clipboardText()) != "sentinel" &&
                             !code.empty();
                  },
                  30),
              "Code -> Clipboard fills the clipboard, also when it was busy for a moment");
        check(code.find("PluginParameter") != std::string::npos && code.find("\"Control\"") != std::string::npos,
              "the clipboard holds parameter code", code.substr(0, 80));
        check(code.find("\"\xB5s\"") != std::string::npos, "its 8-bit text holds the units in code page 1252",
              code.substr(0, 120));
        const std::wstring unicode = clipboardUnicodeText();
        check(unicode.find(L"PluginParameter") != std::wstring::npos &&
                  unicode.find(L"\"\u00b5s\"") != std::wstring::npos,
              "its Unicode text holds the units as typed", narrow(unicode.substr(0, 120)));
        setClipboard("sentinel");
        sequence = GetClipboardSequenceNumber();
        click(coder, 1030);
        std::string declaration;
        check(waitFor(
                  [&] {
                      return GetClipboardSequenceNumber() != sequence &&
                             (declaration = clipboardText()) != "sentinel" && !declaration.empty();
                  },
                  30),
              "Var-> Clipboard fills the clipboard");
        check(declaration.find("myBoundVar") != std::string::npos, "the clipboard holds the declaration",
              declaration);
        SendMessageW(sheet, PSM_SETCURSEL, 0, 0);
    }

    // Leave with Exit: the settings file is written from the form.
    click(sheet, IDCANCEL);
    check(WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0, "Exit ends the program");
    const std::string settings = readFileBytes(settingsFile);
    const std::string expected =
        "E2E Vend\xF6r Two\r\nE2EV\r\nhttps://e2e.example\r\ne2e@example.com\r\n" + projects1252 + "\r\n\r\n";
    check(settings == expected, "Exit wrote the settings file in code page 1252", settings);

    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    // A second run shows what the first one remembered; its title bar's close
    // box leaves like Exit and writes the file again, in UTF-8 now that a
    // letter does not fit in code page 1252.
    PROCESS_INFORMATION second{};
    if (CreateProcessW(app.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                       environment.data(), work.c_str(), &startup, &second)) {
        HWND sheet2 = findDialog(L"Zezure Tool-Kit", second.dwProcessId);
        HWND page2 = nullptr;
        if (sheet2)
            waitFor([&] { return (page2 = currentPage(sheet2)) != nullptr; }, 30);
        check(page2 && itemText(page2, 1126) == "E2E Vend\xC3\xB6r Two", "the next start shows the remembered name",
              page2 ? itemText(page2, 1126) : std::string("no page"));
        if (page2) {
            setItemText(page2, 1126, L"\u03a9mega Aud\u00ee\u00f6");
            setItemText(page2, 1127, L"CLSE");
            PostMessageW(sheet2, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        check(WaitForSingleObject(second.hProcess, 30000) == WAIT_OBJECT_0, "the close box ends the program");
        const std::string written = readFileBytes(settingsFile);
        check(written.rfind("\xCE\xA9mega Aud\xC3\xAE\xC3\xB6\r\nCLSE\r\n", 0) == 0,
              "the close box wrote the settings file, in UTF-8 for an omega", written);
        if (WaitForSingleObject(second.hProcess, 0) != WAIT_OBJECT_0)
            TerminateProcess(second.hProcess, 1);
        CloseHandle(second.hThread);
        CloseHandle(second.hProcess);
    } else {
        check(false, "the program starts a second time");
    }

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
