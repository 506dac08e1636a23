#include "restore/ziparchive.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>
#include <vector>

#include <zip.h>

#include "common/files.h"

namespace fs = std::filesystem;

namespace zz {

namespace {

// Entries are read and written this many bytes at a time.
constexpr std::size_t kChunk = 64 * 1024;

bool isSeparator(char c) { return c == '/' || c == '\\'; }

// The components of an entry name, without empty and "." components.
std::vector<std::string> components(const std::string& name)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : name) {
        if (isSeparator(c)) {
            if (!part.empty() && part != ".") parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty() && part != ".") parts.push_back(part);
    return parts;
}

// Opens an archive named by a UTF-8 path. On Windows the path goes through
// the wide-character file functions, so names outside the ANSI code page work.
zip_t* openArchive(const std::string& path, int flags)
{
#ifdef _WIN32
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_win32w_create(fs::u8path(path).wstring().c_str(), 0, -1, &error);
    zip_t* za = source ? zip_open_from_source(source, flags, &error) : nullptr;
    if (source && !za) zip_source_free(source);
    zip_error_fini(&error);
    return za;
#else
    int code = 0;
    return zip_open(path.c_str(), flags, &code);
#endif
}

// A source that reads a file named by a path, for adding it to `za`.
zip_source_t* fileSource(zip_t* za, const fs::path& path)
{
#ifdef _WIN32
    return zip_source_win32w(za, path.wstring().c_str(), 0, -1);
#else
    return zip_source_file(za, path.c_str(), 0, -1);
#endif
}

// Why an entry could not be opened or read, from libzip's error code.
std::string entryFailure(int code, const std::string& name, bool encrypted)
{
    const std::string entry = "entry \"" + name + "\"";
    switch (code) {
    case ZIP_ER_CRC:
    case ZIP_ER_INCONS:
        return entry + (encrypted ? " fails its checksum (damaged archive or wrong password)" : " fails its checksum");
    case ZIP_ER_WRONGPASSWD:
        return entry + " does not open with the password";
    case ZIP_ER_COMPRESSED_DATA:
        // Data that was decrypted with a wrong key inflates to nonsense.
        return encrypted ? entry + " does not open with the password" : entry + " is damaged";
    case ZIP_ER_COMPNOTSUPP:
        return entry + " uses a compression method this tool does not read";
    case ZIP_ER_ENCRNOTSUPP:
        return entry + " uses an encryption this tool does not read";
    case ZIP_ER_MEMORY:
        return "out of memory";
    default:
        return entry + " is damaged";
    }
}

// Refuses a path below `root` whose folders include a symbolic link: a link
// left in a destination folder must not carry a write elsewhere.
bool passesThroughLink(files::FileSystem& disk, const fs::path& root, const std::vector<std::string>& parts,
                       std::size_t count)
{
    fs::path p = root;
    for (std::size_t i = 0; i < count; ++i) {
        p /= fs::u8path(parts[i]);
        if (disk.entryAt(files::utf8Path(p)) == files::EntryKind::link) return true;
    }
    return false;
}

// Streams the open entry `file` into `target`. libzip decrypts, inflates and,
// at the end of the data, checks the CRC-32 and the size against the
// directory; the count here only stops a forged entry from writing more than
// the directory announces.
Result writeEntry(files::FileSystem& disk, zip_file_t* file, const zip_stat_t& st, const std::string& name,
                  bool encrypted, const std::string& target, std::vector<char>& buffer)
{
    const std::unique_ptr<files::OutputFile> out = disk.createFile(target);
    if (!out) return Result::failure("cannot write " + target);
    zip_uint64_t written = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(file, buffer.data(), buffer.size());
        if (n < 0) return Result::failure(entryFailure(zip_error_code_zip(zip_file_get_error(file)), name, encrypted));
        if (n == 0) break;
        written += static_cast<zip_uint64_t>(n);
        if ((st.valid & ZIP_STAT_SIZE) && written > st.size) return Result::failure("entry \"" + name + "\" is damaged");
        if (!out->write(std::string_view(buffer.data(), static_cast<size_t>(n)))) return Result::failure("cannot write " + target);
    }
    if (!out->close(false)) return Result::failure("cannot write " + target);
    return Result::success();
}

