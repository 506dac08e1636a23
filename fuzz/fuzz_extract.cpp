// extractArchive on mutated archives: whatever the bytes, it answers, writes
// nothing beside its destination folder, and a success leaves only regular
// files and folders there. The entry-name check is tried on its own too:
// every name it lets through stays below the folder.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "fuzzcheck.h"
#include "restore/templaterestore.h"
#include "restore/ziparchive.h"

namespace fs = std::filesystem;

namespace {

const char* const kPassword = zz::kTemplateArchivePassword;

fs::path scratch;

const fs::path& scratchFolder()
{
    if (scratch.empty()) {
        char shm[] = "/dev/shm/zz-fuzz-extract.XXXXXX";
        char tmp[] = "/tmp/zz-fuzz-extract.XXXXXX";
        char* folder = mkdtemp(shm);
        if (!folder) folder = mkdtemp(tmp);
        if (!folder) std::abort();
        scratch = folder;
        std::atexit([] { std::filesystem::remove_all(scratch); });
    }
    return scratch;
}

size_t entriesIn(const fs::path& folder)
{
    size_t n = 0;
    for (auto it = fs::directory_iterator(folder); it != fs::directory_iterator(); ++it) ++n;
    return n;
}

void checkName(const std::string& name)
{
    if (!zz::isSafeEntryName(name)) return;
    // Read as a Windows program would: both separators count.
    std::string slashed = name;
    for (char& c : slashed)
        if (c == '\\') c = '/';
    const fs::path root = "/base/dest";
    const std::string text = (root / fs::path(slashed)).lexically_normal().string();
    FUZZ_CHECK(text.rfind("/base/dest", 0) == 0);
    FUZZ_CHECK(text.size() == 10 || text[10] == '/');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkName(bytes.substr(0, 64));

    const fs::path& root = scratchFolder();
    const fs::path archive = root / "template.zip";
    const fs::path box = root / "box";
    const fs::path destination = box / "PluginTemplate";
    fs::remove_all(box);
    fs::create_directories(destination);
    {
        std::ofstream out(archive, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    const zz::Result extracted = zz::extractArchive(archive.string(), destination.string(), true, kPassword);
    const bool ok = extracted.ok;
    FUZZ_CHECK(ok || !extracted.detail.empty());
    // Nothing beside the destination, and nothing beside the archive.
    FUZZ_CHECK(entriesIn(box) == 1);
    FUZZ_CHECK(entriesIn(root) == 2);
    if (ok) {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(destination, ec); it != fs::recursive_directory_iterator();
             it.increment(ec)) {
            const auto status = it->symlink_status();
            FUZZ_CHECK(fs::is_regular_file(status) || fs::is_directory(status));
        }
    }
    return 0;
}
