#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/deliverable.h"
#include "project/zezureproject.h"

// The markers of the template's CMakeLists.txt and the values the record
// gives them.
namespace zz {

struct Marker {
    std::string tag;    // e.g. "$$$PROJECT_NAME$$$"
    std::string value;  // the text that replaces it
};

// The markers in the order the deliverable applies them. Windows applies the
// four processing markers after "$$$WANT_SIDECHAIN$$$", macOS applies them
// last. The deliverable also decides the block-size text of frame processing
// ("DEFAULT_AUDIO_BLOCK_SIZE" / "64") and the tail-time text ("%f" style /
// the platform's number text).
std::vector<Marker> markerTable(Deliverable deliverable, const ZezureProject& project);

// Replaces every occurrence of `tag` in `text`, left to right, without
// scanning the inserted value again.
void replaceAll(std::string& text, const std::string& tag, const std::string& value);

// Applies the marker table to the text of CMakeLists.txt, in place. A later
// marker also sees the values inserted for earlier ones.
void replaceMarkers(Deliverable deliverable, std::string& text, const ZezureProject& project);

// The marker-shaped words of a text that are not markers of the table: one,
// two or three dollar signs, capitals, digits or "_", and as many dollar signs
// again ("$$$NAME$$$", "$NAME$", "$$NAME$$"). Left in a project file after the
// replacement, such a word is a marker of a custom template that nothing
// fills in. Each word once, in the order of its first appearance.
std::vector<std::string> unknownMarkers(std::string_view text);

}  // namespace zz
