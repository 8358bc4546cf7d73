// kv_artwork draws exactly the committed files again, so the committed
// images never drift from the code that draws them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "art_files.h"

namespace arttest {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int runGenerator(const std::string& arguments) {
    std::string command = std::string(KV_ARTWORK_TOOL) + " " + arguments + " 2>/dev/null";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class Generator : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/kv_artwork_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
};

TEST_F(Generator, ReproducesTheCommittedImages) {
    ASSERT_EQ(runGenerator("solvane " + folder_.string()), 0);
    const gui::ResourceTable& table = solvaneArtTable();
    ASSERT_GT(table.count, 0u);
    for (size_t i = 0; i < table.count; ++i) {
        std::string name = table.entries[i].name;
        SCOPED_TRACE(name);
        Pixels drawn = Pixels::fromFile((folder_ / name).string());
        ASSERT_FALSE(drawn.empty());
        EXPECT_TRUE(drawn == Pixels::fromFile(artFolder() + "/" + name));
    }
}

TEST_F(Generator, ReproducesTheResourceList) {
    ASSERT_EQ(runGenerator("solvane " + folder_.string()), 0);
    std::string drawn = fileText(folder_ / "resources.cmake");
    EXPECT_FALSE(drawn.empty());
    EXPECT_EQ(drawn, fileText(fs::path(artFolder()) / "resources.cmake"));
}

TEST_F(Generator, RefusesAnUnknownPlugin) {
    EXPECT_NE(runGenerator("nosuchplugin " + folder_.string()), 0);
    EXPECT_TRUE(fs::is_empty(folder_));
}

}  // namespace
}  // namespace arttest