Result extractEntry(files::FileSystem& disk, zip_t* za, zip_uint64_t index, const fs::path& root, bool overwrite,
                    const std::string& password, std::vector<char>& buffer)
{
    // Names as stored, byte for byte: no guessing of their character set.
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(za, index, ZIP_FL_ENC_RAW, &st) != 0 || !(st.valid & ZIP_STAT_NAME))
        return Result::failure("the archive's directory is damaged");
    const std::string name = st.name;

    if (!isSafeEntryName(name)) return Result::failure("refused entry name \"" + name + "\"");

    const std::vector<std::string> parts = components(name);
    const bool isFolder = !name.empty() && isSeparator(name.back());
    if (parts.empty()) return Result::success();  // "./" and the like: the destination itself

    fs::path target = root;
    for (const auto& part : parts) target /= fs::u8path(part);

    // The folders the entry makes or writes into; none of them may be a link.
    const std::string folder = files::utf8Path(isFolder ? target : target.parent_path());
    if (passesThroughLink(disk, root, parts, isFolder ? parts.size() : parts.size() - 1))
        return Result::failure("entry \"" + name + "\" leads through a symbolic link");
    if (!disk.makeFolders(folder)) return Result::failure("cannot create folder " + folder);
    if (isFolder) return Result::success();

    const std::string targetPath = files::utf8Path(target);
    const files::EntryKind present = disk.entryAt(targetPath);
    if (present != files::EntryKind::missing) {
        if (!overwrite) return Result::failure(targetPath + " exists already");
        if (present == files::EntryKind::folder) return Result::failure(targetPath + " is a folder");
        if (!disk.remove(targetPath)) return Result::failure("cannot replace " + targetPath);
    }

    if ((st.valid & ZIP_STAT_COMP_METHOD) && !zip_compression_method_supported(st.comp_method, 0))
        return Result::failure(entryFailure(ZIP_ER_COMPNOTSUPP, name, false));
    const bool encrypted = (st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE;
    if (encrypted && password.empty()) return Result::failure("entry \"" + name + "\" needs a password");
    // Asked first: libzip 1.7.3 leaks the entry's source when it refuses an
    // encryption method while opening the entry.
    if (encrypted && !zip_encryption_method_supported(st.encryption_method, 0))
        return Result::failure(entryFailure(ZIP_ER_ENCRNOTSUPP, name, true));

    zip_file_t* file =
        encrypted ? zip_fopen_index_encrypted(za, index, 0, password.c_str()) : zip_fopen_index(za, index, 0);
    if (!file) {
        const int code = zip_error_code_zip(zip_get_error(za));
        zip_error_clear(za);
        return Result::failure(entryFailure(code, name, encrypted));
    }
    const Result written = writeEntry(disk, file, st, name, encrypted, targetPath, buffer);
    zip_fclose(file);
    if (!written) {
        disk.remove(targetPath);  // no half-written or garbled file
        return written;
    }

    // Archives made on Unix carry the file mode: keep the executable bits.
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(za, index, 0, &system, &attributes) == 0 && system == ZIP_OPSYS_UNIX) {
        const zip_uint32_t mode = (attributes >> 16) & 0777u;
        if (mode != 0) disk.setPermissions(targetPath, static_cast<fs::perms>(mode));
    }
    return Result::success();
}

}  // namespace

bool isSafeEntryName(const std::string& name)
{
    if (name.empty()) return false;
    if (isSeparator(name.front())) return false;
    if (name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]))) return false;
    if (name.find('\0') != std::string::npos) return false;
    const std::vector<std::string> parts = components(name);
    return std::find(parts.begin(), parts.end(), "..") == parts.end();
}

Result extractArchive(const std::string& archivePath, const std::string& destination, bool overwrite,
                      const std::string& password, files::FileSystem& disk)
{
    const fs::path root = fs::u8path(destination);
    if (disk.targetAt(destination) != files::EntryKind::folder) return Result::failure("no folder at " + destination);

    zip_t* za = openArchive(archivePath, ZIP_RDONLY);
    if (!za) return Result::failure("cannot open the archive " + archivePath);
    struct Discard {
        zip_t* za;
        ~Discard() { zip_discard(za); }
    } discard{za};

    const zip_int64_t count = zip_get_num_entries(za, 0);
    if (count < 0) return Result::failure("the archive's directory is damaged");
    std::vector<char> buffer(kChunk);
    for (zip_int64_t i = 0; i < count; ++i) {
        const Result entry = extractEntry(disk, za, static_cast<zip_uint64_t>(i), root, overwrite, password, buffer);
        if (!entry) return entry;
    }
    return Result::success();
}

// ---------------------------------------------------------------------------
// Packing

