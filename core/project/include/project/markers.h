#pragma once

#include <string>
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

}  // namespace zz
