#pragma once

#include <optional>
#include <string>
#include <string_view>

// Text in one of the system's 8-bit code pages (the "ANSI" code pages of
// Windows) and back. Inside the tool every text is UTF-8; the Windows
// program keeps its settings file in the machine's code page when every
// character fits there, as other Windows programs expect of such a file.
namespace zz {

class CodePage {
public:
    virtual ~CodePage() = default;

    // `bytes`, read in this code page, as UTF-8. Every byte sequence gives a
    // text.
    virtual std::string toUtf8(std::string_view bytes) const = 0;

    // The UTF-8 text `utf8` in this code page; nothing when a character has no
    // form of its own there (a look-alike does not count) or the text is not
    // well-formed UTF-8.
    virtual std::optional<std::string> fromUtf8(std::string_view utf8) const = 0;
};

// Windows code page 1252 (Western European) by its table, the same on every
// host. The five bytes the code page leaves unassigned (81, 8D, 8F, 90, 9D)
// stand for the C1 control characters of the same number, as Windows reads
// them, so every byte reads and writes back as it was.
class CodePage1252 final : public CodePage {
public:
    std::string toUtf8(std::string_view bytes) const override;
    std::optional<std::string> fromUtf8(std::string_view utf8) const override;
};

// ---- Files in a code page or in UTF-8 ---------------------------------------

// The text of a file that may be in `codePage` or in UTF-8: bytes that are
// well-formed UTF-8 are read as UTF-8, anything else in the code page.
// Without a code page the bytes are taken as they are.
std::string textFromCodePageOrUtf8(const std::string& bytes, const CodePage* codePage);

// The bytes that keep `text` in such a file: the code page's when every
// character fits there, UTF-8 otherwise. Read back with
// textFromCodePageOrUtf8 they give well-formed `text` again: code page bytes
// that would read as different UTF-8 (such as "Ã¼" in 1252, whose bytes are the UTF-8
// of "ü") are written as UTF-8 instead. Without a code page the text is
// written as it is.
std::string codePageOrUtf8FromText(const std::string& text, const CodePage* codePage);

}  // namespace zz
