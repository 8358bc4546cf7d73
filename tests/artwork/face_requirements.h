// What an editor expects of its images: the resource numbers and sizes it
// loads, and the texts it draws itself over the background, each copying
// the background from a point of its own behind the text.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "png_pixels.h"

namespace arttest {

struct ImageNeed {
    int id;
    int width, height;
};

struct TextDisplay {
    Area rect;
    int backX, backY;
};

struct FaceNeeds {
    std::string plugin;
    std::vector<ImageNeed> images;
    std::vector<TextDisplay> texts;
    std::vector<Area> nameField;  // the preset bar's program name field, if any
};

inline void PrintTo(const FaceNeeds& face, std::ostream* out) { *out << face.plugin; }

// The preset bar's images: push buttons hold three states (rest, hover,
// held), the previous/next rocker five (rest, hover left, hover right, left
// held, right held).
inline const std::vector<ImageNeed> kPresetBarImages = {
    {19899, 47, 30},  // default preset
    {19990, 37, 30},  // default bank
    {19991, 12, 42},  // recall A
    {19992, 12, 42},  // recall B
    {19993, 12, 42},  // load bank
    {19994, 12, 42},  // save bank
    {19995, 12, 42},  // store A
    {19996, 12, 42},  // store B
    {19997, 31, 70},  // previous / next
    {19998, 12, 42},  // load preset
    {19999, 12, 42},  // save preset
};

inline std::vector<ImageNeed> withPresetBar(std::vector<ImageNeed> own) {
    own.insert(own.end(), kPresetBarImages.begin(), kPresetBarImages.end());
    return own;
}

// The name field's rows for a preset bar whose top is y0.
inline Area nameFieldArea(int y0) { return {91, y0 + 7, 201, y0 + 23}; }

}  // namespace arttest
