#include "project/macfiles.h"

#include <system_error>

#include "common/files.h"
#include "common/utf8.h"
#include "project/winfiles.h"

namespace fs = std::filesystem;

namespace zz::macfiles {

bool copyItemAtPath(const std::string& source, const std::string& destination, std::string& error,
                    const std::string& shownDestination,
                    const std::function<bool(const std::string&, const std::string&)>& copyTree)
{
    const fs::path from = files::fsPath(source);
    const fs::path to = files::fsPath(destination);
    const fs::path shown = shownDestination.empty() ? to : files::fsPath(shownDestination);
    std::error_code ec;
    // The item named by the caller is followed when it is a link: copying the
    // link itself would make the new project a link into the template, and
    // rewriting its project file would rewrite the template's. Links inside
    // the folder are copied as links.
    const fs::file_status sourceStatus = fs::status(from, ec);
    if (sourceStatus.type() == fs::file_type::not_found) {
        error = noSuchFileError(source);
        return false;
    }
    if (files::entryAt(destination) != files::EntryKind::missing) {
        error = alreadyExistsError(files::utf8Path(shown));
        return false;
    }
    if (fs::is_directory(sourceStatus)) {
        if (fs::create_directory(to, ec) && !ec) {
            if (!(copyTree ? copyTree(source, destination) : copyFolderTree(source, destination))) {
                error = copyFailedError(source, files::utf8Path(shown.parent_path()));
                return false;
            }
        }
    } else {
        fs::copy_file(from, to, ec);
    }
    if (ec) {
        error = ec.message();
        return false;
    }
    return true;
}

std::string alreadyExistsError(const std::string& destination)
{
    return "\"" + files::utf8Path(files::fsPath(destination).filename()) +
           "\" couldn't be copied because an item with the same name already exists.";
}

std::string noSuchFileError(const std::string& source)
{
    return "The file \"" + source + "\" couldn't be opened because there is no such file.";
}

std::string copyFailedError(const std::string& source, const std::string& folder)
{
    return "\"" + files::utf8Path(files::fsPath(source).filename()) + "\" couldn't be copied to \"" +
           files::utf8Path(files::fsPath(folder).filename()) + "\".";
}

bool stringWithContentsOfFile(const std::string& path, std::string& text, std::uintmax_t limit)
{
    std::string bytes;
    if (files::readWholeFile(path, bytes, limit) != files::ReadStatus::ok || !utf8::isValid(bytes)) return false;
    text.swap(bytes);
    return true;
}

bool writeToFileAtomically(const std::string& path, const std::string& text)
{
    return files::replaceFileAtomically(path, text);
}

}  // namespace zz::macfiles
