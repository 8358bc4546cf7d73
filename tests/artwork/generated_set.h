// A plug-in's images as kv_artwork draws them into a scratch folder, found
// by resource number through the resource list it writes with them.
#pragma once

#include <map>
#include <string>

#include "png_pixels.h"

namespace arttest {

class GeneratedSet {
public:
    // Runs kv_artwork for `plugin`; ok() tells whether it succeeded.
    explicit GeneratedSet(const std::string& plugin);
    ~GeneratedSet();
    GeneratedSet(const GeneratedSet&) = delete;
    GeneratedSet& operator=(const GeneratedSet&) = delete;

    bool ok() const { return ok_; }
    const std::map<int, std::string>& files() const { return files_; }
    // Empty when there is no image with that number.
    Pixels image(int id) const;
    std::string folder() const { return folder_; }

private:
    void readResourceList();

    std::string folder_;
    bool ok_ = false;
    std::map<int, std::string> files_;  // resource number -> file name
};

// Runs kv_artwork with the given arguments; its exit status.
int runArtworkTool(const std::string& arguments);

}  // namespace arttest
