#include "project/zezureproject.h"

namespace zz {

const std::array<AaxCategory, 15> kAaxCategories = {{
    {"None", 0},
    {"EQ", 1},
    {"Dynamics", 2},
    {"Pitch Shift", 4},
    {"Reverb", 8},
    {"Delay", 16},
    {"Modulation", 32},
    {"Harmonic", 64},
    {"Noise Reduction", 128},
    {"Dither", 256},
    {"Sound Field", 512},
    {"Hardware Synth", 1024},
    {"Software Synth", 2048},
    {"Wrapped Plugin", 4096},
    {"Special Effect", 8192},
}};

ZezureProject makeDefaultProject(Deliverable deliverable, const std::string& programFolder)
{
    ZezureProject p;
    if (deliverable == Deliverable::windows) {
        p.projectFolderPath = programFolder;
        p.projectName = "NewZezureProject";
        p.pluginName = "";
        p.vendorName = "My Company";
        p.fourCharProductID = "PLuG";
        p.fourCharAAXID = "diro";
        p.fourCharVendorID = "DIRO";
        p.vendorURL = kDefaultVendorURL;
        p.vendorEmail = kDefaultVendorEmail;
        p.aaxPluginName = "NewZezureProject";
        p.aaxShortPluginName = "ZezurePlugin";
    } else {
        p.projectName = "NewZezurePlugin";
        p.pluginName = "NewZezurePlugin";
        p.aaxPluginName = "NewZezurePlugin";
        p.aaxShortPluginName = "ZezurePlugin";
    }
    return p;
}

uint32_t aaxCategoryCodeAt(int position)
{
    if (position < 0 || position >= static_cast<int>(kAaxCategories.size())) return 0;
    return kAaxCategories[static_cast<size_t>(position)].code;
}

void applySynthCategory(ZezureProject& project)
{
    if (project.synthPlugin) project.aaxCagtegory = kSoftwareSynthCategory;
}

ProcessingMode processingMode(const ZezureProject& project)
{
    if (project.processFrames) return ProcessingMode::frames;
    if (project.blockSize != 0) return ProcessingMode::subBlocks;
    return ProcessingMode::entireBuffers;
}

}  // namespace zz
