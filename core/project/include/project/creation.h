#pragma once

#include <string>
#include <vector>

#include "common/deliverable.h"
#include "common/files.h"
#include "common/result.h"
#include "plugins/installedplugins.h"
#include "project/makeproject.h"
#include "project/markers.h"
#include "project/zezureproject.h"

// A creation as a whole, in either deliverable's rules: the checks the
// style's page makes before it, a plan that makes every check of the creation
// and tells what is worth a warning, the creation itself and the register of
// the projects made. The front end gathers the record (defaults, remembered
// values, what the user gave) and shows what these answer.
namespace zz {

struct CreationRequest {
    Deliverable style = hostDeliverable();
    std::string templateFolder;
    // The register to compare the plug-in code with and to add the project
    // to; "" for none.
    std::string registerFile;
    files::FileSystem* fileSystem = &files::realFileSystem();
    // How the Windows rules join paths: the program's "\", or the host's.
    char separator = files::hostPathSeparator();
    RetryWait wait = files::sleepMilliseconds;
    // Where the installed plug-ins are looked for (see plugins::pluginFolders);
    // none for no look at them.
    plugins::Environment environment;
};

// The checks of the style's page before a creation: Windows the project-name
// check (its page makes it when the field is left), macOS validateShit.
Result checkBeforeCreation(Deliverable style, const ZezureProject& record);

// The checks of a creation that one field fails on its own (the style's page
// checks, the one-line rule), for a field just answered: the refusal that
// names `field`, or success when none does.
Result checkField(Deliverable style, const ZezureProject& record, const std::string& field);

// What a creation would do, found out without making anything.
struct CreationPlan : CreationResult {
    // Lines that start with "warning: ", in order: the four-character codes,
    // an earlier project of the register with the same plug-in code, installed
    // plug-ins with the same codes (or name and vendor), markers left in the
    // project file that nothing fills in.
    std::vector<std::string> warnings;
    // Installed bundles that could not be read and were skipped, one
    // "warning: " line each: told, but no reason to refuse a creation.
    std::vector<std::string> skipped;
};

// The checks before the creation, then every check of the creation itself
// (the style's makeProject as a dry run), then the warnings. A refusal is
// what the creation would answer.
CreationPlan planCreation(const ZezureProject& record, const CreationRequest& request);

// The creation: the style's makeProject.
CreationResult makeProject(const ZezureProject& record, const CreationRequest& request);

// Adds a project just made to the request's register (nothing without one).
// A failure's detail says why.
Result registerProject(const ZezureProject& record, const CreationResult& made, const CreationRequest& request);

}  // namespace zz
