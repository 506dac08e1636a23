#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

// A fresh folder of its own for each test, removed afterwards, and the
// whole-file reads and writes the tests use on it.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device rd;
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            path_ = base / ("zz-test-" + std::to_string(rd()) + std::to_string(rd()));
            if (std::filesystem::create_directory(path_)) break;
        }
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every entry below `root`: folders as "name/" -> "", files as name -> content
// (names relative to `root`, with "/" between their parts).
inline std::map<std::string, std::string> folderContents(const std::filesystem::path& root)
{
    std::map<std::string, std::string> entries;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
        const std::string name = e.path().lexically_relative(root).generic_string();
        if (e.is_directory())
            entries[name + "/"] = "";
        else
            entries[name] = readBytes(e.path().string());
    }
    return entries;
}
