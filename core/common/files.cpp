#include "common/files.h"

#include <algorithm>
#include <random>
#include <system_error>

#include "hostfiles.h"

namespace fs = std::filesystem;

// The operations built on the primitives, and the primitives that the
// standard library gives the same on every host; files_posix.cpp and
// files_win32.cpp hold the rest.
namespace zz::files {

namespace {

EntryKind kindOf(const fs::file_status& status)
{
    switch (status.type()) {
    case fs::file_type::not_found: return EntryKind::missing;
    case fs::file_type::regular: return EntryKind::file;
    case fs::file_type::directory: return EntryKind::folder;
    case fs::file_type::symlink: return EntryKind::link;
    case fs::file_type::none:
    case fs::file_type::unknown: return EntryKind::unknown;
    default: return EntryKind::other;
    }
}

// The number that makes a hidden name unlikely to be taken: 0 to 999999999.
std::string randomNumberText()
{
    static std::mt19937_64 generator{std::random_device{}()};
    return std::to_string(generator() % 1000000000u);
}

std::string joined(const std::string& folder, const std::string& name)
{
    return utf8Path(fsPath(folder) / fsPath(name));
}

// The names in a folder in a fixed order, so that a run makes its calls in
// the same order every time.
bool sortedNames(FileSystem& fs, const std::string& folder, std::vector<std::string>& names)
{
    names.clear();
    if (!fs.listFolder(folder, names)) return false;
    std::sort(names.begin(), names.end());
    return true;
}

constexpr const char* kStagingPrefix = ".zizavizerovo-";

}  // namespace

fs::path fsPath(const std::string& utf8)
{
    return fs::u8path(utf8);
}

std::string utf8Path(const fs::path& path)
{
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

// ---- Primitives of the standard library ----------------------------------------

EntryKind HostFileSystem::entryAt(const std::string& path)
{
    std::error_code ec;
    return kindOf(fs::symlink_status(fsPath(path), ec));
}

EntryKind HostFileSystem::targetAt(const std::string& path)
{
    std::error_code ec;
    return kindOf(fs::status(fsPath(path), ec));
}

bool HostFileSystem::makeFolder(const std::string& path)
{
    std::error_code ec;
    return fs::create_directory(fsPath(path), ec) && !ec;
}

bool HostFileSystem::remove(const std::string& path)
{
    std::error_code ec;
    return fs::remove(fsPath(path), ec) && !ec;
}

bool HostFileSystem::removeTree(const std::string& path)
{
    std::error_code ec;
    fs::remove_all(fsPath(path), ec);
    return !ec && entryAt(path) == EntryKind::missing;
}

bool HostFileSystem::listFolder(const std::string& path, std::vector<std::string>& names)
{
    std::error_code ec;
    fs::directory_iterator it(fsPath(path), ec);
    if (ec) return false;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) names.push_back(utf8Path(it->path().filename()));
    return !ec;
}

bool HostFileSystem::rename(const std::string& from, const std::string& to)
{
    std::error_code ec;
    fs::rename(fsPath(from), fsPath(to), ec);
    return !ec;
}

bool HostFileSystem::copyFile(const std::string& from, const std::string& to)
{
    std::error_code ec;
    fs::copy_file(fsPath(from), fsPath(to), fs::copy_options::overwrite_existing, ec);
    return !ec;
}

bool HostFileSystem::copyLink(const std::string& from, const std::string& to)
{
    std::error_code ec;
    fs::copy_symlink(fsPath(from), fsPath(to), ec);
    return !ec;
}

std::optional<fs::perms> HostFileSystem::permissions(const std::string& path)
{
    std::error_code ec;
    const fs::file_status status = fs::status(fsPath(path), ec);
    if (ec) return std::nullopt;
    return status.permissions();
}

bool HostFileSystem::setPermissions(const std::string& path, fs::perms rights)
{
    std::error_code ec;
    fs::permissions(fsPath(path), rights, fs::perm_options::replace, ec);
    return !ec;
}

std::optional<fs::file_time_type> HostFileSystem::lastWriteTime(const std::string& path)
{
    std::error_code ec;
    const auto time = fs::last_write_time(fsPath(path), ec);
    if (ec) return std::nullopt;
    return time;
}

FileSystem& realFileSystem()
{
    static HostFileSystem host;
    return host;
}

// ---- Built on the primitives ----------------------------------------------------

bool FileSystem::writeFile(const std::string& path, std::string_view bytes, bool synced)
{
    const std::unique_ptr<OutputFile> file = createFile(path);
    if (!file) return false;
    const bool written = file->write(bytes);
    // Closed either way; a failed close fails the write.
    return file->close(synced) && written;
}

bool FileSystem::replaceFileAtomically(const std::string& path, std::string_view bytes)
{
    // Renaming over a folder would fail anyway; do not leave a new file
    // behind trying.
    if (targetAt(path) == EntryKind::folder) return false;

    const std::string fresh = uniqueSiblingPath(path, "tmp");
    if (fresh.empty()) return false;
    if (!writeFile(fresh, bytes, true)) {
        remove(fresh);
        return false;
    }
    if (targetAt(path) == EntryKind::file) {
        if (const auto rights = permissions(path)) setPermissions(fresh, *rights);
    }
    if (!rename(fresh, path)) {
        remove(fresh);
        return false;
    }
    return true;
}

bool FileSystem::makeFolders(const std::string& path)
{
    if (path.empty() || targetAt(path) == EntryKind::folder) return true;
    const fs::path parent = fsPath(path).parent_path();
    if (parent != fsPath(path) && !makeFolders(utf8Path(parent))) return false;
    makeFolder(path);  // another run may make it meanwhile: what counts is that it is there
    return targetAt(path) == EntryKind::folder;
}

bool FileSystem::makeParentFolders(const std::string& path)
{
    const fs::path parent = fsPath(path).parent_path();
    return parent.empty() || makeFolders(utf8Path(parent));
}

std::string FileSystem::uniqueSiblingPath(const std::string& path, const std::string& purpose)
{
    fs::path target = fsPath(path);
    if (!target.has_filename()) target = target.parent_path();  // "…/name/"
    const fs::path parent = target.parent_path();
    const std::string name = utf8Path(target.filename());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = utf8Path(parent / fsPath("." + name + "." + purpose + "-" + randomNumberText()));
        if (entryAt(candidate) == EntryKind::missing) return candidate;
    }
    return {};
}

