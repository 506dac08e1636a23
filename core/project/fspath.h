#pragma once

#include <filesystem>
#include <string>

namespace zz {

// A UTF-8 path as the file system takes it (wide on Windows).
inline std::filesystem::path fsPath(const std::string& utf8)
{
    return std::filesystem::u8path(utf8);
}

// A file-system path back as UTF-8.
inline std::string utf8Path(const std::filesystem::path& path)
{
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace zz
