#include "project/macfiles.h"

#include "common/utf8.h"

namespace zz::macfiles {

using files::EntryKind;

Result copyItemAtPath(files::FileSystem& fs, const std::string& source, const std::string& destination,
                      const std::string& shownDestination)
{
    const std::string shown = shownDestination.empty() ? destination : shownDestination;
    // The item named by the caller is followed when it is a link: copying the
    // link itself would make the new project a link into the template, and
    // rewriting its project file would rewrite the template's. Links inside
    // the folder are copied as links.
    const EntryKind sourceKind = fs.targetAt(source);
    if (sourceKind == EntryKind::missing) return Result::failure(noSuchFileError(source));
    if (fs.entryAt(destination) != EntryKind::missing) return Result::failure(alreadyExistsError(shown));
    const bool copied = sourceKind == EntryKind::folder
                            ? fs.makeFolder(destination) && fs.copyFolderTree(source, destination)
                            : fs.copyFile(source, destination);
    if (!copied) return Result::failure(copyFailedError(source, files::utf8Path(files::fsPath(shown).parent_path())));
    return Result::success();
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

bool stringWithContentsOfFile(files::FileSystem& fs, const std::string& path, std::string& text,
                              std::uintmax_t limit)
{
    std::string bytes;
    if (fs.readFile(path, bytes, limit) != files::ReadStatus::ok || !utf8::isValid(bytes)) return false;
    text.swap(bytes);
    return true;
}

bool writeToFileAtomically(files::FileSystem& fs, const std::string& path, const std::string& text)
{
    return fs.replaceFileAtomically(path, text);
}

}  // namespace zz::macfiles
