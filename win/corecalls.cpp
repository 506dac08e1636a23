#include "corecalls.h"

#include "coder/controlcheck.h"
#include "coder/paramcode.h"
#include "project/diagnostics.h"
#include "project/makeproject.h"
#include "project/projectchecks.h"
#include "project/settingsfile.h"
#include "project/winfiles.h"

namespace zz::win::core {

namespace {

// The program joins paths with a backslash. The page tests run the same pages
// on other hosts, where the folders are joined the host's way.
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

}  // namespace

std::string programFolderOf(const std::string& programPath)
{
    return folderOfProgramFile(programPath);
}

std::optional<std::string> checkProjectName(const std::string& name)
{
    Outcome outcome = zz::checkProjectName(name);
    if (outcome.ok)
        return std::nullopt;
    return outcome.message;
}

CreationOutcome makeProject(const ZezureProject& project, const std::string& programFolder)
{
    WindowsCreateOptions options;
    options.separator = kSeparator;
    CreationResult result = makeProjectWindows(project, windowsTemplateFolder(programFolder, kSeparator), options);
    CreationOutcome outcome;
    outcome.succeeded = result.ok;
    outcome.message = result.ok ? std::string() : result.message;
    outcome.log = result.creationLog;
    return outcome;
}

std::string saveDiagnostics(const std::string& creationLog, const std::string& programFolder)
{
#ifdef _WIN32
    const std::string path = diagnosticsPath(programFolder);
#else
    const std::string path = programFolder + kSeparator + "diagnostics.txt";
#endif
    return zz::saveDiagnostics(creationLog, path);
}

std::string settingsFilePath(const std::optional<std::string>& appData)
{
#ifdef _WIN32
    return windowsSettingsPath(appData ? appData->c_str() : nullptr);
#else
    return appData.value_or(std::string()) + kSeparator + "Zizavizerovo" + kSeparator + kSettingsFileName;
#endif
}

std::optional<std::string> loadLogFile(ZezureProject& project, std::string& logFileText, const std::string& path)
{
    SettingsFileReport report = zz::loadLogFile(Deliverable::windows, project, path);
    logFileText = settingsFileText(Deliverable::windows, project);
    if (report.shown())
        return report.message;
    return std::nullopt;
}

std::optional<std::string> saveLogFile(const ZezureProject& project, std::string& logFileText,
                                       const std::string& path)
{
    logFileText = settingsFileText(Deliverable::windows, project);
    SettingsFileReport report = zz::saveLogFile(Deliverable::windows, project, path);
    if (report.shown())
        return report.message;
    return std::nullopt;
}

Zizudavuveva windowsRecordDefaults()
{
    return makeZizudavuveva(Deliverable::windows);
}

Zizudavuveva windowsCoderPageDefaults()
{
    return windowsDefKontrol();
}

std::optional<std::string> validateShit(const Zizudavuveva& kontrol)
{
    CheckResult result = zz::validateShit(kontrol, Deliverable::windows);
    if (result.passed)
        return std::nullopt;
    return result.message;
}

std::vector<std::string> makeParameterCode(const Zizudavuveva& kontrol, const std::string& comment)
{
    return zz::makeParameterCode(kontrol, comment, Deliverable::windows).fragments;
}

std::optional<std::string> makeBoundVarCode(const Zizudavuveva& kontrol, std::vector<std::string>& fragments)
{
    CodeResult result = zz::makeBoundVarCode(kontrol, Deliverable::windows);
    if (result.refused)
        return result.message;
    fragments = result.fragments;
    return std::nullopt;
}

}  // namespace zz::win::core
