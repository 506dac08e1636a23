#pragma once

#include <string>

// The macOS deliverable's file services, as the platform's file manager and
// string class offer them: a whole-folder copy that refuses an existing
// destination, UTF-8 text read whole, UTF-8 text written atomically. Line
// ends pass through unchanged.
namespace zz::macfiles {

// Copies `source` (a folder with everything in it, or a file) to
// `destination`, which must not exist yet. Symbolic links inside are copied as
// links. On failure answers false with a description in `error`; what was
// copied so far stays.
bool copyItemAtPath(const std::string& source, const std::string& destination, std::string& error);

// Reads a whole file as UTF-8. Fails when the file cannot be read or is not
// valid UTF-8.
bool stringWithContentsOfFile(const std::string& path, std::string& text);

// Writes `text` to a new file beside `path` and renames it over `path`, so
// that a reader never sees half a file.
bool writeToFileAtomically(const std::string& path, const std::string& text);

}  // namespace zz::macfiles
