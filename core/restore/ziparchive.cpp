#include "restore/ziparchive.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>
#include <vector>

#include <unzip.h>
#include <zip.h>
#include <zlib.h>

namespace fs = std::filesystem;

namespace zz {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

bool fail(std::string* error, const std::string& why)
{
    if (error) *error = why;
    return false;
}

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

// Traditional ZIP encryption (the PKWARE stream cipher). minizip as packaged
// on 64-bit systems computes its keys with the wrong word size, so the cipher
// is done here and minizip moves raw entry data only.
class ZipCipher {
public:
    explicit ZipCipher(const std::string& password)
    {
        for (unsigned char c : password) update(c);
    }
    unsigned char decrypt(unsigned char c)
    {
        const unsigned char plain = static_cast<unsigned char>(c ^ streamByte());
        update(plain);
        return plain;
    }
    unsigned char encrypt(unsigned char plain)
    {
        const unsigned char c = static_cast<unsigned char>(plain ^ streamByte());
        update(plain);
        return c;
    }
    void decrypt(char* data, std::size_t n)
    {
        for (std::size_t i = 0; i < n; ++i)
            data[i] = static_cast<char>(decrypt(static_cast<unsigned char>(data[i])));
    }
    void encrypt(char* data, std::size_t n)
    {
        for (std::size_t i = 0; i < n; ++i)
            data[i] = static_cast<char>(encrypt(static_cast<unsigned char>(data[i])));
    }

private:
    static std::uint32_t crcByte(std::uint32_t crc, unsigned char b)
    {
        static const z_crc_t* table = get_crc_table();
        return static_cast<std::uint32_t>(table[(crc ^ b) & 0xffu]) ^ (crc >> 8);
    }
    unsigned char streamByte() const
    {
        const std::uint32_t t = (key2_ & 0xffffu) | 2u;
        return static_cast<unsigned char>(((t * (t ^ 1u)) >> 8) & 0xffu);
    }
    void update(unsigned char c)
    {
        key0_ = crcByte(key0_, c);
        key1_ = (key1_ + (key0_ & 0xffu)) * 134775813u + 1u;
        key2_ = crcByte(key2_, static_cast<unsigned char>(key1_ >> 24));
    }
    std::uint32_t key0_ = 0x12345678u;
    std::uint32_t key1_ = 0x23456789u;
    std::uint32_t key2_ = 0x34567890u;
};

constexpr std::size_t kCryptHeader = 12;

struct UnzipCloser {
    unzFile file;
    ~UnzipCloser() { unzClose(file); }
};

struct Buffers {
    std::vector<char> in = std::vector<char>(kChunk);
    std::vector<char> out = std::vector<char>(kChunk);
};

// Reads exactly `n` raw bytes of the current entry; false when it ends first.
bool readRaw(unzFile zf, char* data, std::size_t n)
{
    while (n > 0) {
        const int got = unzReadCurrentFile(zf, data, static_cast<unsigned>(n));
        if (got <= 0) return false;
        data += got;
        n -= static_cast<std::size_t>(got);
    }
    return true;
}

// Streams the current entry, opened in raw mode, into `out`: decrypts with
// `password` when it is not empty, inflates deflated data, and checks the
// size and CRC-32 against the archive's directory.
bool writeEntry(unzFile zf, const unz_file_info64& info, const std::string& name, const std::string& password,
                std::FILE* out, const fs::path& target, Buffers& buf, std::string& why)
{
    const std::string damaged = "entry \"" + name + "\" is damaged";
    const std::string badPassword = "entry \"" + name + "\" does not open with the password";

    std::unique_ptr<ZipCipher> cipher;
    if (!password.empty()) {
        cipher = std::make_unique<ZipCipher>(password);
        char header[kCryptHeader];
        if (!readRaw(zf, header, kCryptHeader)) {
            why = damaged;
            return false;
        }
        cipher->decrypt(header, kCryptHeader);
        // The last header byte repeats the CRC's top byte, or the time's when
        // the sizes follow the data.
        const unsigned check = (info.flag & 8u) ? static_cast<unsigned>((info.dosDate >> 8) & 0xffu)
                                                : static_cast<unsigned>((info.crc >> 24) & 0xffu);
        if (static_cast<unsigned char>(header[kCryptHeader - 1]) != check) {
            why = badPassword;
            return false;
        }
    }

    const bool deflated = info.compression_method == Z_DEFLATED;
    z_stream zs{};
    if (deflated && inflateInit2(&zs, -MAX_WBITS) != Z_OK) {
        why = "out of memory";
        return false;
    }
    struct InflateEnd {
        z_stream* zs;
        bool active;
        ~InflateEnd() { if (active) inflateEnd(zs); }
    } inflateEnd{&zs, deflated};

    uLong crc = crc32(0L, Z_NULL, 0);
    ZPOS64_T written = 0;
    bool ended = !deflated;
    // Never writes more than the directory announces: a forged entry cannot
    // fill the disk.
    bool oversize = false;
    auto emit = [&](const char* data, std::size_t n) {
        crc = crc32(crc, reinterpret_cast<const Bytef*>(data), static_cast<uInt>(n));
        written += n;
        if (written > info.uncompressed_size) {
            oversize = true;
            return false;
        }
        return std::fwrite(data, 1, n, out) == n;
    };

    for (;;) {
        const int n = unzReadCurrentFile(zf, buf.in.data(), static_cast<unsigned>(buf.in.size()));
        if (n < 0) {
            why = damaged;
            return false;
        }
        if (n == 0) break;
        if (cipher) cipher->decrypt(buf.in.data(), static_cast<std::size_t>(n));
        if (!deflated) {
            if (!emit(buf.in.data(), static_cast<std::size_t>(n))) {
                why = oversize ? damaged : "cannot write " + target.u8string();
                return false;
            }
            continue;
        }
        if (ended) continue;  // bytes after the end of the stream are ignored
        zs.next_in = reinterpret_cast<Bytef*>(buf.in.data());
        zs.avail_in = static_cast<uInt>(n);
        do {
            zs.next_out = reinterpret_cast<Bytef*>(buf.out.data());
            zs.avail_out = static_cast<uInt>(buf.out.size());
            const int rc = inflate(&zs, Z_NO_FLUSH);
            if (rc == Z_STREAM_END) {
                ended = true;
            } else if (rc != Z_OK && rc != Z_BUF_ERROR) {
                why = cipher ? badPassword : damaged;
                return false;
            }
            const std::size_t produced = buf.out.size() - zs.avail_out;
            if (produced > 0 && !emit(buf.out.data(), produced)) {
                why = oversize ? damaged : "cannot write " + target.u8string();
                return false;
            }
        } while (zs.avail_out == 0 && !ended);
    }
    if (!ended || written != info.uncompressed_size || crc != info.crc) {
        why = cipher ? "entry \"" + name + "\" fails its checksum (damaged archive or wrong password)"
                     : "entry \"" + name + "\" fails its checksum";
        return false;
    }
    return true;
}

// Refuses a path below `root` whose folders include a symbolic link: a link
// left in a destination folder must not carry a write elsewhere.
bool passesThroughLink(const fs::path& root, const std::vector<std::string>& parts, std::size_t count)
{
    fs::path p = root;
    for (std::size_t i = 0; i < count; ++i) {
        p /= fs::u8path(parts[i]);
        std::error_code ec;
        if (fs::is_symlink(fs::symlink_status(p, ec))) return true;
    }
    return false;
}

bool extractCurrent(unzFile zf, const fs::path& root, bool overwrite, const std::string& password,
                    Buffers& buffers, std::string* error)
{
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zf, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return fail(error, "the archive's directory is damaged");
    std::string name(info.size_filename, '\0');
    if (unzGetCurrentFileInfo64(zf, &info, name.data(), static_cast<uLong>(name.size() + 1), nullptr, 0, nullptr,
                                0) != UNZ_OK)
        return fail(error, "the archive's directory is damaged");
    name.resize(std::min<std::size_t>(name.size(), std::char_traits<char>::length(name.c_str())));

    if (!isSafeEntryName(name)) return fail(error, "refused entry name \"" + name + "\"");

    const std::vector<std::string> parts = components(name);
    const bool isFolder = !name.empty() && isSeparator(name.back());
    if (parts.empty()) return true;  // "./" and the like: the destination itself

    fs::path target = root;
    for (const auto& part : parts) target /= fs::u8path(part);

    std::error_code ec;
    if (isFolder) {
        if (passesThroughLink(root, parts, parts.size()))
            return fail(error, "entry \"" + name + "\" leads through a symbolic link");
        fs::create_directories(target, ec);
        if (!fs::is_directory(target, ec)) return fail(error, "cannot create folder " + target.u8string());
        return true;
    }

    if (passesThroughLink(root, parts, parts.size() - 1))
        return fail(error, "entry \"" + name + "\" leads through a symbolic link");
    fs::create_directories(target.parent_path(), ec);
    if (!fs::is_directory(target.parent_path(), ec))
        return fail(error, "cannot create folder " + target.parent_path().u8string());

    const fs::file_status present = fs::symlink_status(target, ec);
    if (fs::exists(present)) {
        if (!overwrite) return fail(error, target.u8string() + " exists already");
        if (fs::is_directory(present)) return fail(error, target.u8string() + " is a folder");
        if (!fs::remove(target, ec) || ec) return fail(error, "cannot replace " + target.u8string());
    }

    if (info.compression_method != 0 && info.compression_method != Z_DEFLATED)
        return fail(error, "entry \"" + name + "\" uses a compression method this tool does not read");
    const bool encrypted = (info.flag & 1u) != 0;
    if (encrypted && password.empty()) return fail(error, "entry \"" + name + "\" needs a password");

    // Raw mode: minizip hands over the stored bytes; decryption and inflation
    // happen in writeEntry.
    int method = 0;
    int level = 0;
    if (unzOpenCurrentFile2(zf, &method, &level, 1) != UNZ_OK)
        return fail(error, "cannot open entry \"" + name + "\"");

    std::FILE* out = std::fopen(target.u8string().c_str(), "wb");
    if (!out) {
        unzCloseCurrentFile(zf);
        return fail(error, "cannot write " + target.u8string());
    }

    std::string why;
    bool ok = writeEntry(zf, info, name, encrypted ? password : std::string(), out, target, buffers, why);
    if (unzCloseCurrentFile(zf) != UNZ_OK && ok) {
        ok = false;
        why = "entry \"" + name + "\" is damaged";
    }
    if (std::fclose(out) != 0 && ok) {
        ok = false;
        why = "cannot write " + target.u8string();
    }
    if (!ok) {
        fs::remove(target, ec);  // no half-written or garbled file
        return fail(error, why);
    }

    // Archives made on Unix carry the file mode: keep the executable bits.
    const uLong host = info.version >> 8;
    const uLong mode = (info.external_fa >> 16) & 0777u;
    if (host == 3 && mode != 0)
        fs::permissions(target, static_cast<fs::perms>(mode), fs::perm_options::replace, ec);
    return true;
}

}  // namespace

