#include "ProjectPage.h"

#include <stdexcept>

#include "MainSheet.h"
#include "SuccessDlg.h"
#include "common/files.h"
#include "common/numtext.h"
#include "common/text.h"
#include "project/diagnostics.h"
#include "project/makeproject.h"
#include "project/projectchecks.h"
#include "project/projectfields.h"
#include "project/settingsfile.h"
#include "resource.h"

namespace zz::win {

namespace {

constexpr Deliverable kStyle = Deliverable::windows;

// A single-line edit shows its text up to the first control character (a
// line break, a tab, ...), and only that reaches the record: a value that
// was pasted or set from outside never carries one into a project.
std::string singleLine(const std::string& text)
{
    return text.substr(0, firstLineBreakOrControl(text));
}

// Record to control and control to record, for the steps the loops take.
void showField(Controls& c, const FieldControl& row, const ZezureProject& project)
{
    const ProjectFieldInfo& f = *row.field;
    switch (f.kind) {
    case ProjectFieldKind::text: c.setText(row.id, project.*f.text); break;
    case ProjectFieldKind::boolean: c.setChecked(row.id, project.*f.flag); break;
    case ProjectFieldKind::time: c.setText(row.id, numtext::fixed(project.*f.number, 2)); break;
    case ProjectFieldKind::count: c.setText(row.id, numtext::unsignedText(project.*f.whole)); break;
    default: break;
    }
}

void readField(const Controls& c, const FieldControl& row, ZezureProject& project)
{
    const ProjectFieldInfo& f = *row.field;
    switch (f.kind) {
    case ProjectFieldKind::text: project.*f.text = singleLine(c.text(row.id)); break;
    case ProjectFieldKind::boolean: project.*f.flag = c.checked(row.id); break;
    case ProjectFieldKind::time: project.*f.number = readTimeField(kStyle, c.text(row.id)); break;
    case ProjectFieldKind::count: project.*f.whole = readCountField(kStyle, c.text(row.id)); break;
    default: break;
    }
}

// The program joins paths with a backslash; the page tests run the same pages
// on other hosts, whose file systems want their own separator.
char separator()
{
    return files::hostPathSeparator();
}

}  // namespace

const std::vector<FieldControl>& ProjectPage::fieldControls()
{
    static const std::vector<FieldControl> rows = [] {
        std::vector<FieldControl> table;
        auto bind = [&table](const char* name, int id, FormStep step) {
            const ProjectFieldInfo* field = findProjectField(name, kStyle);
            if (!field)
                throw std::logic_error(std::string("no project field ") + name);
            table.push_back({field, id, step});
        };
        using S = FormStep;
        bind("projectFolderPath", IDC_PROJECT_FOLDER, S::own);
        bind("projectName", IDC_PROJECT_NAME, S::names);
        bind("pluginName", IDC_PLUGIN_NAME, S::names);
        bind("fourCharProductID", IDC_PLUGIN_CODE, S::names);
        bind("fourCharVendorID", IDC_COMPANY_CODE, S::names);
        bind("vendorName", IDC_COMPANY_NAME, S::names);
        bind("vendorURL", IDC_VENDOR_URL, S::names);
        bind("vendorEmail", IDC_VENDOR_EMAIL, S::names);
        bind("aaxPluginName", IDC_AAX_PLUGIN_NAME, S::names);
        bind("aaxShortPluginName", IDC_AAX_SHORT_NAME, S::names);
        bind("aaxCagtegory", IDC_AAX_CATEGORY, S::own);
        bind("synthPlugin", IDC_SYNTH_PLUGIN, S::attributes);
        bind("enableSidechain", IDC_ENABLE_SIDECHAIN, S::attributes);
        bind("smoothingTimeMsec", IDC_SMOOTHING_TIME, S::attributes);
        bind("enableParamSmoothing", IDC_PARAM_SMOOTHING, S::attributes);
        bind("latencyInSamples", IDC_LATENCY, S::attributes);
        bind("tailTimeMsec", IDC_TAIL_TIME, S::attributes);
        bind("linkFFTW", IDC_LINK_FFTW, S::attributes);
        bind("infiniteTail", IDC_INFINITE_TAIL, S::attributes);
        bind("enableSAAVST3", IDC_ENABLE_SAA, S::attributes);
        bind("saaGranulatity", IDC_SAA_GRANULARITY, S::attributes);
        bind("includeFXObjects", IDC_INCLUDE_FX_OBJECTS, S::attributes);
        bind("wantPTGRMeter", IDC_PT_GR_METER, S::attributes);
        bind("processFrames", IDC_PROCESS_FRAMES, S::own);
        bind("blockSize", IDC_BLOCK_SIZE, S::own);
        bind("universalAPI", IDC_UNIVERSAL_API, S::own);
        bind("makeAAX", IDC_INDIVIDUAL_AAX, S::own);
        bind("makeAU", IDC_INDIVIDUAL_AU, S::own);
        bind("makeVST", IDC_INDIVIDUAL_VST, S::own);
        bind("makeAAX", IDC_UNIVERSAL_AAX, S::own);
        bind("makeAU", IDC_UNIVERSAL_AU, S::own);
        bind("makeVST", IDC_UNIVERSAL_VST, S::own);
        return table;
    }();
    return rows;
}

ProjectPage::ProjectPage(Platform& platform) : PropertyPage(platform, IDD_PROJECTPAGE)
{
    project.processFrames = true;
    project.blockSize = kDefaultBlockSize;
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

    for (const FieldControl& row : fieldControls()) {
        if (row.field->maxLength)
            c.setTextLimit(row.id, row.field->maxLength);
    }

    c.setText(IDC_BLOCK_SIZE, numtext::unsignedText(kDefaultBlockSize));
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
    // The names first: setting the two codes updates the auval line.
    Controls& c = controls();
    for (const FieldControl& row : fieldControls()) {
        if (row.step == FormStep::names)
            showField(c, row, project);
    }

    // The entry whose index equals the category code; the code is always 0
    // ("None") when the form is filled.
    if (categoryCombo)
        c.setSelection(categoryCombo, static_cast<int>(project.aaxCagtegory));

    for (const FieldControl& row : fieldControls()) {
        if (row.step == FormStep::attributes)
            showField(c, row, project);
    }

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
    for (const FieldControl& row : fieldControls()) {
        if (row.step == FormStep::names)
            readField(c, row, project);
    }
    for (const FieldControl& row : fieldControls()) {
        if (row.step == FormStep::attributes)
            readField(c, row, project);
    }

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
