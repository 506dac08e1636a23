#include "project/makeproject.h"

#include <system_error>

#include "common/files.h"
#include "project/macfiles.h"
#include "project/markers.h"
#include "project/projectchecks.h"

namespace fs = std::filesystem;

namespace zz {

using files::EntryKind;

namespace {

// True when a file, folder or link (also one that leads nowhere) is at
// `path`. A path the file system cannot look at (a name too long, say) has
// nothing there; making the folder then fails with its own message.
bool anythingAt(const std::string& path)
{
    const EntryKind kind = files::entryAt(path);
    return kind != EntryKind::missing && kind != EntryKind::unknown;
}

}  // namespace

std::string windowsTemplateFolder(const std::string& programFolder, char separator)
{
    return programFolder + separator + "PluginTemplate";
}

CreationResult makeProjectWindows(const ZezureProject& project, const std::string& templateFolder,
                                  const WindowsCreateOptions& options)
{
    CreationResult r;
    std::string& log = r.creationLog;
    const auto fail = [&r](std::string message) {
        r.ok = false;
        r.message = std::move(message);
        return r;
    };

    if (isUnsafeFolderName(project.projectName)) return fail("Project name is not a valid folder name.");

    r.destination = project.projectFolderPath + options.separator + project.projectName;
    log += "Project Destination (dest):" + r.destination + "\n";

    log += "Validating destination: ";
    if (anythingAt(r.destination)) {
        log += "Failed to create destination folder. \n";
        return fail("Project already exists. Delete it or change the project name.");
    }
    // A template that is not there at all is found before anything is made,
    // so that such a run leaves nothing behind.
    std::error_code ec;
    if (files::targetAt(templateFolder) != EntryKind::folder) {
        log += "\nTemplate Folder XCopy: FAILED \n";
        return fail("Could not copy the template folder: " + templateFolder);
    }
    if (!fs::create_directory(files::fsPath(r.destination), ec) || ec)
        return fail("Could not create destination folder: " + r.destination);
    log += "Succeeded in creating destination folder. \n";
    log += "\n";

    const bool copied = copyFolderTree(templateFolder, r.destination);
    log += "Template Folder XCopy: ";
    log += copied ? "PASSED \n" : "FAILED \n";
    if (!copied) return fail("Could not copy the template folder: " + templateFolder);

    log += "Editing CMake \n";
    r.projectFile = r.destination + options.separator + "CMakeLists.txt";
    log += "Path is: " + r.projectFile + "\n";

    log += "Opening File...";
    std::string text;
    // A project file that leads to neither a file nor a folder is not read:
    // a device or a pipe would be read without end or not at all, and a
    // link to nothing would have the read make a file where it points.
    const EntryKind target = files::targetAt(r.projectFile);
    const bool notAFile = anythingAt(r.projectFile) && target != EntryKind::file && target != EntryKind::folder;
    if (notAFile || !readTextFile(r.projectFile, text, true, 1, true, options.wait))
        return fail("Could not readFile: " + r.projectFile + "\n\nfor modification");
    log += "PASSED \n";

    log += "Modifying & writing File to dest...";
    replaceMarkers(Deliverable::windows, text, project);
    // A project file copied as a link to a file elsewhere is replaced by a
    // file of the project's own; writing through the link would change the
    // file it points to.
    if (files::entryAt(r.projectFile) == EntryKind::link) fs::remove(files::fsPath(r.projectFile), ec);
    const bool written = options.writer ? options.writer(r.projectFile, text) : writeTextFile(r.projectFile, text);
    if (!written) return fail("Could not writeFile: " + r.projectFile + "\n\nfor modification");
    log += "PASSED \n";

    log += "END \n";
    r.ok = true;
    return r;
}

CreationResult makeProjectMac(const ZezureProject& project, const std::string& templateFolder,
                              const TextWriter& writer)
{
    CreationResult r;
    const auto alert = [&r](AlertStyle style, std::string message, std::string informative) {
        r.style = style;
        r.message = std::move(message);
        r.informativeText = std::move(informative);
        return r;
    };

    if (isUnsafeFolderName(project.projectName)) {
        r.ok = false;
        return alert(AlertStyle::warning, "The project name is not a valid folder name.", "");
    }

    r.destination = project.projectFolderPath + project.projectName;
    r.projectFile = r.destination + "/" + "CMakeLists.txt";

    std::string error;
    if (!macfiles::copyItemAtPath(templateFolder, r.destination, error)) {
        r.ok = false;
        r.systemLog.push_back("Error: " + error);
        return alert(AlertStyle::warning, "Could not copy the basis directory to destination.", r.destination);
    }

    std::string text;
    // Only a file is read: a link to a device would be read without end.
    if (files::targetAt(r.projectFile) != EntryKind::file || !macfiles::stringWithContentsOfFile(r.projectFile, text)) {
        r.ok = false;
        return alert(AlertStyle::warning, "Could not modify the project file.", r.projectFile);
    }
    replaceMarkers(Deliverable::mac, text, project);
    const bool written = writer ? writer(r.projectFile, text) : macfiles::writeToFileAtomically(r.projectFile, text);
    if (!written) {
        r.ok = false;
        return alert(AlertStyle::warning, "Could not modify the project file.", r.projectFile);
    }

    r.ok = true;
    return alert(AlertStyle::informational, "Successfully created Zezure project!.", r.destination);
}

}  // namespace zz
