#include "interactive.h"

#include <cctype>

#include "common/text.h"
#include "options.h"
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

bool askForFields(ZezureProject& record, Deliverable style, std::set<std::string>& given, std::FILE* in,
                  std::FILE* out)
{
    for (const ProjectFieldInfo& f : projectFields()) {
        if (!f.inStyle(style)) continue;
        for (;;) {
            const std::string current = shownProjectField(record, f, style);
            std::fprintf(out, "%s [%s]: ", f.name, current.c_str());
            std::fflush(out);
            std::string answer;
            if (!readAnswer(in, answer)) return false;
            if (answer.empty()) break;  // Enter keeps the value
            const std::string value = f.kind == ProjectFieldKind::boolean ? booleanAnswer(answer) : answer;
            if (setProjectField(record, style, f.name, value) == FieldSet::ok) {
                given.insert(f.name);
                if (f.text == &ZezureProject::projectName) fillDerivedNames(record, style, given);
                break;
            }
            std::fprintf(out, "  %s\n", fieldValueMessage(f.name, answer, describeProjectField(style, f)).c_str());
        }
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
