// zizavizerovo create beyond the pages: warnings about codes and markers,
// --strict, the register of made projects, --dry-run and --save-preset,
// run for real.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <future>
#include <map>
#include <regex>

#include "cli_run.h"

namespace {

using namespace zz::testing;

const std::string kTemplate = ZZ_SOURCE_DIR "/templates/PluginTemplate";

Outcome create(const TempFolder& dir, std::vector<std::string> args)
{
    args.insert(args.begin(), "create");
    return runTool(dir, args);
}

std::string registerFile(const TempFolder& dir)
{
    return dir / "cfg/zizavizerovo/projects.tsv";
}

TEST(CreatePlan, CodeWarningsGoToStderrAndChangeNothing)
{
    struct Case {
        std::vector<std::string> sets;
        std::string warnings;
    } cases[] = {
        {{"fourCharProductID=PlgA", "fourCharVendorID=ACME"}, ""},
        {{"fourCharProductID=Pl", "fourCharVendorID=ACME"},
         "warning: the plug-in code 'Pl' is not exactly four characters of printable ASCII\n"},
        {{"fourCharProductID=Pl\xC3\xA9", "fourCharVendorID=ACME"},  // four characters, five bytes
         "warning: the plug-in code 'Pl\xC3\xA9' is not exactly four characters of printable ASCII\n"},
        {{"fourCharProductID=PlgA", "fourCharVendorID=acme"},
         "warning: the company code 'acme' has no upper-case letter (hosts of AU plug-ins reserve all-lower-case "
         "company codes for Apple)\n"},
        {{"fourCharProductID=PlgA", "fourCharVendorID=a\xC2\xA0" "c1"},
         "warning: the company code 'a\xC2\xA0" "c1' is not exactly four characters of printable ASCII\n"
         "warning: the company code 'a\xC2\xA0" "c1' has no upper-case letter (hosts of AU plug-ins reserve all-lower-case "
         "company codes for Apple)\n"},
    };
    int n = 0;
    for (const Case& c : cases) {
        TempFolder dir;
        const std::string name = "W" + std::to_string(n++);
        std::vector<std::string> args = {"--style", "macos", "--folder", dir.str(), "--set", "projectName=" + name};
        for (const std::string& set : c.sets) args.insert(args.end(), {"--set", set});
        // Out of the register, or the strict run below would find the plug-in code there.
        std::vector<std::string> unregistered = args;
        unregistered.push_back("--no-register");
        const Outcome r = create(dir, unregistered);
        EXPECT_EQ(r.exitCode, 0) << r;
        EXPECT_EQ(r.err, c.warnings);
        EXPECT_TRUE(fs::exists(dir / name + "/CMakeLists.txt"));

        // --strict refuses the same creation, the warnings printed, nothing made.
        args.push_back("--strict");
        args[5] = "projectName=Strict" + name;
        const Outcome strict = create(dir, args);
        if (c.warnings.empty()) {
            EXPECT_EQ(strict.exitCode, 0) << strict;
            continue;
        }
        EXPECT_EQ(strict.exitCode, 1);
        EXPECT_EQ(strict.out, "");
        EXPECT_EQ(strict.err, c.warnings + "zizavizerovo create: refused for the warnings above (--strict); nothing "
                                           "was created\n");
        EXPECT_FALSE(fs::exists(dir / ("Strict" + name)));
    }
}

TEST(CreatePlan, ARegisterRemembersMadeProjectsAndWarnsOfAUsedPluginCode)
{
    TempFolder dir;
    const auto make = [&](const std::string& name, const std::string& code, std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"--style", "windows", "--folder", dir.str(), "--set", "projectName=" + name,
                                         "--set", "fourCharProductID=" + code};
        args.insert(args.end(), more.begin(), more.end());
        return create(dir, args);
    };
    ASSERT_EQ(make("First", "FstP").exitCode, 0);
    ASSERT_EQ(make("Second", "SndP").exitCode, 0);
    const Outcome again = make("Third", "FstP");
    EXPECT_EQ(again.exitCode, 0);
    const std::regex used("warning: the plug-in code 'FstP' is already used by First \\(" + dir.str() +
                          "/First, made \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ\\)\n");
    EXPECT_TRUE(std::regex_match(again.err, used)) << again.err;

