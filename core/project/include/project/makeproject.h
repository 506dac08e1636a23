#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/result.h"
#include "common/files.h"
#include "project/markers.h"
#include "project/windowstext.h"
#include "project/zezureproject.h"

// Creating a project from the template folder, as each deliverable does it:
// make the project folder, copy the template into it, rewrite its
// CMakeLists.txt with the marker values of the record. The front end has
// already copied its form into the record (and, on macOS, run validateShit).
//
// A project appears under its name only complete: it is built in a hidden
// folder beside its destination (files::StagingFolder, purpose "creating")
// and moved into place as the last step, never over anything that is there.
// On any failure nothing the run made remains; a folder left by a run that was
// killed half-way is cleared by the next creation in the same folder.
namespace zz {

// What a creation did. On failure `message` (and on macOS `informativeText`
// and `style`) is what the front end shows.
struct CreationResult : Result {
    std::string destination;  // the project folder, as composed
    std::string projectFile;  // its CMakeLists.txt
    std::string creationLog;  // Windows: the account of the run, step by step
    std::string projectText;  // the project file's text with its markers replaced
    std::vector<Marker> markers;  // a dry run: each marker as it is written into the project file
};

// The longest project file that is read (a template's CMakeLists.txt).
inline constexpr std::uintmax_t kProjectFileLimit = std::uintmax_t{256} << 20;

// The staging purpose of a creation: its hidden folders are named
// ".zizavizerovo-creating-" + a number.
inline constexpr const char* kCreationStaging = "creating";

struct WindowsCreateOptions {
    char separator = '\\';  // how the Windows program joins paths
    RetryWait wait = files::sleepMilliseconds;
    files::FileSystem* fileSystem = &files::realFileSystem();
    // Makes every check a creation makes and renders the project file from the
    // template's, but writes nothing at all.
    bool dryRun = false;
};

struct MacCreateOptions {
    files::FileSystem* fileSystem = &files::realFileSystem();
    bool dryRun = false;  // as in WindowsCreateOptions
};

// Whether the deliverable's creation keeps a log of its steps (the Windows
// program's diagnostics).
inline bool keepsCreationLog(Deliverable deliverable) { return deliverable == Deliverable::windows; }

// Whether `folder` looks like a template folder that a restore may replace:
// nothing there, an empty folder, or a folder whose CMakeLists.txt holds at
// least one marker of the table. Anything else (a project, another folder
// named by mistake) is no template folder.
bool looksLikeTemplateFolder(files::FileSystem& fs, const std::string& folder);

// The template beside the program: programFolder + "\PluginTemplate".
std::string windowsTemplateFolder(const std::string& programFolder, char separator = '\\');

// The Windows deliverable: destination = projectFolderPath + "\" +
// projectName. Refuses an existing destination and a name that is not a
// folder name, stops when the folder cannot be made, the template cannot be
// copied whole, or the project file cannot be read or written. Every step
// adds its line to `creationLog`.
CreationResult makeProjectWindows(const ZezureProject& project, const std::string& templateFolder,
                                  const WindowsCreateOptions& options = {});

// The macOS deliverable: destination = projectFolderPath and projectName run
// together; the project file is destination + "/CMakeLists.txt". The copy
// refuses an existing destination; a project file that cannot be read or
// written stops the command with a warning. Success is an informational alert
// with the destination path.
CreationResult makeProjectMac(const ZezureProject& project, const std::string& templateFolder,
                              const MacCreateOptions& options = {});

}  // namespace zz
