// Runs the real zizavizerovo create with the tool's own settings file:
// remembered starting values, --remember and --log.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "zz-cli-remember-XXXXXX").string();
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
    fs::create_directories(fs::path(path).parent_path());
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

// Every run gets the settings folder cfg/ of its temporary folder as its
// XDG_CONFIG_HOME, so the tool's own file is cfg/zizavizerovo/zezurelog.txt.
Outcome create(const TempFolder& dir, const std::vector<std::string>& args)
{
    std::string command = "env -u HOME XDG_CONFIG_HOME=" + quoted(dir / "cfg") + " " + quoted(ZZ_CLI_PROGRAM) +
                          " create";
    for (const auto& a : args) command += " " + quoted(a);
    const std::string out = dir / ".stdout", err = dir / ".stderr";
    command += " >" + quoted(out) + " 2>" + quoted(err) + " </dev/null";
    const int raw = std::system(command.c_str());
    Outcome o{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(out), readBytes(err)};
    fs::remove(out);
    fs::remove(err);
    return o;
}

std::string ownFile(const TempFolder& dir) { return dir / "cfg/zizavizerovo/zezurelog.txt"; }

// The value a line "set(KEY value)" of the created CMakeLists.txt carries.
std::string setting(const std::string& cmake, const std::string& key)
{
    const std::string start = "set(" + key + " ";
    const auto at = cmake.find(start);
    if (at == std::string::npos) return "<missing " + key + ">";
    const auto end = cmake.find(')', at);
    std::string v = cmake.substr(at + start.size(), end - at - start.size());
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    return v;
}

TEST(CreateSettings, RememberedValuesAreTheStartingValues)
{
    for (const char* style : {"windows", "macos"}) {
        TempFolder dir;
        fs::create_directory(dir / "projects");
        writeBytes(ownFile(dir), "Acme Audio\nACME\nhttps://acme.test\nhelp@acme.test\n" + (dir / "projects") +
                                     (std::string(style) == "macos" ? "/" : "") + "\n0\n");
        const Outcome r = create(dir, {"--style", style, "--set", "projectName=Remembered", "--set",
                                       "fourCharProductID=RemP", "--template", ZZ_SOURCE_DIR "/templates/PluginTemplate"});
        ASSERT_EQ(r.status, 0) << style << ": " << r.err;
        EXPECT_EQ(r.out, (dir / "projects") + "/Remembered\n") << style;
        const std::string cmake = readBytes(dir / "projects/Remembered/CMakeLists.txt");
        EXPECT_EQ(setting(cmake, "ZZ_VENDOR_NAME"), "Acme Audio") << style;
        EXPECT_EQ(setting(cmake, "ZZ_FOUR_CHAR_MANU"), "ACME") << style;
        EXPECT_EQ(setting(cmake, "ZZ_VENDOR_URL"), "https://acme.test") << style;
        EXPECT_EQ(setting(cmake, "ZZ_VENDOR_EMAIL"), "help@acme.test") << style;
        EXPECT_EQ(r.err, "") << style;
    }
}

