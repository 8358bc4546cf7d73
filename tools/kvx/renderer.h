// Runs a stereo source through an opened effect block by block, in 32-bit
// or 64-bit samples, and writes the result: mains on, process calls of at
// most the block size, mains off.
#pragma once

#include "host/vst2.h"
#include "tools/kvx/level_meter.h"

namespace kvx {

class AudioSource;
class PluginInstance;
class ProgressReporter;
class SoundFileWriter;

struct RenderSettings {
    VstInt32 blockFrames = 512;
    bool doublePrecision = false;
};

struct RenderLevels {
    LevelMeter input;
    LevelMeter output;
};

// Throws KvxError when the effect cannot process as `settings` ask (no
// 64-bit processing, no replacing process entry, no outputs).
void requireProcessing(const PluginInstance& plugin, const RenderSettings& settings);

RenderLevels render(PluginInstance& plugin, AudioSource& source, SoundFileWriter& writer,
                    const RenderSettings& settings, ProgressReporter& progress);

}  // namespace kvx
