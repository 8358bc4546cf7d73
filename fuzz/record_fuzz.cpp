// Feeds arbitrary bytes as preset and bank records (files and remembered
// values) to every plug-in with a preset system. The first byte chooses:
//   bits 0-1  the plug-in
//   bit 2     bank record instead of preset record
//   bit 3     the endian-reversed load
//   bit 4     the bytes laid over the plug-in's own valid record, so that the
//             identifier and tag checks are passed and the values explored
// The record buffer always has the record's size; shorter input leaves the
// rest zero, as a short file does. A refused record must change no program,
// an accepted one must leave every value in 0..1 and load back unchanged.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "fuzz/preset_effects.h"
#include "presets/preset_system_effect.h"
#include "presets/preset_transfer.h"


namespace {

constexpr uint8_t kBankBit = 0x04;
constexpr uint8_t kReversedBit = 0x08;
constexpr uint8_t kOverlayBit = 0x10;

struct Load {
    PresetTransfer& transfer;
    bool bank;

    size_t bytes() const { return bank ? transfer.bankBytes() : transfer.presetBytes(); }
    std::vector<uint8_t> make() const {
        std::vector<uint8_t> record(bytes(), 0);
        if (bank)
            transfer.makeBankRecord(record.data());
        else
            transfer.makePresetRecord(record.data());
        return record;
    }
    bool apply(const std::vector<uint8_t>& record, bool reversed) const {
        return bank ? transfer.applyBankRecord(record.data(), reversed)
                    : transfer.applyPresetRecord(record.data(), reversed);
    }
};

std::vector<uint8_t> wholeBank(PresetTransfer& transfer) {
    std::vector<uint8_t> record(transfer.bankBytes(), 0);
    transfer.makeBankRecord(record.data());
    return record;
}

void checkValuesInRange(const ProgramStore& store) {
    for (int p = 0; p < store.numPrograms(); ++p)
        for (int k = 0; k < store.numParams(); ++k) {
            const float value = store.value(p, k);
            if (!(value >= 0.0f && value <= 1.0f)) std::abort();
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto effects = makePresetEffects();
    if (size < 1 || effects.empty()) return 0;
    const uint8_t mode = data[0];
    CPresetSystemEffect& effect = *effects[(mode & 0x03) % effects.size()];
    const Load load{effect.presetTransfer(), (mode & kBankBit) != 0};
    const bool reversed = (mode & kReversedBit) != 0;
    ++data, --size;

    std::vector<uint8_t> record =
        (mode & kOverlayBit) ? load.make() : std::vector<uint8_t>(load.bytes(), 0);
    std::memcpy(record.data(), data, std::min(size, record.size()));

    const std::vector<uint8_t> bankBefore = wholeBank(load.transfer);
    const int programBefore = effect.getCurrentProgramIndex();
    if (!load.apply(record, reversed)) {
        if (wholeBank(load.transfer) != bankBefore) std::abort();
        if (effect.getCurrentProgramIndex() != (load.bank ? 0 : programBefore)) std::abort();
    } else {
        checkValuesInRange(effect.programStore());
        const std::vector<uint8_t> loaded = wholeBank(load.transfer);
        if (!load.apply(load.make(), false) || wholeBank(load.transfer) != loaded) std::abort();
    }

    // Whatever was loaded, one block of audio must run through it.
    float left[16] = {0.5f, -0.25f}, right[16] = {0.1f};
    float* io[2] = {left, right};
    effect.processReplacing(io, io, 16);
    return 0;
}
