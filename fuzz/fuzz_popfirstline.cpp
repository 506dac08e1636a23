// The Windows line splitter on arbitrary text: popping lines until the text is
// empty takes every line once, in order, and each comes back without its LF
// and without blanks, tabs or CRs at its ends.
#include <cstdint>
#include <string>

#include "fuzzcheck.h"
#include "project/settingsfile.h"

namespace {

std::string trimmedReference(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string original(reinterpret_cast<const char*>(data), size);
    std::string text = original;
    size_t start = 0;
    size_t pops = 0;
    while (!text.empty()) {
        FUZZ_CHECK(++pops <= original.size());
        const size_t lf = original.find('\n', start);
        const std::string raw = original.substr(start, lf == std::string::npos ? std::string::npos : lf - start);
        const std::string line = zz::popFirstLine(text);
        FUZZ_CHECK(line == trimmedReference(raw));
        start = lf == std::string::npos ? original.size() : lf + 1;
        FUZZ_CHECK(text == original.substr(start));
    }
    // An empty text gives an empty line and stays empty.
    FUZZ_CHECK(zz::popFirstLine(text).empty() && text.empty());
    return 0;
}
