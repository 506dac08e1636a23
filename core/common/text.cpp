#include "common/text.h"

namespace zz {

std::string_view trimCharacters(std::string_view text, std::string_view set)
{
    const size_t begin = text.find_first_not_of(set);
    if (begin == std::string_view::npos) return text.substr(text.size());
    const size_t end = text.find_last_not_of(set);
    return text.substr(begin, end - begin + 1);
}

std::string_view trimWhiteSpace(std::string_view text)
{
    return trimCharacters(text, " \t\n\r\v\f");
}

std::optional<bool> booleanWord(std::string_view word)
{
    if (word == "true" || word == "1") return true;
    if (word == "false" || word == "0") return false;
    return std::nullopt;
}

}  // namespace zz
