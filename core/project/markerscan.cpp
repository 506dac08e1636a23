#include "markerscan.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zz {

namespace {

// A marker split into its parts: a run of dollar signs, a word without
// dollar signs, and a run of the same length.
struct MarkerShape {
    size_t dollars = 0;
    std::string_view word;
    const std::string* value = nullptr;
};

// The markers of a table, looked up by their word.
class MarkerWords {
public:
    // False when a marker is not of that shape, two markers share a word, or
    // a value is not plain (a dollar sign among others).
    bool build(const std::vector<Marker>& table)
    {
        for (const Marker& m : table) {
            const std::string& tag = m.tag;
            size_t lead = 0;
            while (lead < tag.size() && tag[lead] == '$') ++lead;
            size_t trail = 0;
            while (trail < tag.size() - lead && tag[tag.size() - 1 - trail] == '$') ++trail;
            const std::string_view word(tag.data() + lead, tag.size() - lead - trail);
            if (lead == 0 || lead != trail || word.empty() || word.find('$') != std::string_view::npos) return false;
            if (!isPlainValue(m.value) || find(word)) return false;
            shapes_.push_back({lead, word, &m.value});
            const size_t bucket = bucketOf(word);
            next_.push_back(head_[bucket]);
            head_[bucket] = static_cast<int>(shapes_.size() - 1);
            for (char c : word) wordChar_[static_cast<unsigned char>(c)] = true;
        }
        return true;
    }

    const MarkerShape* find(std::string_view word) const
    {
        if (word.empty()) return nullptr;
        for (int i = head_[bucketOf(word)]; i >= 0; i = next_[static_cast<size_t>(i)])
            if (shapes_[static_cast<size_t>(i)].word == word) return &shapes_[static_cast<size_t>(i)];
        return nullptr;
    }

    bool isWordChar(char c) const { return wordChar_[static_cast<unsigned char>(c)]; }

    size_t count() const { return shapes_.size(); }
    size_t indexOf(const MarkerShape& shape) const { return static_cast<size_t>(&shape - shapes_.data()); }
    const MarkerShape& operator[](size_t index) const { return shapes_[index]; }

    // True when some character of the text cannot stand in a marker's word.
    bool breaksWords(std::string_view text) const
    {
        for (char c : text)
            if (!isWordChar(c)) return true;
        return false;
    }

private:
    static constexpr size_t kBuckets = 256;

    // Words differ mostly in length and in their first, middle and last
    // characters; a chain holds the rest.
    static size_t bucketOf(std::string_view word)
    {
        const auto at = [&](size_t i) { return static_cast<size_t>(static_cast<unsigned char>(word[i])); };
        return (word.size() * 131 + at(0) * 31 + at(word.size() / 2) * 7 + at(word.size() - 1)) % kBuckets;
    }

    std::vector<MarkerShape> shapes_;
    std::array<int, kBuckets> head_ = filledHeads();
    std::vector<int> next_;
    std::array<bool, 256> wordChar_{};

