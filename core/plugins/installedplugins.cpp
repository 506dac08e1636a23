#include "plugins/installedplugins.h"

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <set>
#include <system_error>

#include "common/files.h"
#include "common/text.h"


namespace zz::plugins {

using files::EntryKind;
using files::ReadStatus;

namespace {

// How deep plain folders inside a VST3 folder are searched (Vendor/Plugin.vst3).
constexpr int kVst3FolderDepth = 2;

#ifdef _WIN32
constexpr char kPathListSeparator = ';';
#else
constexpr char kPathListSeparator = ':';
#endif

bool isSet(const char* value) { return value && *value; }

std::string joined(const std::string& folder, const std::string& name)
{
    const std::string_view separators = files::hostPathSeparators();
    if (!folder.empty() && separators.find(folder.back()) != std::string_view::npos) return folder + name;
    return folder + files::hostPathSeparator() + name;
}

// Whether `name` ends in `suffix` (lower-case ASCII), whatever the case of its
// letters, with something before it.
bool endsWith(const std::string& name, std::string_view suffix)
{
    if (name.size() <= suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), name.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char s, char c) { return s == (c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c); });
}

class Scan {
public:
    Scan(files::FileSystem& fs, InstalledPlugins& out) : fs_(fs), out_(out) {}

    void folder(const PluginFolder& f, const std::string& path, int depth)
    {
        for (const std::string& name : entryNames(path)) {
            const std::string entry = joined(path, name);
            if (f.audioUnits && depth == 0 && endsWith(name, ".component")) {
                if (audioUnitsReadable()) audioUnitBundle(entry);
            } else if (f.vst3 && endsWith(name, ".vst3")) {
                vst3Bundle(entry);
            } else if (f.vst3 && depth < kVst3FolderDepth && name[0] != '.' &&
                       fs_.entryAt(entry) == EntryKind::folder) {
                folder(f, entry, depth + 1);
            }
        }
    }

private:
    // The names in a folder, sorted; none when it cannot be listed.
    std::vector<std::string> entryNames(const std::string& folder)
    {
        std::vector<std::string> names;
        if (!fs_.listFolder(folder, names)) names.clear();
        std::sort(names.begin(), names.end());
        return names;
    }

    void audioUnitBundle(const std::string& bundle)
    {
        std::string bytes;
        if (!bundleFile(bundle, {"Contents", "Info.plist"}, bytes, true)) return;
        AudioComponentsRead read = readAudioComponents(bytes);
        if (!read.problem.empty()) return skip(bundle, "its Contents/Info.plist " + read.problem);
        for (AudioComponent& unit : read.components) out_.audioUnits.push_back({std::move(unit), bundle});
    }

    void vst3Bundle(const std::string& bundle)
    {
        // A single-file module (Windows' older kind) carries no description.
        if (fs_.entryAt(bundle) == EntryKind::file) return;
        std::string bytes;
        if (!bundleFile(bundle, {"Contents", "Resources", "moduleinfo.json"}, bytes, false)) return;
        Vst3ClassesRead read = readModuleInfo(bytes);
        if (!read.problem.empty()) return skip(bundle, "its Contents/Resources/moduleinfo.json " + read.problem);
        for (Vst3Class& plugin : read.classes) out_.vst3.push_back({std::move(plugin), bundle});
    }

    // Reads the bundle's file at the path made of `parts`. False when there is
    // nothing to read; a bundle that cannot be read is skipped with a warning
    // (a missing file too when it is `required`).
    bool bundleFile(const std::string& bundle, std::initializer_list<const char*> parts, std::string& bytes,
                    bool required)
    {
        const EntryKind kind = fs_.targetAt(bundle);
        if (kind != EntryKind::folder) {
            skip(bundle, kind == EntryKind::missing ? "it is a link that leads nowhere"
                         : kind == EntryKind::unknown ? "it cannot be opened (a link loop?)"
                                                      : "it is not a folder");
            return false;
        }
        std::string path = bundle;
        std::string shown;
        for (const char* part : parts) {
            path = joined(path, part);
            shown += shown.empty() ? part : std::string("/") + part;
        }
        switch (fs_.readFile(path, bytes, kBundleFileLimit)) {
        case ReadStatus::ok: return true;
        case ReadStatus::missing:
            if (required) skip(bundle, "it has no " + shown);
            return false;
        case ReadStatus::folder:
        case ReadStatus::special: skip(bundle, "its " + shown + " is not a file"); return false;
        case ReadStatus::tooLarge: skip(bundle, "its " + shown + " is larger than 1 MiB"); return false;
        case ReadStatus::unreadable: break;
        }
        skip(bundle, "its " + shown + " cannot be read");
        return false;
    }

