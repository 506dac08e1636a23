#pragma once

#include <string>

#include "common/result.h"

// What every command that touches the tool's own settings file shares: where
// the file is, and how a result is told on the command line.
namespace zz::cli {

// Prints what a page would show of a result on stderr: its message, then
// its informative text.
void printResult(const Result& result);

// The tool's own settings file ("" when there is no place for it: no HOME).
std::string ownSettingsPath();

}  // namespace zz::cli
