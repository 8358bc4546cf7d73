// A helper program run beside the host (a desktop dialog), whose standard
// output we collect without ever waiting for it. The program gets its
// arguments as they are, through no shell; it inherits none of our open
// descriptors (the editor's X connection, the host's files), starts with
// default signal handling, and reads nothing (its input and error output are
// the null device). Not thread-safe by itself: its owner serialises calls.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class ChildProcess {
public:
    ChildProcess() = default;
    // Ends a program that still runs, see terminate.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts `program` (a full path) with `arguments` (without the program's
    // own name). False when it could not be started or one already runs.
    bool spawn(const std::string& program, const std::vector<std::string>& arguments);
    bool isRunning() const { return pid_ > 0; }

    // Collects what the program wrote so far; true once it has ended, after
    // which output() is complete and exitCode() valid.
    bool poll();
    const std::string& output() const { return output_; }
    // The program's exit status, or kNoExitCode when a signal ended it or it
    // was reaped by someone else (a host that lets the system reap children).
    static constexpr int kNoExitCode = -1;
    int exitCode() const { return exitCode_; }

    // Asks the program to end (SIGTERM), kills it when it has not ended soon
    // after, and reaps it: no process is left behind.
    void terminate();

private:
    void readAvailable();
    void ended(int exitCode);

    pid_t pid_ = 0;
    int outputFd_ = -1;
    std::string output_;
    int exitCode_ = kNoExitCode;
};
