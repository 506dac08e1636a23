#include "projectbridge.h"

#include "project/makeproject.h"
#include "project/projectchecks.h"
#include "project/settingsfile.h"
#include "restore/templaterestore.h"

namespace zz::mac::bridge {

namespace {

Alert::Style styleOf(AlertStyle style)
{
    return style == AlertStyle::informational ? Alert::Style::informational : Alert::Style::warning;
}

std::optional<Outlet> outletOf(ProjectField field)
{
    switch (field) {
    case ProjectField::projectName: return Outlet::projectName;
    case ProjectField::pluginName: return Outlet::pluginName;
    case ProjectField::pluginCode: return Outlet::fourCharCode;
    case ProjectField::none: break;
    }
    return std::nullopt;
}

// A core outcome as the page shows it: an alert when there is a message.
Outcome fromCore(const zz::Outcome& core)
{
    Outcome outcome;
    outcome.ok = core.ok;
    if (!core.message.empty()) {
        Alert alert;
        alert.message = core.message;
        alert.informative = core.informativeText;
        alert.style = styleOf(core.style);
        outcome.alert = alert;
    }
    outcome.focus = outletOf(core.focus);
    outcome.logLines = core.systemLog;
    return outcome;
}

}  // namespace

Outcome validateShit(ZezureProject& project, const std::string& projectNameField,
                     const std::string& pluginNameField, const std::string& pluginCodeField)
{
    // The checks store the project name as they go; a refused name stays in
    // the record, as the page's other values do.
    if (!projectNameField.empty()) project.projectName = projectNameField;
    return fromCore(zz::validateShit(projectNameField, pluginNameField, pluginCodeField));
}

DerivedNames deriveNames(const std::string& projectName)
{
    const zz::DerivedNames names = zz::deriveNames(Deliverable::mac, projectName);
    return {names.pluginName, names.aaxPluginName, names.aaxShortPluginName};
}

Outcome makeProject(const ZezureProject& project, const std::string& templateFolder)
{
    return fromCore(makeProjectMac(project, templateFolder));
}

std::string logFilePath(const std::string& applicationSupport)
{
    return macSettingsPath(applicationSupport);
}

Outcome loadLogFile(ZezureProject& project, const std::string& path)
{
    const SettingsFileReport report = zz::loadLogFile(Deliverable::mac, project, path);
    Outcome outcome;
    outcome.logLines = report.systemLog;
    if (report.shown()) {
        Alert alert;
        alert.message = report.message;
        alert.informative = report.informative;
        outcome.alert = alert;
    }
    return outcome;
}

void saveLogFile(const ZezureProject& project, const std::string& path)
{
    zz::saveLogFile(Deliverable::mac, project, path);
}

std::string pluginTemplateDIRPath(const std::string& bundlePath)
{
    return zz::pluginTemplateDIRPath(bundlePath);
}

Alert restoreConfirmation()
{
    Alert alert;
    alert.message = kRestoreConfirmMessage;
    alert.buttons = {kRestoreYesButton, kRestoreNoButton};
    return alert;
}

Outcome restoreTemplateDirectory(const std::string& templateDir, const std::string& archive)
{
    Outcome outcome;
    const RestoreResult result = zz::restoreTemplateDirectory(
        templateDir, archive, [&outcome](const std::string& line) { outcome.logLines.push_back(line); });
    outcome.ok = result.success;
    Alert alert;
    alert.message = result.message;
    alert.style = result.success ? Alert::Style::informational : Alert::Style::warning;
    outcome.alert = alert;
    return outcome;
}

}  // namespace zz::mac::bridge
