#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Runs the real zizavizerovo settings command with a controlled environment.
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "zz-cli-settings-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        path_ = pattern;
    }
    ~TempFolder()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    std::string str() const { return path_.string(); }

private:
    fs::path path_;
};

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string quoted(const std::string& word)
{
    std::string q = "'";
    for (char c : word) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

struct Outcome {
    int status;
    std::string out, err;
};

// `env` is a list of NAME=VALUE words put before the program; HOME and
// XDG_CONFIG_HOME are cleared first so that the user's own file is never touched.
Outcome runSettings(const TempFolder& dir, const std::string& args, const std::string& env = {})
{
    const std::string out = dir / "stdout.txt";
    const std::string err = dir / "stderr.txt";
    const std::string command = "env -u HOME -u XDG_CONFIG_HOME " + env + " " + quoted(ZZ_CLI_PROGRAM) +
                                " settings " + args + " >" + quoted(out) + " 2>" + quoted(err);
    const int raw = std::system(command.c_str());
    Outcome run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(out), readBytes(err)};
    fs::remove(out);
    fs::remove(err);
    return run;
}

const std::string kMacFirstStartOutput =
    "vendorName=My Company\nfourCharVendorID=DIRO\nvendorURL=https://www.example.com\n"
    "vendorEmail=support@example.com\nprojectFolderPath=path not set\nuseTemplate=0\n";

TEST(SettingsCommand, OwnFileUnderXdgConfigHomeIsMadeOnFirstRun)
{
    TempFolder dir;
    const Outcome run = runSettings(dir, "", "XDG_CONFIG_HOME=" + quoted(dir / "cfg"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kMacFirstStartOutput);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readBytes(dir / "cfg/zizavizerovo/zezurelog.txt"),
              "My Company\nDIRO\nhttps://www.example.com\nsupport@example.com\npath not set\n0\n");
}

TEST(SettingsCommand, OwnFileKeepsTheHostFormatWhateverTheStyle)
{
    TempFolder dir;
    const std::string own = dir / "cfg/zizavizerovo/zezurelog.txt";
    fs::create_directories(dir / "cfg/zizavizerovo");
    writeBytes(own, "");
    const Outcome run = runSettings(dir, "--style windows", "XDG_CONFIG_HOME=" + quoted(dir / "cfg"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "vendorName=My Company\nfourCharVendorID=DIRO\nvendorURL=https://www.example.com\n"
                       "vendorEmail=support@example.com\nprojectFolderPath=path not set\n");
    EXPECT_EQ(readBytes(own), "") << "an empty file in the macOS format is read, not rewritten";
}

TEST(SettingsCommand, OwnFileFallsBackToHomeConfig)
{
    TempFolder dir;
    fs::create_directories(dir / "home/.config/zizavizerovo");
    writeBytes(dir / "home/.config/zizavizerovo/zezurelog.txt", "Acme\nACME\nu\nm\n/src/\n1\n");
    const Outcome run = runSettings(dir, "", "HOME=" + quoted(dir / "home"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "vendorName=Acme\nfourCharVendorID=ACME\nvendorURL=u\nvendorEmail=m\nprojectFolderPath=/src/\n"
                       "useTemplate=1\n");
}

TEST(SettingsCommand, NoPlaceForTheOwnFile)
{
    TempFolder dir;
    const Outcome run = runSettings(dir, "");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("--file"), std::string::npos);
}

TEST(SettingsCommand, WindowsStyleReadsAndMakesTheWindowsFile)
{
    TempFolder dir;
    const std::string file = dir / "w/zezurelog.txt";
    Outcome run = runSettings(dir, "--style windows --file " + quoted(file));
    EXPECT_EQ(run.status, 0);
    const std::string programFolder = fs::path(ZZ_CLI_PROGRAM).parent_path().string();
    EXPECT_EQ(run.out, "vendorName=My Company\nfourCharVendorID=DIRO\nvendorURL=https://www.example.com\n"
                       "vendorEmail=support@example.com\nprojectFolderPath=" +
                           programFolder + "\n");
    EXPECT_EQ(readBytes(file), "My Company\r\nDIRO\r\nhttps://www.example.com\r\nsupport@example.com\r\n" +
                                   programFolder + "\r\n\r\n");

    writeBytes(file, " Acme \r\nACME\r\n");
    run = runSettings(dir, "--file " + quoted(file) + " --style windows");
    EXPECT_EQ(run.out, "vendorName=Acme\nfourCharVendorID=ACME\nvendorURL=\nvendorEmail=\nprojectFolderPath=\n");
}

TEST(SettingsCommand, ReaderMessagesGoToStderrWithExitZero)
{
    TempFolder dir;
    fs::create_directory(dir / "folder");
    Outcome run = runSettings(dir, "--style macos --file " + quoted(dir / "folder"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Setup logfile was empty.\nCan't read log data. \n");
    EXPECT_EQ(run.out, "vendorName=\nfourCharVendorID=\nvendorURL=\nvendorEmail=\nprojectFolderPath=\nuseTemplate=0\n");

    writeBytes(dir / "file", "x");
    run = runSettings(dir, "--style windows --file " + quoted(dir / "file/below/zezurelog.txt"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Could not write to: " + (dir / "file/below/zezurelog.txt") + "\n");
    EXPECT_NE(run.out.find("vendorName=My Company\n"), std::string::npos);
}

TEST(SettingsCommand, UsageErrors)
{
    TempFolder dir;
    for (const char* args : {"--style", "--style linux", "--file", "--file ''", "--bogus", "extra"}) {
        const Outcome run = runSettings(dir, args, "HOME=" + quoted(dir.str()));
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err.find("usage: zizavizerovo settings"), std::string::npos) << args;
    }
    EXPECT_FALSE(fs::exists(dir / ".config")) << "a usage error touches no file";
}

}  // namespace
