#include "plugins/codesuggest.h"

#include <algorithm>
#include <vector>

namespace zz::plugins {

namespace {

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }
char upper(char c) { return isLower(c) ? char(c - 'a' + 'A') : c; }
char lower(char c) { return isUpper(c) ? char(c - 'A' + 'a') : c; }

// The name's words, each starting upper-case, the rest lower-case.
std::vector<std::string> wordsOf(const std::string& name)
{
    std::vector<std::string> words;
    std::string word;
    const auto end = [&] {
        if (!word.empty()) words.push_back(word);
        word.clear();
    };
    for (const char c : name) {
        if (!isUpper(c) && !isLower(c) && !isDigit(c)) {
            end();
            continue;
        }
        if (!word.empty() && isLower(word.back()) && isUpper(c)) end();
        word += word.empty() ? upper(c) : lower(c);
    }
    end();
    return words;
}

// A word's initial and then its consonants (digits count as consonants), or
// all its characters; at most eight, which keeps the choices few.
std::string partOf(const std::string& word, bool consonantsOnly)
{
    std::string part(1, word[0]);
    for (size_t i = 1; i < word.size() && part.size() < 8; ++i)
        if (!consonantsOnly || !isVowel(word[i])) part += word[i];
    return part;
}

// Every way to write `total` as a sum of one count a part, each at least 1
// and at most the part's length: the most even first, then those that give
// the earlier parts more.
std::vector<std::vector<size_t>> spreads(const std::vector<std::string>& parts, size_t total)
{
    std::vector<std::vector<size_t>> all;
    std::vector<size_t> counts(parts.size(), 0);
    const auto fill = [&](const auto& self, size_t i, size_t left) -> void {
        if (i == parts.size()) {
            if (left == 0) all.push_back(counts);
            return;
        }
        for (size_t n = std::min(left, parts[i].size()); n >= 1; --n) {
            counts[i] = n;
            self(self, i + 1, left - n);
        }
    };
    fill(fill, 0, total);
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        return *std::max_element(a.begin(), a.end()) < *std::max_element(b.begin(), b.end());
    });
    return all;
}

class Search {
public:
    explicit Search(const CodeTaken& taken) : taken_(taken) {}

    // True when `code` (given an upper-case letter when it has none) is free.
    bool offer(std::string code)
    {
        if (std::none_of(code.begin(), code.end(), isUpper)) {
            const auto letter = std::find_if(code.begin(), code.end(), isLower);
            if (letter == code.end()) return false;
            *letter = upper(*letter);
        }
        if (taken_(code)) return false;
        found = code;
        return true;
    }

    // Each part's initial with `counts[i] - 1` more of its characters, in their
    // order; the last part's choices vary first.
    bool choose(const std::vector<std::string>& parts, const std::vector<size_t>& counts, size_t i,
                const std::string& prefix)
    {
        if (i == parts.size()) return offer(prefix);
        return pick(parts, counts, i, prefix + parts[i][0], 1, counts[i] - 1);
    }

    std::string found;

private:
    bool pick(const std::vector<std::string>& parts, const std::vector<size_t>& counts, size_t i,
              const std::string& prefix, size_t from, size_t more)
    {
        if (more == 0) return choose(parts, counts, i + 1, prefix);
        for (size_t k = from; k + more <= parts[i].size(); ++k)
            if (pick(parts, counts, i, prefix + parts[i][k], k + 1, more - 1)) return true;
        return false;
    }

    const CodeTaken& taken_;
};

}  // namespace

std::optional<std::string> suggestPluginCode(const std::string& name, const CodeTaken& taken)
{
    Search search(taken);
    const std::vector<std::string> words = wordsOf(name);

    // 1. Initials.
    if (words.size() >= 4 && search.offer({words[0][0], words[1][0], words[2][0], words[3][0]})) return search.found;

    // 2, 3. Initials with consonants, then with any of the other characters.
    const size_t used = std::min<size_t>(words.size(), 4);
    for (const bool consonantsOnly : {true, false}) {
        std::vector<std::string> parts;
        for (size_t i = 0; i < used; ++i) parts.push_back(partOf(words[i], consonantsOnly));
        for (const std::vector<size_t>& counts : spreads(parts, 4))
            if (search.choose(parts, counts, 0, "")) return search.found;
    }

    // 4. The first characters of the name with digits.
    std::string start;
    for (const std::string& w : words) start += partOf(w, true);
    if (std::none_of(start.begin(), start.end(), [](char c) { return isUpper(c) || isLower(c); })) start = "Zz";
    for (size_t keep = 3; keep >= 1; --keep) {
        if (start.size() < keep) continue;
        const std::string base = start.substr(0, keep);
        const size_t digits = 4 - keep;
        size_t limit = 1;
        for (size_t d = 0; d < digits; ++d) limit *= 10;
        for (size_t n = 1; n < limit; ++n) {
            std::string number = std::to_string(n);
            if (search.offer(base + std::string(digits - number.size(), '0') + number)) return search.found;
        }
    }

    // 5. Anything else.
    const std::string others = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (char first = 'A'; first <= 'Z'; ++first)
        for (const char a : others)
            for (const char b : others)
                for (const char c : others)
                    if (search.offer({first, a, b, c})) return search.found;
    return std::nullopt;
}

}  // namespace zz::plugins
