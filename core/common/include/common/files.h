#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The file system as every part of the tool sees it, in the manner of a disk
// interface: a small set of primitives that each host implements once
// (files_posix.cpp, files_win32.cpp) and that tests replace with a fake that
// fails chosen calls, and the operations built on them (atomic replacement,
// folder copies, staging folders), written once in files.cpp. Paths are UTF-8
// text; on Windows they reach the system as wide paths.
//
// Nothing here throws. A primitive answers false (or a status) when the system
// refused; the callers above turn that into a Result with their own words.
namespace zz::files {

// A UTF-8 path as the file system takes it, and back.
std::filesystem::path fsPath(const std::string& utf8);
std::string utf8Path(const std::filesystem::path& path);

// What is at a path.
enum class EntryKind {
    missing,  // nothing at all
    file,     // a regular file
    folder,
    link,     // a symbolic link (entryAt only)
    other,    // a pipe, a device, a socket
    unknown,  // the system cannot tell: a name too long, a folder above that cannot be read
};

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

// A file opened for writing by FileSystem::createFile. Closing it is part of
// the write: a failure there (a full disk, a failed sync) fails the write.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual bool write(std::string_view bytes) = 0;
    // With `synced` the bytes are on the disk when it answers true.
    virtual bool close(bool synced) = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // ---- Primitives: one system call or so each ------------------------------

    // The entry itself: a link is `link`, also when it leads nowhere.
    virtual EntryKind entryAt(const std::string& path) = 0;
    // What the entry leads to: links are followed, so a link that leads
    // nowhere is `missing` and a link to a folder is `folder`.
    virtual EntryKind targetAt(const std::string& path) = 0;

    // Reads the whole file at `path` (links followed) into `bytes`, at most
    // `limit` bytes. Only a regular file is read: a pipe or a device is
    // recognised before anything opens it (and again after the open, should
    // the entry have changed), so a read never blocks and never runs without
    // end. On anything but `ok` `bytes` is left empty.
    virtual ReadStatus readFile(const std::string& path, std::string& bytes, std::uintmax_t limit) = 0;

    // Creates the file at `path`, or cuts an existing one to length 0, for
    // writing; null when it cannot be opened.
    virtual std::unique_ptr<OutputFile> createFile(const std::string& path) = 0;
    // An empty file at `path` when nothing is there; an existing file keeps
    // its content. True when a file is there afterwards.
    virtual bool createEmptyFile(const std::string& path) = 0;

    // Makes one folder; false when it could not (something is there already,
    // the folder above is missing).
    virtual bool makeFolder(const std::string& path) = 0;
    // Removes a file, a link (never what it leads to) or an empty folder.
    virtual bool remove(const std::string& path) = 0;
    // Removes a folder with everything in it; links inside are removed, never
    // followed. True when nothing is there afterwards.
    virtual bool removeTree(const std::string& path) = 0;
    // The names in a folder (without "." and ".."), in no particular order.
    virtual bool listFolder(const std::string& path, std::vector<std::string>& names) = 0;

    // Renames in one step, replacing a file at `to`.
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    // Renames in one step when nothing is at `to`; never replaces anything.
    virtual bool renameNoReplace(const std::string& from, const std::string& to) = 0;

    // Copies a regular file's bytes and access rights, replacing a file at `to`.
    virtual bool copyFile(const std::string& from, const std::string& to) = 0;
    // Makes a link at `to` that leads where the link `from` leads.
    virtual bool copyLink(const std::string& from, const std::string& to) = 0;

    // The access rights of what is at `path` (links followed); nothing when
    // they cannot be read.
    virtual std::optional<std::filesystem::perms> permissions(const std::string& path) = 0;
    virtual bool setPermissions(const std::string& path, std::filesystem::perms rights) = 0;
    // When the entry (not what a link leads to) last changed.
    virtual std::optional<std::filesystem::file_time_type> lastWriteTime(const std::string& path) = 0;

    // A hold on a folder that other processes can see (folderIsHeld) and that
    // goes with the process: -1 when it cannot be had.
    virtual std::intptr_t holdFolder(const std::string& path) = 0;
    virtual void releaseFolder(std::intptr_t hold) = 0;
    virtual bool folderIsHeld(const std::string& path) = 0;

