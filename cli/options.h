#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/deliverable.h"
#include "common/fields.h"

// The words of a command line, as every sub-command reads them: options, the
// style, FIELD=VALUE assignments; how a usage error is told and how output is
// written.
namespace zz::cli {

// "windows" or "macos"; nothing for any other word.
std::optional<Deliverable> parseStyle(const std::string& word);
// The word of a style: "windows" or "macos".
const char* styleName(Deliverable style);

// Splits "FIELD=VALUE" at the first '='. Nothing when there is no '=' or the
// field is empty.
std::optional<Assignment> parseAssignment(const std::string& word);

// Walks the words after a command: "--name VALUE", "--name=VALUE" and flags.
//   OptionScanner scan(args);
//   while (scan.next()) {
//       if (scan.is("--json")) { if (!scan.flag()) ...; }
//       else if (scan.is("--style")) { auto v = scan.value(); ... }
//   }
class OptionScanner {
public:
    explicit OptionScanner(const std::vector<std::string>& args) : args_(args) {}

    // Moves to the next word; false past the last one.
    bool next();
    // The word as given ("--style=macos").
    const std::string& word() const { return args_[index_]; }
    // The option's name without an inline value ("--style").
    const std::string& name() const { return name_; }
    bool is(const char* option) const { return name_ == option; }
    // For an option without a value: false when one was given inline.
    bool flag() const { return !inline_; }
    // The option's value: the inline one, or the next word (which is used up).
    // Nothing when the option is the last word.
    std::optional<std::string> value();

private:
    const std::vector<std::string>& args_;
    size_t index_ = 0;
    bool started_ = false;
    std::string name_;
    std::optional<std::string> inline_;
};

// What a command says of a word it does not know: "unknown option '--x'", or
// for a word that is no option "unexpected word 'x' (quote a value that holds
// blanks)": the rest of a value the shell split at a blank.
std::string unknownWordMessage(const std::string& word);

// Prints "zizavizerovo COMMAND: WHAT" and where to find the options to stderr;
// answers 2, the exit code of a usage error.
int usageError(const char* command, const std::string& what);

// Writes `text` to `to` byte for byte, NUL bytes included (the texts of a
// record can hold any byte).
void writeText(std::FILE* to, std::string_view text);

// Makes sure that everything written to standard output arrived: flushes and
// closes it. When a write, the flush or the close failed (a full disk, say),
// prints "zizavizerovo: cannot write the output: " + the reason on stderr and
// answers 1; otherwise `status`. Output that is lost is no success.
int finishOutput(int status);

// Whether `stream` is a terminal (a person can answer there).
bool isTerminal(std::FILE* stream);

// The folder that holds the running program, without a trailing separator.
std::string executableFolder(const std::string& argv0);

// Where the program's shipped file or folder `name` (the PluginTemplate folder,
// PluginTemplate.zip) is: beside the program, as in the build tree and the
// Windows zip, or else in share/zizavizerovo/ next to the program's folder, as
// in an installed layout (PREFIX/bin/zizavizerovo, PREFIX/share/zizavizerovo/).
// When it is in neither place, the path beside the program.
std::string shippedPath(const std::string& argv0, const std::string& name);

}  // namespace zz::cli
