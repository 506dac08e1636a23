#pragma once

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

// Reads the whole file at `path` into `bytes`. Fails (and leaves `bytes`
// empty) when nothing is there, on a folder, or when the file cannot be read.
bool readWholeFile(const std::string& path, std::string& bytes);

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

// A hidden name beside `path` that nothing has yet:
// parent + "/." + name + "." + purpose + "-" + a number.
// Empty when no free name was found.
std::string uniqueSiblingPath(const std::string& path, const std::string& purpose);

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
