#include "project/creation.h"

#include "project/projectchecks.h"
#include "project/projectregister.h"

namespace zz {

namespace {

CreationResult runMakeProject(const ZezureProject& record, const CreationRequest& request, bool dryRun)
{
    if (request.style == Deliverable::windows) {
        WindowsCreateOptions windows;
        windows.separator = request.separator;
        windows.wait = request.wait;
        windows.fileSystem = request.fileSystem;
        windows.dryRun = dryRun;
        return makeProjectWindows(record, request.templateFolder, windows);
    }
    MacCreateOptions mac;
    mac.fileSystem = request.fileSystem;
    mac.dryRun = dryRun;
    return makeProjectMac(record, request.templateFolder, mac);
}

// An earlier project of the register with the same plug-in code whose
// folder is still there: one line, for the first one found.
void addRegisterWarnings(const ZezureProject& record, const CreationRequest& request,
                         std::vector<std::string>& warnings)
{
    if (request.registerFile.empty()) return;
    const ResultWith<Register> projects = readRegister(*request.fileSystem, request.registerFile);
    if (!projects) {
        warnings.push_back("warning: " + projects.detail);
        return;
    }
    for (const RegisteredProject& p : projects.value) {
        if (p.pluginCode == record.fourCharProductID &&
            request.fileSystem->entryAt(p.folder) != files::EntryKind::missing) {
            warnings.push_back("warning: the plug-in code '" + p.pluginCode + "' is already used by " + p.name + " (" +
                               p.folder + ", made " + p.date + ")");
            return;
        }
    }
}

}  // namespace

Result checkBeforeCreation(Deliverable style, const ZezureProject& record)
{
    if (style == Deliverable::windows) return checkProjectName(record.projectName);
    return validateShit(record.projectName, record.pluginName, record.fourCharProductID);
}

Result checkField(Deliverable style, const ZezureProject& record, const std::string& field)
{
    const Result check = checkBeforeCreation(style, record);
    if (!check && check.field == field) return check;
    const Result fits = checkMarkerValues(style, record, "");
    if (!fits && fits.field == field) return fits;
    return Result::success();
}

CreationPlan planCreation(const ZezureProject& record, const CreationRequest& request)
{
    CreationPlan plan;
    const Result check = checkBeforeCreation(request.style, record);
    if (!check) {
        static_cast<Result&>(plan) = check;
        return plan;
    }
    static_cast<CreationResult&>(plan) = runMakeProject(record, request, true);
    if (!plan) return plan;
    plan.warnings = fourCharCodeWarnings(record);
    addRegisterWarnings(record, request, plan.warnings);
    if (request.environment) {
        plugins::InstalledCheck installed = plugins::checkInstalledPlugins(
            {record.fourCharProductID, record.fourCharVendorID, record.pluginName, record.vendorName},
            request.environment);
        plan.warnings.insert(plan.warnings.end(), installed.warnings.begin(), installed.warnings.end());
        plan.skipped = std::move(installed.skipped);
    }
    for (const std::string& marker : unknownMarkers(plan.projectText))
        plan.warnings.push_back("warning: the project file still holds " + marker +
                                ", a marker the tool does not know");
    return plan;
}

CreationResult makeProject(const ZezureProject& record, const CreationRequest& request)
{
    return runMakeProject(record, request, false);
}

Result registerProject(const ZezureProject& record, const CreationResult& made, const CreationRequest& request)
{
    if (request.registerFile.empty()) return Result::success();
    const RegisteredProject entry{registerDateNow(), record.projectName, record.fourCharProductID,
                                  record.fourCharVendorID, made.destination};
    return addToRegister(*request.fileSystem, request.registerFile, entry);
}

}  // namespace zz
