#include "tests/kvx/kvx_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

[[noreturn]] void execKvx(const std::vector<std::string>& args, const std::string& out,
                          const std::string& err) {
    const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(outFd, STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    std::vector<char*> argv{const_cast<char*>(KVX_BINARY)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(KVX_BINARY, argv.data());
    _exit(127);
}

}  // namespace

KvxRun runKvx(const std::vector<std::string>& args) {
    ScratchDir capture;
    const std::string out = capture.file("stdout"), err = capture.file("stderr");
    const pid_t child = fork();
    if (child == 0) execKvx(args, out, err);
    KvxRun run;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    run.out = slurp(out);
    run.err = slurp(err);
    return run;
}

int lineCount(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines + (!text.empty() && text.back() != '\n');
}

ScratchDir::ScratchDir() {
    std::string pattern = ::testing::TempDir() + "kvx_test_XXXXXX";
    if (!mkdtemp(pattern.data())) ADD_FAILURE() << "cannot make a scratch folder";
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string solvanePath() { return pluginPath("solvane"); }

std::string pluginPath(const std::string& name) {
    return std::string(KV_PLUGIN_DIR) + "/" + name + ".so";
}

std::string fixturePath(const std::string& name) {
    return std::string(KVX_FIXTURE_DIR) + "/" + name + ".so";
}
