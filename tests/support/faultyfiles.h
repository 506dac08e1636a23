#pragma once

// A file system for tests: the host's, except that a chosen call fails. Every
// primitive counts as one call (writing to and closing an open file each count
// too), so a test can run an operation once to count its calls and then fail
// each one in turn.
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/files.h"

class FaultyFileSystem : public zz::files::FileSystem {
public:
    // The call to fail, counting from 1; 0 fails none. With `andLater`, every
    // counted call after it fails too.
    std::size_t failAt = 0;
    bool andLater = false;
    // When not empty, only calls of these operations count ("readFile",
    // "write", "close", "rename", ...).
    std::set<std::string> only;
    // Every counted call: "operation path".
    std::vector<std::string> calls;
    // The files closed with their bytes synced to the disk, in order.
    std::vector<std::string> synced;
    // Runs before each counted call, with its number (from 1) and its text:
    // a test makes something happen meanwhile.
    std::function<void(std::size_t number, const std::string& call)> before;

    using EntryKind = zz::files::EntryKind;
    using ReadStatus = zz::files::ReadStatus;

    EntryKind entryAt(const std::string& p) override { return fails("entryAt", p) ? EntryKind::unknown : host().entryAt(p); }
    EntryKind targetAt(const std::string& p) override { return fails("targetAt", p) ? EntryKind::unknown : host().targetAt(p); }
    ReadStatus readFile(const std::string& p, std::string& bytes, std::uintmax_t limit) override
    {
        bytes.clear();
        return fails("readFile", p) ? ReadStatus::unreadable : host().readFile(p, bytes, limit);
    }
    std::unique_ptr<zz::files::OutputFile> createFile(const std::string& p) override
    {
        if (fails("createFile", p)) return nullptr;
        auto file = host().createFile(p);
        if (!file) return nullptr;
        return std::make_unique<File>(*this, std::move(file), p);
    }
    bool createEmptyFile(const std::string& p) override { return !fails("createEmptyFile", p) && host().createEmptyFile(p); }
    bool makeFolder(const std::string& p) override { return !fails("makeFolder", p) && host().makeFolder(p); }
    bool remove(const std::string& p) override { return !fails("remove", p) && host().remove(p); }
    bool removeTree(const std::string& p) override { return !fails("removeTree", p) && host().removeTree(p); }
    bool listFolder(const std::string& p, std::vector<std::string>& names) override
    {
        return !fails("listFolder", p) && host().listFolder(p, names);
    }
    bool rename(const std::string& from, const std::string& to) override
    {
        return !fails("rename", from + " " + to) && host().rename(from, to);
    }
    bool renameNoReplace(const std::string& from, const std::string& to) override
    {
        return !fails("renameNoReplace", from + " " + to) && host().renameNoReplace(from, to);
    }
    bool copyFile(const std::string& from, const std::string& to) override
    {
        return !fails("copyFile", from + " " + to) && host().copyFile(from, to);
    }
    bool copyLink(const std::string& from, const std::string& to) override
    {
        return !fails("copyLink", from + " " + to) && host().copyLink(from, to);
    }
    std::optional<std::filesystem::perms> permissions(const std::string& p) override
    {
        if (fails("permissions", p)) return std::nullopt;
        return host().permissions(p);
    }
    bool setPermissions(const std::string& p, std::filesystem::perms rights) override
    {
        return !fails("setPermissions", p) && host().setPermissions(p, rights);
    }
    std::optional<std::filesystem::file_time_type> lastWriteTime(const std::string& p) override
    {
        if (fails("lastWriteTime", p)) return std::nullopt;
        return host().lastWriteTime(p);
    }
    std::intptr_t holdFolder(const std::string& p) override { return fails("holdFolder", p) ? -1 : host().holdFolder(p); }
    void releaseFolder(std::intptr_t hold) override { host().releaseFolder(hold); }
    bool folderIsHeld(const std::string& p) override { return fails("folderIsHeld", p) || host().folderIsHeld(p); }
    std::intptr_t lockFile(const std::string& p) override { return fails("lockFile", p) ? -1 : host().lockFile(p); }
    void unlockFile(std::intptr_t lock) override { host().unlockFile(lock); }

private:
    class File : public zz::files::OutputFile {
    public:
        File(FaultyFileSystem& fs, std::unique_ptr<zz::files::OutputFile> file, std::string path)
            : fs_(fs), file_(std::move(file)), path_(std::move(path))
        {
        }
        bool write(std::string_view bytes) override { return !fs_.fails("write", path_) && file_->write(bytes); }
        bool close(bool synced) override
        {
            const bool failed = fs_.fails("close", path_);
            if (synced && !failed) fs_.synced.push_back(path_);
            return file_->close(synced) && !failed;
        }

    private:
        FaultyFileSystem& fs_;
        std::unique_ptr<zz::files::OutputFile> file_;
        std::string path_;
    };

    static zz::files::FileSystem& host() { return zz::files::realFileSystem(); }

    bool fails(const char* operation, const std::string& what)
    {
        if (!only.empty() && !only.count(operation)) return false;
        calls.push_back(std::string(operation) + " " + what);
        if (before) before(calls.size(), calls.back());
        return failAt != 0 && (calls.size() == failAt || (andLater && calls.size() > failAt));
    }
};

// A fault sweep: runs `attempt` once on a file system that only counts, then
// once for each counted call failing alone and once for it failing with every
// call after it (a disk that is gone). `attempt` makes its files afresh, runs
// the operation on the file system it is handed and checks what it finds;
// `fault` names the failed call for its messages ("" on the counting run).
// Answers the number of calls counted: the points where faults were injected.
inline std::size_t sweepFaults(const std::function<void(FaultyFileSystem&, const std::string& fault)>& attempt)
{
    FaultyFileSystem counting;
    attempt(counting, "");
    const std::vector<std::string> calls = counting.calls;
    for (std::size_t n = 1; n <= calls.size(); ++n) {
        for (const bool later : {false, true}) {
            FaultyFileSystem faulty;
            faulty.failAt = n;
            faulty.andLater = later;
            attempt(faulty, "call " + std::to_string(n) + (later ? " and every later one" : "") + " failing: " +
                                calls[n - 1]);
        }
    }
    return calls.size();
}