bool isSafeEntryName(const std::string& name)
{
    if (name.empty()) return false;
    if (isSeparator(name.front())) return false;
    if (name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]))) return false;
    if (name.find('\0') != std::string::npos) return false;
    std::string part;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || isSeparator(name[i])) {
            if (part == "..") return false;
            part.clear();
        } else {
            part += name[i];
        }
    }
    return true;
}

bool extractArchive(const std::string& archivePath, const std::string& destination, bool overwrite,
                    const std::string& password, std::string* error)
{
    std::error_code ec;
    const fs::path root = fs::u8path(destination);
    if (!fs::is_directory(root, ec)) return fail(error, "no folder at " + destination);

    unzFile zf = unzOpen64(archivePath.c_str());
    if (!zf) return fail(error, "cannot open the archive " + archivePath);
    UnzipCloser closer{zf};

    unz_global_info64 global{};
    if (unzGetGlobalInfo64(zf, &global) != UNZ_OK) return fail(error, "the archive's directory is damaged");

    Buffers buffers;
    ZPOS64_T count = 0;
    int rc = unzGoToFirstFile(zf);
    while (rc == UNZ_OK) {
        if (!extractCurrent(zf, root, overwrite, password, buffers, error)) return false;
        ++count;
        rc = unzGoToNextFile(zf);
    }
    if (rc != UNZ_END_OF_LIST_OF_FILE || count != global.number_entry)
        return fail(error, "the archive's directory is damaged");
    return true;
}

