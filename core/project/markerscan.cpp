#include "markerscan.h"

#include <array>
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
    // a value holds a dollar sign.
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
            if (m.value.find('$') != std::string::npos || find(word)) return false;
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
