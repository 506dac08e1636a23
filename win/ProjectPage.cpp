#include "ProjectPage.h"

#include <algorithm>

#include "MainSheet.h"
#include "SuccessDlg.h"
#include "common/files.h"
#include "common/numtext.h"
#include "project/diagnostics.h"
#include "project/makeproject.h"
#include "project/projectchecks.h"
#include "project/projectfields.h"
#include "project/settingsfile.h"
#include "resource.h"

namespace zz::win {

namespace {

// The text edits of the page and the record fields they show, in form order.
struct TextField {
    int id;
    std::string ZezureProject::*field;
};
const TextField kTextFields[] = {
    {IDC_PROJECT_NAME, &ZezureProject::projectName},
    {IDC_PLUGIN_NAME, &ZezureProject::pluginName},
    {IDC_PLUGIN_CODE, &ZezureProject::fourCharProductID},
    {IDC_COMPANY_CODE, &ZezureProject::fourCharVendorID},
    {IDC_COMPANY_NAME, &ZezureProject::vendorName},
    {IDC_VENDOR_URL, &ZezureProject::vendorURL},
    {IDC_VENDOR_EMAIL, &ZezureProject::vendorEmail},
    {IDC_AAX_PLUGIN_NAME, &ZezureProject::aaxPluginName},
    {IDC_AAX_SHORT_NAME, &ZezureProject::aaxShortPluginName},
};

constexpr Deliverable kStyle = Deliverable::windows;

// The program joins paths with a backslash; the page tests run the same pages
// on other hosts, whose file systems want their own separator.
char separator()
{
    return files::hostPathSeparator();
}

}  // namespace

ProjectPage::ProjectPage(Platform& platform) : PropertyPage(platform, IDD_PROJECTPAGE)
{
    project.processFrames = true;
    project.blockSize = 64;
}

std::string ProjectPage::programFolder()
{
    return files::folderOfProgramFile(platform().programPath());
}

bool ProjectPage::OnInitDialog()
{
    Controls& c = controls();

    categoryCombo = c.exists(IDC_AAX_CATEGORY) ? IDC_AAX_CATEGORY : 0;
    if (categoryCombo) {
        c.clearItems(categoryCombo);
        for (size_t i = 0; i < kAaxCategories.size(); ++i) {
            int index = c.addItem(categoryCombo, kAaxCategories[i].name);
            c.setItemData(categoryCombo, index, static_cast<std::intptr_t>(kAaxCategories[i].code));
        }
        c.setSelection(categoryCombo, 0);
    }

    c.setTextLimit(IDC_COMPANY_CODE, 4);
    c.setTextLimit(IDC_PLUGIN_CODE, 4);
    c.setTextLimit(IDC_AAX_PLUGIN_NAME, 31);
    c.setTextLimit(IDC_AAX_SHORT_NAME, 15);

    c.setText(IDC_BLOCK_SIZE, "64");
    c.setChecked(IDC_PROCESS_FRAMES, true);

    // The Windows defaults; the processing fields keep what the page set.
    const bool processFrames = project.processFrames;
    const uint32_t blockSize = project.blockSize;
    project = makeDefaultProject(kStyle, programFolder());
    project.processFrames = processFrames;
    project.blockSize = blockSize;

    loadLogFile();
    initControls();

    c.selectAll(IDC_PROJECT_NAME);
    c.scrollCaret(IDC_PROJECT_NAME);
    c.setText(IDC_PROJECT_FOLDER, project.projectFolderPath);
    return true;
}

bool ProjectPage::OnSetActive()
{
    controls().invalidate();
    return PropertyPage::OnSetActive();
}

bool ProjectPage::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_CREATE_PROJECT:
        if (code != kClicked)
            return false;
        OnCreateProject();
        return true;
    case IDC_PLUGIN_CODE:
    case IDC_COMPANY_CODE:
        if (code != kChanged)
            return false;
        updateAuvalLine();
        return true;
    case IDC_INDIVIDUAL_API:
    case IDC_UNIVERSAL_API:
        if (code != kClicked)
            return false;
        projectType();
        return true;
    case IDC_BROWSE_FOLDER:
        if (code != kClicked)
            return false;
        browseForProjFolder();
        return true;
    case IDC_PROJECT_NAME:
        if (code != kKillFocus)
            return false;
        // Escape, Enter and the close box end the sheet with the focus still
        // here; a message then would have no window to belong to.
        if (!sheetClosing())
            updateProjectName();
        return true;
    default:
        return false;
    }
}

