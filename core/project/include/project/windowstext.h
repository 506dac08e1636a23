#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/files.h"

// The Windows deliverable's text files: CR LF line ends, one more line end at
// the end, and a file that cannot be opened tried again. The rules are applied
// by this code on every host, so a file written here is the same byte for byte
// whether it was made on Linux or on Windows (files_win32.cpp, by contrast, is
// the Win32 host's file system).
namespace zz {

// How readTextFile waits between two tries to open a file. The real wait
// sleeps; tests pass their own.
using RetryWait = std::function<void(int milliseconds)>;

inline constexpr int kRetryWaitMilliseconds = 2500;

// How readTextFile reads.
struct ReadOptions {
    // More tries after the first when the file (or a folder there) cannot be
    // opened, kRetryWaitMilliseconds apart.
    int retries = 0;
    // An empty file is made where nothing is (the outcome is not looked at).
    bool createIfMissing = false;
    std::uintmax_t limit = files::kUserFileLimit;
    RetryWait wait = files::sleepMilliseconds;
};

// Reads a text file with the Windows text rules into `text`: each CR LF
// becomes LF and every line, the last one included, ends with one LF.
// When nothing exists at `path` the answer is success with an empty text. A
// file that cannot be opened is tried again as `options` says; then the read
// fails. A pipe, a device or a file longer than the limit fails at once: no
// wait would change it.
bool readTextFile(files::FileSystem& fs, const std::string& path, std::string& text, const ReadOptions& options = {});

// Writes `text` and one more LF to `path` with the Windows text rules (each
// LF becomes CR LF), replacing the file; with `synced` the bytes are on the
// disk when it answers. Fails when the file cannot be created or written.
bool writeTextFile(files::FileSystem& fs, const std::string& path, const std::string& text, bool synced = false);

// The Windows text rules on their own, for callers that hold the bytes.
std::string windowsTextFromBytes(const std::string& bytes);
std::string windowsBytesFromText(const std::string& text);

}  // namespace zz