// ---------------------------------------------------------------------------
// Packing

namespace {

struct Item {
    std::string name;  // relative, '/' separated; folders end in '/'
    fs::path path;
    bool folder = false;
};

void setDate(zip_fileinfo& zi, const fs::path& path)
{
    std::error_code ec;
    const auto ftime = fs::last_write_time(path, ec);
    std::time_t t = std::time(nullptr);
    if (!ec) {
        const auto sys = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            ftime - fs::file_time_type::clock::now() + std::chrono::system_clock::now());
        t = std::chrono::system_clock::to_time_t(sys);
    }
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    // DOS dates start in 1980.
    if (tm.tm_year < 80) {
        tm = std::tm{};
        tm.tm_year = 80;
        tm.tm_mday = 1;
    }
    zi.tmz_date.tm_sec = static_cast<uInt>(tm.tm_sec);
    zi.tmz_date.tm_min = static_cast<uInt>(tm.tm_min);
    zi.tmz_date.tm_hour = static_cast<uInt>(tm.tm_hour);
    zi.tmz_date.tm_mday = static_cast<uInt>(tm.tm_mday);
    zi.tmz_date.tm_mon = static_cast<uInt>(tm.tm_mon);
    zi.tmz_date.tm_year = static_cast<uInt>(tm.tm_year + 1900);
}