    void skip(const std::string& bundle, const std::string& why)
    {
        out_.skipped.push_back("warning: skipped the plug-in bundle " + displayText(bundle) + ": " + why);
    }

    files::FileSystem& fs_;
    InstalledPlugins& out_;
};

}  // namespace

std::vector<PluginFolder> platformPluginFolders(const Environment& env)
{
    std::vector<PluginFolder> folders;
    const auto add = [&folders](const std::string& path, bool audioUnits) {
        folders.push_back({path, audioUnits, !audioUnits});
    };
#if defined(_WIN32)
    const char* common = env("COMMONPROGRAMFILES");
    if (isSet(common)) add(std::string(common) + "\\VST3", false);
#else
    const char* home = env("HOME");
    const std::string homeFolder = isSet(home) ? std::string(home) : std::string();
#if defined(__APPLE__)
    for (const bool audioUnits : {true, false}) {
        const std::string folder = audioUnits ? "/Library/Audio/Plug-Ins/Components" : "/Library/Audio/Plug-Ins/VST3";
        add(folder, audioUnits);
        if (!homeFolder.empty()) add(homeFolder + folder, audioUnits);
    }
#else
    if (!homeFolder.empty()) add(homeFolder + "/.vst3", false);
    add("/usr/lib/vst3", false);
    add("/usr/local/lib/vst3", false);
#endif
#endif
    return folders;
}

std::vector<PluginFolder> pluginFolders(const Environment& env)
{
    std::vector<PluginFolder> folders;
    const char* only = env(kPluginPathOnlyVariable);
    if (!isSet(only) || std::string_view(only) == "0") folders = platformPluginFolders(env);
    const char* list = env(kPluginPathVariable);
    const std::string paths = isSet(list) ? list : "";
    for (size_t from = 0; from <= paths.size();) {
        size_t end = paths.find(kPathListSeparator, from);
        if (end == std::string::npos) end = paths.size();
        if (end > from) folders.push_back({paths.substr(from, end - from), true, true});
        from = end + 1;
    }
    // A folder named twice is read once, for everything it was named for.
    std::vector<PluginFolder> unique;
    for (const PluginFolder& f : folders) {
        const auto same = std::find_if(unique.begin(), unique.end(),
                                       [&f](const PluginFolder& u) { return u.path == f.path; });
        if (same == unique.end()) {
            unique.push_back(f);
        } else {
            same->audioUnits = same->audioUnits || f.audioUnits;
            same->vst3 = same->vst3 || f.vst3;
        }
    }
    return unique;
}

InstalledPlugins scanInstalledPlugins(const std::vector<PluginFolder>& folders, files::FileSystem& fs)
{
    InstalledPlugins installed;
    Scan scan(fs, installed);
    for (const PluginFolder& f : folders) scan.folder(f, f.path, 0);
    return installed;
}

InstalledCheck checkInstalledPlugins(const PluginIdentity& plugin, const InstalledPlugins& installed)
{
    InstalledCheck check;
    check.skipped = installed.skipped;
    std::set<std::string> told;
    const auto warn = [&check, &told](const std::string& line) {
        if (told.insert(line).second) check.warnings.push_back(line);
    };
    if (!plugin.pluginCode.empty()) {
        for (const InstalledAudioUnit& au : installed.audioUnits) {
            if (au.unit.subtype != plugin.pluginCode || au.unit.manufacturer != plugin.companyCode) continue;
            warn("warning: the plug-in code '" + displayText(plugin.pluginCode) + "' with company code '" +
                 displayText(plugin.companyCode) + "' is already used by the installed Audio Unit '" +
                 displayText(au.unit.name) + "' (" + displayText(au.bundle) + ")");
        }
    }
    if (!plugin.pluginName.empty()) {
        for (const InstalledVst3& v : installed.vst3) {
            if (v.plugin.name != plugin.pluginName || v.plugin.vendor != plugin.vendorName) continue;
            warn("warning: a VST3 plug-in named '" + displayText(plugin.pluginName) + "' by '" +
                 displayText(plugin.vendorName) + "' is already installed (" + displayText(v.bundle) + ")");
        }
    }
    return check;
}

InstalledCheck checkInstalledPlugins(const PluginIdentity& plugin, const Environment& env)
{
    return checkInstalledPlugins(plugin, scanInstalledPlugins(pluginFolders(env)));
}

std::string displayText(std::string_view text)
{
    return terminalText(text, 200, Unprintable::questionMark);
}

}  // namespace zz::plugins
