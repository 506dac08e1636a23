#pragma once

#include <string_view>

namespace zz {

// White space (blank, tab, line breaks, vertical tab, form feed) removed at
// both ends. The answer views `text`.
std::string_view trimWhiteSpace(std::string_view text);

}  // namespace zz
