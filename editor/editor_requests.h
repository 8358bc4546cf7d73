// Requests of our own tools to an editor, through the dispatcher's
// effVendorSpecific with a four-character index of ours. Every other
// effVendorSpecific call answers 0.
#pragma once

#include <cstdint>

#include "host/vst2.h"

class AEffEditor;

// The snapshot request: the open editor draws its whole face and copies it
// into a pixel buffer that the caller owns and describes with a
// SnapshotBuffer (the pointer). The plug-in never writes anything else
// (files least of all) on a caller's say-so.
constexpr VstInt32 kSnapshotRequest = fourCharCode('K', 'v', 'P', 'x');

// Pixels are native-endian 32-bit words 0xAARRGGBB with premultiplied
// alpha, rows from the top, `strideBytes` apart.
struct SnapshotBuffer {
    int32_t structBytes;    // sizeof(SnapshotBuffer): anything else is refused
    int32_t width;          // the face's size in pixels
    int32_t height;
    int32_t strideBytes;    // at least width * 4
    uint8_t* pixels;        // null asks for the size only
    int64_t capacityBytes;  // bytes at `pixels`, at least strideBytes * height
};

// The effect's answer to effVendorSpecific(index, value, ptr) for `editor`.
// For the snapshot request, while the editor is open:
// - pixels null: fills in width, height, the smallest stride and the bytes
//   needed, and answers the bytes needed;
// - otherwise: when every field fits the face, copies it and answers 1.
// Any other case answers 0 and writes nothing, not even into the record.
VstIntPtr answerVendorRequest(AEffEditor* editor, VstInt32 index, VstIntPtr value, void* ptr);
