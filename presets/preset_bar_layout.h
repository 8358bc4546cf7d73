// Where the preset bar's controls stand, as plain data: the editor builds the
// bar from it and the artwork tool draws the strip under it (name field well,
// menu marker, memory letters) from the same places. Tops are measured from
// the bar's top edge; left and right are the same on every face.
#pragma once

#include <cstdint>

#include "gui/geometry.h"

namespace preset_bar {

enum Tag : int32_t {
    kNameFieldTag = 1000,
    kRockerTag = 1001,
    kLoadBankTag = 1002,
    kSaveBankTag = 1003,
    kLoadPresetTag = 1004,
    kSavePresetTag = 1005,
    kProgramMenuTag = 1012,
    kDefaultBankTag = 1013,
    kDefaultPresetTag = 1014,
    kStoreATag = 1015,
    kStoreBTag = 1016,
    kRecallATag = 1017,
    kRecallBTag = 1018,
};

constexpr FaceRect kNameFieldPlace{91, 8, 201, 22};
constexpr FaceRect kProgramMenuPlace{207, 7, 217, 21};
constexpr FaceRect kRockerPlace{219, 7, 250, 21};
constexpr int kRockerBitmap = 19997;

// The buttons of the bar besides the name field, the menu and the rocker.
constexpr int kButtonCount = 10;

enum class ButtonKind { kSaveLoad, kKick, kDoubleClickKick };
struct ButtonPlace {
    int32_t tag;
    FaceRect place;
    int bitmapId;
    ButtonKind kind;
};
// In the order the bar builds them. The A and B memories stand in two rows,
// store left of recall.
constexpr ButtonPlace kButtons[kButtonCount] = {
    {kLoadBankTag, {71, 15, 83, 29}, 19993, ButtonKind::kSaveLoad},
    {kSaveBankTag, {8, 15, 20, 29}, 19994, ButtonKind::kSaveLoad},
    {kDefaultBankTag, {26, 17, 63, 27}, 19990, ButtonKind::kDoubleClickKick},
    {kLoadPresetTag, {71, 0, 83, 14}, 19998, ButtonKind::kSaveLoad},
    {kSavePresetTag, {8, 0, 20, 14}, 19999, ButtonKind::kSaveLoad},
    {kDefaultPresetTag, {22, 2, 69, 12}, 19899, ButtonKind::kDoubleClickKick},
    {kRecallATag, {279, 0, 291, 14}, 19991, ButtonKind::kKick},
    {kStoreATag, {254, 0, 266, 14}, 19995, ButtonKind::kKick},
    {kRecallBTag, {279, 15, 291, 29}, 19992, ButtonKind::kKick},
    {kStoreBTag, {254, 15, 266, 29}, 19996, ButtonKind::kKick},
};

constexpr FaceRect buttonPlace(int32_t tag) {
    for (const ButtonPlace& button : kButtons)
        if (button.tag == tag) return button.place;
    return {0, 0, 0, 0};
}

constexpr int bitmapOf(int32_t tag) {
    for (const ButtonPlace& button : kButtons)
        if (button.tag == tag) return button.bitmapId;
    return 0;
}

}  // namespace preset_bar
