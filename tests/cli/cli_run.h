#pragma once

// Runs the real zizavizerovo with its own settings file kept inside a fresh
// temporary folder: HOME is cleared and XDG_CONFIG_HOME is the folder's cfg/.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zz::testing {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "zz-cli-settings-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        path_ = pattern;
    }
    ~TempFolder()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    std::string str() const { return path_.string(); }
    std::string ownFile() const { return *this / "cfg/zizavizerovo/zezurelog.txt"; }

private:
    fs::path path_;
};

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string quoted(const std::string& word)
{
    std::string q = "'";
    for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct Outcome {
    int status;
    std::string out, err;
};

// `ownSettings` false: no HOME and no XDG_CONFIG_HOME, so the tool has no file of its own.
inline Outcome runTool(const TempFolder& dir, const std::vector<std::string>& args, bool ownSettings = true)
{
    std::string command = "env -u HOME -u XDG_CONFIG_HOME ";
    if (ownSettings) command += "XDG_CONFIG_HOME=" + quoted(dir / "cfg") + " ";
    command += quoted(ZZ_CLI_PROGRAM);
    for (const auto& a : args) command += " " + quoted(a);
    const std::string out = dir / ".stdout", err = dir / ".stderr";
    command += " >" + quoted(out) + " 2>" + quoted(err) + " </dev/null";
    const int raw = std::system(command.c_str());
    Outcome o{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(out), readBytes(err)};
    fs::remove(out);
    fs::remove(err);
    return o;
}

}  // namespace zz::testing