    static std::array<int, kBuckets> filledHeads()
    {
        std::array<int, kBuckets> heads{};
        heads.fill(-1);
        return heads;
    }
};

// Walks the markers of a text for the one-pass replacement and hands each to
// `onMarker(start, end, shape)`, in order. The walk answers false when the
// marker-by-marker passes could make a new marker appear, that is unless: no
// value holds a dollar sign; every run of dollar signs in the text either
// belongs to a marker (both runs as long as the marker's) or cannot start one
// (what follows it up to the next dollar sign is empty or holds a character
// that no marker's word has); and between two such runs stands a character
// that no marker's word has.
template <typename OnMarker>
bool walkMarkers(const char* data, size_t size, const MarkerWords& words, OnMarker&& onMarker)
{
    size_t previousEnd = std::string::npos;  // end of the previous run of dollar signs
    size_t at = 0;
    while (at < size) {
        const void* found = std::memchr(data + at, '$', size - at);
        if (!found) break;
        const size_t start = static_cast<size_t>(static_cast<const char*>(found) - data);
        if (previousEnd != std::string::npos &&
            !words.breaksWords(std::string_view(data + previousEnd, start - previousEnd)))
            return false;
        size_t wordStart = start;
        while (wordStart < size && data[wordStart] == '$') ++wordStart;
        // A marker's word runs up to the next dollar sign; a character that
        // no word has, or the end of the text, comes first otherwise.
        size_t wordEnd = wordStart;
        while (wordEnd < size && words.isWordChar(data[wordEnd])) ++wordEnd;
        const std::string_view word(data + wordStart, wordEnd - wordStart);
        if (wordEnd == size || data[wordEnd] != '$' || word.empty()) {
            // A run that cannot start a marker (such as the one of "${NAME}").
            previousEnd = wordStart;
            at = wordStart;
            continue;
        }
        size_t end = wordEnd;
        while (end < size && data[end] == '$') ++end;
        const MarkerShape* shape = words.find(word);
        const size_t lead = wordStart - start;
        if (!shape || shape->dollars != lead || end - wordEnd != lead) return false;
        onMarker(start, end, *shape);
        previousEnd = end;
        at = end;
    }
    return true;
}

// Where a walk found its markers: each as its start and the index of its
// shape, packed into one number, in blocks of 64 KiB that are never moved.
class MarkerHits {
public:
    static constexpr size_t kIndexBits = 6;
    static constexpr size_t kBlock = 8192;

    void add(size_t start, size_t index)
    {
        if (blocks_.empty() || blocks_.back().size() == kBlock) {
            blocks_.emplace_back();
            blocks_.back().reserve(kBlock);
        }
        blocks_.back().push_back((static_cast<uint64_t>(start) << kIndexBits) | index);
    }

    bool empty() const { return blocks_.empty(); }

    template <typename Visit>
    void forEach(Visit&& visit) const
    {
        for (const std::vector<uint64_t>& block : blocks_)
            for (uint64_t hit : block)
                visit(static_cast<size_t>(hit >> kIndexBits), static_cast<size_t>(hit & ((1u << kIndexBits) - 1)));
    }

private:
    std::vector<std::vector<uint64_t>> blocks_;
};

}  // namespace

// Replaces every marker with the result of the marker-by-marker passes, for
// texts where those passes cannot make a new marker appear (see
// walkMarkers). One walk checks the text and notes where its markers are;
// when the result never runs ahead of the text still to be read (values no
// longer than their markers, as usual), the text is then rewritten in place,
// with no second buffer to allocate, otherwise into a buffer of the exact
// size. Answers false, with the text untouched, when the text is not of that
// kind.
bool replaceInOnePass(std::string& text, const std::vector<Marker>& table)
{
    MarkerWords words;
    if (!words.build(table) || words.count() > (size_t{1} << MarkerHits::kIndexBits)) return false;
    MarkerHits hits;
    size_t removed = 0;
    size_t added = 0;
    bool runsAhead = false;
    const size_t size = text.size();
    const bool fits = walkMarkers(text.data(), size, words, [&](size_t start, size_t end, const MarkerShape& shape) {
        hits.add(start, words.indexOf(shape));
        removed += end - start;
        added += shape.value->size();
        runsAhead = runsAhead || added > removed;
    });
    if (!fits) return false;
    if (hits.empty()) return true;

    // Copies the text with its markers replaced through `put(from, length)`
    // for the pieces of the text and `put(value)` for the values.
    const auto rebuild = [&](auto&& putText, auto&& putValue) {
        size_t copied = 0;
        hits.forEach([&](size_t start, size_t index) {
            const MarkerShape& shape = words[index];
            putText(copied, start - copied);
            putValue(*shape.value);
            copied = start + 2 * shape.dollars + shape.word.size();
        });
        putText(copied, size - copied);
    };

    if (!runsAhead) {
        char* const data = text.data();
        size_t written = 0;
        rebuild(
            [&](size_t from, size_t length) {
                std::memmove(data + written, data + from, length);
                written += length;
            },
            [&](const std::string& value) {
                std::memcpy(data + written, value.data(), value.size());
                written += value.size();
            });
        text.resize(written);
        return true;
    }

    std::string out;
    out.reserve(size - removed + added);
    rebuild([&](size_t from, size_t length) { out.append(text, from, length); },
            [&](const std::string& value) { out += value; });
    text.swap(out);
    return true;
}

}  // namespace zz

