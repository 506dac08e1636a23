#pragma once

#include "common/files.h"

// The host's file system. The primitives that the standard library gives the
// same on every host are in files.cpp; the rest are in files_posix.cpp or
// files_win32.cpp, whichever the host builds.
namespace zz::files {

class HostFileSystem final : public FileSystem {
public:
    EntryKind entryAt(const std::string& path) override;
    EntryKind targetAt(const std::string& path) override;
    ReadStatus readFile(const std::string& path, std::string& bytes, std::uintmax_t limit) override;
    std::unique_ptr<OutputFile> createFile(const std::string& path) override;
    bool createEmptyFile(const std::string& path) override;
    bool makeFolder(const std::string& path) override;
    bool remove(const std::string& path) override;
    bool removeTree(const std::string& path) override;
    bool listFolder(const std::string& path, std::vector<std::string>& names) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool renameNoReplace(const std::string& from, const std::string& to) override;
    bool copyFile(const std::string& from, const std::string& to) override;
    bool copyLink(const std::string& from, const std::string& to) override;
    std::optional<std::filesystem::perms> permissions(const std::string& path) override;
    bool setPermissions(const std::string& path, std::filesystem::perms rights) override;
    std::optional<std::filesystem::file_time_type> lastWriteTime(const std::string& path) override;
    std::intptr_t holdFolder(const std::string& path) override;
    void releaseFolder(std::intptr_t hold) override;
    bool folderIsHeld(const std::string& path) override;
    std::intptr_t lockFile(const std::string& path) override;
    void unlockFile(std::intptr_t lock) override;
};

}  // namespace zz::files
