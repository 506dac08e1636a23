#include "project/markers.h"

#include <array>
#include <cstring>
#include <string_view>

#include "common/numtext.h"

namespace zz {

namespace {

const char* boolText(bool value) { return value ? "TRUE" : "FALSE"; }

std::string count(uint32_t value) { return numtext::unsignedText(value); }

std::vector<Marker> processingMarkers(Deliverable deliverable, const ZezureProject& p)
{
    switch (processingMode(p)) {
    case ProcessingMode::frames:
        return {{"$$$PROCESS_FRAMES$$$", "TRUE"},
                {"$$$PROCESS_BUFFERS$$$", "FALSE"},
                {"$$$PROCESS_BLOCKS$$$", "FALSE"},
                {"$$$BLOCK_SIZE$$$", deliverable == Deliverable::windows ? "DEFAULT_AUDIO_BLOCK_SIZE" : "64"}};
    case ProcessingMode::subBlocks:
        return {{"$$$PROCESS_FRAMES$$$", "FALSE"},
                {"$$$PROCESS_BUFFERS$$$", "FALSE"},
                {"$$$PROCESS_BLOCKS$$$", "TRUE"},
                {"$$$BLOCK_SIZE$$$", count(p.blockSize)}};
    case ProcessingMode::entireBuffers:
        break;
    }
    return {{"$$$PROCESS_FRAMES$$$", "FALSE"},
            {"$$$PROCESS_BUFFERS$$$", "TRUE"},
            {"$$$PROCESS_BLOCKS$$$", "FALSE"},
            {"$$$BLOCK_SIZE$$$", "0"}};
}

}  // namespace

std::vector<Marker> markerTable(Deliverable deliverable, const ZezureProject& p)
{
    std::vector<Marker> table = {
        {"$$$PROJECT_NAME$$$", p.projectName},
        {"$UNI_BUILD_BOOL$", boolText(p.universalAPI)},
        {"$AAX_BUILD_BOOL$", boolText(p.makeAAX)},
        {"$AU_BUILD_BOOL$", boolText(p.makeAU)},
        {"$VST_BUILD_BOOL$", boolText(p.makeVST)},
        {"$$$PLUGIN_NAME$$$", p.pluginName},
        {"$$$SYNTH_BOOL$$$", boolText(p.synthPlugin)},
        {"$$$AAX_SC_BOOL$$$", boolText(p.enableSidechain)},
        {"$$$AAX_GR_BOOL$$$", boolText(p.wantPTGRMeter)},
        {"$$$VENDOR_NAME$$$", p.vendorName},
        {"$$$VENDOR_URL$$$", p.vendorURL},
        {"$$$VENDOR_EMAIL$$$", p.vendorEmail},
        {"$$$4_CHAR_CODE$$$", p.fourCharProductID},
        {"$$$4_CHAR_MANU$$$", p.fourCharVendorID},
        {"$$$4_CHAR_AAXID$$$", p.fourCharProductID},  // the plug-in code, not fourCharAAXID
        {"$$$INC_FX_OBJECTS$$$", boolText(p.includeFXObjects)},
        {"$$$LINK_FFTW$$$", boolText(p.linkFFTW)},
        {"$$$WANT_SIDECHAIN$$$", boolText(p.enableSidechain)},
    };
    const std::vector<Marker> processing = processingMarkers(deliverable, p);
    if (deliverable == Deliverable::windows) table.insert(table.end(), processing.begin(), processing.end());

    const std::string tailTime = deliverable == Deliverable::windows ? numtext::fixed(p.tailTimeMsec, 6)
                                                                      : numtext::nsNumberString(p.tailTimeMsec);
    const std::vector<Marker> rest = {
        {"$$$LATENCY_SAMPLES$$$", count(p.latencyInSamples)},
        {"$$$TAIL_TIME_MSEC$$$", tailTime},
        {"$$$INF_TAIL$$$", boolText(p.infiniteTail)},
        {"$$$ENABLE_SAA$$$", boolText(p.enableSAAVST3)},
        {"$$$SAAA_GRAN$$$", count(p.saaGranulatity)},
        {"$$AAX_PLUGIN_CATEGORY$$", count(p.aaxCagtegory)},
    };
    table.insert(table.end(), rest.begin(), rest.end());
    if (deliverable == Deliverable::mac) table.insert(table.end(), processing.begin(), processing.end());
    return table;
}

void replaceAll(std::string& text, const std::string& tag, const std::string& value)
{
    if (tag.empty()) return;
    std::string out;
    size_t from = 0;
    for (size_t at = text.find(tag); at != std::string::npos; at = text.find(tag, from)) {
        out.append(text, from, at - from);
        out += value;
        from = at + tag.size();
    }
    if (from == 0) return;
    out.append(text, from, std::string::npos);
    text.swap(out);
}

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
            for (char c : word) wordChar_[static_cast<unsigned char>(c)] = true;
        }
        return true;
    }

    const MarkerShape* find(std::string_view word) const
    {
        for (const MarkerShape& shape : shapes_)
            if (shape.word == word) return &shape;
        return nullptr;
    }

    bool isWordChar(char c) const { return wordChar_[static_cast<unsigned char>(c)]; }

    // True when some character of the text cannot stand in a marker's word.
    bool breaksWords(std::string_view text) const
    {
        for (char c : text)
            if (!isWordChar(c)) return true;
        return false;
    }

private:
    std::vector<MarkerShape> shapes_;
    std::array<bool, 256> wordChar_{};
};

// Replaces every marker in one pass over the text, with the result of the
// marker-by-marker passes, for texts where those passes cannot make a new
// marker appear: no value holds a dollar sign; every run of dollar signs in
// the text either belongs to a marker (both runs as long as the marker's) or
// cannot start one (what follows it up to the next dollar sign is empty or
// holds a character that no marker's word has); and between two such runs
// stands a character that no marker's word has. Answers false, with the
// text untouched, when the text is not of that kind.
bool replaceInOnePass(std::string& text, const std::vector<Marker>& table)
{
    MarkerWords words;
    if (!words.build(table)) return false;
    const char* const data = text.data();
    const size_t size = text.size();
    std::string out;
    size_t copied = 0;
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
        const void* close = std::memchr(data + wordStart, '$', size - wordStart);
        const size_t wordEnd = close ? static_cast<size_t>(static_cast<const char*>(close) - data) : size;
        const std::string_view word(data + wordStart, wordEnd - wordStart);
        if (!close || word.empty() || words.breaksWords(word)) {
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
        if (out.empty()) out.reserve(size + size / 4);
        out.append(data + copied, start - copied);
        out += *shape->value;
        copied = end;
        previousEnd = end;
        at = end;
    }
    if (copied == 0) return true;  // no marker at all
    out.append(data + copied, size - copied);
    text.swap(out);
    return true;
}

}  // namespace

void replaceMarkers(Deliverable deliverable, std::string& text, const ZezureProject& project)
{
    const std::vector<Marker> table = markerTable(deliverable, project);
    if (replaceInOnePass(text, table)) return;
    for (const Marker& m : table) replaceAll(text, m.tag, m.value);
}

}  // namespace zz
