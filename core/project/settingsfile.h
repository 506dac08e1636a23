#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/deliverable.h"
#include "project/winfiles.h"
#include "project/zezureproject.h"

// The settings memory file, zezurelog.txt: the vendor details and the project
// folder (and on macOS the template-source flag) remembered from one run to
// the next. The project page reads it once when it opens and writes it when
// the user leaves with Exit.
//
// Windows layout: five lines, system code page, CR LF after each and one more
// CR LF at the end. macOS layout: six lines, UTF-8, LF after each.
namespace zz {

// The bundle identifier of the macOS application; it names the settings folder
// under Application Support.
inline constexpr const char* kMacBundleIdentifier = "org.zizavizerovo.VADEzeravi";

inline constexpr const char* kSettingsFileName = "zezurelog.txt";

// The macOS first-start folder value, used when the file has no values of its own.
inline constexpr const char* kMacPathNotSet = "path not set";

// ---- Locations --------------------------------------------------------------

// Windows: APPDATA + "\Zizavizerovo\zezurelog.txt". Without APPDATA (null) the
// path starts at the root of the current drive.
std::string windowsSettingsPath(const char* appData);

// macOS: the user's Application Support folder, the bundle identifier as a
// folder, then zezurelog.txt.
std::string macSettingsPath(const std::string& applicationSupportFolder);

// Reads one environment variable; null when it is not set.
using EnvironmentLookup = std::function<const char*(const char* name)>;

// The command-line tool's own settings file. Windows: the Windows deliverable's
// location; macOS: the macOS deliverable's; other hosts:
// $XDG_CONFIG_HOME/zizavizerovo/zezurelog.txt, or ~/.config/zizavizerovo/...
// when XDG_CONFIG_HOME is unset, empty or not absolute. Empty when no location
// can be made (no HOME).
std::string cliSettingsPath(const EnvironmentLookup& env);

// ---- File services ----------------------------------------------------------

// Writes `bytes` as the whole content of a new file at `path`; answers false on
// any failure (it may leave a partial file behind).
using FileWriter = std::function<bool(const std::string& path, const std::string& bytes)>;

// The writer used unless a test injects another one: writes, flushes to disk,
// closes, and checks every step.
bool writeNewFile(const std::string& path, const std::string& bytes);

// Replaces the file at `path` in one step: the bytes go to a temporary file in
// the same folder (through `writer`), which is then renamed over `path`. On
// any failure the temporary file is removed and an earlier file at `path`
// stays as it was.
bool replaceFileAtomically(const std::string& path, const std::string& bytes,
                           const FileWriter& writer = writeNewFile);

// What the settings file code needs from the outside world; tests replace
// pieces of it.
struct SettingsFileServices {
    // Writes the temporary file of an atomic replacement.
    FileWriter writer = writeNewFile;
    // The pause between two attempts to open the Windows file.
    RetryWait wait = sleepMilliseconds;
    // Read without making or fixing anything: the values are those a page
    // would get, but a missing or blank file and a missing folder stay as
    // they are.
    bool leaveFileAlone = false;
};

// ---- Reading and writing ----------------------------------------------------

// The Windows line splitter: takes the text up to the first LF (all of it when
// there is none) off the front of `text` and answers it without spaces, tabs
// and CRs at either end.
std::string popFirstLine(std::string& text);

// What a read or write of the settings file asks the page to show. An empty
// `message` means nothing is shown. Windows shows `message` in a message box;
// macOS shows a warning alert with `message` and `informative`.
struct SettingsFileReport {
    std::string message;
    std::string informative;
    std::vector<std::string> systemLog;  // macOS diagnostic lines for the system log
    bool written = true;                 // false when a needed write of the file failed

    bool shown() const { return !message.empty(); }
};

// Reads the file at `path` into the record as the deliverable's project page
// does when it opens. Windows: vendorName, fourCharVendorID, vendorURL,
// vendorEmail and projectFolderPath; macOS: those and useTemplate. A missing or
// blank file is (re)made from the defaults.
SettingsFileReport loadLogFile(Deliverable deliverable, ZezureProject& project, const std::string& path,
                               const SettingsFileServices& services = {});

// Writes the record to the file at `path` as the deliverable's Exit does,
// replacing the file atomically. Windows reports a failure with
// "Could not write to: " + path; macOS shows nothing (but `written` tells).
SettingsFileReport saveLogFile(Deliverable deliverable, const ZezureProject& project, const std::string& path,
                               const SettingsFileServices& services = {});

// The file text (before the platform's line-end rules) that saveLogFile writes.
std::string settingsFileText(Deliverable deliverable, const ZezureProject& project);

}  // namespace zz
