#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/deliverable.h"

namespace zz {

// The sub-block size the pages start with, in samples.
inline constexpr uint32_t kDefaultBlockSize = 64;

// Everything the user decides about a new plug-in project. The project page of
// each deliverable owns one record for its whole life: defaults at start, the
// settings memory file on top, then the form fills it before every command.
struct ZezureProject {
    std::string projectFolderPath;
    std::string projectName;
    std::string pluginName;
    std::string vendorName;
    std::string fourCharProductID;
    std::string fourCharAAXID;
    std::string fourCharVendorID;
    std::string vendorURL;
    std::string vendorEmail;
    std::string aaxPluginName;
    std::string aaxShortPluginName;
    bool synthPlugin = false;
    bool enableSidechain = false;
    bool enableParamSmoothing = false;
    double smoothingTimeMsec = 20.0;
    double tailTimeMsec = 0.0;
    bool infiniteTail = false;
    bool linkFFTW = false;
    bool useTemplate = false;  // macOS only: kept in the settings file
    bool universalAPI = false;
    bool makeAAX = true;
    bool makeVST = false;
    bool makeAU = false;
    bool includeFXObjects = false;
    bool wantPTGRMeter = false;
    bool enableSAAVST3 = false;
    uint32_t saaGranulatity = 1;  // sample-accurate automation granularity (the pages' spelling)
    uint32_t latencyInSamples = 0;
    uint32_t aaxCagtegory = 0;  // the AAX category code (the pages' spelling)
    bool processFrames = true;
    uint32_t blockSize = kDefaultBlockSize;
};

// The example vendor web address and support e-mail address of the defaults.
inline constexpr const char* kDefaultVendorURL = "https://www.example.com";
inline constexpr const char* kDefaultVendorEmail = "support@example.com";

// The record as each deliverable constructs it. `programFolder` is the folder
// of the running program (the Windows default project folder); the macOS
// record ignores it.
ZezureProject makeDefaultProject(Deliverable deliverable, const std::string& programFolder = {});

// The AAX plug-in category table: fifteen entries, in the order the pages
// list them (not sorted). Position 0 is "None" with code 0; position p (1..14)
// has code 2^(p-1).
struct AaxCategory {
    const char* name;
    uint32_t code;
};
extern const std::array<AaxCategory, 15> kAaxCategories;

inline constexpr uint32_t kSoftwareSynthCategory = 2048;

// The code at a list position; 0 ("None") for a position outside the list.
uint32_t aaxCategoryCodeAt(int position);

// Record-level rule applied when a page copies its form: a synthesizer is
// always a "Software Synth".
void applySynthCategory(ZezureProject& project);

// The audio processing mode that the creation derives from `processFrames`
// and `blockSize`: frames when `processFrames`, otherwise sub-blocks when the
// block size is not 0, otherwise entire buffers.
enum class ProcessingMode { frames, subBlocks, entireBuffers };
ProcessingMode processingMode(const ZezureProject& project);

}  // namespace zz
