#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "project/markers.h"

namespace zz {

// Where a position of CMake code lies, as CMake's reader sees it.
enum class CMakePlace {
    unquoted,        // an unquoted argument, or between arguments and commands
    legacyQuoted,    // a "..." piece inside an unquoted argument (a"b c"d)
    quoted,          // a quoted argument
    bracket,         // a bracket argument ([[...]], [=[...]=])
    bracketComment,  // a bracket comment (#[[...]])
    lineComment,     // a comment up to the line's end
};

// Replaces every marker of `table` in `text` with the result that the
// marker-by-marker passes would give, in one walk over the text, for texts
// where those passes cannot make a new marker appear: no value holds a dollar
// sign, every run of dollar signs in the text belongs to a marker or cannot
// start one, and a character that no marker's word has stands between two
// such runs. Every value must also be plain (isPlainValue): written the same
// wherever it stands. Answers false, with the text untouched, for any other
// text; the caller then makes the passes.
bool replaceInOnePass(std::string& text, const std::vector<Marker>& table);

// Reads CMake code from its start as CMake's reader splits it into arguments
// and comments, and tells where a position lies. Positions must be asked for
// in increasing order; the reader goes through the text once.
class CMakeReader {
public:
    explicit CMakeReader(std::string_view text) : text_(text) {}

    // The place of the character at `at` (at <= the text's size): what text
    // inserted there would be part of.
    CMakePlace placeAt(size_t at);

    // The place of the last placeAt.
    CMakePlace place() const { return place_; }

    // For a bracket argument or bracket comment, the number of "=" of its
    // brackets ("[==[" has 2).
    size_t bracketLevel() const { return level_; }

    // In an unquoted argument: whether `at` starts a new argument (white
    // space, a parenthesis or the end of another argument stood before it).
    // In a line comment: whether `at` follows the "#" right away.
    bool atStart() const { return atStart_; }

private:
    void step(size_t limit);
    bool legacyQuoteCloses(size_t quote) const;
    size_t bracketOpening(size_t at) const;  // "=" count + 1 of "[=*[" at `at`, 0 when none

    std::string_view text_;
    size_t at_ = 0;
    CMakePlace place_ = CMakePlace::unquoted;
    size_t level_ = 0;
    bool atStart_ = true;
};

// Whether a value is written the same at every place of CMake code and
// cannot change where the code after it lies: it holds none of
// \ " $ ( ) # [ ] and no line break.
bool isPlainValue(std::string_view value);

// A value as written at the place `reader` stands at (its last placeAt),
// between the code `before` and `after` it. In a quoted argument a
// backslash (unless it makes "\;", which CMake keeps as it is), a double
// quote and a "$" that would start a variable reference ("${", "$ENV{",
// "$CACHE{") get a backslash before them; in an unquoted argument also
// every backslash, "(", ")", "#", and a "[" that starts an argument (white
// space and ";" keep dividing the argument, as the template's author chose
// by leaving the marker unquoted). In comments and bracket arguments the
// value is written as it stands: there `fits` tells whether it stays inside
// (no line end in a line comment, no "[[" turning a line comment into a
// bracket comment, no closing bracket).
struct WrittenValue {
    std::string text;
    bool fits = true;
};
WrittenValue writeValue(std::string_view value, const CMakeReader& reader, std::string_view before,
                        std::string_view after);

}  // namespace zz