namespace zz {

namespace {

// "$(NAME)", a make variable that an unquoted argument takes whole: its
// length at `at`, 0 when there is none.
size_t makeVariableLength(std::string_view text, size_t at)
{
    if (at + 1 >= text.size() || text[at] != '$' || text[at + 1] != '(') return 0;
    size_t end = at + 2;
    while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_')) ++end;
    return end < text.size() && text[end] == ')' ? end + 1 - at : 0;
}

}  // namespace

size_t CMakeReader::bracketOpening(size_t at) const
{
    if (at >= text_.size() || text_[at] != '[') return 0;
    size_t end = at + 1;
    while (end < text_.size() && text_[end] == '=') ++end;
    return end < text_.size() && text_[end] == '[' ? end - at : 0;
}

// A "..." piece goes on an unquoted argument only when it closes before
// anything an unquoted argument cannot hold: a parenthesis, a "#", a line
// end. Otherwise the argument ends before the quote, which opens a quoted
// argument of its own.
bool CMakeReader::legacyQuoteCloses(size_t quote) const
{
    size_t i = quote + 1;
    while (i < text_.size()) {
        const char c = text_[i];
        if (c == '"') return true;
        if (c == '\\') {
            if (i + 1 >= text_.size() || text_[i + 1] == '\n') return false;
            i += 2;
        } else if (const size_t variable = makeVariableLength(text_, i)) {
            i += variable;
        } else if (c == '(' || c == ')' || c == '#' || c == '\n' || c == '\r' || c == '\0') {
            return false;
        } else {
            ++i;
        }
    }
    return false;
}

// Moves on by one piece of the code: a character, an escape, a bracket's
// opening, or (in comments and brackets) everything up to their end or to
// `limit`, whichever comes first.
void CMakeReader::step(size_t limit)
{
    const size_t size = text_.size();
    const char c = text_[at_];
    switch (place_) {
    case CMakePlace::quoted:
    case CMakePlace::legacyQuoted:
        if (c == '\\') {
            at_ += at_ + 1 < size ? 2 : 1;
        } else if (c == '"') {
            atStart_ = place_ == CMakePlace::quoted;
            place_ = CMakePlace::unquoted;
            ++at_;
        } else {
            ++at_;
        }
        return;
    case CMakePlace::bracket:
    case CMakePlace::bracketComment: {
        const std::string closing = "]" + std::string(level_, '=') + "]";
        const size_t end = text_.find(closing, at_);
        if (end == std::string_view::npos || end >= limit) {
            at_ = end == std::string_view::npos ? std::min(limit, size) : limit;
            return;
        }
        at_ = end + closing.size();
        place_ = CMakePlace::unquoted;
        atStart_ = true;
        return;
    }
    case CMakePlace::lineComment: {
        const size_t end = text_.find('\n', at_);
        atStart_ = false;
        if (end == std::string_view::npos || end >= limit) {
            at_ = std::min(limit, size);
            return;
        }
        at_ = end + 1;
        place_ = CMakePlace::unquoted;
        atStart_ = true;
        return;
    }
    case CMakePlace::unquoted:
        break;
    }
    switch (c) {
    case ' ':
    case '\t':
    case '\r':
    case '\n':
    case '(':
    case ')':
        atStart_ = true;
        ++at_;
        return;
    case '#':
        if (const size_t opening = bracketOpening(at_ + 1)) {
            place_ = CMakePlace::bracketComment;
            level_ = opening - 1;
            at_ += 1 + opening + 1;
        } else {
            place_ = CMakePlace::lineComment;
            atStart_ = true;  // right after the "#"
            ++at_;
        }
        return;
    case '"':
        place_ = atStart_ || !legacyQuoteCloses(at_) ? CMakePlace::quoted : CMakePlace::legacyQuoted;
        atStart_ = false;
        ++at_;
        return;
    case '[':
        if (const size_t opening = atStart_ ? bracketOpening(at_) : 0) {
            place_ = CMakePlace::bracket;
            level_ = opening - 1;
            at_ += opening + 1;
            return;
        }
        break;
    case '\\':
        at_ += at_ + 1 < size && text_[at_ + 1] != '\n' ? 2 : 1;
        atStart_ = false;
        return;
    case '$':
        if (const size_t variable = makeVariableLength(text_, at_)) {
            at_ += variable;
            atStart_ = false;
            return;
        }
        break;
    default:
        break;
    }
    atStart_ = false;
    ++at_;
}

CMakePlace CMakeReader::placeAt(size_t at)
{
    at = std::min(at, text_.size());
    while (at_ < at) step(at);
    return place_;
}

}  // namespace zz

