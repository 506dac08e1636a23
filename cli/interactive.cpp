#include "interactive.h"

#include <cctype>

#include "common/files.h"
#include "common/text.h"
#include "options.h"
#include "project/creation.h"
#include "project/projectchecks.h"
#include "project/projectfields.h"

namespace zz::cli {

namespace {

// y/n and yes/no for a boolean field, as well as the words --set takes.
std::string booleanAnswer(const std::string& answer)
{
    if (const auto yes = yesOrNo(answer)) return *yes ? "true" : "false";
    return std::string(trimWhiteSpace(answer));
}

}  // namespace

std::optional<bool> yesOrNo(std::string_view answer)
{
    std::string word(trimWhiteSpace(answer));
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word == "y" || word == "yes") return true;
    if (word == "n" || word == "no") return false;
    return std::nullopt;
}

bool readAnswer(std::FILE* in, std::string& line)
{
    line.clear();
    for (;;) {
        const int c = std::fgetc(in);
        if (c == EOF) return !line.empty();
        if (c == '\n') break;
        line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

bool askForField(ZezureProject& record, Deliverable style, std::set<std::string>& given, const ProjectFieldInfo& f,
                 std::FILE* in, std::FILE* out)
{
    for (;;) {
        const std::string current = shownProjectField(record, f, style);
        writeText(out, std::string(f.name) + " [" + current + "]: ");
        std::fflush(out);
        std::string answer;
        if (!readAnswer(in, answer)) return false;
        if (!answer.empty()) {
            const std::string value = f.kind == ProjectFieldKind::boolean ? booleanAnswer(answer) : answer;
            if (setProjectField(record, style, f.name, value) != FieldSet::ok) {
                writeText(out, "  " + fieldValueMessage(f.name, answer, describeProjectField(style, f)) + "\n");
                continue;
            }
            given.insert(f.name);
            // As the page takes them: a folder as its chooser hands it over,
            // the names derived from a project name.
            if (f.text == &ZezureProject::projectFolderPath)
                record.projectFolderPath = chosenFolder(style, record.projectFolderPath, files::hostPathSeparators());
            if (f.text == &ZezureProject::projectName) fillDerivedNames(record, style, given);
        }
        // What the creation would refuse of this field is said now, and the
        // field asked again (Enter keeps a value only when it passes).
        const Result check = checkField(style, record, f.name);
        if (check) return true;
        writeText(out, "  " + check.message + "\n");
    }
}

bool askForFields(ZezureProject& record, Deliverable style, std::set<std::string>& given, std::FILE* in,
                  std::FILE* out)
{
    for (const ProjectFieldInfo& f : projectFields()) {
        if (f.inStyle(style) && !askForField(record, style, given, f, in, out)) return false;
    }
    return true;
}

bool askToConfirm(const std::string& question, std::FILE* in, std::FILE* out)
{
    std::fprintf(out, "%s [y/N] ", question.c_str());
    std::fflush(out);
    std::string answer;
    return readAnswer(in, answer) && yesOrNo(answer).value_or(false);
}

}  // namespace zz::cli
