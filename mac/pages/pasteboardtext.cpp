#include "pasteboardtext.h"

namespace zz::mac {

std::string joinedPasteboardText(const std::vector<std::string>& pieces)
{
    std::string text;
    for (size_t i = 0; i < pieces.size(); ++i) {
        text += pieces[i];
        const bool last = i + 1 == pieces.size();
        if (!last && (pieces[i].empty() || pieces[i].back() != '\n')) text += '\n';
    }
    return text;
}

}  // namespace zz::mac