bool fileCrc(const fs::path& path, std::vector<char>& buffer, uLong& crc)
{
    std::FILE* in = std::fopen(path.u8string().c_str(), "rb");
    if (!in) return false;
    crc = crc32(0L, Z_NULL, 0);
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), in)) > 0)
        crc = crc32(crc, reinterpret_cast<const Bytef*>(buffer.data()), static_cast<uInt>(n));
    const bool ok = !std::ferror(in);
    std::fclose(in);
    return ok;
}

bool hasNonAscii(const std::string& s)
{
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool addItem(zipFile zf, const Item& item, const std::string& password, Buffers& buffers,
             std::string* error)
{
    std::error_code ec;
    zip_fileinfo zi{};
    setDate(zi, item.path);
    const auto perms = static_cast<uLong>(fs::status(item.path, ec).permissions() & fs::perms::mask) & 0777u;
    // Unix mode in the upper half; the DOS folder bit for folders.
    zi.external_fa = item.folder ? ((0040000u | (perms ? perms : 0755u)) << 16) | 0x10u
                                 : ((0100000u | (perms ? perms : 0644u)) << 16);
    const uLong madeBy = (3u << 8) | 20u;  // Unix, version 2.0
    const uLong flags = hasNonAscii(item.name) ? 0x800u : 0u;  // names are UTF-8

    uLong crc = crc32(0L, Z_NULL, 0);
    std::uintmax_t size = 0;
    const bool encrypt = !item.folder && !password.empty();
    if (!item.folder) {
        size = fs::file_size(item.path, ec);
        if (ec) return fail(error, "cannot read " + item.path.u8string());
        // The encryption header carries the CRC, so it is needed before the data.
        if (encrypt && !fileCrc(item.path, buffers.in, crc)) return fail(error, "cannot read " + item.path.u8string());
    }
    const int zip64 = size >= 0xffffffffu ? 1 : 0;
    // Raw mode: the data is deflated and encrypted here, minizip writes the
    // container around it.
    if (zipOpenNewFileInZip4_64(zf, item.name.c_str(), &zi, nullptr, 0, nullptr, 0, nullptr,
                                item.folder ? 0 : Z_DEFLATED, item.folder ? 0 : Z_DEFAULT_COMPRESSION, 1, -MAX_WBITS,
                                8, Z_DEFAULT_STRATEGY, nullptr, 0, madeBy, flags | (encrypt ? 1u : 0u),
                                zip64) != ZIP_OK)
        return fail(error, "cannot add " + item.name + " to the archive");
    if (item.folder) {
        if (zipCloseFileInZipRaw64(zf, 0, crc) != ZIP_OK) return fail(error, "cannot write the archive");
        return true;
    }

    std::unique_ptr<ZipCipher> cipher;
    bool ok = true;
    auto put = [&](char* data, std::size_t n) {
        if (cipher) cipher->encrypt(data, n);
        if (ok && zipWriteInFileInZip(zf, data, static_cast<unsigned>(n)) != ZIP_OK)
            ok = fail(error, "cannot write the archive");
    };
    if (encrypt) {
        cipher = std::make_unique<ZipCipher>(password);
        char header[kCryptHeader];
        std::random_device random;
        for (std::size_t i = 0; i < kCryptHeader - 2; ++i) header[i] = static_cast<char>(random() & 0xffu);
        header[kCryptHeader - 2] = static_cast<char>((crc >> 16) & 0xffu);
        header[kCryptHeader - 1] = static_cast<char>((crc >> 24) & 0xffu);
        put(header, kCryptHeader);
    }

    z_stream zs{};
    if (deflateInit2(&zs, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        zipCloseFileInZipRaw64(zf, 0, 0);
        return fail(error, "out of memory");
    }
    uLong dataCrc = crc32(0L, Z_NULL, 0);
    std::uintmax_t read = 0;
    std::FILE* in = std::fopen(item.path.u8string().c_str(), "rb");
    if (!in) ok = fail(error, "cannot read " + item.path.u8string());
    bool finished = false;
    while (ok && !finished) {
        const std::size_t n = std::fread(buffers.in.data(), 1, buffers.in.size(), in);
        if (std::ferror(in)) {
            ok = fail(error, "cannot read " + item.path.u8string());
            break;
        }
        const bool last = n < buffers.in.size();
        dataCrc = crc32(dataCrc, reinterpret_cast<const Bytef*>(buffers.in.data()), static_cast<uInt>(n));
        read += n;
        zs.next_in = reinterpret_cast<Bytef*>(buffers.in.data());
        zs.avail_in = static_cast<uInt>(n);
        int rc;
        do {
            zs.next_out = reinterpret_cast<Bytef*>(buffers.out.data());
            zs.avail_out = static_cast<uInt>(buffers.out.size());
            rc = deflate(&zs, last ? Z_FINISH : Z_NO_FLUSH);
            put(buffers.out.data(), buffers.out.size() - zs.avail_out);
        } while (ok && zs.avail_out == 0);
        finished = last && rc == Z_STREAM_END;
    }
    if (in) std::fclose(in);
    deflateEnd(&zs);
    // The file must not have changed between the two readings.
    if (ok && encrypt && dataCrc != crc) ok = fail(error, item.path.u8string() + " changed while it was packed");
    if (ok && read != size) size = read;
    if (zipCloseFileInZipRaw64(zf, static_cast<ZPOS64_T>(size), dataCrc) != ZIP_OK && ok)
        ok = fail(error, "cannot write the archive");
    return ok;
}

}  // namespace

bool packFolder(const std::string& folder, const std::string& archivePath, const std::string& password,
                std::string* error)
{
    std::error_code ec;
    const fs::path root = fs::u8path(folder);
    if (!fs::is_directory(root, ec)) return fail(error, "no folder at " + folder);

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
        if (fs::is_symlink(st)) return fail(error, "refusing the symbolic link " + item.path.u8string());
        if (fs::is_directory(st)) {
            item.folder = true;
            item.name += '/';
        } else if (!fs::is_regular_file(st)) {
            return fail(error, "not a regular file: " + item.path.u8string());
        }
        items.push_back(std::move(item));
    }
    if (ec) return fail(error, "cannot list " + folder + ": " + ec.message());
    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.name < b.name; });

    zipFile zf = zipOpen64(archivePath.c_str(), APPEND_STATUS_CREATE);
    if (!zf) return fail(error, "cannot create the archive " + archivePath);

    Buffers buffers;
    bool ok = true;
    for (const auto& item : items) {
        if (!addItem(zf, item, password, buffers, error)) {
            ok = false;
            break;
        }
    }
    if (zipClose(zf, nullptr) != ZIP_OK && ok) ok = fail(error, "cannot write the archive " + archivePath);
    if (!ok) fs::remove(fs::u8path(archivePath), ec);
    return ok;
}

}  // namespace zz
