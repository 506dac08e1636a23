// The core operations the Windows pages use, in the shape the pages want
// them: results to show, never dialogs. Each call is a thin wrapper over the
// shared core libraries.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "coder/zizudavuveva.h"
#include "project/zezureproject.h"

namespace zz::win::core {

// Folder of the running program: its full file name cut before the last
// backslash (empty when there is none).
std::string programFolderOf(const std::string& programPath);

// The project-name check of the focus loss: the message to show, or nothing.
std::optional<std::string> checkProjectName(const std::string& name);

// One run of the Windows creation command.
struct CreationOutcome {
    bool succeeded = false;
    std::string message;  // shown when not empty
    std::string log;      // the run's creation log
};
CreationOutcome makeProject(const ZezureProject& project, const std::string& programFolder);

// Writes the creation log to diagnostics.txt beside the program; the message
// that tells how it went.
std::string saveDiagnostics(const std::string& creationLog, const std::string& programFolder);

// The settings memory file: its path from APPDATA, reading (into `project`)
// and writing; each gives the message to show, or nothing.
std::string settingsFilePath(const std::optional<std::string>& appData);
std::optional<std::string> loadLogFile(ZezureProject& project, std::string& logFileText, const std::string& path);
std::optional<std::string> saveLogFile(const ZezureProject& project, std::string& logFileText,
                                       const std::string& path);

// The coder records: the Windows record defaults, and the defaults record of
// the Windows coder page.
Zizudavuveva windowsRecordDefaults();
Zizudavuveva windowsCoderPageDefaults();

// The checks before parameter code: nothing when the record passes, otherwise
// the message to show (empty when none is to be shown).
std::optional<std::string> validateShit(const Zizudavuveva& kontrol);

std::vector<std::string> makeParameterCode(const Zizudavuveva& kontrol, const std::string& comment);

// The declaration of the bound variable into `fragments`; the refusal
// message when variable binding is off.
std::optional<std::string> makeBoundVarCode(const Zizudavuveva& kontrol, std::vector<std::string>& fragments);

}  // namespace zz::win::core
