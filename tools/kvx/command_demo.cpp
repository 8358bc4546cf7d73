#include <iostream>

#include "tools/kvx/commands.h"
#include "tools/kvx/demo_signal.h"
#include "tools/kvx/renderer.h"
#include "tools/kvx/sound_file_writer.h"

namespace kvx {

int runDemo(const Arguments& args) {
    const DemoOptions options = parseDemoOptions(args);
    const StereoSignal demo = makeDemoSignal(options.sampleRateHz.value_or(kDemoDefaultRateHz));
    SoundFileWriter writer(options.outputPath, demo.sampleRateHz, options.outputFormat);
    writer.write(demo.left.data(), demo.right.data(), demo.left.size());
    writer.close();
    LevelMeter levels;
    levels.add(demo.left.data(), demo.right.data(), demo.left.size());
    std::cout << "demo: " << demo.left.size() << " frames at " << demo.sampleRateHz << " Hz, "
              << describeLevels(levels) << "\n";
    return 0;
}

}  // namespace kvx
