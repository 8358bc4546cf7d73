// The table that kv_embed_resources builds from the committed files: every
// image the editor loads is in it, under its number, at its size.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "art_files.h"
#include "solvane_face.h"

namespace arttest {
namespace {

std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ResourceTable, FindsEveryImageTheEditorLoadsAtItsSize) {
    for (const auto& need : solvane::kImages) {
        SCOPED_TRACE(need.id);
        Pixels image = embeddedImage(need.id);
        ASSERT_FALSE(image.empty());
        EXPECT_EQ(image.width(), need.width);
        EXPECT_EQ(image.height(), need.height);
    }
}

TEST(ResourceTable, HoldsExactlyTheEditorsImagesInOrderOfNumber) {
    const gui::ResourceTable& table = solvaneArtTable();
    ASSERT_EQ(table.count, solvane::kImages.size());
    for (size_t i = 1; i < table.count; ++i)
        EXPECT_LT(table.entries[i - 1].id, table.entries[i].id);
    EXPECT_EQ(entryById(table, 142), nullptr);
}

TEST(ResourceTable, EntriesCarryTheCommittedFilesByName) {
    const gui::ResourceTable& table = solvaneArtTable();
    std::set<std::string> names;
    for (size_t i = 0; i < table.count; ++i) {
        const gui::EmbeddedResource& entry = table.entries[i];
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(names.insert(entry.name).second);
        auto bytes = fileBytes(artFolder() + "/" + entry.name);
        ASSERT_EQ(bytes.size(), entry.size);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), entry.png));
    }
}

TEST(ResourceTable, BackgroundIsNamedAfterThePlugin) {
    const gui::EmbeddedResource* entry = entryById(solvaneArtTable(), solvane::kBackground);
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->name, "bg_solvane.png");
}

}  // namespace
}  // namespace arttest
