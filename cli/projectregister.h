#pragma once

#include <string>
#include <vector>

// The register of the projects the command-line tool has made: a text file
// beside the tool's own settings file, one project a line, fields separated
// by tabs (a tab, a line break or a backslash inside a field is written as
// \t, \n or \\). It is replaced in one step after each creation, so a reader
// never sees half of it.
namespace zz::cli {

struct RegisteredProject {
    std::string date;         // UTC, "2026-12-09T12:34:56Z"
    std::string name;         // projectName
    std::string pluginCode;   // fourCharProductID
    std::string companyCode;  // fourCharVendorID
    std::string folder;       // the project folder made
};

// The register beside a settings file: the same folder, "projects.tsv".
std::string registerPath(const std::string& settingsPath);

// Reads the register, oldest first. A missing file is an empty register.
// False (with `error`) when the file cannot be read.
bool readRegister(const std::string& path, std::vector<RegisteredProject>& projects, std::string& error);

// Adds one project at the end and replaces the file in one step.
bool addToRegister(const std::string& path, const RegisteredProject& project, std::string& error);

// The time now, as the register writes it.
std::string registerDateNow();

}  // namespace zz::cli
