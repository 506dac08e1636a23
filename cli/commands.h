#pragma once

#include <string>
#include <vector>

// One function per sub-command. Each takes the words after the command name
// and answers the process exit code: 0 success, 1 refusal or failure, 2 usage
// error. `program` is the path the tool was started with.
namespace zz::cli {

struct Invocation {
    std::string program;             // argv[0]
    std::vector<std::string> args;   // the words after the command name
};

int runCreate(const Invocation& inv);
int runCode(const Invocation& inv);
int runSettings(const Invocation& inv);
int runRestoreTemplate(const Invocation& inv);
int runProjects(const Invocation& inv);
int runCodes(const Invocation& inv);

}  // namespace zz::cli
