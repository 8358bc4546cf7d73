#pragma once

#include <functional>
#include <string>
#include <vector>

#include "analyser_images.h"
#include "control_images.h"
#include "drawing.h"
#include "faces.h"

namespace art {

// The images of one plug-in: resource number, file name, size and how to
// draw each; and writing them into a folder, together with the list of
// resource numbers and files ("resources.cmake") that the build embeds.
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

// The kinds of image the plug-ins share; each set picks resource numbers
// and names.
ArtImage backgroundImage(const FaceLayout& face);
ArtImage analyserBackgroundImage(const AnalyserFace& face);
ArtImage sliderHandleImage(int id, const std::string& name, Size size);
ArtImage meterStripImage(int id, bool lit);
ArtImage levelTrackImage(int id, const std::string& name, TrackLook look);
// A switch in a well (kSwitchStateHeight rows per state).
ArtImage wellSwitchImage(int id, const std::string& name, int width, std::vector<KeyFace> states);
// A switch standing on the panel, `size` holding all its states.
ArtImage panelSwitchImage(int id, const std::string& name, Size size, std::vector<KeyFace> states);
ArtImage splitSelectorImage(int id, const std::string& name, Size size, const std::string& first,
                            const std::string& second);
ArtImage glyphButtonImage(int id, const std::string& name, Glyph glyph);
ArtImage labelButtonImage(int id, const std::string& name, const std::string& label, int width);
ArtImage rockerImage(int id);
ArtImage graticuleImage(int id, const std::string& name);
ArtImage solidImage(int id, const std::string& name, Size size, Colour colour);
ArtImage aboutImage(int id);

ArtSet solvaneArt();
ArtSet widmoorArt();
ArtSet duplimoArt();
ArtSet scopraArt();

// Every plug-in's set; null when there is none by that name.
const ArtSet* findArtSet(const std::string& plugin);
std::vector<std::string> artSetNames();

// Throws std::runtime_error when a file cannot be written.
void writeArtSet(const ArtSet& set, const std::string& folder);

}  // namespace art
