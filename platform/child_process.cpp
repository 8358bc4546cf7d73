#include "platform/child_process.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

extern char** environ;

namespace {

constexpr int kFirstFreeFd = 3;  // after standard input, output and error
constexpr size_t kReadChunkBytes = 4096;
// A dialog prints one path; more than this is not kept.
constexpr size_t kMaxOutputBytes = 64 * 1024;
constexpr auto kTerminateGrace = std::chrono::seconds(1);
constexpr auto kTerminatePoll = std::chrono::milliseconds(5);

// Moves `fd` above the standard descriptors (a host may run with them
// closed, and pipe2 then hands them out), so that the child's dup2 onto its
// standard output cannot collide with it.
bool liftAboveStandard(int& fd) {
    if (fd >= kFirstFreeFd) return true;
    const int lifted = fcntl(fd, F_DUPFD_CLOEXEC, kFirstFreeFd);
    close(fd);
    fd = lifted;
    return fd >= 0;
}

// What the child sees: output into the pipe, the null device as input and
// error output, and no other descriptor of ours.
struct SpawnActions {
    posix_spawn_file_actions_t actions;
    explicit SpawnActions(int outputFd) {
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addclosefrom_np(&actions, kFirstFreeFd);
    }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
};

// No blocked signals and default handling of all of them, whatever the
// host's thread blocks or ignores (an ignored SIGPIPE or SIGCHLD would
// otherwise pass on to the program).
struct SpawnAttributes {
    posix_spawnattr_t attributes;
    SpawnAttributes() {
        posix_spawnattr_init(&attributes);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes, &none);
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes); }
};

}  // namespace

ChildProcess::~ChildProcess() { terminate(); }

bool ChildProcess::spawn(const std::string& program, const std::vector<std::string>& arguments) {
    if (pid_ > 0) return false;
    output_.clear();
    exitCode_ = kNoExitCode;

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return false;
    if (!liftAboveStandard(fds[0]) || !liftAboveStandard(fds[1])) {
        if (fds[0] >= 0) close(fds[0]);
        if (fds[1] >= 0) close(fds[1]);
        return false;
    }

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    int result;
    {
        const SpawnActions actions(fds[1]);
        const SpawnAttributes attributes;
        result = posix_spawn(&pid, program.c_str(), &actions.actions, &attributes.attributes,
                             argv.data(), environ);
    }
    close(fds[1]);
    if (result != 0) {
        close(fds[0]);
        return false;
    }
    // Only our end: the program writes its output as usual.
    fcntl(fds[0], F_SETFL, fcntl(fds[0], F_GETFL) | O_NONBLOCK);
    outputFd_ = fds[0];
    pid_ = pid;
    return true;
}

void ChildProcess::readAvailable() {
    if (outputFd_ < 0) return;
    char buffer[kReadChunkBytes];
    for (;;) {
        const ssize_t got = read(outputFd_, buffer, sizeof buffer);
        if (got > 0) {
            const size_t room = kMaxOutputBytes - std::min(output_.size(), kMaxOutputBytes);
            output_.append(buffer, std::min(static_cast<size_t>(got), room));
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        return;  // end of output, or nothing more for now
    }
}

void ChildProcess::ended(int exitCode) {
    readAvailable();  // what it wrote before it ended is all in the pipe
    close(outputFd_);
    outputFd_ = -1;
    pid_ = 0;
    exitCode_ = exitCode;
}

bool ChildProcess::poll() {
    if (pid_ <= 0) return true;
    readAvailable();
    int status = 0;
    const pid_t reaped = waitpid(pid_, &status, WNOHANG);
    if (reaped == 0 || (reaped < 0 && errno == EINTR)) return false;
    if (reaped == pid_)
        ended(WIFEXITED(status) ? WEXITSTATUS(status) : kNoExitCode);
    else
        ended(kNoExitCode);  // already reaped elsewhere: it has ended all the same
    return true;
}

void ChildProcess::terminate() {
    // Polled first, so that a pid someone else has reaped (and the system
    // may have given to another process) is never signalled.
    if (poll()) return;
    kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + kTerminateGrace;
    while (std::chrono::steady_clock::now() < deadline) {
        if (poll()) return;
        std::this_thread::sleep_for(kTerminatePoll);
    }
    kill(pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    ended(kNoExitCode);
}
