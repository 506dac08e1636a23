#pragma once

#include <functional>
#include <string>
#include <optional>
#include <utility>
#include <vector>

#include "common/deliverable.h"
#include "common/files.h"
#include "common/result.h"
#include "project/codepage.h"
#include "project/windowstext.h"
#include "project/zezureproject.h"

// The settings memory file, zezurelog.txt: the vendor details and the project
// folder (and on macOS the template-source flag) remembered from one run to
// the next. The project page reads it once when it opens and writes it when
// the user leaves with Exit.
//
// Windows layout: five lines, CR LF after each and one more CR LF at the end,
// in the machine's code page when every character fits there, else UTF-8;
// a file that is well-formed UTF-8 is read as UTF-8, any other in the code
// page. macOS layout: six lines, UTF-8, LF after each.
namespace zz {

// The bundle identifier of the macOS application; it names the settings folder
// under Application Support.
inline constexpr const char* kMacBundleIdentifier = "org.zizavizerovo.VADEzeravi";

inline constexpr const char* kSettingsFileName = "zezurelog.txt";

// The macOS first-start folder value, used when the file has no values of its own.
inline constexpr const char* kMacPathNotSet = "path not set";

// ---- Locations --------------------------------------------------------------

// Windows: APPDATA + "\Zizavizerovo\zezurelog.txt". Without APPDATA the path
// starts at the root of the current drive. `separator` joins the parts: the
// Windows program's is "\"; its pages run on other hosts with theirs.
std::string windowsSettingsPath(const std::optional<std::string>& appData, char separator = '\\');

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

// What the settings file code needs from the outside world; tests replace
// pieces of it.
struct SettingsFileServices {
    files::FileSystem* fileSystem = &files::realFileSystem();
    // The pause between two attempts to open the Windows file.
    RetryWait wait = files::sleepMilliseconds;
    // Read without making or fixing anything: the values are those a page
    // would get, but a missing or blank file and a missing folder stay as
    // they are.
    bool leaveFileAlone = false;
    // The machine's code page for the Windows file (see the layout above);
    // nothing keeps the file in UTF-8, as the command-line tool does. The
    // macOS file is UTF-8 either way.
    const CodePage* codePage = nullptr;
};

// ---- Reading and writing ----------------------------------------------------

// The Windows line splitter: takes the text up to the first LF (all of it when
// there is none) off the front of `text` and answers it without spaces, tabs
// and CRs at either end.
std::string popFirstLine(std::string& text);

// Reading and writing answer a Result: `message` (and on macOS `informativeText`)
// is what the page shows, `systemLog` the macOS diagnostic lines, and `ok` is
// false when the file could not be read or a needed write of it failed.
struct SettingsLoad : Result {
    bool unreadable = false;  // the file is there but could not be read: the record keeps what it had
    bool unwritten = false;   // the file could not be made or filled
};

// The pages call the settings memory file their "log file", hence the names
// loadLogFile and saveLogFile; it is not the creation log (diagnostics.txt,
// or the command line's --log).
//
// Reads the file at `path` into the record as the deliverable's project page
// does when it opens. Windows: vendorName, fourCharVendorID, vendorURL,
// vendorEmail and projectFolderPath; macOS: those and useTemplate. A missing or
// blank file is (re)made from the defaults. A byte-order mark at the start of
// the file is skipped.
SettingsLoad loadLogFile(Deliverable deliverable, ZezureProject& project, const std::string& path,
                         const SettingsFileServices& services = {});

// Writes the record to the file at `path` as the deliverable's Exit does,
// replacing the file atomically. Windows reports a failure with
// "Could not write to: " + path; macOS shows nothing (but `ok` tells).
Result saveLogFile(Deliverable deliverable, const ZezureProject& project, const std::string& path,
                               const SettingsFileServices& services = {});

// The file text (before the platform's line-end rules) that saveLogFile writes.
std::string settingsFileText(Deliverable deliverable, const ZezureProject& project);

// ---- The command line's own settings file --------------------------------------
// It is kept in this host's format (hostDeliverable()), whichever style's
// rules a command follows.

// The tool's own settings file through one run: read at the start as the
// style's project page reads its file when it opens, written at the end when
// the user asks to remember the values, and never written over a file that
// was there but could not be read (its values would be lost).
class OwnSettingsFile {
public:
    // `path` "" when there is no place for the file (no HOME).
    explicit OwnSettingsFile(std::string path, files::FileSystem& fs = files::realFileSystem());

    const std::string& path() const { return path_; }

    // The folder a project goes to when none is remembered (the command
    // line's working folder): load puts it, as the style's folder chooser
    // hands a folder over, in place of an empty folder or the first-start
    // values of the pages (macOS "path not set", the Windows program's
    // folder, `programFolder`). None set: those values stand.
    void setWorkingFolder(std::string workingFolder, std::string programFolder)
    {
        workingFolder_ = std::move(workingFolder);
        programFolder_ = std::move(programFolder);
    }
    // Whether the last load put the working folder into the record.
    bool tookWorkingFolder() const { return tookWorkingFolder_; }

    // Puts the remembered vendor details and project folder (and the macOS
    // template flag) over the record. When the file does not exist yet the
    // record gets what the style's page has after its first start (Windows:
    // its defaults, which the page writes and reads back; macOS: "My
    // Company", "DIRO", the example addresses and "path not set"). With
    // `makeFile` the file is made or filled as the page makes it, and a failed
    // write is told ("Could not write to: " + path); without, it is never
    // written.
    SettingsLoad load(Deliverable style, ZezureProject& record, bool makeFile);

    // Writes the record's values, as Exit does. A failure's message is
    // "Could not write to: " + path; the detail says why nothing was written
    // when there is no place for the file or load could not read it.
    Result remember(const ZezureProject& record);

private:
    SettingsLoad loadFile(Deliverable style, ZezureProject& record, bool makeFile);

    std::string path_;
    files::FileSystem& fs_;
    std::string workingFolder_;
    std::string programFolder_;
    bool tookWorkingFolder_ = false;
    bool unreadable_ = false;
};

// The values the style's settings file remembers, by field name, in file
// order (macOS adds useTemplate as "1" or "0").
std::vector<std::pair<std::string, std::string>> rememberedValues(Deliverable style, const ZezureProject& record);

}  // namespace zz