bool FileSystem::copyFolderTree(const std::string& source, const std::string& destination)
{
    std::vector<std::string> names;
    if (!sortedNames(*this, source, names)) return false;
    for (const std::string& name : names) {
        const std::string from = joined(source, name);
        const std::string to = joined(destination, name);
        switch (entryAt(from)) {
        case EntryKind::link: {
            // A link is copied as a link, never followed.
            const EntryKind existing = entryAt(to);
            if (existing == EntryKind::folder) return false;
            if (existing != EntryKind::missing && !remove(to)) return false;
            if (!copyLink(from, to)) return false;
            break;
        }
        case EntryKind::folder:
            // An existing folder is accepted.
            if (entryAt(to) != EntryKind::folder && !makeFolder(to)) return false;
            if (!copyFolderTree(from, to)) return false;
            break;
        case EntryKind::file:
            if (!copyFile(from, to)) return false;
            break;
        default: return false;
        }
    }
    return true;
}

bool FileSystem::folderTreeCopies(const std::string& source)
{
    std::vector<std::string> names;
    if (!sortedNames(*this, source, names)) return false;
    for (const std::string& name : names) {
        const std::string entry = joined(source, name);
        switch (entryAt(entry)) {
        case EntryKind::file:
        case EntryKind::link: break;
        case EntryKind::folder:
            if (!folderTreeCopies(entry)) return false;
            break;
        default: return false;
        }
    }
    return true;
}

