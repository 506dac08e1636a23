#include "projectpagelogic.h"

#include "common/numtext.h"
#include "present.h"
#include "project/makeproject.h"
#include "project/projectchecks.h"
#include "project/projectfields.h"
#include "project/settingsfile.h"
#include "restore/templaterestore.h"
#include "pagelink.h"

namespace zz::mac {

namespace {

constexpr Deliverable kStyle = Deliverable::mac;

}  // namespace

ProjectPageLogic::ProjectPageLogic(Outlets& outlets, Services& services, PageLink& link)
    : outlets_(outlets), services_(services), link_(link)
{
}

ProjectPageLogic::~ProjectPageLogic()
{
    if (link_.projectPage == this) link_.projectPage = nullptr;
}

void ProjectPageLogic::viewDidLoad()
{
    link_.projectPage = this;
    project_ = makeDefaultProject(kStyle);
    setUpPaths();
    present(loadLogFile(kStyle, project_, logFilePath_), outlets_, services_);
    initControls();
    outlets_.makeFirstResponder(Outlet::projectName);
}

void ProjectPageLogic::setUpPaths()
{
    logFilePath_ = macSettingsPath(services_.applicationSupportFolder());
    pluginTemplateResourcePath_ = services_.resourcePath("PluginTemplate");
    pluginTemplateZIPPath_ = services_.resourcePath("PluginTemplate.zip");
    pluginTemplateDIRPath_ = zz::pluginTemplateDIRPath(services_.bundlePath());
}

void ProjectPageLogic::viewWillDisappear()
{
    parseControls();
    link_.enableParameterSmoothing = project_.enableParamSmoothing;
    link_.smoothingTime_mSec = project_.smoothingTimeMsec;
}

void ProjectPageLogic::initControls()
{
    if (!fourCharFormatter_) {
        fourCharFormatter_ = std::make_shared<FormatterRule>();
        fourCharFormatter_->maxLength = 4;
        aaxNameFormatter_ = std::make_shared<FormatterRule>();
        aaxNameFormatter_->maxLength = 31;
        shortNameFormatter_ = std::make_shared<FormatterRule>();
        shortNameFormatter_->maxLength = 15;
        numericFormatter_ = std::make_shared<FormatterRule>();
        numericFormatter_->numericOnly = true;
    }
    Outlets& o = outlets_;
    const ZezureProject& p = project_;

    o.setText(Outlet::projectFolderBox, p.projectFolderPath);
    o.setText(Outlet::projectName, p.projectName);
    o.setText(Outlet::pluginName, p.pluginName);
    o.setText(Outlet::fourCharCode, p.fourCharProductID);
    o.setText(Outlet::fourCharCompany, p.fourCharVendorID);
    o.attachFormatter(Outlet::fourCharCode, fourCharFormatter_);
    o.attachFormatter(Outlet::fourCharCompany, fourCharFormatter_);

    o.setText(Outlet::vendorName, p.vendorName);
    o.setText(Outlet::vendorURL, p.vendorURL);
    o.setText(Outlet::vendorEmail, p.vendorEmail);
    o.setText(Outlet::aaxPluginName, p.aaxPluginName);
    o.setText(Outlet::shortPluginName, p.aaxShortPluginName);
    o.attachFormatter(Outlet::aaxPluginName, aaxNameFormatter_);
    o.attachFormatter(Outlet::shortPluginName, shortNameFormatter_);

    o.setOn(Outlet::synthPlugin, p.synthPlugin);
    o.setOn(Outlet::enableSidechain, p.enableSidechain);
    o.setOn(Outlet::enableParameterSmoothing, p.enableParamSmoothing);

    for (Outlet field : {Outlet::smoothingTime, Outlet::pluginLatency, Outlet::tailTime, Outlet::saaGranulatiry,
                         Outlet::blockSize}) {
        o.attachFormatter(field, numericFormatter_);
    }

    o.setText(Outlet::smoothingTime, numtext::nsNumberString(p.smoothingTimeMsec));
    o.setText(Outlet::pluginLatency, numtext::nsNumberString(p.latencyInSamples));
    o.setText(Outlet::tailTime, numtext::nsNumberString(p.tailTimeMsec));
    o.setText(Outlet::saaGranulatiry, numtext::nsNumberString(p.saaGranulatity));

    o.setOn(Outlet::processFrames, true);
    o.setOn(Outlet::processBuffers, false);
    o.setOn(Outlet::processBlocks, false);
    o.setText(Outlet::blockSize, numtext::nsNumberString(p.blockSize));

    o.setOn(Outlet::linkFFTW, p.linkFFTW);
    o.setOn(Outlet::infiniteTail, p.infiniteTail);
    o.setOn(Outlet::saaAutomation, p.enableSAAVST3);
    o.setOn(Outlet::exposePTGRMeter, p.wantPTGRMeter);
    o.setOn(Outlet::includeFXObjects, p.includeFXObjects);

    o.setOn(Outlet::universalProject, p.universalAPI);
    o.setOn(Outlet::individualProject, !p.universalAPI);

    o.setOn(Outlet::indAAX, true);
    o.setOn(Outlet::indAU, false);
    o.setOn(Outlet::indVST, false);
    o.setOn(Outlet::uniAAX, true);
    o.setOn(Outlet::uniAU, true);
    o.setOn(Outlet::uniVST, true);

    for (Outlet button : {Outlet::indAAX, Outlet::indAU, Outlet::indVST}) o.setEnabled(button, !p.universalAPI);
    for (Outlet button : {Outlet::uniAAX, Outlet::uniAU, Outlet::uniVST}) o.setEnabled(button, p.universalAPI);

    // The list is filled once; initControls runs only when the view loads.
    std::vector<std::string> names;
    for (const auto& category : kAaxCategories) names.emplace_back(category.name);
    o.addItems(Outlet::categoryCombo, names);
    int selected = 0;
    for (size_t i = 0; i < kAaxCategories.size(); ++i) {
        if (i == p.aaxCagtegory) selected = static_cast<int>(i);
    }
    o.selectIndex(Outlet::categoryCombo, selected);
}

bool ProjectPageLogic::parseControls()
{
    Outlets& o = outlets_;
    ZezureProject& p = project_;

    p.projectName = o.text(Outlet::projectName);
    p.pluginName = o.text(Outlet::pluginName);
    p.fourCharProductID = o.text(Outlet::fourCharCode);
    p.fourCharVendorID = o.text(Outlet::fourCharCompany);
    p.vendorName = o.text(Outlet::vendorName);
    p.vendorURL = o.text(Outlet::vendorURL);
    p.vendorEmail = o.text(Outlet::vendorEmail);
    p.aaxPluginName = o.text(Outlet::aaxPluginName);
    p.aaxShortPluginName = o.text(Outlet::shortPluginName);

    p.synthPlugin = o.isOn(Outlet::synthPlugin);
    p.enableSidechain = o.isOn(Outlet::enableSidechain);
    p.enableParamSmoothing = o.isOn(Outlet::enableParameterSmoothing);

    // Times in single precision; the two counts cut toward zero, a negative
    // entry giving 0.
    p.smoothingTimeMsec = readTimeField(kStyle, o.text(Outlet::smoothingTime));
    p.latencyInSamples = readCountField(kStyle, o.text(Outlet::pluginLatency));
    p.tailTimeMsec = readTimeField(kStyle, o.text(Outlet::tailTime));

    p.linkFFTW = o.isOn(Outlet::linkFFTW);
    p.infiniteTail = o.isOn(Outlet::infiniteTail);
    p.enableSAAVST3 = o.isOn(Outlet::saaAutomation);

    p.saaGranulatity = readCountField(kStyle, o.text(Outlet::saaGranulatiry));

    p.wantPTGRMeter = o.isOn(Outlet::exposePTGRMeter);
    p.includeFXObjects = o.isOn(Outlet::includeFXObjects);

    p.processFrames = o.isOn(Outlet::processFrames);

    if (o.isOn(Outlet::processBuffers)) {
        p.blockSize = 0;
    } else {
        p.blockSize = readBlockSizeField(kStyle, o.text(Outlet::blockSize));
    }

    p.universalAPI = o.isOn(Outlet::universalProject);
    if (p.universalAPI) {
        p.makeAU = o.isOn(Outlet::uniAU);
        p.makeAAX = o.isOn(Outlet::uniAAX);
        p.makeVST = o.isOn(Outlet::uniVST);
    } else {
        p.makeAU = o.isOn(Outlet::indAU);
        p.makeAAX = o.isOn(Outlet::indAAX);
        p.makeVST = o.isOn(Outlet::indVST);
    }

    // No selected item (text typed into the combo box) gives "None".
    p.aaxCagtegory = aaxCategoryCodeAt(o.selectedIndex(Outlet::categoryCombo));
    applySynthCategory(p);
    return true;
}

void ProjectPageLogic::projectType(Outlet sender)
{
    bool individual;
    if (sender == Outlet::individualProject) individual = true;
    else if (sender == Outlet::universalProject) individual = false;
    else return;
    for (Outlet button : {Outlet::indAAX, Outlet::indAU, Outlet::indVST}) outlets_.setEnabled(button, individual);
    for (Outlet button : {Outlet::uniAAX, Outlet::uniAU, Outlet::uniVST}) outlets_.setEnabled(button, !individual);
}

void ProjectPageLogic::updateProjectName()
{
    services_.log("updateProjectName");
    const DerivedNames names = deriveNames(kStyle, outlets_.text(Outlet::projectName));
    outlets_.setText(Outlet::aaxPluginName, names.aaxPluginName);
    outlets_.setText(Outlet::shortPluginName, names.aaxShortPluginName);
    outlets_.setText(Outlet::pluginName, names.pluginName);
}

void ProjectPageLogic::browseForProjFolder()
{
    const std::optional<std::string> chosen = services_.chooseFolder();
    if (!chosen) return;
    services_.log(*chosen);
    std::string path = *chosen;
    if (path.empty() || path.back() != '/') path += '/';
    outlets_.setText(Outlet::projectFolderBox, path);
    project_.projectFolderPath = path;
}

void ProjectPageLogic::makeProject()
{
    parseControls();
    const Result checked = validateShit(project_.projectName, project_.pluginName, project_.fourCharProductID);
    present(checked, outlets_, services_);
    if (!checked) return;
    present(makeProjectMac(project_, pluginTemplateResourcePath_), outlets_, services_);
}

void ProjectPageLogic::restoreTemplateFolder()
{
    Alert confirmation;
    confirmation.message = kRestoreConfirmMessage;
    confirmation.buttons = {kRestoreYesButton, kRestoreNoButton};
    services_.beginSheetAlert(confirmation, [this](int returnCode) { alertDidEnd(returnCode); });
}

void ProjectPageLogic::alertDidEnd(int returnCode)
{
    if (confirmationRestores(returnCode)) restoreTemplateDirectory();
}

void ProjectPageLogic::restoreTemplateDirectory()
{
    present(zz::restoreTemplateDirectory(pluginTemplateDIRPath_, pluginTemplateZIPPath_), outlets_, services_);
}

void ProjectPageLogic::saveLogFile()
{
    zz::saveLogFile(kStyle, project_, logFilePath_);
}

void ProjectPageLogic::closeApp()
{
    parseControls();
    saveLogFile();
    services_.exitProcess(0);
}

}  // namespace zz::mac
