#include "project/projectchecks.h"

#include "common/utf16.h"

namespace zz {

namespace {

// Tab and the Unicode space separators: the platform's white-space set.
bool isMacWhitespace(char32_t c)
{
    return c == 0x09 || c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// The code point at `i` and the length of its UTF-8 sequence. A byte that is
// not valid UTF-8 stands for itself.
char32_t decodeAt(const std::string& s, size_t i, size_t& length)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    size_t need = 0;
    char32_t cp = lead;
    if (lead >= 0xC2 && lead <= 0xDF) need = 1, cp = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) need = 2, cp = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) need = 3, cp = lead & 0x07;
    if (need == 0 || i + need >= s.size()) {
        length = 1;
        return lead < 0x80 ? char32_t(lead) : char32_t(0xFFFD);
    }
    for (size_t k = 1; k <= need; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) {
            length = 1;
            return 0xFFFD;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    length = need + 1;
    return cp;
}

}  // namespace

bool macContainsWhitespace(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        size_t n = 1;
        if (isMacWhitespace(decodeAt(text, i, n))) return true;
        i += n;
    }
    return false;
}

std::string macTrimWhitespace(const std::string& text)
{
    size_t begin = text.size();
    size_t end = 0;
    for (size_t i = 0; i < text.size();) {
        size_t n = 1;
        const bool space = isMacWhitespace(decodeAt(text, i, n));
        if (!space) {
            if (begin == text.size()) begin = i;
            end = i + n;
        }
        i += n;
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

Outcome checkProjectName(const std::string& projectName)
{
    if (projectName.empty()) return Outcome::refusal("Project name is empty.", ProjectField::projectName);
    if (projectName.find(' ') != std::string::npos)
        return Outcome::refusal("Project name can not contain whitespaces.", ProjectField::projectName);
    if (isUnsafeFolderName(projectName))
        return Outcome::refusal("Project name is not a valid folder name.", ProjectField::projectName);
    return Outcome::success();
}

Outcome validateShit(const std::string& projectName, const std::string& pluginName, const std::string& pluginCode)
{
    if (projectName.empty()) return Outcome::refusal("You must supply a project name!", ProjectField::projectName);
    if (macContainsWhitespace(macTrimWhitespace(projectName))) {
        Outcome o = Outcome::refusal("Whitespaces are not allowed in project name.", ProjectField::projectName);
        o.systemLog.push_back("Found whitespace");
        return o;
    }
    if (isUnsafeFolderName(projectName))
        return Outcome::refusal("The project name is not a valid folder name.", ProjectField::projectName);
    if (pluginName.empty()) return Outcome::refusal("You must supply a plugin name!", ProjectField::pluginName);
    if (pluginCode.empty()) return Outcome::refusal("You must supply a plugin code!", ProjectField::pluginCode);
    return Outcome::success();
}

DerivedNames deriveNames(Deliverable deliverable, const std::string& projectName)
{
    if (deliverable == Deliverable::windows) return {projectName, projectName, projectName};
    return {projectName, utf16::prefix(projectName, kAaxNameLimit), utf16::prefix(projectName, kShortNameLimit)};
}

}  // namespace zz
