// zizavizerovo create --interactive, answered on a pseudo-terminal as a person
// would answer it.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

using namespace zz::testing;

// The program on the far side of a pseudo-terminal: what it wrote so far,
// and the answers typed to it.
class Terminal {
public:
    Terminal(const TempFolder& dir, std::vector<std::string> args)
    {
        args.insert(args.begin(), ZZ_CLI_PROGRAM);
        pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
        if (pid_ == 0) {
            unsetenv("HOME");
            unsetenv("APPDATA");
            setenv("XDG_CONFIG_HOME", (dir / "cfg").c_str(), 1);
            std::vector<char*> argv;
            for (auto& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
    }
    ~Terminal()
    {
        if (pid_ > 0 && status_ < 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (master_ >= 0) close(master_);
    }

    // Waits until the program has written `text` (after what earlier waits
    // took); false after ten seconds.
    bool expect(const std::string& text)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        for (;;) {
            const size_t at = seen_.find(text, from_);
            if (at != std::string::npos) {
                from_ = at + text.size();
                return true;
            }
            if (std::chrono::steady_clock::now() > deadline || !readSome()) return false;
        }
    }

    void type(const std::string& line)
    {
        const std::string text = line + "\n";
        (void)!write(master_, text.data(), text.size());
    }

    // Reads to the end; answers the exit status.
    int finish()
    {
        while (readSome()) {
        }
        int status = 0;
        waitpid(pid_, &status, 0);
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        return status_;
    }

    const std::string& transcript() const { return seen_; }

private:
    bool readSome()
    {
        pollfd p{master_, POLLIN, 0};
        if (poll(&p, 1, 200) <= 0) return waitpid(pid_, nullptr, WNOHANG) == 0;
        char buffer[4096];
        const ssize_t n = read(master_, buffer, sizeof buffer);
        if (n <= 0) return false;
        seen_.append(buffer, static_cast<size_t>(n));
        return true;
    }

    int master_ = -1;
    pid_t pid_ = -1;
    int status_ = -1;
    std::string seen_;
    size_t from_ = 0;
};

// The answers for the Windows fields in the order create --help lists them;
// an empty answer keeps the value in brackets.
struct Step {
    std::string prompt;
    std::string answer;
    std::string reason = {};  // the reason a refused answer is asked again for
};

TEST(Interactive, AsksForEachFieldThenConfirms)
{
    TempFolder dir;
    Terminal t(dir, {"create", "--interactive", "--style", "windows", "--folder", dir.str()});
    const std::vector<Step> steps = {
        {"projectFolderPath [" + dir.str() + "]: ", ""},
        {"projectName [NewZezureProject]: ", "Asked"},
        {"pluginName [Asked]: ", ""},  // derived from the name typed just before
        {"vendorName [My Company]: ", "Asking Audio"},
        {"fourCharProductID [PLuG]: ", "AskP"},
        {"fourCharAAXID [diro]: ", ""},
        {"fourCharVendorID [DIRO]: ", ""},
        {"vendorURL [https://www.example.com]: ", ""},
        {"vendorEmail [support@example.com]: ", ""},
        {"aaxPluginName [Asked]: ", ""},
        {"aaxShortPluginName [Asked]: ", ""},
        {"synthPlugin [false]: ", "maybe", "  field 'synthPlugin' takes true, false, 1 or 0, not 'maybe'\r\n"},
        {"synthPlugin [false]: ", "n"},
        {"enableSidechain [false]: ", "Y"},
        {"enableParamSmoothing [false]: ", ""},
        {"smoothingTimeMsec [20.00]: ", ""},
        {"tailTimeMsec [0.00]: ", "-5", "  field 'tailTimeMsec' takes a finite unsigned decimal number, not '-5'\r\n"},
        {"tailTimeMsec [0.00]: ", "250"},
        {"infiniteTail [false]: ", ""},
        {"linkFFTW [false]: ", ""},
        {"universalAPI [false]: ", ""},
        {"makeAAX [true]: ", ""},
        {"makeVST [false]: ", ""},
        {"makeAU [false]: ", ""},
        {"includeFXObjects [false]: ", ""},
        {"wantPTGRMeter [false]: ", ""},
        {"enableSAAVST3 [false]: ", ""},
        {"saaGranulatity [1]: ", ""},
        {"latencyInSamples [0]: ", "3"},
        {"aaxCagtegory [0 (None)]: ", "Reverb"},
        {"processFrames [true]: ", "no"},
        {"blockSize [64]: ", "abc", "  field 'blockSize' takes digits only, not 'abc'\r\n"},
        {"blockSize [64]: ", "128"},
    };
    for (const Step& s : steps) {
        ASSERT_TRUE(t.expect(s.prompt)) << "waiting for " << s.prompt << "\n" << t.transcript();
        t.type(s.answer);
        if (!s.reason.empty()) {
            ASSERT_TRUE(t.expect(s.reason)) << t.transcript();
        }
    }
    ASSERT_TRUE(t.expect("destination: " + (dir / "Asked") + "\r\n")) << t.transcript();
    ASSERT_TRUE(t.expect("  aaxCagtegory: 8 (Reverb)\r\n")) << t.transcript();
    ASSERT_TRUE(t.expect("Create? [y/N] ")) << t.transcript();
    t.type("y");
    EXPECT_EQ(t.finish(), 0) << t.transcript();
    const std::string cmake = readBytes(dir / "Asked/CMakeLists.txt");
    for (const char* line : {"set(ZZ_VENDOR_NAME \"Asking Audio\")", "set(ZZ_FOUR_CHAR_CODE \"AskP\")",
                             "set(ZZ_AAX_SIDECHAIN TRUE)", "set(ZZ_TAIL_TIME_MSEC 250.000000)",
                             "set(ZZ_AAX_CATEGORY 8)", "set(ZZ_BLOCK_SIZE 128)", "set(ZZ_LATENCY_SAMPLES 3)"}) {
        EXPECT_NE(cmake.find(line), std::string::npos) << line;
    }
}

TEST(Interactive, AnythingButYesCreatesNothing)
{
    TempFolder dir;
    Terminal t(dir, {"create", "--interactive", "--style", "macos", "--folder", dir.str(), "--set",
                     "projectName=NotMade", "--set", "fourCharProductID=NotP"});
    ASSERT_TRUE(t.expect("projectFolderPath [" + dir.str() + "/]: ")) << t.transcript();
    for (int field = 0; field < 31; ++field) t.type("");  // every value kept
    ASSERT_TRUE(t.expect("Create? [y/N] ")) << t.transcript();
    t.type("yes please");
    EXPECT_EQ(t.finish(), 1);
    EXPECT_FALSE(fs::exists(dir / "NotMade"));
}

TEST(Interactive, WithoutATerminalIsAUsageError)
{
    TempFolder dir;
    const Outcome r = runTool(dir, {"create", "--interactive", "--folder", dir.str()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "zizavizerovo create: --interactive asks on a terminal: standard input is none\n"
                     "Run 'zizavizerovo create --help' for the options.\n");
}

}  // namespace
