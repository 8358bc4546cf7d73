// The images of one plug-in: resource number, file name, size and how to
// draw each.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "canvas.h"
#include "face_layout.h"
#include "glyphs.h"
#include "switch_image.h"

namespace art {

struct ArtImage {
    int id;
    std::string file;
    Size size;
    std::function<void(Canvas&)> draw;
};

struct ArtSet {
    std::string plugin;
    std::vector<ArtImage> images;
};

// The images the plug-ins share in kind; each set picks its resource numbers.
ArtImage backgroundImage(const FaceLayout& face);
ArtImage sliderHandleImage();
ArtImage meterStripImage(int id, bool lit);
ArtImage switchImage(int id, const std::string& name, int width, std::vector<KeyFace> states);
ArtImage aboutImage(int id);
ArtImage glyphButtonImage(int id, const std::string& name, Glyph glyph);
ArtImage labelButtonImage(int id, const std::string& name, const std::string& label, int width);
ArtImage rockerImage(int id);

ArtSet solvaneArt();
ArtSet widmoorArt();
ArtSet duplimoArt();

// Every plug-in's set; null when there is none by that name.
const ArtSet* findArtSet(const std::string& plugin);
std::vector<std::string> artSetNames();

}  // namespace art
