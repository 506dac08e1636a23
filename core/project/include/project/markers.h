#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/deliverable.h"
#include "common/result.h"
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
// scanning the inserted value again; the value goes in as it stands.
void replaceAll(std::string& text, const std::string& tag, const std::string& value);

// As replaceAll, with the value written for the place of CMake code where
// each occurrence stands, so that CMake reads it back as it stands: in a
// quoted argument a backslash, a double quote and a "$" that would start a
// variable reference are escaped with a backslash ("\;" stays, CMake keeps
// it as it is); in an unquoted argument also "(", ")", "#" and a "[" that
// would open a bracket argument (white space and ";" divide the argument as
// they always do); in comments and bracket arguments it goes in as it stands.
// A value that CMake reads back exactly without escapes is written unchanged.
void replaceMarker(std::string& text, const std::string& tag, const std::string& value);

// Applies the marker table to the text of CMake code (CMakeLists.txt), in
// place, marker by marker with replaceMarker. A later marker also sees the
// values inserted for earlier ones.
void replaceMarkers(Deliverable deliverable, std::string& text, const ZezureProject& project);

// The markers of the table with their values as replaceMarkers writes them
// into `projectText` (the template's CMakeLists.txt): one entry for each
// different writing of a marker, in the order they first appear; a marker
// the text lacks keeps its value as it stands.
std::vector<Marker> writtenMarkers(Deliverable deliverable, const ZezureProject& project,
                                   std::string_view projectText);

// Puts the record's values into the text of CMake code as replaceMarkers
// does, after the check of checkMarkerValues (with `text` the template's own
// code): on a refusal the text is left as it was. `written`, when given,
// gets the markers as writtenMarkers gives them. One pass does all three.
Result fillMarkers(Deliverable deliverable, const ZezureProject& project, std::string& text,
                   std::vector<Marker>* written = nullptr);

// The check before a creation: every text that a marker carries into the
// project file is one line, and fits where `projectText` (the template's
// CMakeLists.txt, empty for none) puts it. Refused with one line naming the
// field: "The vendor name must be one line without control characters." or
// "The vendor name cannot stand where the template's CMakeLists.txt puts it:
// it would change the CMake code around it." (a closing bracket inside a
// bracket argument, "[[" right after the "#" of a comment).
Result checkMarkerValues(Deliverable deliverable, const ZezureProject& project, std::string_view projectText);

// The marker-shaped words of a text that are not markers of the table: one,
// two or three dollar signs, capitals, digits or "_", and as many dollar signs
// again ("$$$NAME$$$", "$NAME$", "$$NAME$$"). Left in a project file after the
// replacement, such a word is a marker of a custom template that nothing
// fills in. Each word once, in the order of its first appearance.
std::vector<std::string> unknownMarkers(std::string_view text);

}  // namespace zz
