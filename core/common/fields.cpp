#include "common/fields.h"

#include "common/utf8.h"

namespace zz {

std::string quotedText(const std::string& text)
{
    constexpr size_t kShown = 40;
    size_t at = 0;
    for (size_t n = 0; n < kShown && at < text.size(); ++n) at += utf8::decodeAt(text, at).bytes;
    return "'" + (at < text.size() ? text.substr(0, at) + "..." : text) + "'";
}

std::string unknownFieldMessage(const std::string& field)
{
    return "unknown field " + quotedText(field);
}

std::string fieldValueMessage(const std::string& field, const std::string& value, const std::string& takes)
{
    return "field '" + field + "' takes " + takes + ", not " + quotedText(value);
}

}  // namespace zz