    // An exclusive lock on the file or folder at `path` (a lock file is made
    // when nothing is there), had by one process at a time and let go when the
    // process ends: -1 when it cannot be had now. See FileLock for the
    // waiting. (On Windows a folder is locked through a hidden file in it,
    // ".zizavizerovo-lock".)
    virtual std::intptr_t lockFile(const std::string& path) = 0;
    virtual void unlockFile(std::intptr_t lock) = 0;

    // ---- Built on the primitives ---------------------------------------------

    // Writes `bytes` as the whole content of the file at `path` (made, or cut
    // to length 0 first). With `synced` the bytes are on the disk when it
    // answers. False on any failure; it may leave a partial file behind.
    bool writeFile(const std::string& path, std::string_view bytes, bool synced = false);

    // Replaces the file at `path` in one step: the bytes go to a new file
    // beside it, synced to the disk, which then takes the name of the old one,
    // whose access rights it keeps. On any failure the new file is removed and
    // an earlier file at `path` stays as it was; a folder at `path` is never
    // replaced.
    bool replaceFileAtomically(const std::string& path, std::string_view bytes);

    // Makes the folder `path` with any missing folders above it. True when a
    // folder is there afterwards.
    bool makeFolders(const std::string& path);
    // Makes the folder that holds `path`, with any missing folders above it.
    bool makeParentFolders(const std::string& path);

    // A hidden name beside `path` that nothing has yet:
    // parent + "/." + name + "." + purpose + "-" + a number. Empty when no free
    // name was found.
    std::string uniqueSiblingPath(const std::string& path, const std::string& purpose);

    // Copies everything inside `source` into `destination`, a folder that
    // exists. Sub-folders are made as needed (an existing one is accepted),
    // files replace files of the same name, hidden entries are included. A
    // symbolic link is copied as a link and never entered. Any entry that
    // cannot be copied fails the whole copy at once; what was copied so far
    // stays.
    bool copyFolderTree(const std::string& source, const std::string& destination);
    // Whether copyFolderTree could copy everything inside `source`: every entry
    // a file, a folder or a link (a pipe, a device or a socket cannot be
    // copied). Reads the tree only; links are not entered.
    bool folderTreeCopies(const std::string& source);

    // Removes the staging folders (StagingFolder) of `purpose` in `parent` that
    // runs killed half-way left behind: held by no running process and
    // unchanged for at least `minimumAge`. Nothing else is ever removed.
    void clearAbandonedStaging(const std::string& parent, const std::string& purpose,
                               std::chrono::seconds minimumAge = std::chrono::seconds(10));
};

// The host's file system.
FileSystem& realFileSystem();

// ---- Folders built beside their final place ------------------------------------

// A hidden folder in `parent`, ".zizavizerovo-" + purpose + "-" + a number, in
// which a run builds something before it moves it into its final place in one
// step. The run holds the folder while it lives, so a run killed half-way
// leaves an unheld folder behind, which clearAbandonedStaging removes later.
// Unless it was moved into place, the folder goes (with everything in it)
// when the object does.
class StagingFolder {
public:
    StagingFolder(FileSystem& fileSystem, const std::string& parent, const std::string& purpose);
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

    FileSystem& fs_;
    std::string path_;
    std::intptr_t hold_ = -1;
    bool moved_ = false;
};

// An exclusive lock on a lock file or a folder, held while the object lives:
// the runs that change one shared thing (the register, a template folder)
// take turns. It waits up to `wait` for another run to let go.
class FileLock {
public:
    FileLock(FileSystem& fileSystem, const std::string& path,
             std::chrono::milliseconds wait = std::chrono::seconds(10));
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when the lock was not had within the wait.
    bool held() const { return lock_ != -1; }
    // Not held because another run held it all the while (rather than
    // because the lock file could not be made at all).
    bool busy() const { return busy_; }

private:
    FileSystem& fs_;
    std::intptr_t lock_ = -1;
    bool busy_ = false;
};

// The name a StagingFolder of `purpose` gets in `parent` is recognised by this.
bool isStagingName(const std::string& name, const std::string& purpose);

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