void ProjectPage::initControls()
{
    Controls& c = controls();
    for (const TextField& f : kTextFields)
        c.setText(f.id, project.*f.field);

    if (categoryCombo)
        c.setSelection(categoryCombo, static_cast<int>(project.aaxCagtegory));

    c.setChecked(IDC_SYNTH_PLUGIN, project.synthPlugin);
    c.setChecked(IDC_ENABLE_SIDECHAIN, project.enableSidechain);
    c.setText(IDC_SMOOTHING_TIME, numtext::fixed(project.smoothingTimeMsec, 2));
    c.setChecked(IDC_PARAM_SMOOTHING, project.enableParamSmoothing);
    c.setText(IDC_LATENCY, numtext::unsignedText(project.latencyInSamples));
    c.setText(IDC_TAIL_TIME, numtext::fixed(project.tailTimeMsec, 2));
    c.setChecked(IDC_LINK_FFTW, project.linkFFTW);
    c.setChecked(IDC_INFINITE_TAIL, project.infiniteTail);
    c.setChecked(IDC_ENABLE_SAA, project.enableSAAVST3);
    c.setText(IDC_SAA_GRANULARITY, numtext::unsignedText(project.saaGranulatity));
    c.setChecked(IDC_INCLUDE_FX_OBJECTS, project.includeFXObjects);
    c.setChecked(IDC_PT_GR_METER, project.wantPTGRMeter);

    c.setChecked(IDC_UNIVERSAL_API, project.universalAPI);
    c.setChecked(IDC_INDIVIDUAL_API, !project.universalAPI);

    // The API buttons always start the same way, whatever the record says.
    c.setChecked(IDC_UNIVERSAL_AAX, true);
    c.setChecked(IDC_UNIVERSAL_AU, true);
    c.setChecked(IDC_UNIVERSAL_VST, true);
    c.setChecked(IDC_INDIVIDUAL_AAX, true);
    c.setChecked(IDC_INDIVIDUAL_AU, false);
    c.setChecked(IDC_INDIVIDUAL_VST, false);

    projectType();
}

void ProjectPage::parseControls()
{
    Controls& c = controls();
    for (const TextField& f : kTextFields)
        project.*f.field = c.text(f.id);

    project.synthPlugin = c.checked(IDC_SYNTH_PLUGIN);
    project.enableSidechain = c.checked(IDC_ENABLE_SIDECHAIN);
    project.smoothingTimeMsec = readTimeField(kStyle, c.text(IDC_SMOOTHING_TIME));
    project.enableParamSmoothing = c.checked(IDC_PARAM_SMOOTHING);
    project.latencyInSamples = readCountField(kStyle, c.text(IDC_LATENCY));
    project.tailTimeMsec = readTimeField(kStyle, c.text(IDC_TAIL_TIME));
    project.linkFFTW = c.checked(IDC_LINK_FFTW);
    project.infiniteTail = c.checked(IDC_INFINITE_TAIL);
    project.enableSAAVST3 = c.checked(IDC_ENABLE_SAA);
    project.saaGranulatity = readCountField(kStyle, c.text(IDC_SAA_GRANULARITY));
    project.includeFXObjects = c.checked(IDC_INCLUDE_FX_OBJECTS);
    project.wantPTGRMeter = c.checked(IDC_PT_GR_METER);

    project.universalAPI = c.checked(IDC_UNIVERSAL_API);
    if (project.universalAPI) {
        project.makeAAX = c.checked(IDC_UNIVERSAL_AAX);
        project.makeAU = c.checked(IDC_UNIVERSAL_AU);
        project.makeVST = c.checked(IDC_UNIVERSAL_VST);
    } else {
        project.makeAAX = c.checked(IDC_INDIVIDUAL_AAX);
        project.makeAU = c.checked(IDC_INDIVIDUAL_AU);
        project.makeVST = c.checked(IDC_INDIVIDUAL_VST);
    }

    project.processFrames = c.checked(IDC_PROCESS_FRAMES);
    if (c.checked(IDC_PROCESS_BUFFERS))
        project.blockSize = 0;
    else if (c.checked(IDC_PROCESS_BLOCKS))
        project.blockSize = readBlockSizeField(kStyle, c.text(IDC_BLOCK_SIZE));

    if (categoryCombo) {
        const int index = c.selection(categoryCombo);
        if (index >= 0 && static_cast<size_t>(index) < kAaxCategories.size())
            project.aaxCagtegory = kAaxCategories[static_cast<size_t>(index)].code;
    }
    applySynthCategory(project);
}

