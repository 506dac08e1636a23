#include "project/projectregister.h"

#include <algorithm>
#include <ctime>
#include <optional>

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

namespace {

// The register's bytes; a missing register is empty. Answers why it cannot
// be read, or "".
std::string readRegisterText(files::FileSystem& fs, const std::string& path, std::string& text)
{
    switch (fs.readFile(path, text, files::kUserFileLimit)) {
    case files::ReadStatus::ok:
    case files::ReadStatus::missing: return {};
    case files::ReadStatus::tooLarge: return "the register " + path + " is larger than 16 MiB";
    default: return "cannot read the register " + path;
    }
}

// The project of one line; nothing for an empty or foreign line.
std::optional<RegisteredProject> projectOf(const std::string& line)
{
    const std::vector<std::string> f = splitAt(line, '\t');
    if (f.size() < 5) return std::nullopt;
    return RegisteredProject{unescaped(f[0]), unescaped(f[1]), unescaped(f[2]), unescaped(f[3]), unescaped(f[4])};
}

}  // namespace

ResultWith<Register> readRegister(files::FileSystem& fs, const std::string& path)
{
    ResultWith<Register> r;
    std::string bytes;
    if (std::string why = readRegisterText(fs, path, bytes); !why.empty()) return ResultWith<Register>::failure(why);
    for (const std::string& line : splitAt(bytes, '\n'))
        if (auto project = projectOf(line)) r.value.push_back(std::move(*project));
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
    if (std::string why = readRegisterText(fs, path, text); !why.empty()) return Result::failure(why);
    if (!text.empty() && text.back() != '\n') text += '\n';
    text += lineOf(project);
    if (fs.replaceFileAtomically(path, text)) return Result::success();
    return Result::failure("cannot write the register " + path);
}

ResultWith<Register> pruneRegister(files::FileSystem& fs, const std::string& path, std::chrono::milliseconds wait)
{
    const files::FileLock lock(fs, registerLockPath(path), wait);
    if (lock.busy())
        return ResultWith<Register>::failure("the register " + path + " is in use by another run; nothing was dropped");
    std::string text;
    if (std::string why = readRegisterText(fs, path, text); !why.empty()) return ResultWith<Register>::failure(why);
    ResultWith<Register> dropped;
    std::string kept;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        const auto project = projectOf(line);
        if (project && fs.entryAt(project->folder) == files::EntryKind::missing) dropped.value.push_back(*project);
        else kept += text.substr(start, end + 1 - start);  // byte for byte, with its line end
        start = end + 1;
    }
    if (dropped.value.empty()) return dropped;
    if (!fs.replaceFileAtomically(path, kept))
        return ResultWith<Register>::failure("cannot write the register " + path);
    return dropped;
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