    // --no-register leaves the register alone; the warning still comes.
    const std::string before = readBytes(registerFile(dir));
    const Outcome unregistered = make("Fourth", "FstP", {"--no-register"});
    EXPECT_EQ(unregistered.exitCode, 0);
    EXPECT_NE(unregistered.err.find("already used by First"), std::string::npos);
    EXPECT_EQ(readBytes(registerFile(dir)), before);

    // Listed newest first: date, name, codes and folder, tab-separated.
    const Outcome list = runTool(dir, {"projects"});
    EXPECT_EQ(list.exitCode, 0) << list;
    const std::regex listing("(\\S+\tThird\tFstP\tDIRO\t" + dir.str() + "/Third\n)(\\S+\tSecond\tSndP\tDIRO\t" +
                             dir.str() + "/Second\n)(\\S+\tFirst\tFstP\tDIRO\t" + dir.str() + "/First\n)");
    EXPECT_TRUE(std::regex_match(list.out, listing)) << list.out;

    // A name with a tab or a line break is refused before anything is made
    // or registered.
    const std::string registered = readBytes(registerFile(dir));
    EXPECT_EQ(make("Odd\tName", "OddP").exitCode, 2);
    EXPECT_EQ(readBytes(registerFile(dir)), registered);

    // A project whose folder is gone warns of nothing; --prune drops it (and
    // only it), --json lists what is left.
    fs::remove_all(dir / "First");
    const std::regex third("warning: the plug-in code 'FstP' is already used by Third \\(" + dir.str() +
                           "/Third, made \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ\\)\n");
    const Outcome fifth = make("Fifth", "FstP");
    EXPECT_TRUE(std::regex_match(fifth.err, third)) << fifth.err;
    fs::remove_all(dir / "Third");
    fs::remove_all(dir / "Fifth");
    EXPECT_EQ(make("Sixth", "FstP").err, "");
    const Outcome pruned = runTool(dir, {"projects", "--prune", "--json"});
    EXPECT_EQ(pruned.exitCode, 0) << pruned;
    EXPECT_EQ(pruned.err, "zizavizerovo projects: dropped First (" + dir.str() + "/First): its folder is gone\n" +
                              "zizavizerovo projects: dropped Third (" + dir.str() + "/Third): its folder is gone\n" +
                              "zizavizerovo projects: dropped Fifth (" + dir.str() + "/Fifth): its folder is gone\n");
    const std::regex json("\\[\n \\{\"date\": \"[^\"]+\", \"name\": \"Sixth\", \"pluginCode\": \"FstP\", "
                          "\"companyCode\": \"DIRO\", \"folder\": \"" + dir.str() + "/Sixth\"\\},\n "
                          "\\{\"date\": \"[^\"]+\", \"name\": \"Second\", .*\\}\n\\]\n");
    EXPECT_TRUE(std::regex_match(pruned.out, json)) << pruned.out;
}

// Creations side by side into one folder take turns for the register: none
// loses another's line.
TEST(CreatePlan, CreationsSideBySideAreAllRegistered)
{
    TempFolder dir;
    fs::create_directory(dir / "projects");
    for (int round = 0; round < 3; ++round) {
        std::vector<std::future<Outcome>> runs;
        for (int i = 0; i < 8; ++i) {
            const std::string name = "Side" + std::to_string(round) + std::to_string(i);
            runs.push_back(std::async(std::launch::async, [&dir, name] {
                return create(dir, {"--style", "windows", "--folder", dir / "projects", "--set", "projectName=" + name,
                                    "--set", "fourCharProductID=Sd" + name.substr(4)});
            }));
        }
        for (auto& run : runs) {
            const Outcome r = run.get();
            EXPECT_EQ(r.exitCode, 0) << r;
        }
    }
    const Outcome list = runTool(dir, {"projects"});
    ASSERT_EQ(list.exitCode, 0) << list;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 8; ++i) {
            const std::string name = "Side" + std::to_string(round) + std::to_string(i);
            EXPECT_NE(list.out.find("\t" + name + "\tSd" + name.substr(4) + "\tDIRO\t" + (dir / "projects/") + name + "\n"),
                      std::string::npos)
                << name << " is not in\n" << list.out;
            EXPECT_TRUE(fs::exists(dir / ("projects/" + name + "/CMakeLists.txt"))) << name;
        }
    }
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 24);
}

