#pragma once

#include <string>
#include <vector>

namespace zz::mac {

// The text of a pasteboard that holds one string item only (GNUstep): the
// pieces, one per line, as they paste from a pasteboard of several items.
// A piece that already ends with a line break gets no second one.
std::string joinedPasteboardText(const std::vector<std::string>& pieces);

}  // namespace zz::mac
