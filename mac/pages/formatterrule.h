#pragma once

#include <optional>
#include <string>

// The rule of an edit filter (CustomTextFieldFormatter): what a text field
// with a filter admits.
namespace zz::mac {

// A page can cap the length of a text, admit one number only (see
// numtext::macIsOneNumber), keep a text on one line and force upper case.
struct FormatterRule {
    int maxLength = 2147483647;
    bool forceUppercase = false;  // no setter: nothing switches it on
    bool numericOnly = false;
    // No line break or other control character (C0, DEL, C1, U+2028,
    // U+2029): what a one-line field holds reaches files line by line.
    bool singleLine = false;

    bool operator==(const FormatterRule& other) const
    {
        return maxLength == other.maxLength && forceUppercase == other.forceUppercase &&
               numericOnly == other.numericOnly && singleLine == other.singleLine;
    }

    struct Verdict {
        bool accepted = false;
        // Set when the field should show this text instead of the edit
        // (the upper-case form of a refused edit).
        std::optional<std::string> replacement;
    };
    // The answer to an edit whose result would be `proposed`.
    Verdict check(const std::string& proposed) const;
};

}  // namespace zz::mac
