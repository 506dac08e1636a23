#include "restore/templaterestore.h"

#include <filesystem>
#include <system_error>

#include "common/files.h"
#include "restore/ziparchive.h"

namespace fs = std::filesystem;

namespace zz {

const char* const kTemplateArchivePassword = "5d1e9c3a-28f4-4b67-9a0e-c3f7b2d86e15";
const char* const kTemplateArchiveName = "PluginTemplate.zip";

const char* const kRestoreConfirmMessage =
    "This will delete your PluginTemplate directory and restore it to original SDK condition. Are you sure you "
    "want to restore the directory?";
const char* const kRestoreYesButton = "Yes";
const char* const kRestoreNoButton = "No";
const char* const kRestoreSuccessMessage = "PluginTemplate folder has been restored to factory fresh condition.";
const char* const kRestoreFailureMessage = "PluginTemplate extraction failed.";

namespace {

// The path without its last component, as the macOS path methods answer it:
// trailing separators are ignored, the root stays the root and a bare name
// gives the empty path.
std::string deletingLastComponent(std::string path)
{
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    if (path == "/") return path;
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return "";
    if (slash == 0) return "/";
    path.resize(slash);
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string appendingComponent(const std::string& path, const std::string& component)
{
    if (path.empty()) return component;
    if (path.back() == '/') return path + component;
    return path + "/" + component;
}

Result failed(Result result, const std::string& detail)
{
    result.ok = false;
    result.message = kRestoreFailureMessage;
    result.detail = detail;
    return result;
}

}  // namespace

std::string pluginTemplateDIRPath(const std::string& bundlePath)
{
    std::string sdk = bundlePath;
    for (int i = 0; i < 3; ++i) sdk = deletingLastComponent(sdk);
    return appendingComponent(sdk, "PluginTemplate");
}

std::string pluginTemplateZIPPath(const std::string& bundlePath)
{
    std::string bundle = bundlePath;
    while (bundle.size() > 1 && bundle.back() == '/') bundle.pop_back();
    return appendingComponent(appendingComponent(appendingComponent(bundle, "Contents"), "Resources"),
                              kTemplateArchiveName);
}

bool createTemplateDirectory(files::FileSystem& disk, const std::string& path, std::vector<std::string>& systemLog)
{
    if (disk.entryAt(path) != files::EntryKind::missing) return disk.targetAt(path) == files::EntryKind::folder;
    if (!disk.makeFolders(path)) {
        systemLog.push_back("Error: Create folder failed " + path);
        return false;
    }
    return true;
}

Result restoreTemplateDirectory(const std::string& templateDir, const std::string& archivePath,
                                files::FileSystem& disk)
{
    Result r;
    fs::path dir = files::fsPath(templateDir).lexically_normal();
    if (!dir.has_filename()) dir = dir.parent_path();  // "…/PluginTemplate/"
    if (dir.empty() || !dir.has_filename() || dir.filename() == "." || dir.filename() == "..")
        return failed(r, "\"" + templateDir + "\" does not name the template folder: give its path, such as "
                         "../PluginTemplate");
    const std::string parent = dir.has_parent_path() ? files::utf8Path(dir.parent_path()) : ".";

    // The folder that holds the template folder; the template folder itself is
    // only touched once the new content is complete.
    if (!createTemplateDirectory(disk, parent, r.systemLog)) return failed(r, "cannot create the folder " + parent);

    // The new content is extracted into a hidden folder beside the template
    // folder, held while this run lives; a run killed half-way leaves it for
    // the next restore to clear.
    disk.clearAbandonedStaging(parent, kRestoreStaging);
    disk.clearAbandonedStaging(parent, kRestoreAside);
    files::StagingFolder staging(disk, parent, kRestoreStaging);
    const std::string target = files::utf8Path(dir);
    if (!staging.made()) {
        r.systemLog.push_back("Error: Create folder failed " + parent);
        return failed(r, "cannot create a folder beside " + target);
    }

    const Result extracted = extractArchive(archivePath, staging.path(), true, kTemplateArchivePassword, disk);
    if (!extracted) return failed(r, extracted.detail);

    // Restores side by side take turns for the swap (a lock on the folder
    // that holds the template folder): each moves its own new folder in, none
    // moves another's old one aside half-way.
    const files::FileLock lock(disk, parent);
    if (lock.busy()) return failed(r, "another restore of " + target + " did not finish in time");

    if (disk.entryAt(target) != files::EntryKind::missing) {
        // The old folder goes aside into a second held folder, and comes back
        // when the new one cannot take its place.
        files::StagingFolder aside(disk, parent, kRestoreAside);
        const std::string old = aside.path() + "/" + files::utf8Path(dir.filename());
        if (!aside.made() || !aside.moveItemTo(target, old))
            return failed(r, "cannot move " + target + " aside");
        if (!staging.moveTo(target)) {
            if (aside.moveItemTo(old, target)) return failed(r, "cannot move the restored folder into place");
            // Neither folder can take the old one's place: it stays where it
            // is, and the user is told where.
            aside.keep();
            r.systemLog.push_back("Error: Move folder failed " + old);
            return failed(r, "cannot move the restored folder into place; the old folder is " + old);
        }
        // The new folder is in place; the old one goes with `aside`.
        aside.discard();
        if (disk.entryAt(aside.path()) != files::EntryKind::missing)
            r.systemLog.push_back("Error: Remove folder failed " + aside.path());
    } else if (!staging.moveTo(target)) {
        return failed(r, "cannot move the restored folder into place");
    }

    r.ok = true;
    r.message = kRestoreSuccessMessage;
    return r;
}

}  // namespace zz
