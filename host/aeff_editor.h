// Base of every effect's editor as the host boundary sees it. The effect owns
// its editor and forwards the editor opcodes here. The last group of virtual
// operations are the family's own hooks through which an effect tells its
// editor about changes; they do nothing until an editor implements them.
#pragma once

#include <cstdint>

#include "host/vst2.h"

class AudioEffect;

// Requests of our own tools to an editor come through the dispatcher's
// effVendorSpecific with a four-character index of ours; every other
// effVendorSpecific call answers 0.
//
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

class AEffEditor {
public:
    explicit AEffEditor(AudioEffect* effect) : effect_(effect) {}
    virtual ~AEffEditor() = default;
    AEffEditor(const AEffEditor&) = delete;
    AEffEditor& operator=(const AEffEditor&) = delete;

    virtual AudioEffect* getEffect() { return effect_; }
    virtual bool getRect(ERect** rect) {
        if (rect) *rect = &rect_;
        return true;
    }
    virtual bool open(void* parentWindow) {
        systemWindow_ = parentWindow;
        return true;
    }
    virtual void close() { systemWindow_ = nullptr; }
    virtual bool isOpen() { return systemWindow_ != nullptr; }
    virtual void idle() {}
    virtual bool onKeyDown(VstKeyCode&) { return false; }
    virtual bool onKeyUp(VstKeyCode&) { return false; }
    virtual bool onWheel(float) { return false; }
    virtual bool setKnobMode(VstInt32) { return false; }
    // False when something the editor allocates while it is built could not
    // be had; the effect then counts as not constructed.
    virtual bool constructed() const { return true; }
    // The answer to effVendorSpecific(index, value, ptr); 0 unless the editor
    // knows the request.
    virtual VstIntPtr vendorRequest(VstInt32 /*index*/, VstIntPtr /*value*/, void* /*ptr*/) {
        return 0;
    }

    // Family hooks, called by the effect.
    virtual void parameterChanged(VstInt32 /*index*/, float /*value*/) {}
    virtual void resetMeters() {}
    // The current program's name, for the name field and the current entry
    // of the program menu.
    virtual void showProgramName(const char* /*name*/) {}
    // The program menu makes entry `index` current and shows `name` as its
    // title (a bank was loaded).
    virtual void showProgramEntry(VstInt32 /*index*/, const char* /*name*/) {}

protected:
    AudioEffect* effect_;
    void* systemWindow_ = nullptr;
    ERect rect_{0, 0, 0, 0};
};
