#include "common/files.h"

#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

// The parts of the file services that the standard library gives the same on
// every host; files_posix.cpp and files_win32.cpp hold the rest.
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

EntryKind entryAt(const std::string& path)
{
    std::error_code ec;
    return kindOf(fs::symlink_status(fsPath(path), ec));
}

EntryKind targetAt(const std::string& path)
{
    std::error_code ec;
    return kindOf(fs::status(fsPath(path), ec));
}

bool writeNewFile(const std::string& path, const std::string& bytes)
{
    return writeWholeFile(path, bytes, true);
}

bool replaceFileAtomically(const std::string& path, const std::string& bytes, const FileWriter& writer)
{
    // Renaming over a folder would fail anyway; do not leave a new file
    // behind trying.
    if (targetAt(path) == EntryKind::folder) return false;

    const std::string fresh = uniqueSiblingPath(path, "tmp");
    if (fresh.empty()) return false;
    std::error_code ec;
    const bool written = writer ? writer(fresh, bytes) : writeNewFile(fresh, bytes);
    if (!written) {
        fs::remove(fsPath(fresh), ec);
        return false;
    }
    const fs::file_status earlier = fs::status(fsPath(path), ec);
    if (!ec && fs::is_regular_file(earlier)) fs::permissions(fsPath(fresh), earlier.permissions(), ec);
    fs::rename(fsPath(fresh), fsPath(path), ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(fsPath(fresh), ignored);
        return false;
    }
    return true;
}

bool createEmptyFile(const std::string& path)
{
    std::ofstream out(fsPath(path), std::ios::binary | std::ios::app);
    return static_cast<bool>(out);
}

bool makeParentFolders(const std::string& path)
{
    const fs::path parent = fsPath(path).parent_path();
    if (parent.empty()) return true;
    std::error_code ec;
    if (fs::is_directory(parent, ec)) return true;
    fs::create_directories(parent, ec);
    return fs::is_directory(parent, ec);
}

std::string uniqueSiblingPath(const std::string& path, const std::string& purpose)
{
    fs::path target = fsPath(path);
    if (!target.has_filename()) target = target.parent_path();  // "…/name/"
    const fs::path parent = target.parent_path();
    const std::string name = utf8Path(target.filename());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = parent / fsPath("." + name + "." + purpose + "-" + randomNumberText());
        std::error_code ec;
        if (fs::symlink_status(candidate, ec).type() == fs::file_type::not_found) return utf8Path(candidate);
    }
    return {};
}

// ---- Staging folders ----------------------------------------------------------

namespace {

constexpr const char* kStagingPrefix = ".zizavizerovo-";

}  // namespace

StagingFolder::StagingFolder(const std::string& parent, const std::string& purpose)
{
    const fs::path folder = fsPath(parent.empty() ? std::string(".") : parent);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = folder / fsPath(kStagingPrefix + purpose + "-" + randomNumberText());
        std::error_code ec;
        if (fs::create_directory(candidate, ec) && !ec) {
            path_ = utf8Path(candidate);
            hold_ = holdFolder(path_);
            return;
        }
        // Only a name that is taken is worth another try.
        if (fs::symlink_status(candidate, ec).type() == fs::file_type::not_found) return;
    }
}

StagingFolder::~StagingFolder()
{
    if (!moved_) discard();
    release();
}

void StagingFolder::release()
{
    if (hold_ != -1) releaseFolder(hold_);
    hold_ = -1;
}

bool StagingFolder::moveTo(const std::string& destination)
{
    if (!made() || moved_) return false;
    // Windows does not rename a folder that is held open; the rename follows
    // at once.
    release();
    moved_ = renameNoReplace(path_, destination);
    if (!moved_) hold_ = holdFolder(path_);
    return moved_;
}

bool StagingFolder::moveItemTo(const std::string& item, const std::string& destination)
{
    return made() && !moved_ && renameNoReplace(item, destination);
}

void StagingFolder::discard()
{
    if (!made() || moved_) return;
    release();
    std::error_code ec;
    fs::remove_all(fsPath(path_), ec);
    moved_ = true;  // nothing left to move or to remove
}

void StagingFolder::keep()
{
    release();
    moved_ = true;
}

bool isStagingName(const std::string& name, const std::string& purpose)
{
    const std::string prefix = kStagingPrefix + purpose + "-";
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
    for (size_t i = prefix.size(); i < name.size(); ++i)
        if (name[i] < '0' || name[i] > '9') return false;
    return true;
}

void clearAbandonedStaging(const std::string& parent, const std::string& purpose, std::chrono::seconds minimumAge)
{
    std::error_code ec;
    fs::directory_iterator it(fsPath(parent.empty() ? std::string(".") : parent), ec);
    if (ec) return;
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        const fs::path entry = it->path();
        if (!isStagingName(utf8Path(entry.filename()), purpose)) continue;
        // A folder of our name, never a link to one; one that changed a moment
        // ago may belong to a run that has not got its hold yet.
        std::error_code statError;
        if (!fs::is_directory(fs::symlink_status(entry, statError))) continue;
        const auto changed = fs::last_write_time(entry, statError);
        if (statError || now - changed < minimumAge) continue;
        if (folderIsHeld(utf8Path(entry))) continue;
        fs::remove_all(entry, statError);
    }
}

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
