#include "interactive.h"

#include <cctype>

#include "common/text.h"
#include "options.h"
#include "project/projectchecks.h"
#include "project/projectfields.h"

namespace zz::cli {

namespace {

std::string lowerCase(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// y/n and yes/no for a boolean field, as well as the words --set takes.
std::string booleanAnswer(const std::string& answer)
{
    const std::string word = lowerCase(std::string(trimWhiteSpace(answer)));
    if (word == "y" || word == "yes") return "true";
    if (word == "n" || word == "no") return "false";
    return std::string(trimWhiteSpace(answer));
}

}  // namespace

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

void deriveNamesFromProjectName(ZezureProject& record, Deliverable style, const std::set<std::string>& given)
{
    if (style == Deliverable::windows && !checkProjectName(record.projectName).ok) return;
    const DerivedNames names = deriveNames(style, record.projectName);
    if (!given.count("pluginName")) record.pluginName = names.pluginName;
    if (!given.count("aaxPluginName")) record.aaxPluginName = names.aaxPluginName;
    if (!given.count("aaxShortPluginName")) record.aaxShortPluginName = names.aaxShortPluginName;
}

bool askForFields(ZezureProject& record, Deliverable style, std::set<std::string>& given, std::FILE* in,
                  std::FILE* out)
{
    for (const ProjectFieldInfo& f : projectFields()) {
        if (f.macOnly && style == Deliverable::windows) continue;
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
                if (f.text == &ZezureProject::projectName) deriveNamesFromProjectName(record, style, given);
                break;
            }
            std::fprintf(out, "  %s\n", fieldValueError(f.name, answer, describeProjectField(style, f)).c_str());
        }
    }
    return true;
}

bool askToConfirm(const std::string& question, std::FILE* in, std::FILE* out)
{
    std::fprintf(out, "%s [y/N] ", question.c_str());
    std::fflush(out);
    std::string answer;
    if (!readAnswer(in, answer)) return false;
    const std::string word = lowerCase(std::string(trimWhiteSpace(answer)));
    return word == "y" || word == "yes";
}

}  // namespace zz::cli
