// The project page: shows the project record as a form, reads the form back,
// picks the project folder, creates projects and keeps the settings file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "PropertyPage.h"
#include "project/projectfields.h"
#include "project/settingsfile.h"
#include "project/zezureproject.h"

namespace zz::win {

// Which step of the page moves a field between the record and its control.
enum class FormStep {
    names,       // the text edits: filled and read first, in form order
    attributes,  // check boxes and number edits under "Plugin Attributes"
    own,         // a step of the page's own: folder, category, API, processing
};

// A field of the record (a row of projectFields()) and the control that shows it.
struct FieldControl {
    const ProjectFieldInfo* field;
    int id;
    FormStep step;
};

class ProjectPage : public PropertyPage {
public:
    explicit ProjectPage(Platform& platform);

    // Every control of the page that shows a field of the record, in form
    // order; the API flags have two each (one per project type).
    static const std::vector<FieldControl>& fieldControls();

    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(int id, int code) override;

    // Record to controls, controls to record.
    void initControls();
    void parseControls();

    // Message handlers.
    void browseForProjFolder();
    // Applies the API enabling rule of the two project types.
    void projectType();
    // Leaving Project Name: checks the name and copies it into the three
    // names derived from it.
    void updateProjectName();
    // A code changed: the hidden edit shows the plug-in's AU validation
    // command ("auval -v aufx" and the two codes).
    void updateAuvalLine();
    void OnCreateProject();

    // The creation command: reads the form, creates the project, reports
    // failures itself; true when the creation ran to the end. The run's
    // creation log is kept in `creationLog` until the next run.
    bool makeProject();

    // The project-name check of the focus loss: true when the name passes;
    // otherwise the message has been shown and the field's selection cleared.
    bool checkProjectName();

    // The settings memory file (vendor details and project folder,
    // zezurelog.txt). "Log file" is its historical name: the creation log is
    // `creationLog`, and these never touch it.
    void loadLogFile();
    void saveLogFile();

    // The shell folder browser: the chosen folder, or `start` unchanged.
    std::string browseForFolder(const std::string& title, const std::string& start);

    // Folder of the running program, without a trailing separator.
    std::string programFolder();

    // Control ID of the category list once the window has it; 0 before.
    int categoryCombo = 0;
    // The settings file's text as last read or written (see loadLogFile).
    std::string logFileText;
    // The page's record. Two field names keep old misspellings:
    // `aaxCagtegory` (the AAX category code), `saaGranulatity` (the
    // automation granularity).
    ZezureProject project;
    std::string creationLog;

private:
    std::string settingsFilePath();
    SettingsFileServices settingsFileServices();
};

}  // namespace zz::win
