#include "project/projectregister.h"

#include <algorithm>
#include <ctime>

namespace zz {

namespace {

std::string escaped(const std::string& field)
{
    std::string out;
    for (const char c : field) {
        if (c == '\\') out += "\\\\";
        else if (c == '\t') out += "\\t";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

std::string unescaped(const std::string& field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char next = field[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

std::vector<std::string> splitAt(const std::string& line, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = line.find(separator, start);
        parts.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

std::string lineOf(const RegisteredProject& p)
{
    return escaped(p.date) + "\t" + escaped(p.name) + "\t" + escaped(p.pluginCode) + "\t" + escaped(p.companyCode) +
           "\t" + escaped(p.folder) + "\n";
}

}  // namespace

std::string registerPath(const std::string& settingsPath)
{
    const std::string folder = files::utf8Path(files::fsPath(settingsPath).parent_path());
    return folder.empty() ? std::string("projects.tsv") : folder + files::hostPathSeparator() + "projects.tsv";
}

ResultWith<Register> readRegister(files::FileSystem& fs, const std::string& path)
{
    ResultWith<Register> r;
    std::string bytes;
    switch (fs.readFile(path, bytes, files::kUserFileLimit)) {
    case files::ReadStatus::ok: break;
    case files::ReadStatus::missing: return r;
    case files::ReadStatus::tooLarge: return ResultWith<Register>::failure("the register " + path + " is larger than 16 MiB");
    default: return ResultWith<Register>::failure("cannot read the register " + path);
    }
    for (const std::string& line : splitAt(bytes, '\n')) {
        const std::vector<std::string> f = splitAt(line, '\t');
        if (f.size() < 5) continue;  // an empty or foreign line
        r.value.push_back({unescaped(f[0]), unescaped(f[1]), unescaped(f[2]), unescaped(f[3]), unescaped(f[4])});
    }
    return r;
}

std::string registerLockPath(const std::string& registerPath)
{
    return registerPath + ".lock";
}

Result addToRegister(files::FileSystem& fs, const std::string& path, const RegisteredProject& project,
                     std::chrono::milliseconds wait)
{
    fs.makeParentFolders(path);
    const files::FileLock lock(fs, registerLockPath(path), wait);
    // A lock file that cannot be made means a folder that takes no file: the
    // replacement below fails and says so.
    if (lock.busy()) {
        Result r;
        r.message = "warning: the register " + path + " is in use by another run; " + project.name +
                    " was not added to it";
        return r;
    }
    std::string text;
    switch (fs.readFile(path, text, files::kUserFileLimit)) {
    case files::ReadStatus::ok:
    case files::ReadStatus::missing: break;
    case files::ReadStatus::tooLarge: return Result::failure("the register " + path + " is larger than 16 MiB");
    default: return Result::failure("cannot read the register " + path);
    }
    if (!text.empty() && text.back() != '\n') text += '\n';
    text += lineOf(project);
    if (fs.replaceFileAtomically(path, text)) return Result::success();
    return Result::failure("cannot write the register " + path);
}

Register newestFirst(Register projects)
{
    std::reverse(projects.begin(), projects.end());
    std::stable_sort(projects.begin(), projects.end(),
                     [](const RegisteredProject& a, const RegisteredProject& b) { return a.date > b.date; });
    return projects;
}

std::string registerDateNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

}  // namespace zz
