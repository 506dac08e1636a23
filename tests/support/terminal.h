#pragma once

// Runs a program on a pseudo-terminal, as a person at a terminal would: the
// test waits for what the program writes and types answers. Its standard input
// and standard error are the terminal; standard output too, unless the test
// wants it apart (then it goes to a pipe, as when the output is redirected).
// The same Command as runProgram: arguments, environment, folder, deadline.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <vector>

#include "runprogram.h"

namespace zz::testing {

class Terminal {
public:
    explicit Terminal(const Command& command, bool outputApart = false) : deadline_(Clock::now() + command.deadline)
    {
        int slave = -1;
        int outPipe[2] = {-1, -1};
        if (::openpty(&master_, &slave, nullptr, nullptr, nullptr) != 0) return;
        if (outputApart && !detail::openPipe(outPipe)) return;
        std::vector<std::string> words = detail::wordsOf(command);
        std::vector<std::string> env = detail::environmentFor(command);
        std::vector<char*> argv = detail::pointersTo(words);
        std::vector<char*> envp = detail::pointersTo(env);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::setsid();
            ::ioctl(slave, TIOCSCTTY, 0);
            ::dup2(slave, 0);
            ::dup2(outputApart ? outPipe[1] : slave, 1);
            ::dup2(slave, 2);
            if (!command.folder.empty() && ::chdir(command.folder.c_str()) != 0) _exit(127);
            ::execvpe(argv[0], argv.data(), envp.data());
            _exit(127);
        }
        ::close(slave);
        if (outputApart) {
            ::close(outPipe[1]);
            out_ = outPipe[0];
        }
    }

    ~Terminal()
    {
        if (pid_ > 0 && !finished_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (master_ >= 0) ::close(master_);
        if (out_ >= 0) ::close(out_);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    // Waits until the program has written `text` to the terminal after what
    // the earlier waits took; false when the deadline passes first.
    bool expect(const std::string& text)
    {
        for (;;) {
            const size_t at = transcript_.find(text, from_);
            if (at != std::string::npos) {
                from_ = at + text.size();
                return true;
            }
            if (Clock::now() >= deadline_ || !readSome(200)) return false;
        }
    }

    // Types a line and Enter.
    void type(const std::string& line)
    {
        const std::string text = line + "\n";
        (void)!::write(master_, text.data(), text.size());
    }

    // Reads to the end and waits for the program: its exit code, the output
    // kept apart (when asked for) and the terminal's transcript as `err`.
    Finished finish()
    {
        while (Clock::now() < deadline_ && readSome(200)) {
        }
        Finished run;
        if (Clock::now() >= deadline_) {
            ::kill(pid_, SIGKILL);
            run.timedOut = true;
        }
        int status = 0;
        ::waitpid(pid_, &status, 0);
        finished_ = true;
        run.exitCode = detail::exitCodeOf(status);
        run.out = outText_;
        run.err = transcript_;
        return run;
    }

    const std::string& transcript() const { return transcript_; }

private:
    using Clock = std::chrono::steady_clock;

    // Reads what is there within `milliseconds`; false when the program has
    // ended and closed everything.
    bool readSome(int milliseconds)
    {
        struct pollfd fds[2] = {{master_, POLLIN, 0}, {out_, POLLIN, 0}};
        const int ready = ::poll(fds, out_ >= 0 ? 2 : 1, milliseconds);
        if (ready < 0) return errno == EINTR;
        if (ready == 0) return ::waitpid(pid_, nullptr, WNOHANG) == 0 || outStillOpen();
        bool open = false;
        char buffer[4096];
        if (fds[0].revents) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) transcript_.append(buffer, static_cast<size_t>(n));
            open = n > 0;
        }
        if (out_ >= 0 && fds[1].revents) {
            const ssize_t n = ::read(out_, buffer, sizeof buffer);
            if (n > 0) outText_.append(buffer, static_cast<size_t>(n));
            else {
                ::close(out_);
                out_ = -1;
            }
            open = open || n > 0;
        }
        return open || outStillOpen();
    }
    bool outStillOpen() const { return out_ >= 0; }

    int master_ = -1;
    int out_ = -1;
    pid_t pid_ = -1;
    bool finished_ = false;
    Clock::time_point deadline_;
    std::string transcript_;
    std::string outText_;
    size_t from_ = 0;
};

}  // namespace zz::testing
