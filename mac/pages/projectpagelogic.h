#pragma once

#include <memory>
#include <string>
#include <vector>

#include "outlets.h"
#include "project/zezureproject.h"

namespace zz::mac {

class PageLink;

// What the project page of the macOS window does, without AppKit: owns the
// project record, moves it between record and controls, chooses the project
// folder and runs Create Project, Restore Template and Exit. The AppKit page
// (the Objective-C `ViewController`) builds the controls and forwards to it.
class ProjectPageLogic {
public:
    ProjectPageLogic(Outlets& outlets, Services& services, PageLink& link);
    ~ProjectPageLogic();
    ProjectPageLogic(const ProjectPageLogic&) = delete;
    ProjectPageLogic& operator=(const ProjectPageLogic&) = delete;

    // Life cycle.
    void viewDidLoad();
    void viewWillDisappear();

    // Record to controls, controls to record.
    void initControls();
    bool parseControls();

    // Actions.
    void projectType(Outlet sender);
    void updateProjectName();
    void browseForProjFolder();
    void makeProject();
    void restoreTemplateFolder();
    void alertDidEnd(int returnCode);
    void closeApp();

    // Writes the settings file (zezurelog.txt, the vendor details and the
    // folder), not a log of any kind; also the coder page's Exit.
    void saveLogFile();

    // Restore Template after a Yes.
    void restoreTemplateDirectory();

    const ZezureProject& project() const { return project_; }
    const std::string& pluginTemplateDIRPath() const { return pluginTemplateDIRPath_; }

private:
    void setUpPaths();

    Outlets& outlets_;
    Services& services_;
    PageLink& link_;

    ZezureProject project_;
    std::string logFilePath_;  // the settings file's path
    std::string pluginTemplateResourcePath_;  // the template folder in the bundle, copied by Create Project
    std::string pluginTemplateZIPPath_;
    std::string pluginTemplateDIRPath_;  // the SDK's PluginTemplate folder, which Restore Template replaces

    // The filters attached so far, one instance per rule.
    std::shared_ptr<const FormatterRule> sharedFormatter(const FormatterRule& rule);
    std::vector<std::shared_ptr<const FormatterRule>> formatters_;
};

}  // namespace zz::mac