// A register with projects of several dates: listed newest first, one
// warning line for the earlier projects with the same plug-in code, and the
// register replaced rather than written in place (a hard link to it keeps
// the old bytes).
TEST(CreatePlan, TheRegisterIsListedNewestFirstAndReplacedWhole)
{
    TempFolder dir;
    const std::string p = dir / "p";
    for (const char* project : {"March", "NewYear", "July"}) fs::create_directories(p + "/" + project);
    const std::string seeded = "2024-03-01T10:00:00Z\tMarch\tDupP\tDIRO\t" + p + "/March\n"
                               "2025-01-01T10:00:00Z\tNewYear\tNyrP\tDIRO\t" + p + "/NewYear\n"
                               "2023-07-01T10:00:00Z\tJuly\tDupP\tDIRO\t" + p + "/July\n";
    writeBytes(registerFile(dir), seeded);
    fs::create_hard_link(registerFile(dir), dir / "link.tsv");
    EXPECT_EQ(runTool(dir, {"projects"}).out, "2025-01-01T10:00:00Z\tNewYear\tNyrP\tDIRO\t" + p + "/NewYear\n"
                                              "2024-03-01T10:00:00Z\tMarch\tDupP\tDIRO\t" + p + "/March\n"
                                              "2023-07-01T10:00:00Z\tJuly\tDupP\tDIRO\t" + p + "/July\n");

    const Outcome made = create(dir, {"--style", "windows", "--folder", dir.str(), "--set", "projectName=Third", "--set",
                                      "fourCharProductID=DupP"});
    EXPECT_EQ(made.exitCode, 0) << made;
    EXPECT_EQ(made.err, "warning: the plug-in code 'DupP' is already used by March (" + p + "/March, made "
                        "2024-03-01T10:00:00Z)\n");
    EXPECT_EQ(readBytes(dir / "link.tsv"), seeded);
    const std::string now = readBytes(registerFile(dir));
    EXPECT_EQ(now.substr(0, seeded.size()), seeded);
    EXPECT_NE(now.find("\tThird\tDupP\tDIRO\t" + (dir / "Third") + "\n", seeded.size()), std::string::npos) << now;
}

TEST(CreatePlan, UnknownMarkersLeftInTheProjectFileAreNamed)
{
    TempFolder dir;
    writeBytes(dir / "tpl/CMakeLists.txt",
               "project($$$PROJECT_NAME$$$)\nset(A $$$CUSTOM_ONE$$$ $CUSTOM2$ $$CUSTOM_3$$ $$$CUSTOM_ONE$$$)\n"
               "set(B ${NOT_A_MARKER} $ENV{HOME} $$$lower$$$ $$$$FOUR$$$$)\n");
    const Outcome r = create(dir, {"--style", "macos", "--template", dir / "tpl", "--folder", dir.str(), "--set",
                                   "projectName=Custom", "--set", "fourCharProductID=CstP"});
    EXPECT_EQ(r.exitCode, 0) << r;
    EXPECT_EQ(r.err,
              "warning: the project file still holds $$$CUSTOM_ONE$$$, a marker the tool does not know\n"
              "warning: the project file still holds $CUSTOM2$, a marker the tool does not know\n"
              "warning: the project file still holds $$CUSTOM_3$$, a marker the tool does not know\n");
}

