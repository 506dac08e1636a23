#include "common/fields.h"

#include "common/text.h"

namespace zz {

std::string quotedText(const std::string& text)
{
    return "'" + terminalText(text, 40, Unprintable::escaped) + "'";
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
