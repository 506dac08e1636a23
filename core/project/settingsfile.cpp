#include "project/settingsfile.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "common/numtext.h"
#include "common/text.h"
#include "project/fspath.h"
#include "project/macfiles.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace zz {

namespace {

bool somethingExists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(fsPath(path), ec);
}

// Makes the folder that holds `path`, with any missing folders above it.
bool makeParentFolder(const std::string& path)
{
    const fs::path parent = fsPath(path).parent_path();
    if (parent.empty()) return true;
    std::error_code ec;
    if (fs::is_directory(parent, ec)) return true;
    fs::create_directories(parent, ec);
    return fs::is_directory(parent, ec);
}

bool createEmptyFile(const std::string& path)
{
    std::ofstream out(fsPath(path), std::ios::binary | std::ios::app);
    return static_cast<bool>(out);
}

// Splits UTF-8 text at every newline character as the macOS platform knows
// them (LF, VT, FF, CR, NEL, LINE SEPARATOR, PARAGRAPH SEPARATOR). Every
// separator ends an item; the text after the last one is an item too, so
// empty text gives one empty item and CR LF gives an empty item between.
std::vector<std::string> splitAtNewlines(const std::string& text)
{
    std::vector<std::string> items;
    std::string current;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t sep = 0;
        if (c >= 0x0A && c <= 0x0D) {
            sep = 1;
        } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x85) {
            sep = 2;
        } else if (c == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
                   (static_cast<unsigned char>(text[i + 2]) == 0xA8 ||
                    static_cast<unsigned char>(text[i + 2]) == 0xA9)) {
            sep = 3;
        }
        if (sep != 0) {
            items.push_back(current);
            current.clear();
            i += sep;
        } else {
            current.push_back(text[i]);
            ++i;
        }
    }
    items.push_back(current);
    return items;
}

std::string trimmed(const std::string& text, const char* blanks)
{
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
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

// A name beside `path` that no other file has: the page runs on one thread.
std::string temporaryNameFor(const std::string& path)
{
    static std::mt19937_64 generator{std::random_device{}()};
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string suffix = ".tmp-";
    auto value = generator();
    for (int i = 0; i < 10; ++i) {
        suffix.push_back(digits[value % 36]);
        value /= 36;
    }
    return path + suffix;
}

SettingsFileReport windowsWriteFailure(const std::string& path)
{
    SettingsFileReport report;
    report.message = "Could not write to: " + path;
    report.written = false;
    return report;
}

// Writes the settings file in the deliverable's format, replacing it at once.
// The Windows program makes its settings folder when it is missing, so that the
// remembered values survive without an installer having made it.
bool writeSettingsFile(Deliverable deliverable, const ZezureProject& project, const std::string& path,
                       const SettingsFileServices& services)
{
    const std::string text = settingsFileText(deliverable, project);
    if (deliverable == Deliverable::windows) {
        makeParentFolder(path);
        return replaceFileAtomically(path, windowsBytesFromText(text + "\n"), services.writer);
    }
    return replaceFileAtomically(path, text, services.writer);
}

SettingsFileReport loadWindows(ZezureProject& project, const std::string& path,
                               const SettingsFileServices& services)
{
    SettingsFileReport report;
    if (!services.leaveFileAlone) makeParentFolder(path);

    std::string text;
    if (!readTextFile(path, text, true, 5, !services.leaveFileAlone, services.wait)) {
        report.message = "Could not find or create: " + path;
        return report;
    }
    if (trimWhiteSpace(text).empty()) {
        if (services.leaveFileAlone) return report;  // the record keeps its defaults either way
        if (!writeSettingsFile(Deliverable::windows, project, path, services)) return windowsWriteFailure(path);
        return report;
    }
    project.vendorName = popFirstLine(text);
    project.fourCharVendorID = popFirstLine(text);
    project.vendorURL = popFirstLine(text);
    project.vendorEmail = popFirstLine(text);
    project.projectFolderPath = popFirstLine(text);
    return report;
}

SettingsFileReport loadMac(ZezureProject& project, const std::string& path, const SettingsFileServices& services)
{
    SettingsFileReport report;
    if (services.leaveFileAlone) {
        if (!somethingExists(path)) {
            // What the first start would write and then read back.
            applyMacFirstStartValues(project);
            return report;
        }
    } else {
        makeParentFolder(path);  // a failure here shows later, when the file cannot be read
    }

    if (!somethingExists(path)) {
        report.systemLog.push_back("created log file!");
        createEmptyFile(path);
        report.written = replaceFileAtomically(path, macFirstStartText(), services.writer);
    } else {
        report.systemLog.push_back("found log file!");
    }

    std::string text;
    std::vector<std::string> items;
    if (macfiles::stringWithContentsOfFile(path, text)) items = splitAtNewlines(text);

    if (items.empty()) {
        report.message = "Setup logfile was empty.";
        report.informative = "Can't read log data. ";
        return report;
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

std::string windowsSettingsPath(const char* appData)
{
    return std::string(appData ? appData : "") + "\\Zizavizerovo\\" + kSettingsFileName;
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
    return windowsSettingsPath(env("APPDATA"));
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

bool writeNewFile(const std::string& path, const std::string& bytes)
{
#ifndef _WIN32
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    return ok;
#else
    std::ofstream out(fsPath(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const bool ok = static_cast<bool>(out);
    out.close();
    return ok && !out.fail();
#endif
}

bool replaceFileAtomically(const std::string& path, const std::string& bytes, const FileWriter& writer)
{
    std::error_code ec;
    // Renaming over a folder would fail anyway; do not leave a temporary file
    // behind trying.
    if (fs::is_directory(fsPath(path), ec)) return false;

    const std::string temporary = temporaryNameFor(path);
    const bool written = writer ? writer(temporary, bytes) : writeNewFile(temporary, bytes);
    if (!written) {
        fs::remove(fsPath(temporary), ec);
        return false;
    }
    // The new file keeps the access rights of the one it replaces.
    const fs::file_status earlier = fs::status(fsPath(path), ec);
    if (!ec && fs::is_regular_file(earlier)) fs::permissions(fsPath(temporary), earlier.permissions(), ec);
    fs::rename(fsPath(temporary), fsPath(path), ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(fsPath(temporary), ignored);
        return false;
    }
    return true;
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
    return trimmed(line, " \t\r");
}

std::string settingsFileText(Deliverable deliverable, const ZezureProject& project)
{
    std::string text = project.vendorName + "\n" + project.fourCharVendorID + "\n" + project.vendorURL + "\n" +
                       project.vendorEmail + "\n" + project.projectFolderPath + "\n";
    if (deliverable == Deliverable::mac) text += project.useTemplate ? "1\n" : "0\n";
    return text;
}

SettingsFileReport loadLogFile(Deliverable deliverable, ZezureProject& project, const std::string& path,
                               const SettingsFileServices& services)
{
    return deliverable == Deliverable::windows ? loadWindows(project, path, services)
                                               : loadMac(project, path, services);
}

SettingsFileReport saveLogFile(Deliverable deliverable, const ZezureProject& project, const std::string& path,
                               const SettingsFileServices& services)
{
    if (writeSettingsFile(deliverable, project, path, services)) return {};
    if (deliverable == Deliverable::windows) return windowsWriteFailure(path);
    SettingsFileReport report;
    report.written = false;  // the macOS page does not report it
    return report;
}

}  // namespace zz