namespace zz {

bool isPlainValue(std::string_view value)
{
    return value.find_first_of("\\\"$()#[]\n\r") == std::string_view::npos;
}

namespace {

bool startsVariableReference(std::string_view next)
{
    for (const std::string_view opening : {"{", "ENV{", "CACHE{"})
        if (next.substr(0, opening.size()) == opening) return true;
    return false;
}

// Where a line comment could turn into a bracket comment: "[", "=" as often
// as wanted, "[".
bool opensBracket(std::string_view text)
{
    size_t end = 1;
    while (end < text.size() && text[end] == '=') ++end;
    return !text.empty() && text[0] == '[' && end < text.size() && text[end] == '[';
}

}  // namespace

WrittenValue writeValue(std::string_view value, const CMakeReader& reader, std::string_view before,
                        std::string_view after)
{
    const CMakePlace place = reader.place();
    WrittenValue out;
    switch (place) {
    case CMakePlace::bracket:
    case CMakePlace::bracketComment: {
        // The closing bracket must not appear anywhere that touches the value.
        const std::string closing = "]" + std::string(reader.bracketLevel(), '=') + "]";
        const size_t reach = closing.size() - 1;
        const std::string_view ahead = before.substr(before.size() - std::min(before.size(), reach));
        const std::string around = std::string(ahead) + std::string(value) + std::string(after.substr(0, reach));
        const size_t found = around.find(closing);
        out.fits = value.empty() || found == std::string::npos || found >= ahead.size() + value.size();
        out.text = value;
        return out;
    }
    case CMakePlace::lineComment:
        out.fits = value.find_first_of("\n\r") == std::string_view::npos &&
                   !(reader.atStart() && !value.empty() &&
                     opensBracket(std::string(value) + std::string(after.substr(0, 8))));
        out.text = value;
        return out;
    case CMakePlace::quoted:
    case CMakePlace::legacyQuoted:
    case CMakePlace::unquoted:
        break;
    }

    const bool quoted = place == CMakePlace::quoted;
    out.text.reserve(value.size() + 8);
    // The characters after position i: the rest of the value, then the code.
    const auto next = [&](size_t i) {
        std::string following(value.substr(i + 1, 6));
        if (following.size() < 6) following += after.substr(0, 6 - following.size());
        return following;
    };
    bool argumentStarts = place == CMakePlace::unquoted && reader.atStart();
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        bool escape = false;
        switch (c) {
        case '\\': escape = !quoted || next(i).substr(0, 1) != ";"; break;
        case '"': escape = true; break;
        case '$': escape = startsVariableReference(next(i)); break;
        case '(':
        case ')':
        case '#': escape = !quoted; break;
        case '[': escape = argumentStarts; break;
        default: break;
        }
        if (escape) out.text += '\\';
        out.text += c;
        argumentStarts = place == CMakePlace::unquoted && (c == ' ' || c == '\t' || c == '\n' || c == '\r');
    }
    return out;
}

}  // namespace zz
