#include <cstdio>

#include "commands.h"

namespace zz::cli {

int runCreate(const Invocation&)
{
    std::fputs("zizavizerovo: this command is not available yet\n", stderr);
    return 2;
}

}  // namespace zz::cli
