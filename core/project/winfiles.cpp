#include "project/winfiles.h"

#include <system_error>

namespace fs = std::filesystem;

namespace zz {

using files::EntryKind;

namespace {

bool copyEntry(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(from, ec);
    if (ec) return false;
    if (fs::is_symlink(status)) {
        // A link is copied as a link, never followed.
        const fs::file_status existing = fs::symlink_status(to, ec);
        if (existing.type() != fs::file_type::not_found) {
            if (fs::is_directory(existing)) return false;
            if (!fs::remove(to, ec)) return false;
        }
        fs::copy_symlink(from, to, ec);
        return !ec;
    }
    if (fs::is_directory(status)) {
        fs::create_directory(to, ec);  // an existing folder is accepted
        if (ec) return false;
        return copyFolderTree(files::utf8Path(from), files::utf8Path(to));
    }
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    return !ec;
}

}  // namespace

bool copyFolderTree(const std::string& source, const std::string& destination)
{
    const fs::path from = files::fsPath(source);
    const fs::path to = files::fsPath(destination);
    std::error_code ec;
    fs::directory_iterator it(from, ec);
    if (ec) return false;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        const fs::path name = it->path().filename();
        if (!copyEntry(it->path(), to / name)) return false;
    }
    return !ec;
}

bool folderTreeCopies(const std::string& source)
{
    std::error_code ec;
    fs::recursive_directory_iterator it(files::fsPath(source), ec);
    if (ec) return false;
    for (const fs::recursive_directory_iterator end; it != end; it.increment(ec)) {
        const fs::file_type type = it->symlink_status(ec).type();
        if (ec || (type != fs::file_type::regular && type != fs::file_type::directory &&
                   type != fs::file_type::symlink))
            return false;
    }
    return !ec;
}

std::string windowsTextFromBytes(const std::string& bytes)
{
    std::string text;
    text.reserve(bytes.size() + 1);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text += bytes[i];
    }
    if (!text.empty() && text.back() != '\n') text += '\n';
    return text;
}

std::string windowsBytesFromText(const std::string& text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16 + 2);
    for (const char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

bool readTextFile(const std::string& path, std::string& text, bool retry, int retryCount, bool createIfMissing,
                  const RetryWait& wait, std::uintmax_t limit)
{
    text.clear();
    if (files::entryAt(path) == EntryKind::missing) {
        if (createIfMissing) files::createEmptyFile(path);  // the outcome is not looked at
        return true;
    }
    using files::ReadStatus;
    const auto worthAnotherTry = [](ReadStatus status) {
        return status == ReadStatus::folder || status == ReadStatus::unreadable;
    };
    std::string bytes;
    ReadStatus status = files::readWholeFile(path, bytes, limit);
    for (int attempt = 0; worthAnotherTry(status) && retry && attempt < retryCount; ++attempt) {
        if (wait) wait(kRetryWaitMilliseconds);
        status = files::readWholeFile(path, bytes, limit);
    }
    if (status != ReadStatus::ok) return false;
    text = windowsTextFromBytes(bytes);
    return true;
}

bool writeTextFile(const std::string& path, const std::string& text)
{
    if (files::targetAt(path) == EntryKind::folder) return false;
    return files::writeWholeFile(path, windowsBytesFromText(text + '\n'));
}

}  // namespace zz
