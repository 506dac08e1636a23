#include "project/markers.h"

#include <algorithm>

#include "common/numtext.h"
#include "common/text.h"
#include "common/utf8.h"
#include "markerscan.h"

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

std::vector<std::string> unknownMarkers(std::string_view text)
{
    std::vector<std::string> known;
    for (const Marker& m : markerTable(Deliverable::windows, ZezureProject{})) known.push_back(m.tag);
    const auto isWordChar = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; };
    const auto dollarsAt = [&](size_t i) {
        size_t n = 0;
        while (i + n < text.size() && text[i + n] == '$') ++n;
        return n;
    };
    std::vector<std::string> found;
    size_t i = 0;
    while ((i = text.find('$', i)) != std::string_view::npos) {
        const size_t lead = dollarsAt(i);
        size_t end = i + lead;
        while (end < text.size() && isWordChar(text[end])) ++end;
        const size_t trail = dollarsAt(end);
        if (lead <= 3 && end > i + lead && trail >= lead) {
            const std::string word(text.substr(i, end + lead - i));
            const bool isKnown = std::find(known.begin(), known.end(), word) != known.end();
            if (trail == lead && !isKnown && std::find(found.begin(), found.end(), word) == found.end())
                found.push_back(word);
            i = end + lead;
        } else {
            i += lead;
        }
    }
    return found;
}

namespace {

// Writes every occurrence of `tag` for its place, handing each writing to
// `onWritten(written)`. The text is rebuilt in `scratch`, which then holds
// the old text: passes one after the other reuse the same two buffers.
template <typename OnWritten>
void writeMarker(std::string& text, const std::string& tag, const std::string& value, std::string& scratch,
                 OnWritten&& onWritten)
{
    size_t at = tag.empty() ? std::string::npos : text.find(tag);
    if (at == std::string::npos) return;
    // A plain value is written the same everywhere: no need to read the code.
    const bool plain = isPlainValue(value);
    if (plain) onWritten(WrittenValue{value, true});
    CMakeReader reader(text);
    scratch.clear();
    size_t from = 0;
    for (; at != std::string::npos; at = text.find(tag, from)) {
        scratch.append(text, from, at - from);
        from = at + tag.size();
        if (plain) {
            scratch += value;
            continue;
        }
        reader.placeAt(at);
        const std::string_view before =
            std::string_view(scratch).substr(scratch.size() - std::min<size_t>(scratch.size(), 16));
        const WrittenValue written = writeValue(value, reader, before, std::string_view(text).substr(from, 16));
        onWritten(written);
        scratch += written.text;
    }
    scratch.append(text, from, std::string::npos);
    text.swap(scratch);
}

// The record's texts that markers carry, with the words a message names them by.
struct TextMarker {
    const char* tag;
    const char* field;
    const char* words;
};

constexpr TextMarker kTextMarkers[] = {
    {"$$$PROJECT_NAME$$$", "projectName", "project name"},
    {"$$$PLUGIN_NAME$$$", "pluginName", "plug-in name"},
    {"$$$VENDOR_NAME$$$", "vendorName", "vendor name"},
    {"$$$VENDOR_URL$$$", "vendorURL", "vendor URL"},
    {"$$$VENDOR_EMAIL$$$", "vendorEmail", "vendor e-mail"},
    {"$$$4_CHAR_CODE$$$", "fourCharProductID", "plug-in code"},
    {"$$$4_CHAR_MANU$$$", "fourCharVendorID", "company code"},
    {"$$$4_CHAR_AAXID$$$", "fourCharProductID", "plug-in code"},
};

const TextMarker* textMarker(const std::string& tag)
{
    for (const TextMarker& m : kTextMarkers)
        if (tag == m.tag) return &m;
    return nullptr;
}

}  // namespace

void replaceMarker(std::string& text, const std::string& tag, const std::string& value)
{
    std::string scratch;
    writeMarker(text, tag, value, scratch, [](const WrittenValue&) {});
}

namespace {

// Writes every marker of the table into the text, in order, each value for
// its place. `written`, when given, gets each different writing of a marker
// (a marker the text lacks with its value as it stands). Answers the first
// text marker whose value cannot stand where the text puts it, or null.
const TextMarker* writeTable(const std::vector<Marker>& table, std::string& text, std::vector<Marker>* written)
{
    const bool plain = std::all_of(table.begin(), table.end(), [](const Marker& m) { return isPlainValue(m.value); });
    // Plain values are written as they stand wherever they stand: nothing to
    // read of the code, and the one-pass walk where the text allows it.
    if (plain) {
        if (written) *written = table;
        if (replaceInOnePass(text, table)) return nullptr;
    }
    const TextMarker* misfit = nullptr;
    std::string scratch;
    for (const Marker& m : table) {
        const size_t first = written ? written->size() : 0;
        bool fits = true;
        writeMarker(text, m.tag, m.value, scratch, [&](const WrittenValue& w) {
            fits = fits && w.fits;
            if (!written || plain) return;
            for (size_t i = first; i < written->size(); ++i)
                if ((*written)[i].value == w.text) return;
            written->push_back({m.tag, w.text});
        });
        if (written && !plain && written->size() == first) written->push_back(m);
        if (!fits && !misfit) misfit = textMarker(m.tag);
    }
    return misfit;
}

}  // namespace

void replaceMarkers(Deliverable deliverable, std::string& text, const ZezureProject& project)
{
    writeTable(markerTable(deliverable, project), text, nullptr);
}

Result fillMarkers(Deliverable deliverable, const ZezureProject& project, std::string& text,
                   std::vector<Marker>* written)
{
    const std::vector<Marker> table = markerTable(deliverable, project);
    for (const Marker& m : table) {
        const TextMarker* marker = textMarker(m.tag);
        if (marker && !isOneLine(m.value))
            return Result::refusal(
                "The " + std::string(marker->words) + " must be one line without control characters.", marker->field);
    }
    std::string filled = text;
    if (const TextMarker* misfit = writeTable(table, filled, written))
        return Result::refusal("The " + std::string(misfit->words) +
                                   " cannot stand where the template's CMakeLists.txt puts it: it would change "
                                   "the CMake code around it.",
                               misfit->field);
    text.swap(filled);
    return Result::success();
}

std::vector<Marker> writtenMarkers(Deliverable deliverable, const ZezureProject& project, std::string_view projectText)
{
    std::string text(projectText);
    std::vector<Marker> written;
    writeTable(markerTable(deliverable, project), text, &written);
    return written;
}

Result checkMarkerValues(Deliverable deliverable, const ZezureProject& project, std::string_view projectText)
{
    std::string text(projectText);
    return fillMarkers(deliverable, project, text);
}

}  // namespace zz
