#pragma once

#include <optional>
#include <string>
#include <vector>

#include "outlets.h"
#include "project/zezureproject.h"

// The project page's calls into the core, each turned into what the page
// shows: an alert, the field that gets the focus afterwards, and the lines
// for the system log.
namespace zz::mac::bridge {

struct Outcome {
    bool ok = true;
    std::optional<Alert> alert;
    std::optional<Outlet> focus;
    std::vector<std::string> logLines;
};

// The checks before a creation (validateShit). `projectName` is stored into
// the record as the checks go.
Outcome validateShit(ZezureProject& project, const std::string& projectNameField,
                     const std::string& pluginNameField, const std::string& pluginCodeField);

// The three names derived from a typed project name.
struct DerivedNames {
    std::string pluginName;
    std::string aaxPluginName;
    std::string shortPluginName;
};
DerivedNames deriveNames(const std::string& projectName);

// The creation from the template folder; the outcome's alert is the success
// or failure alert.
Outcome makeProject(const ZezureProject& project, const std::string& templateFolder);

// The settings memory file.
// The settings file lives in a folder named after the application's bundle
// identifier, org.zizavizerovo.VADEzeravi.
std::string logFilePath(const std::string& applicationSupport);
Outcome loadLogFile(ZezureProject& project, const std::string& path);
void saveLogFile(const ZezureProject& project, const std::string& path);

// The template restore.
std::string pluginTemplateDIRPath(const std::string& bundlePath);
Alert restoreConfirmation();
Outcome restoreTemplateDirectory(const std::string& templateDir, const std::string& archive);

}  // namespace zz::mac::bridge
