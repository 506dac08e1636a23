#pragma once

#include <functional>
#include <string>

#include "common/files.h"

// The Windows deliverable's file services: folder copy and text files with the
// Windows text rules. The rules are applied by this code on every host, so a
// file written here is the same byte for byte whether it was made on Linux or
// on Windows.
namespace zz {

// Copies everything inside `source` into `destination`, a folder that exists.
// Sub-folders are made as needed (an existing one is accepted), files replace
// files of the same name, hidden entries are included. A symbolic link is
// copied as a link and never entered. Any entry that cannot be copied fails
// the whole copy at once; what was copied so far stays.
bool copyFolderTree(const std::string& source, const std::string& destination);

// Whether copyFolderTree could copy everything inside `source`: every entry
// a file, a folder or a link (a pipe, a device or a socket cannot be copied).
// Reads the tree only; links are not entered.
bool folderTreeCopies(const std::string& source);

// How readTextFile waits between two tries to open a file. The real wait
// sleeps; tests pass their own.
using RetryWait = std::function<void(int milliseconds)>;

inline constexpr int kRetryWaitMilliseconds = 2500;

// Reads a text file with the Windows text rules into `text`: each CR LF
// becomes LF and every line, the last one included, ends with one LF.
// When nothing exists at `path` the answer is success with an empty text, and
// with `createIfMissing` an empty file is made there first. A file (or a
// folder) that cannot be opened is tried again after `kRetryWaitMilliseconds`
// (through `wait`), at most `retryCount` more times when `retry` is on; then
// the read fails. A pipe, a device or a file longer than `limit` fails at
// once: no wait would change it.
bool readTextFile(const std::string& path, std::string& text, bool retry, int retryCount, bool createIfMissing,
                  const RetryWait& wait = files::sleepMilliseconds, std::uintmax_t limit = files::kUserFileLimit);

// Writes `text` and one more LF to `path` with the Windows text rules (each
// LF becomes CR LF), replacing the file. Fails only when the file cannot be
// created or written.
bool writeTextFile(const std::string& path, const std::string& text);

// The Windows text rules on their own, for callers that hold the bytes.
std::string windowsTextFromBytes(const std::string& bytes);
std::string windowsBytesFromText(const std::string& text);

}  // namespace zz
