// Runs the built kvx binary as a child process and captures what it says;
// a scratch folder for the files a test makes.
#pragma once

#include <string>
#include <vector>

struct KvxRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

KvxRun runKvx(const std::vector<std::string>& args);

// Number of lines in `text` (a last line without a newline counts).
int lineCount(const std::string& text);

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string solvanePath();
// One of the family's built plug-ins by name ("widmoor", "scopra", ...).
std::string pluginPath(const std::string& name);
std::string fixturePath(const std::string& name);
