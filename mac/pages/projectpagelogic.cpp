#include "projectpagelogic.h"

#include "common/numtext.h"
#include "fieldbindings.h"
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
    // The settings file, which the page has always called its log file.
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

std::shared_ptr<const FormatterRule> ProjectPageLogic::sharedFormatter(const FormatterRule& rule)
{
    for (const auto& formatter : formatters_) {
        if (*formatter == rule) return formatter;
    }
    formatters_.push_back(std::make_shared<const FormatterRule>(rule));
    return formatters_.back();
}

void ProjectPageLogic::initControls()
{
    Outlets& o = outlets_;
    const ZezureProject& p = project_;

    // The texts, check boxes and number fields from the record, each field
    // with the filter its table entry asks for: one instance per filter, so
    // that both code fields share one, and all five number fields another.
    for (const ProjectFieldBinding& b : projectFieldBindings()) {
        const ProjectFieldInfo& f = *b.field;
        switch (f.kind) {
        case ProjectFieldKind::text: o.setText(b.outlet, p.*f.text); break;
        case ProjectFieldKind::boolean:
            if (outletKind(b.outlet) == ControlKind::checkBox) o.setOn(b.outlet, p.*f.flag);
            break;
        case ProjectFieldKind::time: o.setText(b.outlet, numtext::nsNumberString(p.*f.number)); break;
        case ProjectFieldKind::count:
        case ProjectFieldKind::blockSize: o.setText(b.outlet, numtext::nsNumberString(p.*f.whole)); break;
        case ProjectFieldKind::category: break;
        }
        if (const auto rule = formatterRuleOf(b)) o.attachFormatter(b.outlet, sharedFormatter(*rule));
    }

    // Frames, whatever the record holds.
    o.setOn(Outlet::processFrames, true);
    o.setOn(Outlet::processBuffers, false);
    o.setOn(Outlet::processBlocks, false);

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
    const Outlets& o = outlets_;
    ZezureProject& p = project_;

    // Texts as they stand, check boxes, times in single precision, the two
    // counts cut toward zero (a negative entry giving 0); the block size is
    // 0 for entire buffers.
    for (const ProjectFieldBinding& b : projectFieldBindings()) {
        const ProjectFieldInfo& f = *b.field;
        if (b.shownOnly) continue;
        switch (f.kind) {
        case ProjectFieldKind::text: p.*f.text = o.text(b.outlet); break;
        case ProjectFieldKind::boolean: p.*f.flag = o.isOn(b.outlet); break;
        case ProjectFieldKind::time: p.*f.number = readTimeField(kStyle, o.text(b.outlet)); break;
        case ProjectFieldKind::count: p.*f.whole = readCountField(kStyle, o.text(b.outlet)); break;
        case ProjectFieldKind::blockSize:
            p.*f.whole = o.isOn(Outlet::processBuffers) ? 0 : readBlockSizeField(kStyle, o.text(b.outlet));
            break;
        case ProjectFieldKind::category:
            // No selected item gives "None"; a synthesizer is "Software Synth".
            p.*f.whole = aaxCategoryCodeAt(o.selectedIndex(b.outlet));
            break;
        }
    }
    applySynthCategory(p);

    if (p.universalAPI) {
        p.makeAU = o.isOn(Outlet::uniAU);
        p.makeAAX = o.isOn(Outlet::uniAAX);
        p.makeVST = o.isOn(Outlet::uniVST);
    } else {
        p.makeAU = o.isOn(Outlet::indAU);
        p.makeAAX = o.isOn(Outlet::indAAX);
        p.makeVST = o.isOn(Outlet::indVST);
    }
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
    const std::string path = chosenFolder(kStyle, *chosen, "/");
    outlets_.setText(Outlet::projectFolderBox, path);
    project_.projectFolderPath = path;
}

void ProjectPageLogic::makeProject()
{
    parseControls();
    // The checks before a creation: project name, plug-in name and code.
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
