#include <cstdio>

#include "commands.h"

// Built instead of the restore command when the archive library (minizip over
// zlib) is not available for the target.
namespace zz::cli {

int runRestoreTemplate(const Invocation&)
{
    std::fputs("zizavizerovo: restore-template is not available in this build (it needs minizip and zlib)\n", stderr);
    return 2;
}

}  // namespace zz::cli