TEST(CreatePlan, DryRunPrintsThePlanAndMakesNothing)
{
    for (const std::string style : {"windows", "macos"}) {
        TempFolder dir;
        // A file where the project folder should be is refused as the creation refuses it.
        writeBytes(dir / "file", "a file, not a folder");
        const Outcome intoFile = create(dir, {"--style", style, "--dry-run", "--folder", dir / "file", "--set",
                                              "projectName=Dry", "--set", "fourCharProductID=DryP"});
        EXPECT_EQ(intoFile.exitCode, 1) << intoFile;
        EXPECT_EQ(intoFile.err, (style == "windows" ? "Could not create destination folder: " + (dir / "file/Dry") + "\n"
                                                    : "Could not copy the basis directory to destination.\n" +
                                                          (dir / "file/Dry") + "\n") +
                                    "zizavizerovo create: " + (dir / "file") +
                                    " is not a folder\nzizavizerovo create: field projectFolderPath\n");

        const Outcome r = create(dir, {"--style", style, "--dry-run", "--folder", dir / "projects", "--log",
                                       dir / "log.txt", "--remember", "--set", "projectName=Dry", "--set",
                                       "fourCharProductID=DryP", "--set", "processFrames=0", "--set", "blockSize=32",
                                       "--set", "tailTimeMsec=12.5"});
        if (style == "macos") {
            EXPECT_EQ(r.exitCode, 2) << "--log is for the windows style";
            continue;
        }
        ASSERT_EQ(r.exitCode, 1) << r << "the project folder does not exist";
        EXPECT_EQ(r.err, "Could not create destination folder: " + (dir / "projects/Dry") +
                             "\nzizavizerovo create: the folder " + (dir / "projects") +
                             " does not exist\nzizavizerovo create: field projectFolderPath\n");

        fs::create_directory(dir / "projects");
        const Outcome plan = create(dir, {"--style", style, "--dry-run", "--folder", dir / "projects", "--log",
                                          dir / "log.txt", "--remember", "--set", "projectName=Dry", "--set",
                                          "fourCharProductID=DryP", "--set", "processFrames=0", "--set",
                                          "blockSize=32", "--set", "tailTimeMsec=12.5"});
        EXPECT_EQ(plan.exitCode, 0) << plan;
        EXPECT_EQ(plan.out,
                  "destination: " + (dir / "projects/Dry") +
                      "\n$$$PROJECT_NAME$$$ = Dry\n$UNI_BUILD_BOOL$ = FALSE\n$AAX_BUILD_BOOL$ = TRUE\n"
                      "$AU_BUILD_BOOL$ = FALSE\n$VST_BUILD_BOOL$ = FALSE\n$$$PLUGIN_NAME$$$ = Dry\n"
                      "$$$SYNTH_BOOL$$$ = FALSE\n$$$AAX_SC_BOOL$$$ = FALSE\n$$$AAX_GR_BOOL$$$ = FALSE\n"
                      "$$$VENDOR_NAME$$$ = My Company\n$$$VENDOR_URL$$$ = https://www.example.com\n"
                      "$$$VENDOR_EMAIL$$$ = support@example.com\n$$$4_CHAR_CODE$$$ = DryP\n"
                      "$$$4_CHAR_MANU$$$ = DIRO\n$$$4_CHAR_AAXID$$$ = DryP\n$$$INC_FX_OBJECTS$$$ = FALSE\n"
                      "$$$LINK_FFTW$$$ = FALSE\n$$$WANT_SIDECHAIN$$$ = FALSE\n$$$PROCESS_FRAMES$$$ = FALSE\n"
                      "$$$PROCESS_BUFFERS$$$ = FALSE\n$$$PROCESS_BLOCKS$$$ = TRUE\n$$$BLOCK_SIZE$$$ = 32\n"
                      "$$$LATENCY_SAMPLES$$$ = 0\n$$$TAIL_TIME_MSEC$$$ = 12.500000\n$$$INF_TAIL$$$ = FALSE\n"
                      "$$$ENABLE_SAA$$$ = FALSE\n$$$SAAA_GRAN$$$ = 1\n$$AAX_PLUGIN_CATEGORY$$ = 0\n");
        EXPECT_TRUE(fs::is_empty(dir / "projects"));
        EXPECT_FALSE(fs::exists(dir / "log.txt"));
        EXPECT_FALSE(fs::exists(dir / "cfg"));

        // The same refusal as the creation for a project that exists.
        fs::create_directory(dir / "projects/Dry");
        const Outcome exists = create(dir, {"--style", style, "--dry-run", "--folder", dir / "projects", "--set",
                                            "projectName=Dry"});
        EXPECT_EQ(exists.exitCode, 1);
        EXPECT_EQ(exists.firstErrorLine(), style == "windows"
                                               ? "Project already exists. Delete it or change the project name."
                                               : "Could not copy the basis directory to destination.");
        EXPECT_NE(exists.err.find("zizavizerovo create: field projectName\n"), std::string::npos) << exists;
    }
}

