// Both settings-file readers on arbitrary file content. Whatever a reader
// takes from a file, the writer writes back so that the same reader reads the
// same values again: load, save, load is a fixed point.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzzcheck.h"
#include "project/settingsfile.h"

namespace {

std::string scratchFolder;

const std::string& scratchPath()
{
    static const std::string path = [] {
        // Memory-backed when the host has it: the writer flushes every file.
        char shm[] = "/dev/shm/zz-fuzz-settings.XXXXXX";
        char tmp[] = "/tmp/zz-fuzz-settings.XXXXXX";
        char* folder = mkdtemp(shm);
        if (!folder) folder = mkdtemp(tmp);
        if (!folder) std::abort();
        scratchFolder = folder;
        std::atexit([] { std::filesystem::remove_all(scratchFolder); });
        return scratchFolder + "/zezurelog.txt";
    }();
    return path;
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct Values {
    std::string vendorName, fourCharVendorID, vendorURL, vendorEmail, projectFolderPath;
    bool useTemplate;
    bool operator==(const Values& o) const
    {
        return vendorName == o.vendorName && fourCharVendorID == o.fourCharVendorID && vendorURL == o.vendorURL &&
               vendorEmail == o.vendorEmail && projectFolderPath == o.projectFolderPath &&
               useTemplate == o.useTemplate;
    }
};

Values valuesOf(const zz::ZezureProject& p)
{
    return {p.vendorName, p.fourCharVendorID, p.vendorURL, p.vendorEmail, p.projectFolderPath, p.useTemplate};
}

bool blank(const std::string& s)
{
    for (char c : s)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f') return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const auto deliverable = (data[0] & 1) ? zz::Deliverable::mac : zz::Deliverable::windows;
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string& path = scratchPath();
    zz::SettingsFileServices services;
    services.wait = [](int) {};

    writeBytes(path, bytes);
    zz::ZezureProject first = zz::makeDefaultProject(deliverable);
    zz::loadLogFile(deliverable, first, path, services);
    const Values read = valuesOf(first);

    if (deliverable == zz::Deliverable::windows) {
        for (const std::string* v : {&read.vendorName, &read.fourCharVendorID, &read.vendorURL, &read.vendorEmail,
                                     &read.projectFolderPath}) {
            FUZZ_CHECK(v->find('\n') == std::string::npos);
            if (!v->empty()) {
                FUZZ_CHECK(v->front() != ' ' && v->front() != '\t' && v->front() != '\r');
                FUZZ_CHECK(v->back() != ' ' && v->back() != '\t' && v->back() != '\r');
            }
        }
        // Five blank values make a blank file, which the reader refills with
        // the defaults: not a fixed point, and meant so.
        if (blank(read.vendorName + read.fourCharVendorID + read.vendorURL + read.vendorEmail +
                  read.projectFolderPath))
            return 0;
    }

    // A first value that starts with U+FEFF is written at the start of the
    // file, where it reads back as a byte-order mark: not a fixed point, and
    // meant so.
    if (read.vendorName.rfind("\xEF\xBB\xBF", 0) == 0) return 0;

    FUZZ_CHECK(zz::saveLogFile(deliverable, first, path, services).ok);
    zz::ZezureProject second = zz::makeDefaultProject(deliverable);
    zz::loadLogFile(deliverable, second, path, services);
    FUZZ_CHECK(valuesOf(second) == read);
    return 0;
}