void ProjectPage::projectType()
{
    Controls& c = controls();
    project.universalAPI = c.checked(IDC_UNIVERSAL_API);
    for (int id : {IDC_UNIVERSAL_AAX, IDC_UNIVERSAL_AU, IDC_UNIVERSAL_VST})
        c.setEnabled(id, project.universalAPI);
    for (int id : {IDC_INDIVIDUAL_AAX, IDC_INDIVIDUAL_AU, IDC_INDIVIDUAL_VST})
        c.setEnabled(id, !project.universalAPI);
}

std::string ProjectPage::browseForFolder(const std::string& title, const std::string& start)
{
    return platform().browseForFolder(title, start);
}

void ProjectPage::browseForProjFolder()
{
    std::string folder = browseForFolder("Browse for the DSP Project Folder", project.projectFolderPath);
    if (!folder.empty())
        project.projectFolderPath = folder;
    controls().setText(IDC_PROJECT_FOLDER, project.projectFolderPath);
}

bool ProjectPage::checkProjectName()
{
    Controls& c = controls();
    const Result check = zz::checkProjectName(c.text(IDC_PROJECT_NAME));
    if (!check) {
        platform().messageBox(check.message);
        c.clearSelection(IDC_PROJECT_NAME);
        c.scrollCaret(IDC_PROJECT_NAME);
        return false;
    }
    return true;
}

void ProjectPage::updateProjectName()
{
    if (!checkProjectName())
        return;
    Controls& c = controls();
    const DerivedNames names = deriveNames(kStyle, c.text(IDC_PROJECT_NAME));
    c.setText(IDC_PLUGIN_NAME, names.pluginName);
    c.setText(IDC_AAX_PLUGIN_NAME, names.aaxPluginName);
    c.setText(IDC_AAX_SHORT_NAME, names.aaxShortPluginName);
}

void ProjectPage::updateAuvalLine()
{
    Controls& c = controls();
    const std::string pluginCode = c.text(IDC_PLUGIN_CODE);
    const std::string companyCode = c.text(IDC_COMPANY_CODE);
    if (!pluginCode.empty())
        c.setText(IDC_AUVAL_LINE, "auval -v aufx " + pluginCode + " " + companyCode);
}

bool ProjectPage::makeProject()
{
    parseControls();
    WindowsCreateOptions options;
    options.separator = separator();
    const CreationResult result =
        makeProjectWindows(project, windowsTemplateFolder(programFolder(), separator()), options);
    creationLog = result.creationLog;
    if (!result.ok)
        platform().messageBox(result.message);
    return result.ok;
}

void ProjectPage::OnCreateProject()
{
    if (!makeProject())
        return;
    SuccessDlg dialog;
    const int result = platform().runSuccessDialog(dialog);
    const Result saved = saveDiagnosticsAfterSuccess(result == kResultOK, dialog.saveDiagnostics, creationLog,
                                                     programFolder(), separator());
    if (saved.shown())
        platform().messageBox(saved.message);
}

std::string ProjectPage::settingsFilePath()
{
    return windowsSettingsPath(platform().environment("APPDATA"), separator());
}

SettingsFileServices ProjectPage::settingsFileServices()
{
    SettingsFileServices services;
    services.codePage = platform().machineCodePage();
    return services;
}

void ProjectPage::loadLogFile()
{
    const Result loaded = zz::loadLogFile(kStyle, project, settingsFilePath(), settingsFileServices());
    logFileText = settingsFileText(kStyle, project);
    if (loaded.shown())
        platform().messageBox(loaded.message);
}

void ProjectPage::saveLogFile()
{
    logFileText = settingsFileText(kStyle, project);
    const Result saved = zz::saveLogFile(kStyle, project, settingsFilePath(), settingsFileServices());
    if (saved.shown())
        platform().messageBox(saved.message);
}

}  // namespace zz::win