void FileSystem::clearAbandonedStaging(const std::string& parent, const std::string& purpose,
                                       std::chrono::seconds minimumAge)
{
    const std::string folder = parent.empty() ? std::string(".") : parent;
    std::vector<std::string> names;
    if (!sortedNames(*this, folder, names)) return;
    const auto now = fs::file_time_type::clock::now();
    for (const std::string& name : names) {
        if (!isStagingName(name, purpose)) continue;
        const std::string entry = joined(folder, name);
        // A folder of our name, never a link to one; one that changed a moment
        // ago may belong to a run that has not got its hold yet.
        if (entryAt(entry) != EntryKind::folder) continue;
        const auto changed = lastWriteTime(entry);
        if (!changed || now - *changed < minimumAge) continue;
        if (folderIsHeld(entry)) continue;
        removeTree(entry);
    }
}

// ---- Staging folders ----------------------------------------------------------

StagingFolder::StagingFolder(FileSystem& fileSystem, const std::string& parent, const std::string& purpose)
    : fs_(fileSystem)
{
    const std::string folder = parent.empty() ? std::string(".") : parent;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = joined(folder, kStagingPrefix + purpose + "-" + randomNumberText());
        if (fs_.makeFolder(candidate)) {
            path_ = candidate;
            hold_ = fs_.holdFolder(path_);
            return;
        }
        // Only a name that is taken is worth another try.
        if (fs_.entryAt(candidate) == EntryKind::missing) return;
    }
}

StagingFolder::~StagingFolder()
{
    if (!moved_) discard();
    release();
}

void StagingFolder::release()
{
    if (hold_ != -1) fs_.releaseFolder(hold_);
    hold_ = -1;
}

bool StagingFolder::moveTo(const std::string& destination)
{
    if (!made() || moved_) return false;
    // Windows does not rename a folder that is held open; the rename follows
    // at once.
    release();
    moved_ = fs_.renameNoReplace(path_, destination);
    if (!moved_) hold_ = fs_.holdFolder(path_);
    return moved_;
}

bool StagingFolder::moveItemTo(const std::string& item, const std::string& destination)
{
    return made() && !moved_ && fs_.renameNoReplace(item, destination);
}

void StagingFolder::discard()
{
    if (!made() || moved_) return;
    release();
    fs_.removeTree(path_);
    moved_ = true;  // nothing left to move or to remove
}

void StagingFolder::keep()
{
    release();
    moved_ = true;
}

// ---- Locks ----------------------------------------------------------------------

FileLock::FileLock(FileSystem& fileSystem, const std::string& path, std::chrono::milliseconds wait)
    : fs_(fileSystem)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        lock_ = fs_.lockFile(path);
        if (lock_ != -1) {
            busy_ = false;  // had after a wait
            return;
        }
        // A lock file that cannot even be made is not held by anyone.
        const EntryKind kind = fs_.targetAt(path);
        busy_ = kind == EntryKind::file || kind == EntryKind::folder;
        if (!busy_ || std::chrono::steady_clock::now() >= deadline) return;
        sleepMilliseconds(20);
    }
}

FileLock::~FileLock()
{
    if (lock_ != -1) fs_.unlockFile(lock_);
}

bool isStagingName(const std::string& name, const std::string& purpose)
{
    const std::string prefix = kStagingPrefix + purpose + "-";
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
    for (size_t i = prefix.size(); i < name.size(); ++i)
        if (name[i] < '0' || name[i] > '9') return false;
    return true;
}

// ---- The running program --------------------------------------------------------

std::string folderOfProgramFile(const std::string& programFile)
{
    const auto cut = programFile.find_last_of(hostPathSeparators());
    if (cut == std::string::npos) return {};
    return programFile.substr(0, cut);
}

std::string programFolder()
{
    return folderOfProgramFile(programFile());
}

}  // namespace zz::files
