// The AudioComponents reader of a build without libplist (the mingw-w64 cross
// build of the command-line tool): no Info.plist is read.
#include "plugins/bundleinfo.h"

namespace zz::plugins {

bool audioUnitsReadable() { return false; }

AudioComponentsRead readAudioComponents(std::string_view)
{
    AudioComponentsRead read;
    read.problem = "cannot be read: this build has no property-list reader";
    return read;
}

}  // namespace zz::plugins