TEST(CreateSettings, PresetAndSetComeAfterTheRememberedValues)
{
    TempFolder dir;
    writeBytes(ownFile(dir), "Acme\nACME\nurl\nmail\n/nowhere/\n0\n");
    writeBytes(dir / "p.json", "{\"vendorName\": \"From Preset\", \"vendorURL\": \"https://preset.test\"}");
    const std::string before = readBytes(ownFile(dir));
    const Outcome r = create(dir, {"--style", "macos", "--preset", dir / "p.json", "--set", "vendorName=From Set",
                                   "--folder", dir.str(), "--set", "projectName=Order", "--set",
                                   "fourCharProductID=OrdP", "--template", ZZ_SOURCE_DIR "/templates/PluginTemplate"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string cmake = readBytes(dir / "Order/CMakeLists.txt");
    EXPECT_EQ(setting(cmake, "ZZ_VENDOR_NAME"), "From Set");
    EXPECT_EQ(setting(cmake, "ZZ_VENDOR_URL"), "https://preset.test");
    EXPECT_EQ(setting(cmake, "ZZ_FOUR_CHAR_MANU"), "ACME");
    EXPECT_EQ(readBytes(ownFile(dir)), before) << "without --remember the file is never written";
}

TEST(CreateSettings, NoFileMadeWithoutRemember)
{
    TempFolder dir;
    const Outcome r = create(dir, {"--style", "macos", "--folder", dir.str(), "--set", "projectName=Plain", "--set",
                                   "fourCharProductID=PlnP", "--template", ZZ_SOURCE_DIR "/templates/PluginTemplate"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(fs::exists(dir / "cfg"));
    // Nothing remembered yet: the style's own (empty) vendor name stands.
    EXPECT_EQ(setting(readBytes(dir / "Plain/CMakeLists.txt"), "ZZ_VENDOR_NAME"), "");
}

TEST(CreateSettings, ReaderMessagesGoToStderrAndTheCreationGoesOn)
{
    TempFolder dir;
    writeBytes(ownFile(dir), "not UTF-8 \xFF\n");
    const Outcome r = create(dir, {"--style", "macos", "--folder", dir.str(), "--set", "projectName=Warned", "--set",
                                   "fourCharProductID=WrnP", "--template", ZZ_SOURCE_DIR "/templates/PluginTemplate"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Setup logfile was empty.\nCan't read log data. \n");
    EXPECT_TRUE(fs::exists(dir / "Warned/CMakeLists.txt"));
}

TEST(CreateSettings, RememberWritesTheRecordAfterASuccess)
{
    TempFolder dir;
    const Outcome r = create(dir, {"--style", "windows", "--remember", "--folder", dir.str(), "--set",
                                   "projectName=Kept", "--set", "vendorName=Kept Audio", "--set",
                                   "fourCharVendorID=KEPT", "--set", "vendorEmail= spaced@kept.test ", "--template",
                                   ZZ_SOURCE_DIR "/templates/PluginTemplate"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readBytes(ownFile(dir)), "Kept Audio\nKEPT\nhttps://www.example.com\n spaced@kept.test \n" +
                                           dir.str() + "\n0\n");

    // The next create starts from them.
    const Outcome next = create(dir, {"--style", "windows", "--set", "projectName=Next", "--template",
                                      ZZ_SOURCE_DIR "/templates/PluginTemplate"});
    ASSERT_EQ(next.status, 0) << next.err;
    EXPECT_EQ(next.out, dir / "Next" + "\n");
    EXPECT_EQ(setting(readBytes(dir / "Next/CMakeLists.txt"), "ZZ_VENDOR_NAME"), "Kept Audio");
}

TEST(CreateSettings, FailedCreationWritesNeitherFile)
{
    TempFolder dir;
    fs::create_directory(dir / "Taken");
    writeBytes(ownFile(dir), "Old\nOLDC\nu\nm\n/old/\n1\n");
    const Outcome r = create(dir, {"--style", "windows", "--remember", "--log", dir / "log.txt", "--folder",
                                   dir.str(), "--set", "projectName=Taken", "--set", "vendorName=New", "--template",
                                   ZZ_SOURCE_DIR "/templates/PluginTemplate"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Project already exists. Delete it or change the project name.\n");
    EXPECT_EQ(readBytes(ownFile(dir)), "Old\nOLDC\nu\nm\n/old/\n1\n");
    EXPECT_FALSE(fs::exists(dir / "log.txt"));
}

TEST(CreateSettings, RememberThatCannotWriteFailsTheCommand)
{
    TempFolder dir;
    writeBytes(dir / "cfg", "a file where the settings folder should be");
    const Outcome r = create(dir, {"--style", "macos", "--remember", "--folder", dir.str(), "--set",
                                   "projectName=Unkept", "--set", "fourCharProductID=UnkP", "--template",
                                   ZZ_SOURCE_DIR "/templates/PluginTemplate"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, dir.str() + "/Unkept\n") << "the project itself was made";
    EXPECT_EQ(r.err, "Could not write to: " + ownFile(dir) + "\n");
}

TEST(CreateSettings, LogOfASuccessfulWindowsCreation)
{
    TempFolder dir;
    const std::string log = dir / "creation.log";
    writeBytes(log, std::string(3000, 'x'));  // an earlier file is replaced
    const Outcome r = create(dir, {"--style", "windows", "--log", log, "--folder", dir.str(), "--set",
                                   "projectName=Logged", "--template", ZZ_SOURCE_DIR "/templates/PluginTemplate"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string dest = dir / "Logged";
    EXPECT_EQ(readBytes(log), "Project Destination (dest):" + dest +
                                  "\r\n"
                                  "Validating destination: Succeeded in creating destination folder. \r\n"
                                  "\r\n"
                                  "Template Folder XCopy: PASSED \r\n"
                                  "Editing CMake \r\n"
                                  "Path is: " +
                                  dest +
                                  "/CMakeLists.txt\r\n"
                                  "Opening File...PASSED \r\n"
                                  "Modifying & writing File to dest...PASSED \r\n"
                                  "END \r\n"
                                  "\r\n");
}

TEST(CreateSettings, LogProblems)
{
    TempFolder dir;
    // Only the Windows creation keeps a log.
    Outcome r = create(dir, {"--style", "macos", "--log", dir / "l.txt", "--folder", dir.str(), "--set",
                             "projectName=MacLog"});
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(fs::exists(dir / "MacLog"));

    r = create(dir, {"--style", "windows", "--log"});
    EXPECT_EQ(r.status, 2);

    // A log that cannot be written fails the command after the project was made.
    fs::create_directory(dir / "logdir");
    r = create(dir, {"--style", "windows", "--log", dir / "logdir", "--folder", dir.str(), "--set",
                     "projectName=LogFails", "--template", ZZ_SOURCE_DIR "/templates/PluginTemplate"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Failed to write diagnostics file at: " + (dir / "logdir") + "\n");
    EXPECT_TRUE(fs::exists(dir / "LogFails/CMakeLists.txt"));

    r = create(dir, {"--remember=yes"});
    EXPECT_EQ(r.status, 2);
}

}  // namespace