namespace {

struct Item {
    std::string name;  // relative, '/' separated; folders end in '/'
    fs::path path;
    bool folder = false;
};

// The file's modification time; ZIP's DOS dates start in 1980.
std::time_t modificationTime(const fs::path& path)
{
    std::error_code ec;
    const auto ftime = fs::last_write_time(path, ec);
    std::time_t t = std::time(nullptr);
    if (!ec) {
        const auto sys = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            ftime - fs::file_time_type::clock::now() + std::chrono::system_clock::now());
        t = std::chrono::system_clock::to_time_t(sys);
    }
    constexpr std::time_t k1980 = 315532800 + 24 * 3600;  // a day in, whatever the time zone
    return (std::max)(t, k1980);
}

Result addItem(zip_t* za, const Item& item, const std::string& password)
{
    std::error_code ec;
    zip_int64_t index;
    if (item.folder) {
        index = zip_dir_add(za, item.name.c_str(), ZIP_FL_ENC_UTF_8);
    } else {
        zip_source_t* source = fileSource(za, item.path);
        if (!source) return Result::failure("cannot read " + item.path.u8string());
        index = zip_file_add(za, item.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) zip_source_free(source);
    }
    if (index < 0) return Result::failure("cannot add " + item.name + " to the archive: " + zip_strerror(za));
    const auto at = static_cast<zip_uint64_t>(index);

    const auto perms = static_cast<zip_uint32_t>(fs::status(item.path, ec).permissions() & fs::perms::mask) & 0777u;
    // Unix mode in the upper half; the DOS folder bit for folders.
    const zip_uint32_t attributes = item.folder ? ((0040000u | (perms ? perms : 0755u)) << 16) | 0x10u
                                                : ((0100000u | (perms ? perms : 0644u)) << 16);
    bool ok = zip_file_set_external_attributes(za, at, 0, ZIP_OPSYS_UNIX, attributes) == 0 &&
              zip_file_set_mtime(za, at, modificationTime(item.path), 0) == 0;
    if (ok && !item.folder) {
        ok = zip_set_file_compression(za, at, ZIP_CM_DEFLATE, 0) == 0;
        if (ok && !password.empty())
            ok = zip_file_set_encryption(za, at, ZIP_EM_TRAD_PKWARE, password.c_str()) == 0;
    }
    if (!ok) return Result::failure("cannot add " + item.name + " to the archive: " + zip_strerror(za));
    return Result::success();
}

// libzip writes no file for an archive without entries; an empty folder
// still packs into a valid archive: the end-of-directory record alone.
Result writeEmptyArchive(const std::string& archivePath)
{
    static const char kEmpty[22] = {'P', 'K', 5, 6};
    std::ofstream out(fs::u8path(archivePath), std::ios::binary | std::ios::trunc);
    if (!out.write(kEmpty, sizeof kEmpty) || (out.close(), !out))
        return Result::failure("cannot create the archive " + archivePath);
    return Result::success();
}

}  // namespace

Result packFolder(const std::string& folder, const std::string& archivePath, const std::string& password)
{
    std::error_code ec;
    const fs::path root = fs::u8path(folder);
    if (!fs::is_directory(root, ec)) return Result::failure("no folder at " + folder);

    // An archive written inside the folder it packs must not pack itself.
    const fs::path self = fs::weakly_canonical(fs::u8path(archivePath), ec);
    std::vector<Item> items;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::file_status st = it->symlink_status(ec);
        if (ec) break;
        std::error_code same;
        if (fs::is_regular_file(st) && fs::equivalent(it->path(), self, same)) continue;
        Item item;
        item.path = it->path();
        item.name = it->path().lexically_relative(root).generic_u8string();
        if (fs::is_symlink(st)) return Result::failure("refusing the symbolic link " + item.path.u8string());
        if (fs::is_directory(st)) {
            item.folder = true;
            item.name += '/';
        } else if (!fs::is_regular_file(st)) {
            return Result::failure("not a regular file: " + item.path.u8string());
        }
        items.push_back(std::move(item));
    }
    if (ec) return Result::failure("cannot list " + folder + ": " + ec.message());
    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.name < b.name; });
    if (items.empty()) return writeEmptyArchive(archivePath);

    // libzip writes the archive when it is closed, into a temporary file that
    // replaces `archivePath` only when complete.
    zip_t* za = openArchive(archivePath, ZIP_CREATE | ZIP_TRUNCATE);
    if (!za) return Result::failure("cannot create the archive " + archivePath);
    for (const auto& item : items) {
        const Result added = addItem(za, item, password);
        if (!added) {
            zip_discard(za);
            fs::remove(fs::u8path(archivePath), ec);
            return added;
        }
    }
    if (zip_close(za) != 0) {
        const std::string why = zip_strerror(za);
        zip_discard(za);
        fs::remove(fs::u8path(archivePath), ec);
        return Result::failure("cannot write the archive " + archivePath + ": " + why);
    }
    return Result::success();
}

}  // namespace zz
