// Feeds arbitrary bytes to the host chunk of every plug-in with a preset
// system. The first byte picks the plug-in and the mode: raw bytes as the whole
// chunk, or the bytes laid over a valid chunk of the right size (so that the
// header and the records behind it are explored too). After every accepted or
// refused chunk the bank must still be a well-formed chunk of its own, every
// value in it a number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "fuzz/preset_effects.h"
#include "presets/preset_system_effect.h"


namespace {

std::vector<uint8_t> currentChunk(CPresetSystemEffect& effect) {
    void* data = nullptr;
    const VstInt32 size = effect.getChunk(&data, false);
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

void checkWellFormed(CPresetSystemEffect& effect) {
    const std::vector<uint8_t> chunk = currentChunk(effect);
    const int index = effect.getCurrentProgramIndex();
    const ProgramStore& store = effect.programStore();
    if (index < 0 || index >= store.numPrograms()) std::abort();
    for (int p = 0; p < store.numPrograms(); ++p)
        for (int k = 0; k < store.numParams(); ++k)
            if (!std::isfinite(store.value(p, k))) std::abort();
    // Our own chunk is always taken back as it is.
    std::vector<uint8_t> copy = chunk;
    if (effect.setChunk(copy.data(), static_cast<VstInt32>(copy.size()), false) != 0) std::abort();
    if (currentChunk(effect) != chunk) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto effects = makePresetEffects();
    if (size < 1 || effects.empty()) return 0;
    CPresetSystemEffect& effect = *effects[data[0] % effects.size()];
    const bool overlay = (data[0] & 0x80) != 0;
    ++data, --size;

    std::vector<uint8_t> chunk;
    if (overlay) {
        chunk = currentChunk(effect);
        std::memcpy(chunk.data(), data, std::min(size, chunk.size()));
    } else {
        chunk.assign(data, data + size);
    }
    effect.setChunk(chunk.empty() ? nullptr : chunk.data(), static_cast<VstInt32>(chunk.size()),
                    false);
    checkWellFormed(effect);

    // Whatever was loaded, one block of audio must run through it.
    float left[16] = {0.5f, -0.25f}, right[16] = {0.1f};
    float* io[2] = {left, right};
    effect.processReplacing(io, io, 16);
    return 0;
}
