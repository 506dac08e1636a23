#pragma once

#include <string>
#include <vector>

#include "project/markers.h"

namespace zz {

// Replaces every marker of `table` in `text` with the result that the
// marker-by-marker passes would give, in one walk over the text, for texts
// where those passes cannot make a new marker appear: no value holds a dollar
// sign, every run of dollar signs in the text belongs to a marker or cannot
// start one, and a character that no marker's word has stands between two
// such runs. Answers false, with the text untouched, for any other text; the
// caller then makes the passes.
bool replaceInOnePass(std::string& text, const std::vector<Marker>& table);

}  // namespace zz