TEST(CreatePlan, MacDryRunAppliesTheProcessingMarkersLast)
{
    TempFolder dir;
    const Outcome plan = create(dir, {"--style", "macos", "--dry-run", "--folder", dir.str(), "--set",
                                      "projectName=Order", "--set", "fourCharProductID=OrdP"});
    ASSERT_EQ(plan.exitCode, 0) << plan;
    EXPECT_NE(plan.out.find("$$$TAIL_TIME_MSEC$$$ = 0\n$$$INF_TAIL$$$ = FALSE\n$$$ENABLE_SAA$$$ = FALSE\n"
                            "$$$SAAA_GRAN$$$ = 1\n$$AAX_PLUGIN_CATEGORY$$ = 0\n$$$PROCESS_FRAMES$$$ = TRUE\n"
                            "$$$PROCESS_BUFFERS$$$ = FALSE\n$$$PROCESS_BLOCKS$$$ = FALSE\n$$$BLOCK_SIZE$$$ = 64\n"),
              std::string::npos)
        << plan.out;
}

// The preset the replay test saves, with the project folder as the style's
// folder chooser hands it over.
std::string savedPreset(const std::string& style, const std::string& folder)
{
    const bool windows = style == "windows";
    return "{\n"
           "  \"projectFolderPath\": \"" + folder + (windows ? "" : "/") + "\",\n"
           "  \"projectName\": \"Replay\",\n"
           "  \"pluginName\": \"Replay\",\n"
           "  \"vendorName\": \"Quote \\\" and \\\\ back;slash ${HOME}\",\n"
           "  \"fourCharProductID\": \"RplP\",\n" +
           (windows ? "  \"fourCharAAXID\": \"diro\",\n" : "  \"fourCharAAXID\": \"\",\n") +
           "  \"fourCharVendorID\": \"REMA\",\n"
           "  \"vendorURL\": \"https://rem.test\",\n"
           "  \"vendorEmail\": \"r@rem.test\",\n"
           "  \"aaxPluginName\": \"Replay\",\n"
           "  \"aaxShortPluginName\": \"Replay\",\n"
           "  \"synthPlugin\": false,\n"
           "  \"enableSidechain\": false,\n"
           "  \"enableParamSmoothing\": false,\n" +
           (windows ? "  \"smoothingTimeMsec\": 0.1,\n"
                      "  \"tailTimeMsec\": 12.1,\n"
                    : "  \"smoothingTimeMsec\": 0.1000000014901161,\n"
                      "  \"tailTimeMsec\": 12.10000038146973,\n") +
           "  \"infiniteTail\": false,\n"
           "  \"linkFFTW\": false,\n" +
           (windows ? "" : "  \"useTemplate\": true,\n") +
           "  \"universalAPI\": false,\n"
           "  \"makeAAX\": true,\n"
           "  \"makeVST\": false,\n"
           "  \"makeAU\": false,\n"
           "  \"includeFXObjects\": false,\n"
           "  \"wantPTGRMeter\": false,\n"
           "  \"enableSAAVST3\": false,\n"
           "  \"saaGranulatity\": 1,\n"
           "  \"latencyInSamples\": 7,\n"
           "  \"aaxCagtegory\": 8,\n"
           "  \"processFrames\": false,\n"
           "  \"blockSize\": 48\n"
           "}\n";
}

