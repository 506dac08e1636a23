#include <cstdio>

#include "commands.h"

// Built instead of the restore command when the archive library (libzip) is
// not available for the target.
namespace zz::cli {

int runRestoreTemplate(const Invocation&)
{
    std::fputs("zizavizerovo: restore-template is not available in this build (it needs libzip)\n", stderr);
    return 1;
}

}  // namespace zz::cli
