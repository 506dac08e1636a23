#pragma once

#include <string>
#include <vector>

#include "common/files.h"
#include "common/result.h"

// Putting the SDK's PluginTemplate folder back into its shipped state from the
// password-protected archive that the macOS application carries. The page
// asks for confirmation, then calls restoreTemplateDirectory and shows the
// message of the result in a modal alert with one "OK" button.
namespace zz {

// The password the template archive is made with.
extern const char* const kTemplateArchivePassword;

// File name of the template archive, in the bundle's resources and beside the
// command-line tool.
extern const char* const kTemplateArchiveName;

// Texts of the restore.
extern const char* const kRestoreConfirmMessage;  // the confirmation alert
extern const char* const kRestoreYesButton;       // its first button
extern const char* const kRestoreNoButton;        // its second button
extern const char* const kRestoreSuccessMessage;
extern const char* const kRestoreFailureMessage;

// The staging purpose of a restore: its hidden folders beside the template
// folder are named ".zizavizerovo-restore-" + a number (files::StagingFolder).
inline constexpr const char* kRestoreStaging = "restore";
// The old template folder waits in a folder of this purpose while the new one
// moves in. Like the staging folders, one that a run killed half-way (or one
// whose removal failed) left behind is cleared by a later restore.
inline constexpr const char* kRestoreAside = "restore-aside";

// The confirmation's end handler restores only for this return code (the
// first button, "Yes").
constexpr int kRestoreConfirmReturnCode = 1000;
inline bool confirmationRestores(int returnCode) { return returnCode == kRestoreConfirmReturnCode; }

// The SDK's template folder for an application bundle: the bundle path with
// three components removed (the bundle and the two folders above it), then
// "PluginTemplate". SDK/A/B/Tool.app gives SDK/PluginTemplate. Components are
// removed as the macOS path methods do: trailing separators are ignored and
// the root stays the root.
std::string pluginTemplateDIRPath(const std::string& bundlePath);

// The template archive inside an application bundle:
// Tool.app/Contents/Resources/PluginTemplate.zip.
std::string pluginTemplateZIPPath(const std::string& bundlePath);

// Creates the folder `path`, with any missing folders above it, when nothing
// exists there. A failure adds "Error: Create folder failed <path>" to
// `systemLog` and answers false; answers true when a folder is there
// afterwards.
bool createTemplateDirectory(files::FileSystem& disk, const std::string& path, std::vector<std::string>& systemLog);

// Restores the template folder `templateDir` from the archive `archivePath`
// (made with kTemplateArchivePassword).
//
// The archive is first extracted into a new hidden folder beside the template
// folder. Only when every entry is out does the old folder (or whatever is at
// the path) go and the new one take its name, so a failed restore (missing,
// damaged or foreign archive, wrong password) leaves the old folder exactly as
// it was, and a successful one leaves nothing the archive does not hold.
//
// The result's message is kRestoreSuccessMessage (informational) or
// kRestoreFailureMessage (a warning), its detail why a restore failed, its
// system log the lines for the platform's log.
Result restoreTemplateDirectory(const std::string& templateDir, const std::string& archivePath,
                                files::FileSystem& disk = files::realFileSystem());

}  // namespace zz
