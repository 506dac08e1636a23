#include "project/macfiles.h"

#include <fstream>
#include <random>
#include <system_error>

#include "project/fspath.h"
#include "project/winfiles.h"

namespace fs = std::filesystem;

namespace zz::macfiles {

bool copyItemAtPath(const std::string& source, const std::string& destination, std::string& error)
{
    const fs::path from = fsPath(source);
    const fs::path to = fsPath(destination);
    std::error_code ec;
    // The item named by the caller is followed when it is a link: copying the
    // link itself would make the new project a link into the template, and
    // rewriting its project file would rewrite the template's. Links inside
    // the folder are copied as links.
    const fs::file_status sourceStatus = fs::status(from, ec);
    if (sourceStatus.type() == fs::file_type::not_found) {
        error = "The file \"" + source + "\" couldn't be opened because there is no such file.";
        return false;
    }
    if (fs::symlink_status(to, ec).type() != fs::file_type::not_found) {
        error = "\"" + utf8Path(to.filename()) + "\" couldn't be copied because an item with the same name already exists.";
        return false;
    }
    if (fs::is_directory(sourceStatus)) {
        if (fs::create_directory(to, ec) && !ec) {
            if (!copyFolderTree(source, destination)) {
                error = "\"" + utf8Path(from.filename()) + "\" couldn't be copied to \"" +
                        utf8Path(to.parent_path().filename()) + "\".";
                return false;
            }
        }
    } else {
        fs::copy_file(from, to, ec);
    }
    if (ec) {
        error = ec.message();
        return false;
    }
    return true;
}

bool isValidUtf8(const std::string& bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        size_t need = 0;
        unsigned char lo = 0x80, hi = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) need = 1;
        else if (lead == 0xE0) need = 2, lo = 0xA0;
        else if (lead >= 0xE1 && lead <= 0xEC) need = 2;
        else if (lead == 0xED) need = 2, hi = 0x9F;  // no surrogates
        else if (lead >= 0xEE && lead <= 0xEF) need = 2;
        else if (lead == 0xF0) need = 3, lo = 0x90;
        else if (lead >= 0xF1 && lead <= 0xF3) need = 3;
        else if (lead == 0xF4) need = 3, hi = 0x8F;
        else return false;
        if (i + need >= bytes.size()) return false;
        for (size_t k = 1; k <= need; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if (k == 1 ? (c < lo || c > hi) : (c < 0x80 || c > 0xBF)) return false;
        }
        i += need + 1;
    }
    return true;
}

bool stringWithContentsOfFile(const std::string& path, std::string& text)
{
    const fs::path file = fsPath(path);
    std::error_code ec;
    if (fs::is_directory(file, ec)) return false;
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || !isValidUtf8(bytes)) return false;
    text.swap(bytes);
    return true;
}

bool writeToFileAtomically(const std::string& path, const std::string& text)
{
    const fs::path file = fsPath(path);
    std::random_device rd;
    fs::path temp = file;
    temp += ".zz" + std::to_string(rd()) + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, file, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

}  // namespace zz::macfiles
