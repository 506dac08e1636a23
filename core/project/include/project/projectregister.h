#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/result.h"

// The register of the projects the command-line tool has made: a text file
// beside the tool's own settings file, one project a line, fields separated
// by tabs (a tab, a line break or a backslash inside a field is written as
// \t, \n or \\). It is replaced in one step after each creation, so a reader
// never sees half of it, and runs side by side take turns through a lock file
// beside it, so none loses another's project.
namespace zz {

struct RegisteredProject {
    std::string date;         // UTC, "2026-12-09T12:34:56Z"
    std::string name;         // projectName
    std::string pluginCode;   // fourCharProductID
    std::string companyCode;  // fourCharVendorID
    std::string folder;       // the project folder made
};

using Register = std::vector<RegisteredProject>;

// The register beside a settings file: the same folder, "projects.tsv".
std::string registerPath(const std::string& settingsPath);

// Reads the register, oldest first. A missing file is an empty register. A
// refusal's detail says why the file cannot be read.
ResultWith<Register> readRegister(files::FileSystem& fs, const std::string& path);

// The lock file of a register: beside it, its name + ".lock".
std::string registerLockPath(const std::string& registerPath);

// Adds one project at the end and replaces the file in one step, holding the
// register's lock from the read to the replacement; every line already there
// stays byte for byte, also one the tool does not understand. When the lock
// is not had within `wait` the register is left alone and the answer is ok
// with a message that starts with "warning: ".
Result addToRegister(files::FileSystem& fs, const std::string& path, const RegisteredProject& project,
                     std::chrono::milliseconds wait = std::chrono::seconds(10));

// Drops the projects whose folder is gone, keeping every other line byte for
// byte, under the register's lock. Answers the projects dropped.
ResultWith<Register> pruneRegister(files::FileSystem& fs, const std::string& path,
                                   std::chrono::milliseconds wait = std::chrono::seconds(10));

// The projects newest first; projects of the same second in the order they
// were made, the last first.
Register newestFirst(Register projects);

// The time now, as the register writes it.
std::string registerDateNow();

}  // namespace zz
