#pragma once

#include <string>

#include "common/files.h"
#include "common/result.h"

// Reading and writing the password-protected ZIP archives that carry the
// template folder. Both sides stream: no entry is ever held in memory whole.
namespace zz {

// Extracts every entry of the ZIP archive `archivePath` into the folder
// `destination`, which must exist. Entries that name folders, and the folders
// above file entries, are created as needed. With `overwrite` an existing file
// of the same name is replaced; without it an existing file is left alone and
// the extraction fails. `password` opens encrypted entries (traditional ZIP
// encryption); entries that are not encrypted are read without it.
//
// Succeeds only when every entry was written in full and its size and
// CRC-32 match the archive's. An entry whose name is absolute, starts with a
// drive letter or climbs out of the destination with ".." is refused: the
// extraction fails and nothing is written outside `destination`. On failure the
// entries extracted so far stay where they are; the result's detail is a
// one-line reason. The entries are written through `disk`; the archive itself
// is read by the archive library.
Result extractArchive(const std::string& archivePath, const std::string& destination, bool overwrite,
                      const std::string& password, files::FileSystem& disk = files::realFileSystem());

// True when an entry name may be extracted below a folder: not empty, not
// absolute (no leading '/' or '\'), no drive letter, no ".." component. Both
// '/' and '\' count as separators.
bool isSafeEntryName(const std::string& name);

// Packs the content of `folder` into a new ZIP archive at `archivePath` (an
// existing file is replaced). Entry names are relative to `folder`, with '/'
// as separator; every sub-folder gets an entry of its own ("name/"), so empty
// folders survive. Files are deflated; with a non-empty `password` every file
// is encrypted with traditional ZIP encryption. Symbolic links are refused.
// On failure the result's detail says why; a half-written archive is removed.
// (The build packs the template with it, so it reads the host's file system
// directly.)
Result packFolder(const std::string& folder, const std::string& archivePath, const std::string& password);

}  // namespace zz