TEST(CreatePlan, ASavedPresetReplaysTheCreationByteForByte)
{
    for (const std::string style : {"windows", "macos"}) {
        TempFolder dir;
        fs::create_directories(dir / "first");
        fs::create_directories(dir / "second");
        writeBytes(ownFile(dir), "Remembered Audio\nREMA\nhttps://rem.test\nr@rem.test\n/nowhere\n1\n");
        const Outcome first =
            create(dir, {"--style", style, "--folder", dir / "first", "--save-preset", dir / "answers.json", "--set",
                         "projectName=Replay", "--set", "fourCharProductID=RplP", "--set", "tailTimeMsec=12.1",
                         "--set", "smoothingTimeMsec=0.1", "--set", "aaxCagtegory=Reverb", "--set",
                         "latencyInSamples=7", "--set", "processFrames=0", "--set", "blockSize=48", "--set",
                         "vendorName=Quote \" and \\ back;slash ${HOME}"});
        ASSERT_EQ(first.exitCode, 0) << first;
        EXPECT_EQ(readBytes(dir / "answers.json"), savedPreset(style, dir / "first")) << style;

        // Another user, no settings of their own: the preset alone gives the same project.
        TempFolder other;
        const Outcome replay =
            create(other, {"--style", style, "--preset", dir / "answers.json", "--folder", dir / "second"});
        ASSERT_EQ(replay.exitCode, 0) << replay;
        EXPECT_EQ(folderContents(dir / "second/Replay"), folderContents(dir / "first/Replay")) << style;

        // With --dry-run the preset is written too, and nothing else.
        const Outcome dry = create(dir, {"--style", style, "--dry-run", "--preset", dir / "answers.json",
                                         "--save-preset", dir / "again.json", "--folder", dir / "first"});
        EXPECT_EQ(dry.exitCode, 1) << "Replay exists in first/";
        const Outcome dry2 = create(dir, {"--style", style, "--dry-run", "--preset", dir / "answers.json",
                                          "--save-preset", dir / "again.json", "--folder", dir.str()});
        EXPECT_EQ(dry2.exitCode, 0) << dry2;
        EXPECT_EQ(readBytes(dir / "again.json"), savedPreset(style, dir.str())) << style;
    }
}

// A preset is written over a regular file the user may write, or to a new
// path; anything else is a usage error that names it, with nothing made.
TEST(CreatePlan, APresetGoesOnlyWhereAFileMayBeWritten)
{
    TempFolder dir;
    fs::create_directories(dir / "folder");
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0644), 0);
    writeBytes(dir / "readonly.json", "{}\n");
    fs::permissions(dir / "readonly.json", fs::perms::owner_read);
    const std::pair<std::string, std::string> refused[] = {
        {dir / "folder", "is a folder"},
        {dir / "pipe", "is a pipe or a device, not a regular file"},
        {"/dev/null", "is a pipe or a device, not a regular file"},
        {dir / "readonly.json", "is read-only"},
    };
    for (const auto& [target, why] : refused) {
        const Outcome r = create(dir, {"--style", "windows", "--folder", dir.str(), "--set", "projectName=Kept",
                                       "--save-preset", target});
        EXPECT_EQ(r.exitCode, 2) << target;
        EXPECT_EQ(r.firstErrorLine(),
                  "zizavizerovo create: the preset file " + target + " " + why + "; nothing was created")
            << r;
        EXPECT_FALSE(fs::exists(dir / "Kept")) << target;
    }
    EXPECT_EQ(readBytes(dir / "readonly.json"), "{}\n");
}

}  // namespace
