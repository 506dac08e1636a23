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

    // Used by the coder page's Exit.
    void saveLogFile();

    void restoreTemplateDirectory();

    const ZezureProject& project() const { return project_; }
    const std::string& pluginTemplateDIRPath() const { return pluginTemplateDIRPath_; }

private:
    void setUpPaths();

    Outlets& outlets_;
    Services& services_;
    PageLink& link_;

    ZezureProject project_;
    std::string logFilePath_;
    std::string pluginTemplateResourcePath_;
    std::string pluginTemplateZIPPath_;
    std::string pluginTemplateDIRPath_;

    // The filters attached so far, one instance per rule.
    std::shared_ptr<const FormatterRule> sharedFormatter(const FormatterRule& rule);
    std::vector<std::shared_ptr<const FormatterRule>> formatters_;
};

}  // namespace zz::mac
