// zippack: packs a folder into a ZIP archive, optionally password-protected.
// The build uses it to make PluginTemplate.zip from templates/PluginTemplate.

#include <cstdio>
#include <cstring>
#include <string>

#include "restore/templaterestore.h"
#include "restore/ziparchive.h"

namespace {

const char* kUsage =
    "usage: zippack [--password TEXT | --template-password] FOLDER ARCHIVE\n"
    "       zippack --print-template-password\n"
    "\n"
    "Packs the content of FOLDER into the ZIP archive ARCHIVE (replaced if present).\n"
    "  --password TEXT            encrypt every file with TEXT (traditional ZIP encryption)\n"
    "  --template-password        encrypt with the password of the template archive\n"
    "  --print-template-password  print that password (for scripts that open the archive)\n";

}  // namespace

int main(int argc, char** argv)
{
    std::string password;
    std::string operands[2];
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (word == "--print-template-password") {
            std::printf("%s\n", zz::kTemplateArchivePassword);
            return 0;
        }
        if (word == "--password") {
            if (i + 1 >= argc) {
                std::fputs(kUsage, stderr);
                return 2;
            }
            password = argv[++i];
        } else if (word == "--template-password") {
            password = zz::kTemplateArchivePassword;
        } else if (word.size() > 1 && word[0] == '-') {
            std::fprintf(stderr, "zippack: unknown option '%s'\n%s", word.c_str(), kUsage);
            return 2;
        } else if (count < 2) {
            operands[count++] = word;
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (count != 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const zz::Result packed = zz::packFolder(operands[0], operands[1], password);
    if (!packed) {
        std::fprintf(stderr, "zippack: %s\n", packed.detail.c_str());
        return 1;
    }
    return 0;
}
