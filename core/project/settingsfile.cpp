#include "project/settingsfile.h"

#include "common/numtext.h"
#include "common/text.h"
#include "common/utf8.h"
#include "project/macfiles.h"
#include "project/projectchecks.h"

namespace zz {

namespace {

// Splits UTF-8 text at every newline character as the macOS platform knows
// them (LF, VT, FF, CR, NEL, LINE SEPARATOR, PARAGRAPH SEPARATOR). Every
// separator ends an item; the text after the last one is an item too, so
// empty text gives one empty item and CR LF gives an empty item between.
std::vector<std::string> splitAtNewlines(const std::string& text)
{
    std::vector<std::string> items;
    size_t start = 0;
    for (size_t i = 0; i < text.size();) {
        const utf8::Char c = utf8::decodeAt(text, i);
        const bool newline = (c.codePoint >= 0x0A && c.codePoint <= 0x0D) || c.codePoint == 0x85 ||
                             c.codePoint == 0x2028 || c.codePoint == 0x2029;
        if (newline && c.valid) {
            items.push_back(text.substr(start, i - start));
            start = i + c.bytes;
        }
        i += c.bytes;
    }
    items.push_back(text.substr(start));
    return items;
}

void applyMacFirstStartValues(ZezureProject& project)
{
    project.vendorName = "My Company";
    project.fourCharVendorID = "DIRO";
    project.vendorURL = kDefaultVendorURL;
    project.vendorEmail = kDefaultVendorEmail;
    project.projectFolderPath = kMacPathNotSet;
    project.useTemplate = false;
}

std::string macFirstStartText()
{
    ZezureProject values;
    applyMacFirstStartValues(values);
    return settingsFileText(Deliverable::mac, values);
}

// What the reader in `format` reports for a file that is there but cannot be
// read: the record keeps what it had.
SettingsLoad unreadableFile(Deliverable format, const std::string& path)
{
    SettingsLoad report;
    if (format == Deliverable::windows) {
        static_cast<Result&>(report) = Result::refusal("Could not find or create: " + path);
    } else {
        report.ok = false;
        report.message = "Setup logfile was empty.";
        report.informativeText = "Can't read log data. ";
    }
    report.unreadable = true;
    return report;
}

Result windowsWriteFailure(const std::string& path)
{
    return Result::refusal("Could not write to: " + path);
}

// Writes the settings file in the deliverable's format, replacing it at once.
// The Windows program makes its settings folder when it is missing, so that the
// remembered values survive without an installer having made it.
bool writeSettingsFile(Deliverable deliverable, const ZezureProject& project, const std::string& path,
                       const SettingsFileServices& services)
{
    files::FileSystem& fs = *services.fileSystem;
    const std::string text = settingsFileText(deliverable, project);
    if (deliverable == Deliverable::windows) {
        fs.makeParentFolders(path);
        const std::string bytes = codePageOrUtf8FromText(text + "\n", services.codePage);
        return fs.replaceFileAtomically(path, windowsBytesFromText(bytes));
    }
    return fs.replaceFileAtomically(path, text);
}

// A byte-order mark (an editor's "UTF-8 with BOM") is no part of the first
// value; it says the rest is UTF-8.
bool skipByteOrderMark(std::string& text)
{
    if (text.compare(0, 3, "\xEF\xBB\xBF") != 0) return false;
    text.erase(0, 3);
    return true;
}

SettingsLoad loadWindows(ZezureProject& project, const std::string& path, const SettingsFileServices& services)
{
    files::FileSystem& fs = *services.fileSystem;
    SettingsLoad report;
    if (!services.leaveFileAlone) fs.makeParentFolders(path);

    std::string text;
    if (!readTextFile(fs, path, text, {5, !services.leaveFileAlone, files::kUserFileLimit, services.wait}))
        return unreadableFile(Deliverable::windows, path);
    if (!skipByteOrderMark(text)) text = textFromCodePageOrUtf8(text, services.codePage);
    if (trimWhiteSpace(text).empty()) {
        if (services.leaveFileAlone) return report;  // the record keeps its defaults either way
        if (!writeSettingsFile(Deliverable::windows, project, path, services)) {
            static_cast<Result&>(report) = windowsWriteFailure(path);
            report.unwritten = true;
        }
        return report;
    }
    project.vendorName = popFirstLine(text);
    project.fourCharVendorID = popFirstLine(text);
    project.vendorURL = popFirstLine(text);
    project.vendorEmail = popFirstLine(text);
    project.projectFolderPath = popFirstLine(text);
    return report;
}

SettingsLoad loadMac(ZezureProject& project, const std::string& path, const SettingsFileServices& services)
{
    files::FileSystem& fs = *services.fileSystem;
    SettingsLoad report;
    // Looked at once: a file that cannot even be looked at may hold values,
    // so it is taken for one that cannot be read, never for a missing one
    // that the first start would write over.
    const files::EntryKind kind = fs.targetAt(path);
    if (kind == files::EntryKind::unknown) return unreadableFile(Deliverable::mac, path);
    const bool exists = kind != files::EntryKind::missing;
    if (services.leaveFileAlone) {
        if (!exists) {
            // What the first start would write and then read back.
            applyMacFirstStartValues(project);
            return report;
        }
    } else {
        fs.makeParentFolders(path);  // a failure here shows later, when the file cannot be read
    }

    if (!exists) {
        report.systemLog.push_back("created log file!");
        fs.createEmptyFile(path);
        report.ok = fs.replaceFileAtomically(path, macFirstStartText());
        report.unwritten = !report.ok;
    } else {
        report.systemLog.push_back("found log file!");
    }

    std::string text;
    std::vector<std::string> items;
    if (macfiles::stringWithContentsOfFile(fs, path, text)) {
        skipByteOrderMark(text);
        items = splitAtNewlines(text);
    }

    if (items.empty()) {
        SettingsLoad unread = unreadableFile(Deliverable::mac, path);
        unread.systemLog = std::move(report.systemLog);
        unread.unwritten = report.unwritten;
        return unread;
    }
    if (items.size() < 5) {
        applyMacFirstStartValues(project);
        return report;
    }
    project.vendorName = items[0];
    project.fourCharVendorID = items[1];
    project.vendorURL = items[2];
    project.vendorEmail = items[3];
    project.projectFolderPath = items[4];
    if (items.size() > 5) project.useTemplate = numtext::macIntValue(items[5]) == 1;
    return report;
}

}  // namespace

std::string windowsSettingsPath(const std::optional<std::string>& appData, char separator)
{
    return appData.value_or(std::string()) + separator + "Zizavizerovo" + separator + kSettingsFileName;
}

std::string macSettingsPath(const std::string& applicationSupportFolder)
{
    std::string path = applicationSupportFolder;
    if (!path.empty() && path.back() != '/') path.push_back('/');
    return path + kMacBundleIdentifier + "/" + kSettingsFileName;
}

std::string cliSettingsPath(const EnvironmentLookup& env)
{
#if defined(_WIN32)
    const char* appData = env("APPDATA");
    return windowsSettingsPath(appData ? std::optional<std::string>(appData) : std::nullopt);
#elif defined(__APPLE__)
    const char* home = env("HOME");
    if (!home || !*home) return {};
    return macSettingsPath(std::string(home) + "/Library/Application Support");
#else
    const char* config = env("XDG_CONFIG_HOME");
    std::string folder;
    if (config && config[0] == '/') {
        folder = config;
    } else {
        const char* home = env("HOME");
        if (!home || !*home) return {};
        folder = std::string(home) + "/.config";
    }
    if (folder.back() != '/') folder.push_back('/');
    return folder + "zizavizerovo/" + kSettingsFileName;
#endif
}

std::string popFirstLine(std::string& text)
{
    std::string line;
    const auto lf = text.find('\n');
    if (lf == std::string::npos) {
        line.swap(text);
    } else {
        line = text.substr(0, lf);
        text.erase(0, lf + 1);
    }
    return std::string(trimCharacters(line, " \t\r"));
}

std::string settingsFileText(Deliverable deliverable, const ZezureProject& project)
{
    std::string text = project.vendorName + "\n" + project.fourCharVendorID + "\n" + project.vendorURL + "\n" +
                       project.vendorEmail + "\n" + project.projectFolderPath + "\n";
    if (deliverable == Deliverable::mac) text += project.useTemplate ? "1\n" : "0\n";
    return text;
}

SettingsLoad loadLogFile(Deliverable deliverable, ZezureProject& project, const std::string& path,
                         const SettingsFileServices& services)
{
    return deliverable == Deliverable::windows ? loadWindows(project, path, services)
                                               : loadMac(project, path, services);
}

Result saveLogFile(Deliverable deliverable, const ZezureProject& project, const std::string& path,
                   const SettingsFileServices& services)
{
    if (writeSettingsFile(deliverable, project, path, services)) return Result::success();
    if (deliverable == Deliverable::windows) return windowsWriteFailure(path);
    Result report;
    report.ok = false;  // the macOS page does not report it
    return report;
}

OwnSettingsFile::OwnSettingsFile(std::string path, files::FileSystem& fs) : path_(std::move(path)), fs_(fs) {}

SettingsLoad OwnSettingsFile::load(Deliverable style, ZezureProject& record, bool makeFile)
{
    SettingsLoad loaded = loadFile(style, record, makeFile);
    const std::string& folder = record.projectFolderPath;
    tookWorkingFolder_ =
        !workingFolder_.empty() && (folder.empty() || folder == kMacPathNotSet || folder == programFolder_);
    if (tookWorkingFolder_) record.projectFolderPath = chosenFolder(style, workingFolder_, files::hostPathSeparators());
    return loaded;
}

SettingsLoad OwnSettingsFile::loadFile(Deliverable style, ZezureProject& record, bool makeFile)
{
    SettingsLoad loaded;
    if (path_.empty()) return loaded;
    const files::EntryKind kind = fs_.targetAt(path_);
    if (kind == files::EntryKind::unknown) {
        // Whatever is there cannot even be looked at: it may hold values, so
        // it is taken for a file that cannot be read and never written over.
        unreadable_ = true;
        return unreadableFile(hostDeliverable(), path_);
    }
    const bool missing = kind == files::EntryKind::missing;
    SettingsFileServices services;
    services.fileSystem = &fs_;
    services.leaveFileAlone = !makeFile;
    if (missing && style == Deliverable::windows) {
        // The Windows page writes its defaults and reads them back, so they
        // stand, written or not.
        if (!makeFile) return loaded;
        fs_.makeParentFolders(path_);
        if (!saveLogFile(hostDeliverable(), record, path_, services)) {
            static_cast<Result&>(loaded) = Result::refusal("Could not write to: " + path_);
            loaded.unwritten = true;
            return loaded;
        }
    }
    // The macOS page's first start makes the file with its first-start values.
    loaded = loadLogFile(missing && !makeFile ? Deliverable::mac : hostDeliverable(), record, path_, services);
    // A failed write the page keeps to itself is told here.
    if (loaded.unwritten && !loaded.shown()) loaded.message = "Could not write to: " + path_;
    unreadable_ = loaded.unreadable;
    return loaded;
}

Result OwnSettingsFile::remember(const ZezureProject& record)
{
    if (path_.empty()) return Result::failure("no place for the settings file (HOME is not set); nothing remembered");
    if (unreadable_)
        return Result::failure("the settings file " + path_ +
                               " could not be read, so it was left as it is; nothing remembered");
    fs_.makeParentFolders(path_);  // the first remembered values make the folder
    SettingsFileServices services;
    services.fileSystem = &fs_;
    if (saveLogFile(hostDeliverable(), record, path_, services)) return Result::success();
    return Result::refusal("Could not write to: " + path_);
}

std::vector<std::pair<std::string, std::string>> rememberedValues(Deliverable style, const ZezureProject& record)
{
    std::vector<std::pair<std::string, std::string>> values = {
        {"vendorName", record.vendorName},
        {"fourCharVendorID", record.fourCharVendorID},
        {"vendorURL", record.vendorURL},
        {"vendorEmail", record.vendorEmail},
        {"projectFolderPath", record.projectFolderPath},
    };
    if (style == Deliverable::mac) values.emplace_back("useTemplate", record.useTemplate ? "1" : "0");
    return values;
}

}  // namespace zz
