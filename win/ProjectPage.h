// The project page: shows the project record as a form, reads the form back,
// picks the project folder, creates projects and keeps the settings file.
#pragma once

#include <cstdint>
#include <string>

#include "PropertyPage.h"
#include "project/settingsfile.h"
#include "project/zezureproject.h"

namespace zz::win {

class ProjectPage : public PropertyPage {
public:
    explicit ProjectPage(Platform& platform);

    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(int id, int code) override;

    // Record to controls, controls to record.
    void initControls();
    void parseControls();

    // Message handlers.
    void browseForProjFolder();
    void projectType();
    void updateProjectName();
    void updateAuvalLine();
    void OnCreateProject();

    // The creation command: reads the form, creates the project, reports
    // failures itself; true when the creation ran to the end. The run's
    // creation log is kept in `creationLog` until the next run.
    bool makeProject();

    // The project-name check of the focus loss: true when the name passes;
    // otherwise the message has been shown and the field's selection cleared.
    bool checkProjectName();

    // The settings memory file (vendor details and project folder).
    void loadLogFile();
    void saveLogFile();

    // The shell folder browser: the chosen folder, or `start` unchanged.
    std::string browseForFolder(const std::string& title, const std::string& start);

    // Folder of the running program, without a trailing separator.
    std::string programFolder();

    // Control ID of the category list once the window has it; 0 before.
    int categoryCombo = 0;
    std::string logFileText;
    ZezureProject project;
    std::string creationLog;

private:
    std::string settingsFilePath();
    SettingsFileServices settingsFileServices();
};

}  // namespace zz::win
