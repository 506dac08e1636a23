#include "project/windowstext.h"

namespace zz {

using files::EntryKind;
using files::ReadStatus;

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

bool readTextFile(files::FileSystem& fs, const std::string& path, std::string& text, const ReadOptions& options)
{
    text.clear();
    if (fs.entryAt(path) == EntryKind::missing) {
        if (options.createIfMissing) fs.createEmptyFile(path);
        return true;
    }
    const auto worthAnotherTry = [](ReadStatus status) {
        return status == ReadStatus::folder || status == ReadStatus::unreadable;
    };
    std::string bytes;
    ReadStatus status = fs.readFile(path, bytes, options.limit);
    for (int attempt = 0; worthAnotherTry(status) && attempt < options.retries; ++attempt) {
        if (options.wait) options.wait(kRetryWaitMilliseconds);
        status = fs.readFile(path, bytes, options.limit);
    }
    if (status != ReadStatus::ok) return false;
    text = windowsTextFromBytes(bytes);
    return true;
}

bool writeTextFile(files::FileSystem& fs, const std::string& path, const std::string& text, bool synced)
{
    if (fs.targetAt(path) == EntryKind::folder) return false;
    return fs.writeFile(path, windowsBytesFromText(text + '\n'), synced);
}

}  // namespace zz
