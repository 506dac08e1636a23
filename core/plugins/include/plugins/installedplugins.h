#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/files.h"
#include "plugins/bundleinfo.h"

// The plug-ins installed on this machine, as far as a new plug-in's codes and
// name could collide with them: the Audio Units of the *.component bundles
// and the classes of the *.vst3 bundles in the platform's plug-in folders and
// in the folders of ZIZAVIZEROVO_PLUGIN_PATH.
namespace zz::plugins {

// Reads one environment variable; null when it is not set.
using Environment = std::function<const char*(const char* name)>;

// The environment variables of the scan.
inline constexpr const char* kPluginPathVariable = "ZIZAVIZEROVO_PLUGIN_PATH";
inline constexpr const char* kPluginPathOnlyVariable = "ZIZAVIZEROVO_PLUGIN_PATH_ONLY";

// The most an Info.plist or a moduleinfo.json may hold; a larger one is
// skipped unread.
inline constexpr std::uintmax_t kBundleFileLimit = std::uintmax_t{1} << 20;

// A folder the scan reads, and the bundles it looks for there.
struct PluginFolder {
    std::string path;
    bool audioUnits = false;  // *.component, directly in the folder
    bool vst3 = false;        // *.vst3, also in plain sub-folders (a vendor's folder)
};

// The platform's folders. macOS: /Library/Audio/Plug-Ins/Components and
// VST3, and the same under HOME; Windows: %COMMONPROGRAMFILES%\VST3; other
// systems: ~/.vst3, /usr/lib/vst3, /usr/local/lib/vst3. A folder below an
// unset HOME (or COMMONPROGRAMFILES) is left out.
std::vector<PluginFolder> platformPluginFolders(const Environment& env);

// The folders of a scan: the platform's, unless ZIZAVIZEROVO_PLUGIN_PATH_ONLY
// is set to anything but "" or "0", then each folder of
// ZIZAVIZEROVO_PLUGIN_PATH (':'-separated, ';' on Windows) for both kinds.
// A folder named twice is read once.
std::vector<PluginFolder> pluginFolders(const Environment& env);

// An installed Audio Unit, with its bundle.
struct InstalledAudioUnit {
    AudioComponent unit;
    std::string bundle;
};

// An installed VST3 plug-in class, with its bundle.
struct InstalledVst3 {
    Vst3Class plugin;
    std::string bundle;
};

struct InstalledPlugins {
    std::vector<InstalledAudioUnit> audioUnits;
    std::vector<InstalledVst3> vst3;
    // One "warning: " line for each bundle that could not be read and was
    // skipped. Missing folders are no problem; a VST3 bundle without a
    // moduleinfo.json is not one either.
    std::vector<std::string> skipped;
};

// Reads the bundles of `folders`, each folder's entries in name order.
InstalledPlugins scanInstalledPlugins(const std::vector<PluginFolder>& folders,
                                      files::FileSystem& fs = files::realFileSystem());

// What a new plug-in is checked with.
struct PluginIdentity {
    std::string pluginCode;   // fourCharProductID
    std::string companyCode;  // fourCharVendorID
    std::string pluginName;   // pluginName
    std::string vendorName;   // vendorName
};

struct InstalledCheck {
    // Collisions with installed plug-ins, one "warning: " line each: an Audio
    // Unit with the same subtype and manufacturer (whatever its type), a VST3
    // class of the same name by the same vendor.
    std::vector<std::string> warnings;
    // The scan's skipped bundles: told, but no reason to refuse a creation.
    std::vector<std::string> skipped;
};

InstalledCheck checkInstalledPlugins(const PluginIdentity& plugin, const InstalledPlugins& installed);

// Scans the folders of `env` and checks the plug-in against what it found.
InstalledCheck checkInstalledPlugins(const PluginIdentity& plugin, const Environment& env);

// Text from a bundle, fit for one line of a terminal: control characters and
// bytes that are not UTF-8 become '?', and past 200 characters it is cut
// and ends in "...".
std::string displayText(std::string_view text);

}  // namespace zz::plugins
