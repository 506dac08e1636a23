#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// The file services every part of the tool uses. Paths are UTF-8 text; on
// Windows they reach the system as wide paths. One header, two
// implementations side by side: files_posix.cpp and files_win32.cpp.
namespace zz::files {

// A UTF-8 path as the file system takes it, and back.
std::filesystem::path fsPath(const std::string& utf8);
std::string utf8Path(const std::filesystem::path& path);

// ---- What is at a path ------------------------------------------------------

enum class EntryKind {
    missing,  // nothing at all
    file,     // a regular file
    folder,
    link,     // a symbolic link (entryAt only)
    other,    // a pipe, a device, a socket
    unknown,  // the system cannot tell: a name too long, a folder above that cannot be read
};

// The entry itself: a link is `link`, also when it leads nowhere.
EntryKind entryAt(const std::string& path);
// What the entry leads to: links are followed, so a link that leads nowhere
// is `missing` and a link to a folder is `folder`.
EntryKind targetAt(const std::string& path);

// ---- Reading and writing ------------------------------------------------------

// What reading a whole file found.
enum class ReadStatus {
    ok,
    missing,     // nothing there, or a link that leads nowhere
    folder,      // a folder
    special,     // a pipe, a device or a socket: never opened, never read
    tooLarge,    // longer than the limit
    unreadable,  // a file that could not be opened or read
};

// The most a file the user controls may hold: settings files, presets, tables.
inline constexpr std::uintmax_t kUserFileLimit = std::uintmax_t{16} << 20;

// Reads the whole file at `path` (links followed) into `bytes`, at most
// `limit` bytes. Only a regular file is read: a pipe or a device is
// recognised before anything opens it, so a read never blocks and never runs
// without end. On anything but `ok` `bytes` is left empty.
ReadStatus readWholeFile(const std::string& path, std::string& bytes, std::uintmax_t limit);

// Writes `bytes` as the whole content of the file at `path` (made, or cut to
// length 0 first). With `synced` the bytes are on the disk when it answers.
// Answers false on any failure; it may leave a partial file behind.
bool writeWholeFile(const std::string& path, std::string_view bytes, bool synced = false);

// Writes the file of an atomic replacement; tests inject writers that fail.
using FileWriter = std::function<bool(const std::string& path, const std::string& bytes)>;

// The writer of replaceFileAtomically unless a test injects another one:
// writeWholeFile with the bytes synced to the disk.
bool writeNewFile(const std::string& path, const std::string& bytes);

// Replaces the file at `path` in one step: the bytes go to a new file beside
// it (through `writer`), which then takes the name of the old one, whose
// access rights it keeps. On any failure the new file is removed and an
// earlier file at `path` stays as it was; a folder at `path` is never
// replaced.
bool replaceFileAtomically(const std::string& path, const std::string& bytes,
                           const FileWriter& writer = writeNewFile);

// An empty file at `path` when nothing is there (an existing file keeps its
// content). Answers whether a file is there afterwards.
bool createEmptyFile(const std::string& path);

// Makes the folder that holds `path`, with any missing folders above it.
// Answers whether it is there afterwards.
bool makeParentFolders(const std::string& path);

// Renames `from` to `to` in one step when nothing is at `to`; never replaces
// anything. False when something is there or the rename fails.
bool renameNoReplace(const std::string& from, const std::string& to);

// A hidden name beside `path` that nothing has yet:
// parent + "/." + name + "." + purpose + "-" + a number.
// Empty when no free name was found.
std::string uniqueSiblingPath(const std::string& path, const std::string& purpose);

// ---- Folders built beside their final place ------------------------------------

// A hidden folder in `parent`, ".zizavizerovo-" + purpose + "-" + a number, in
// which a run builds something before it moves it into its final place in one
// step. The run holds the folder while it lives, so a run killed half-way
// leaves an unheld folder behind, which clearAbandonedStaging removes later.
// Unless it was moved into place, the folder goes (with everything in it)
// when the object does.
class StagingFolder {
public:
    StagingFolder(const std::string& parent, const std::string& purpose);
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    // False when the folder could not be made (the parent is missing, say).
    bool made() const { return !path_.empty(); }
    const std::string& path() const { return path_; }

    // Moves the folder, or `item` inside it, to `destination`, which must not
    // exist (see renameNoReplace). True when it is in place.
    bool moveTo(const std::string& destination);
    bool moveItemTo(const std::string& item, const std::string& destination);

    // Removes the folder and everything in it now.
    void discard();
    // Leaves the folder and everything in it where it is, held no longer.
    void keep();

private:
    void release();

    std::string path_;
    std::intptr_t hold_ = -1;
    bool moved_ = false;
};

// The name a StagingFolder of `purpose` gets in `parent` is recognised by this.
bool isStagingName(const std::string& name, const std::string& purpose);

// Removes the staging folders of `purpose` in `parent` that runs killed
// half-way left behind: held by no running process and unchanged for at least
// `minimumAge`. Nothing else is ever removed.
void clearAbandonedStaging(const std::string& parent, const std::string& purpose,
                           std::chrono::seconds minimumAge = std::chrono::seconds(10));

// The platform's hold on a folder (StagingFolder): -1 when it cannot be had.
std::intptr_t holdFolder(const std::string& path);
void releaseFolder(std::intptr_t hold);
// Whether any running process holds the folder.
bool folderIsHeld(const std::string& path);

// ---- The running program --------------------------------------------------------

// The separators of paths on this host: "\" and "/" on Windows, "/" elsewhere.
std::string_view hostPathSeparators();
// The one this host's programs join paths with: "\" on Windows, "/" elsewhere.
char hostPathSeparator();

// The full file name of the running program, however long ("" when the
// system does not tell).
std::string programFile();

// The folder of a program file: the full name cut before its last separator
// (of this host), without the separator. A name without one gives "".
std::string folderOfProgramFile(const std::string& programFile);

// The folder that holds the running program file.
std::string programFolder();

// Sleeps for the given time.
void sleepMilliseconds(int milliseconds);

}  // namespace zz::files
