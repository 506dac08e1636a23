#include "common/fields.h"

#include "common/utf8.h"

namespace zz {

std::string quotedText(const std::string& text)
{
    constexpr size_t kShown = 40;
    static const char kHex[] = "0123456789ABCDEF";
    std::string quoted = "'";
    size_t at = 0;
    for (size_t n = 0; n < kShown && at < text.size(); ++n) {
        const utf8::Char c = utf8::decodeAt(text, at);
        // What would move the cursor or start a terminal's escape is shown,
        // not sent: "\n", "\t", "\r", "\xHH" (and a stray byte as "\xHH").
        const bool control = c.codePoint < 0x20 || (c.codePoint >= 0x7F && c.codePoint <= 0x9F);
        if (c.valid && !control) {
            quoted.append(text, at, c.bytes);
        } else if (c.valid && c.codePoint == '\n') {
            quoted += "\\n";
        } else if (c.valid && c.codePoint == '\t') {
            quoted += "\\t";
        } else if (c.valid && c.codePoint == '\r') {
            quoted += "\\r";
        } else {
            for (size_t b = 0; b < c.bytes; ++b) {
                const auto byte = static_cast<unsigned char>(text[at + b]);
                quoted += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
            }
        }
        at += c.bytes;
    }
    return quoted + (at < text.size() ? "...'" : "'");
}

std::string unknownFieldMessage(const std::string& field)
{
    return "unknown field " + quotedText(field);
}

std::string fieldValueMessage(const std::string& field, const std::string& value, const std::string& takes)
{
    return "field '" + field + "' takes " + takes + ", not " + quotedText(value);
}

}  // namespace zz
