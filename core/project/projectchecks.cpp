#include "project/projectchecks.h"

#include <algorithm>
#include <utility>

#include "common/utf16.h"
#include "common/utf8.h"

namespace zz {

namespace {

// Tab and the Unicode space separators: the platform's white-space set.
bool isMacWhitespace(char32_t c)
{
    return c == 0x09 || c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

}  // namespace

bool macContainsWhitespace(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const utf8::Char c = utf8::decodeAt(text, i);
        if (isMacWhitespace(c.codePoint)) return true;
        i += c.bytes;
    }
    return false;
}

std::string macTrimWhitespace(const std::string& text)
{
    size_t begin = text.size();
    size_t end = 0;
    for (size_t i = 0; i < text.size();) {
        const utf8::Char c = utf8::decodeAt(text, i);
        if (!isMacWhitespace(c.codePoint)) {
            if (begin == text.size()) begin = i;
            end = i + c.bytes;
        }
        i += c.bytes;
    }
    if (begin >= end) return {};
    return text.substr(begin, end - begin);
}

bool isUnsafeFolderName(const std::string& projectName)
{
    // A NUL byte ends the name the file system sees, so the folder would be
    // named after the text before it.
    return projectName == "." || projectName == ".." ||
           projectName.find_first_of(std::string("/\\\0", 3)) != std::string::npos;
}

Result checkProjectName(const std::string& projectName)
{
    if (projectName.empty()) return Result::refusal("Project name is empty.", "projectName");
    if (projectName.find(' ') != std::string::npos)
        return Result::refusal("Project name can not contain whitespaces.", "projectName");
    if (isUnsafeFolderName(projectName))
        return Result::refusal("Project name is not a valid folder name.", "projectName");
    return Result::success();
}

Result validateShit(const std::string& projectName, const std::string& pluginName, const std::string& pluginCode)
{
    if (projectName.empty()) return Result::refusal("You must supply a project name!", "projectName");
    if (macContainsWhitespace(macTrimWhitespace(projectName))) {
        Result o = Result::refusal("Whitespaces are not allowed in project name.", "projectName");
        o.systemLog.push_back("Found whitespace");
        return o;
    }
    if (isUnsafeFolderName(projectName))
        return Result::refusal("The project name is not a valid folder name.", "projectName");
    if (pluginName.empty()) return Result::refusal("You must supply a plugin name!", "pluginName");
    if (pluginCode.empty()) return Result::refusal("You must supply a plugin code!", "fourCharProductID");
    return Result::success();
}

bool isFourCharCode(const std::string& code)
{
    return code.size() == 4 && std::all_of(code.begin(), code.end(), [](char c) { return c >= 32 && c <= 126; });
}

std::vector<std::string> fourCharCodeWarnings(const ZezureProject& project)
{
    std::vector<std::string> warnings;
    for (const auto& [code, what] : {std::pair{&project.fourCharProductID, "plug-in code"},
                                     std::pair{&project.fourCharVendorID, "company code"}}) {
        if (!isFourCharCode(*code))
            warnings.push_back("warning: the " + std::string(what) + " '" + *code +
                               "' is not exactly four characters of printable ASCII");
    }
    const std::string& company = project.fourCharVendorID;
    if (std::none_of(company.begin(), company.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        warnings.push_back("warning: the company code '" + company +
                           "' has no upper-case letter (hosts of AU plug-ins reserve all-lower-case company codes "
                           "for Apple)");
    return warnings;
}

std::string describeDerivedNames(Deliverable deliverable)
{
    if (deliverable == Deliverable::windows) return "(whole, when the name passes its check)";
    return "(cut to " + std::to_string(kAaxNameLimit) + " and " + std::to_string(kShortNameLimit) + " characters)";
}

void fillDerivedNames(ZezureProject& record, Deliverable deliverable, const std::set<std::string>& given)
{
    if (deliverable == Deliverable::windows && !checkProjectName(record.projectName).ok) return;
    const DerivedNames names = deriveNames(deliverable, record.projectName);
    if (!given.count("pluginName")) record.pluginName = names.pluginName;
    if (!given.count("aaxPluginName")) record.aaxPluginName = names.aaxPluginName;
    if (!given.count("aaxShortPluginName")) record.aaxShortPluginName = names.aaxShortPluginName;
}

std::string chosenFolder(Deliverable deliverable, const std::string& folder, std::string_view separators)
{
    if (deliverable == Deliverable::mac) {
        if (folder.empty() || folder.back() != '/') return folder + "/";
        return folder;
    }
    std::string f = folder;
    while (f.size() > 1 && separators.find(f.back()) != std::string_view::npos) {
        if (f.size() == 3 && f[1] == ':') break;  // "C:\"
        f.pop_back();
    }
    return f;
}

DerivedNames deriveNames(Deliverable deliverable, const std::string& projectName)
{
    if (deliverable == Deliverable::windows) return {projectName, projectName, projectName};
    return {projectName, utf16::prefix(projectName, kAaxNameLimit), utf16::prefix(projectName, kShortNameLimit)};
}

}  // namespace zz
