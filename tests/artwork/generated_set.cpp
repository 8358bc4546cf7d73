#include "generated_set.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

namespace arttest {

int runArtworkTool(const std::string& arguments) {
    std::string command = std::string(KV_ARTWORK_TOOL) + " " + arguments + " 2>/dev/null";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

GeneratedSet::GeneratedSet(const std::string& plugin) {
    char pattern[] = "/tmp/kv_artwork_test_XXXXXX";
    if (!mkdtemp(pattern)) return;
    folder_ = pattern;
    ok_ = runArtworkTool(plugin + " " + folder_) == 0;
    if (ok_) readResourceList();
}

GeneratedSet::~GeneratedSet() {
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

void GeneratedSet::readResourceList() {
    std::ifstream in(folder_ + "/resources.cmake");
    const std::regex entry(R"(^\s*([0-9]+)=\$\{CMAKE_CURRENT_LIST_DIR\}/(\S+)\s*$)");
    std::string line;
    std::smatch m;
    while (std::getline(in, line))
        if (std::regex_match(line, m, entry)) files_[std::stoi(m[1])] = m[2];
}

Pixels GeneratedSet::image(int id) const {
    auto it = files_.find(id);
    return it == files_.end() ? Pixels() : Pixels::fromFile(folder_ + "/" + it->second);
}

}  // namespace arttest
