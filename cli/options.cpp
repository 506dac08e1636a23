#include "options.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "common/files.h"

namespace zz::cli {

std::optional<Deliverable> parseStyle(const std::string& word)
{
    if (word == "windows") return Deliverable::windows;
    if (word == "macos") return Deliverable::mac;
    return std::nullopt;
}

const char* styleName(Deliverable style)
{
    return style == Deliverable::windows ? "windows" : "macos";
}

std::optional<Assignment> parseAssignment(const std::string& word)
{
    const auto eq = word.find('=');
    if (eq == std::string::npos || eq == 0) return std::nullopt;
    return Assignment{word.substr(0, eq), word.substr(eq + 1)};
}

bool OptionScanner::next()
{
    if (started_) ++index_;
    started_ = true;
    if (index_ >= args_.size()) return false;
    const std::string& w = args_[index_];
    inline_.reset();
    name_ = w;
    const auto eq = w.find('=');
    if (w.rfind("--", 0) == 0 && eq != std::string::npos) {
        name_ = w.substr(0, eq);
        inline_ = w.substr(eq + 1);
    }
    return true;
}

std::optional<std::string> OptionScanner::value()
{
    if (inline_) return inline_;
    if (index_ + 1 >= args_.size()) return std::nullopt;
    return args_[++index_];
}

std::string unknownWordMessage(const std::string& word)
{
    if (word.size() > 1 && word[0] == '-') return "unknown option " + quotedText(word);
    return "unexpected word " + quotedText(word) + " (quote a value that holds blanks)";
}

int usageError(const char* command, const std::string& what)
{
    std::fprintf(stderr, "zizavizerovo %s: %s\nRun 'zizavizerovo %s --help' for the options.\n", command, what.c_str(),
                 command);
    return 2;
}

namespace {

// Why the first write to standard output failed (an errno value); 0 for none.
int firstOutputError = 0;

}  // namespace

void writeText(std::FILE* to, std::string_view text)
{
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), to) != text.size() && to == stdout && firstOutputError == 0)
        firstOutputError = errno != 0 ? errno : EIO;
}

int finishOutput(int status)
{
    int error = firstOutputError;
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    if (error == 0 && (!flushed || std::ferror(stdout))) error = errno != 0 ? errno : EIO;
    errno = 0;
    if (std::fclose(stdout) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    if (error == 0) return status;
    std::fprintf(stderr, "zizavizerovo: cannot write the output: %s\n", std::strerror(error));
    return 1;
}

bool isTerminal(std::FILE* stream)
{
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

std::string executableFolder(const std::string& argv0)
{
    std::string folder = files::programFolder();
    if (folder.empty()) folder = files::folderOfProgramFile(argv0);
    return folder.empty() ? "." : folder;
}

std::string shippedPath(const std::string& argv0, const std::string& name)
{
    const std::string folder = executableFolder(argv0);
    const std::string beside = folder + files::hostPathSeparator() + name;
    const auto there = [](const std::string& path) {
        const files::EntryKind kind = files::realFileSystem().targetAt(path);
        return kind != files::EntryKind::missing && kind != files::EntryKind::unknown;
    };
    if (there(beside)) return beside;
    const std::string installed = files::utf8Path(files::fsPath(folder).lexically_normal().parent_path() / "share" /
                                                  "zizavizerovo" / files::fsPath(name));
    if (there(installed)) return installed;
    return beside;
}

}  // namespace zz::cli
