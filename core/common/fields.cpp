#include "common/fields.h"

namespace zz {

std::string unknownFieldMessage(const std::string& field)
{
    return "unknown field '" + field + "'";
}

std::string fieldValueMessage(const std::string& field, const std::string& value, const std::string& takes)
{
    return "field '" + field + "' takes " + takes + ", not '" + value + "'";
}

}  // namespace zz
