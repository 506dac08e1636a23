#include "text.h"

namespace zz {

namespace {

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

std::string_view trimWhiteSpace(std::string_view text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isWhiteSpace(text[begin])) ++begin;
    while (end > begin && isWhiteSpace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace zz
