#pragma once

#include <string>
#include <string_view>

// What C++ takes where the generated code puts a typed text: a name, the
// body of a string literal, an expression. The checks before code is written
// refuse what a compiler would refuse.
namespace zz::cpp {

// A C++ identifier: a letter, "_" or "$" (which GCC, Clang and MSVC take),
// then those and digits; beyond ASCII the characters that C++ allows in
// identifiers (a combining mark not first), as they are or as universal
// character names ("\u00B5"). Keywords are identifiers here.
bool isIdentifier(std::string_view text);

// A keyword of C++ (C++20, alternative tokens such as "and" included).
bool isKeyword(std::string_view text);

// What stops a text from being the body of a string literal: the first
// double quote, a backslash that starts no escape of C++ (an octal or hex
// escape past 8 bits, a universal character name that is a surrogate or past
// U+10FFFF), or a line break.
struct LiteralFault {
    enum Kind { none, quote, escape, lineBreak };
    Kind kind = none;
    std::string piece;  // for an escape: the backslash and what follows it
};
LiteralFault literalFault(std::string_view body);

// Whether a text can be one argument of a call: a C++ expression built of
// names (qualified or not), number and character literals, parentheses,
// brackets, calls, braced lists, member access and the unary, binary and conditional
// operators, with white space or /* comments */ between them. This is the grammar only:
// whether the names exist and the types fit is the compiler's to say.
bool isExpression(std::string_view text);

}  // namespace zz::cpp
