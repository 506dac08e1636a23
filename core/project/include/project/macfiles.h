#pragma once

#include <cstdint>
#include <string>

#include "common/files.h"
#include "common/result.h"

// The macOS deliverable's file services, as the platform's file manager and
// string class offer them: a whole-folder copy that refuses an existing
// destination, UTF-8 text read whole, UTF-8 text written atomically. Line
// ends pass through unchanged.
namespace zz::macfiles {

// Copies `source` (a folder with everything in it, or a file) to
// `destination`, which must not exist yet. Symbolic links inside are copied as
// links. On failure the result's detail is the platform's description of the
// error; what was copied so far stays. The description names
// `shownDestination` (when not empty) instead of `destination`: a creation
// copies into a folder of its own before the project takes its name.
Result copyItemAtPath(files::FileSystem& fs, const std::string& source, const std::string& destination,
                      const std::string& shownDestination = {});

// The platform's description of a copy refused because something is at
// `destination` already.
std::string alreadyExistsError(const std::string& destination);

// The platform's description of a copy of `source` that found nothing there.
std::string noSuchFileError(const std::string& source);

// The platform's description of a copy of `source` into `folder` that failed
// part of the way: both named by their last component.
std::string copyFailedError(const std::string& source, const std::string& folder);

// Reads a whole file as UTF-8. Fails when the file cannot be read, is not a
// regular file, is longer than `limit` or is not valid UTF-8.
bool stringWithContentsOfFile(files::FileSystem& fs, const std::string& path, std::string& text,
                              std::uintmax_t limit = files::kUserFileLimit);

// Writes `text` to a new file beside `path` and renames it over `path`, so
// that a reader never sees half a file.
bool writeToFileAtomically(files::FileSystem& fs, const std::string& path, const std::string& text);

}  // namespace zz::macfiles
