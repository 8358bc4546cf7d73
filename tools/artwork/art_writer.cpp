#include "art_writer.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace art {

namespace {

void writeImage(const ArtImage& image, const std::string& folder) {
    Canvas canvas(image.size);
    image.draw(canvas);
    canvas.writePng(folder + "/" + image.file);
}

void writeResourceList(const ArtSet& set, const std::string& folder) {
    std::string path = folder + "/resources.cmake";
    std::ofstream out(path);
    out << "# Written by kv_artwork: the editor images of " << set.plugin
        << " as resource number=file,\n# for kv_embed_resources.\n"
        << "set(KV_ART_RESOURCES\n";
    for (const ArtImage& image : set.images)
        out << "  " << image.id << "=${CMAKE_CURRENT_LIST_DIR}/" << image.file << "\n";
    out << ")\n";
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace

void writeArtSet(const ArtSet& set, const std::string& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    for (const ArtImage& image : set.images) writeImage(image, folder);
    writeResourceList(set, folder);
}

}  // namespace art
