#pragma once

// Runs a program for a test: arguments passed as they are (no shell), an
// environment of the test's choosing, stdin from a file, stdout and stderr
// captured, and a deadline after which the program (with anything it started
// in its process group) is killed.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <ostream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

namespace zz::testing {

struct Command {
    Command(std::string program_, std::vector<std::string> args_ = {})
        : program(std::move(program_)), args(std::move(args_))
    {
    }

    std::string program;  // a path, or a name looked up on PATH
    std::vector<std::string> args;
    std::vector<std::string> unset;          // variables taken out of the test's environment
    std::map<std::string, std::string> set;  // variables given (after the unset ones are out)
    std::string input = "/dev/null";         // the file on stdin
    std::string output;                      // a file for stdout; empty: captured
    std::string folder;                      // the working folder; empty: the test's own
    std::chrono::milliseconds deadline = std::chrono::seconds(180);
};

struct Finished {
    int exitCode = -1;      // the exit status; 128 + the signal when a signal ended it
    bool timedOut = false;  // killed when the deadline passed
    std::string out;
    std::string err;

    std::string firstErrorLine() const { return err.substr(0, err.find('\n')); }
};

// What a failed expectation prints about a run.
inline std::ostream& operator<<(std::ostream& os, const Finished& run)
{
    if (run.timedOut) os << "killed after its deadline; ";
    return os << "exit code " << run.exitCode << "\n--- stdout\n" << run.out << "--- stderr\n" << run.err;
}

// True when `name` is an executable file in one of PATH's folders.
inline bool programOnPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    size_t from = 0;
    for (;;) {
        const size_t colon = folders.find(':', from);
        const std::string folder = folders.substr(from, colon == std::string::npos ? std::string::npos : colon - from);
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
            return true;
        if (colon == std::string::npos) return false;
        from = colon + 1;
    }
}

namespace detail {

inline std::vector<std::string> environmentFor(const Command& command)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        bool dropped = command.set.count(name) > 0;
        for (const std::string& u : command.unset) dropped = dropped || u == name;
        if (!dropped) env.push_back(entry);
    }
    for (const auto& [name, value] : command.set) env.push_back(name + "=" + value);
    return env;
}

// The program and its arguments, as the program's argv.
inline std::vector<std::string> wordsOf(const Command& command)
{
    std::vector<std::string> words = {command.program};
    words.insert(words.end(), command.args.begin(), command.args.end());
    return words;
}

// The exit code of a wait status: 128 + the signal when a signal ended it.
inline int exitCodeOf(int status)
{
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

inline std::vector<char*> pointersTo(std::vector<std::string>& words)
{
    std::vector<char*> pointers;
    for (auto& w : words) pointers.push_back(w.data());
    pointers.push_back(nullptr);
    return pointers;
}

// A pipe whose ends the started program does not inherit (it gets copies
// of the write ends as its stdout and stderr).
inline bool openPipe(int ends[2])
{
    if (::pipe(ends) != 0) return false;
    ::fcntl(ends[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(ends[1], F_SETFD, FD_CLOEXEC);
    return true;
}

}  // namespace detail

inline Finished runProgram(const Command& command)
{
    using Clock = std::chrono::steady_clock;
    Finished run;
    std::vector<std::string> words = detail::wordsOf(command);
    std::vector<std::string> env = detail::environmentFor(command);
    std::vector<char*> argv = detail::pointersTo(words);
    std::vector<char*> envp = detail::pointersTo(env);

    int outPipe[2], errPipe[2];
    if (!detail::openPipe(outPipe)) {
        run.err = std::string("pipe: ") + std::strerror(errno);
        return run;
    }
    if (!detail::openPipe(errPipe)) {
        run.err = std::string("pipe: ") + std::strerror(errno);
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        return run;
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, command.input.c_str(), O_RDONLY, 0);
    if (command.output.empty()) posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    else posix_spawn_file_actions_addopen(&actions, 1, command.output.c_str(), O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    if (!command.folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, command.folder.c_str());
    // A process group of its own, so that the deadline ends what it started too.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);

    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    if (spawned != 0) {
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        run.exitCode = 127;
        run.err = "could not start " + command.program + ": " + std::strerror(spawned) + "\n";
        return run;
    }

    const auto deadline = Clock::now() + command.deadline;
    const auto killGroup = [&] {
        ::kill(-pid, SIGKILL);
        run.timedOut = true;
    };
    const auto millisecondsLeft = [&]() -> int {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        return left <= 0 ? 0 : static_cast<int>(left < 1000 ? left : 1000);
    };

    // Reads both pipes until the program and whatever holds them close them.
    struct pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&run.out, &run.err};
    int open = 2;
    while (open > 0 && !run.timedOut) {
        if (Clock::now() >= deadline) {
            killGroup();
            break;
        }
        const int ready = ::poll(fds, 2, millisecondsLeft());
        if (ready < 0 && errno != EINTR) break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            char buffer[65536];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    for (auto& fd : fds)
        if (fd.fd >= 0) ::close(fd.fd);

    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) break;
        if (Clock::now() >= deadline && !run.timedOut) killGroup();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    run.exitCode = detail::exitCodeOf(status);
    return run;
}

}  // namespace zz::testing
