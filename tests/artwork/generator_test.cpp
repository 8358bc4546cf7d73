// kv_artwork draws exactly the committed files again, so the committed
// images never drift from the code that draws them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "art_files.h"
#include "generated_set.h"

namespace arttest {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Generator, ReproducesTheCommittedImages) {
    GeneratedSet drawn("solvane");
    ASSERT_TRUE(drawn.ok());
    const gui::ResourceTable& table = solvaneArtTable();
    ASSERT_EQ(drawn.files().size(), table.count);
    for (size_t i = 0; i < table.count; ++i) {
        const gui::EmbeddedResource& entry = table.entries[i];
        SCOPED_TRACE(entry.name);
        ASSERT_EQ(drawn.files().at(entry.id), entry.name);
        Pixels image = drawn.image(entry.id);
        ASSERT_FALSE(image.empty());
        EXPECT_TRUE(image == Pixels::fromFile(artFolder() + "/" + entry.name));
    }
}

TEST(Generator, ReproducesTheResourceList) {
    GeneratedSet drawn("solvane");
    ASSERT_TRUE(drawn.ok());
    std::string list = fileText(fs::path(drawn.folder()) / "resources.cmake");
    EXPECT_FALSE(list.empty());
    EXPECT_EQ(list, fileText(fs::path(artFolder()) / "resources.cmake"));
}

// The other plug-ins' committed sets, image by image, and their lists.
TEST(Generator, ReproducesTheCommittedSetsOfWidmoorDuplimoAndScopra) {
    for (const std::string plugin : {"widmoor", "duplimo", "scopra"}) {
        SCOPED_TRACE(plugin);
        GeneratedSet drawn(plugin);
        ASSERT_TRUE(drawn.ok());
        const fs::path committed = fs::path(KV_SOURCE_DIR) / "plugins" / plugin / "art";
        for (const auto& [id, name] : drawn.files()) {
            Pixels image = drawn.image(id);
            ASSERT_FALSE(image.empty()) << name;
            EXPECT_TRUE(image == Pixels::fromFile((committed / name).string())) << name;
        }
        EXPECT_EQ(fileText(fs::path(drawn.folder()) / "resources.cmake"),
                  fileText(committed / "resources.cmake"));
    }
}

TEST(Generator, RefusesAnUnknownPlugin) {
    char pattern[] = "/tmp/kv_artwork_test_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    EXPECT_NE(runArtworkTool(std::string("nosuchplugin ") + pattern), 0);
    EXPECT_TRUE(fs::is_empty(pattern));
    fs::remove_all(pattern);
}

TEST(Generator, RefusesMissingArguments) { EXPECT_NE(runArtworkTool("solvane"), 0); }

}  // namespace
}  // namespace arttest
