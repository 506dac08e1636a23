#include "project/makeproject.h"

#include "common/files.h"
#include "project/macfiles.h"
#include "project/markers.h"
#include "project/projectchecks.h"

namespace zz {

using files::EntryKind;

namespace {

// True when a file, folder or link (also one that leads nowhere) is at
// `path`. A path the file system cannot look at (a name too long, say) has
// nothing there; making the folder then fails with its own message.
bool anythingAt(files::FileSystem& fs, const std::string& path)
{
    const EntryKind kind = fs.entryAt(path);
    return kind != EntryKind::missing && kind != EntryKind::unknown;
}

// The folder that receives the project: where it is built and cleared.
std::string parentOf(const std::string& destination)
{
    const std::filesystem::path parent = files::fsPath(destination).parent_path();
    return parent.empty() ? std::string(".") : files::utf8Path(parent);
}

// Why no project folder can be made in `parent`, for the command line.
std::string whyNoFolderIn(files::FileSystem& fs, const std::string& parent)
{
    switch (fs.targetAt(parent)) {
    case EntryKind::missing: return "the folder " + parent + " does not exist";
    case EntryKind::folder: return "cannot make a folder in " + parent;
    default: return parent + " is not a folder";
    }
}

}  // namespace

bool looksLikeTemplateFolder(files::FileSystem& fs, const std::string& folder)
{
    const EntryKind kind = fs.entryAt(folder);
    if (kind == EntryKind::missing) return true;
    if (fs.targetAt(folder) != EntryKind::folder) return false;
    std::vector<std::string> names;
    if (!fs.listFolder(folder, names)) return false;
    if (names.empty()) return true;
    std::string text;
    const std::string projectFile = files::utf8Path(files::fsPath(folder) / "CMakeLists.txt");
    if (fs.readFile(projectFile, text, kProjectFileLimit) != files::ReadStatus::ok) return false;
    for (const Marker& m : markerTable(Deliverable::windows, ZezureProject{}))
        if (text.find(m.tag) != std::string::npos) return true;
    return false;
}

std::string windowsTemplateFolder(const std::string& programFolder, char separator)
{
    return programFolder + separator + "PluginTemplate";
}

CreationResult makeProjectWindows(const ZezureProject& project, const std::string& templateFolder,
                                  const WindowsCreateOptions& options)
{
    files::FileSystem& fs = *options.fileSystem;
    CreationResult r;
    std::string& log = r.creationLog;
    const auto fail = [&r](std::string message, std::string field = {}) {
        r.ok = false;
        r.message = std::move(message);
        r.field = std::move(field);
        return r;
    };
    const auto exists = [&] {
        return fail("Project already exists. Delete it or change the project name.", "projectName");
    };
    const auto folderFailed = [&] {
        fail("Could not create destination folder: " + r.destination, "projectFolderPath");
        r.detail = whyNoFolderIn(fs, parentOf(r.destination));
        return r;
    };
    const auto copyFailed = [&] {
        fail("Could not copy the template folder: " + templateFolder);
        if (fs.targetAt(templateFolder) == EntryKind::missing) r.detail = "the folder " + templateFolder + " does not exist";
        return r;
    };
    const auto readFailed = [&] { return fail("Could not readFile: " + r.projectFile + "\n\nfor modification"); };

    if (isUnsafeFolderName(project.projectName)) return fail("Project name is not a valid folder name.", "projectName");

    r.destination = project.projectFolderPath + options.separator + project.projectName;
    log += "Project Destination (dest):" + r.destination + "\n";

    log += "Validating destination: ";
    if (anythingAt(fs, r.destination)) {
        log += "Failed to create destination folder. \n";
        return exists();
    }
    // A template that is not there at all is found before anything is made.
    if (fs.targetAt(templateFolder) != EntryKind::folder) {
        log += "\nTemplate Folder XCopy: FAILED \n";
        return copyFailed();
    }
    const std::string parent = parentOf(r.destination);
    if (options.dryRun) {
        if (fs.targetAt(parent) != EntryKind::folder) return folderFailed();
        if (!fs.folderTreeCopies(templateFolder)) return copyFailed();
        r.projectFile = r.destination + options.separator + "CMakeLists.txt";
        // The template's project file, read as the copy of it would be.
        const std::string templateFile = templateFolder + files::hostPathSeparator() + "CMakeLists.txt";
        const EntryKind target = fs.targetAt(templateFile);
        if ((anythingAt(fs, templateFile) && target != EntryKind::file) ||
            !readTextFile(fs, templateFile, r.projectText, {0, false, kProjectFileLimit, options.wait}))
            return readFailed();
        const Result fits = fillMarkers(Deliverable::windows, project, r.projectText, &r.markers);
        if (!fits) return fail(fits.message, fits.field);
        return r;
    }
    fs.clearAbandonedStaging(parent, kCreationStaging);
    files::StagingFolder staging(fs, parent, kCreationStaging);
    if (!staging.made()) return folderFailed();
    log += "Succeeded in creating destination folder. \n";
    log += "\n";

    const bool copied = fs.copyFolderTree(templateFolder, staging.path());
    log += "Template Folder XCopy: ";
    log += copied ? "PASSED \n" : "FAILED \n";
    if (!copied) return copyFailed();

    log += "Editing CMake \n";
    r.projectFile = r.destination + options.separator + "CMakeLists.txt";
    log += "Path is: " + r.projectFile + "\n";
    // The file the user will see under r.projectFile, while it is built.
    const std::string stagedFile = staging.path() + files::hostPathSeparator() + "CMakeLists.txt";

    log += "Opening File...";
    std::string text;
    // A project file that leads to neither a file nor a folder is not read:
    // a device or a pipe would be read without end or not at all, and a
    // link to nothing would have the read make a file where it points.
    const EntryKind target = fs.targetAt(stagedFile);
    const bool notAFile = anythingAt(fs, stagedFile) && target != EntryKind::file && target != EntryKind::folder;
    if (notAFile || !readTextFile(fs, stagedFile, text, {1, true, kProjectFileLimit, options.wait}))
        return readFailed();
    log += "PASSED \n";

    log += "Modifying & writing File to dest...";
    const Result fits = fillMarkers(Deliverable::windows, project, text);
    if (!fits) return fail(fits.message, fits.field);
    // A project file copied as a link to a file elsewhere is replaced by a
    // file of the project's own; writing through the link would change the
    // file it points to.
    // The file is on the disk before the project takes its name.
    if (fs.entryAt(stagedFile) == EntryKind::link) fs.remove(stagedFile);
    const bool written = writeTextFile(fs, stagedFile, text, true);
    if (!written) return fail("Could not writeFile: " + r.projectFile + "\n\nfor modification");
    r.projectText = std::move(text);
    log += "PASSED \n";

    // The last step: the complete project takes its name, unless another run
    // took it meanwhile.
    if (!staging.moveTo(r.destination)) return anythingAt(fs, r.destination) ? exists() : folderFailed();
    log += "END \n";
    r.ok = true;
    return r;
}

CreationResult makeProjectMac(const ZezureProject& project, const std::string& templateFolder,
                              const MacCreateOptions& options)
{
    files::FileSystem& fs = *options.fileSystem;
    CreationResult r;
    const auto alert = [&r](std::string message, std::string informative) {
        r.message = std::move(message);
        r.informativeText = std::move(informative);
        return r;
    };
    const auto refuse = [&](std::string message, std::string informative, std::string field = {}) {
        r.ok = false;
        r.field = std::move(field);
        return alert(std::move(message), std::move(informative));
    };
    const auto copyFailed = [&](const std::string& error, std::string field = {}, std::string why = {}) {
        r.systemLog.push_back("Error: " + error);
        r.detail = std::move(why);
        return refuse("Could not copy the basis directory to destination.", r.destination, std::move(field));
    };
    const auto noFolder = [&](const std::string& parent) {
        return copyFailed(macfiles::copyFailedError(templateFolder, parent), "projectFolderPath",
                          whyNoFolderIn(fs, parent));
    };
    const auto modifyFailed = [&] { return refuse("Could not modify the project file.", r.projectFile); };

    if (isUnsafeFolderName(project.projectName))
        return refuse("The project name is not a valid folder name.", "", "projectName");

    r.destination = project.projectFolderPath + project.projectName;
    r.projectFile = r.destination + "/" + "CMakeLists.txt";

    // The copy refuses an existing destination, as the platform's copy does.
    if (anythingAt(fs, r.destination))
        return copyFailed(macfiles::alreadyExistsError(r.destination), "projectName");
    const std::string parent = parentOf(r.destination);
    if (options.dryRun) {
        if (fs.targetAt(templateFolder) == EntryKind::missing)
            return copyFailed(macfiles::noSuchFileError(templateFolder), "",
                              "the folder " + templateFolder + " does not exist");
        if (fs.targetAt(parent) != EntryKind::folder) return noFolder(parent);
        if (fs.targetAt(templateFolder) == EntryKind::folder && !fs.folderTreeCopies(templateFolder))
            return copyFailed(macfiles::copyFailedError(templateFolder, parent));
        const std::string templateFile = templateFolder + "/CMakeLists.txt";
        if (fs.targetAt(templateFile) != EntryKind::file ||
            !macfiles::stringWithContentsOfFile(fs, templateFile, r.projectText, kProjectFileLimit))
            return modifyFailed();
        const Result fits = fillMarkers(Deliverable::mac, project, r.projectText, &r.markers);
        if (!fits) return refuse(fits.message, "", fits.field);
        return r;
    }
    fs.clearAbandonedStaging(parent, kCreationStaging);
    files::StagingFolder staging(fs, parent, kCreationStaging);
    if (!staging.made()) return noFolder(parent);
    // The copy goes into the staging folder under the project's own name.
    const std::string stagedItem =
        staging.path() + "/" + files::utf8Path(files::fsPath(r.destination).filename());
    const std::string stagedFile = stagedItem + "/CMakeLists.txt";

    const Result copied = macfiles::copyItemAtPath(fs, templateFolder, stagedItem, r.destination);
    if (!copied)
        return copyFailed(copied.detail, "",
                          fs.targetAt(templateFolder) == EntryKind::missing
                              ? "the folder " + templateFolder + " does not exist"
                              : std::string());

    std::string text;
    // Only a file is read: a link to a device would be read without end.
    if (fs.targetAt(stagedFile) != EntryKind::file ||
        !macfiles::stringWithContentsOfFile(fs, stagedFile, text, kProjectFileLimit))
        return modifyFailed();
    const Result fits = fillMarkers(Deliverable::mac, project, text);
    if (!fits) return refuse(fits.message, "", fits.field);
    if (!macfiles::writeToFileAtomically(fs, stagedFile, text)) return modifyFailed();
    r.projectText = std::move(text);

    if (!staging.moveItemTo(stagedItem, r.destination)) {
        if (anythingAt(fs, r.destination))
            return copyFailed(macfiles::alreadyExistsError(r.destination), "projectName");
        return copyFailed("\"" + files::utf8Path(files::fsPath(r.destination).filename()) +
                          "\" couldn't be moved into place.");
    }
    r.ok = true;
    return alert("Successfully created Zezure project!.", r.destination);
}

}  // namespace zz
