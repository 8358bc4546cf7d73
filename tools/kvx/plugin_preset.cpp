#include "tools/kvx/plugin_preset.h"

#include <fstream>
#include <vector>

#include "platform/record_files.h"
#include "presets/bank_chunk.h"
#include "presets/byte_order.h"
#include "presets/preset_records.h"
#include "tools/kvx/info_printer.h"
#include "tools/kvx/kvx_error.h"
#include "tools/kvx/plugin_instance.h"

namespace kvx {

namespace {

constexpr VstInt32 kWholeBank = 0;  // effGetChunk index: bank, not program
// Far beyond any bank of ours; keeps the size arithmetic of a foreign
// chunk's header within range.
constexpr uint64_t kMaxBankPrograms = 1u << 16;
constexpr VstInt32 kMaxProgramParams = 1 << 16;
constexpr bool kNotEndianReversed = false;  // the plug-in's plain "Load preset"

bool hasBankChunkLayout(const uint8_t* chunk, uint64_t bytes, const AEffect& effect) {
    if (bytes < kBankChunkHeaderBytes) return false;
    const uint64_t programs = readWordLE(chunk + bank_chunk_offset::kNumPrograms);
    const uint64_t recordBytes = static_cast<uint64_t>(programRecordBytes(effect.numParams));
    return readWordLE(chunk + bank_chunk_offset::kFormat) == kBankChunkFormat &&
           readWordLE(chunk + bank_chunk_offset::kUniqueId) ==
               static_cast<uint32_t>(effect.uniqueID) &&
           programs > 0 && programs <= kMaxBankPrograms &&
           bytes == kBankChunkHeaderBytes + programs * recordBytes;
}

// Our plug-ins with presets hand the host their whole bank in a chunk of
// this layout; that, for the effect's own identifier and parameter count, is
// what tells them from scopra and from foreign plug-ins through the binary
// interface alone.
bool keepsPresetBank(PluginInstance& plugin) {
    const AEffect& effect = plugin.effect();
    if (!plugin.hasFlag(effFlagsProgramChunks) || effect.numParams <= 0 ||
        effect.numParams > kMaxProgramParams)
        return false;
    void* data = nullptr;
    const VstIntPtr bytes = plugin.dispatch(effGetChunk, kWholeBank, 0, &data);
    return data && bytes > 0 &&
           hasBankChunkLayout(static_cast<const uint8_t*>(data), static_cast<uint64_t>(bytes),
                              effect);
}

// The file's first bytes, one more than a record so that a longer file shows.
std::vector<uint8_t> readRecordFile(const std::string& path, size_t recordBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw KvxError("cannot read preset file " + path);
    std::vector<uint8_t> bytes(recordBytes + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) throw KvxError("cannot read preset file " + path);
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

// A preset's owner, in either byte order, is looked at first: another
// plug-in's preset is named as such whatever its size.
void checkRecordFile(const std::string& path, const std::vector<uint8_t>& bytes,
                     size_t recordBytes, VstInt32 uniqueId) {
    const auto own = static_cast<uint32_t>(uniqueId);
    if (bytes.size() > kRecordTagOffset && bytes[kRecordTagOffset] == kPresetRecordTag) {
        const uint32_t stored = readWordLE(bytes.data());
        if (stored != own && stored != reverseBytes32(own))
            throw KvxError(path + " is a preset of another plug-in (" +
                           fourCharText(static_cast<VstInt32>(stored)) + ", not " +
                           fourCharText(uniqueId) + ")");
    }
    if (bytes.size() != recordBytes) {
        const std::string size = bytes.size() > recordBytes
                                     ? "more than " + std::to_string(recordBytes)
                                     : std::to_string(bytes.size());
        throw KvxError(path + " is not a preset of this plug-in (" + size +
                       " bytes, its presets have " + std::to_string(recordBytes) + ")");
    }
}

}  // namespace

void requirePresetSystem(PluginInstance& plugin) {
    if (!keepsPresetBank(plugin))
        throw KvxError("the plug-in has no preset system for --preset or --save-preset");
}

void loadPreset(PluginInstance& plugin, const std::string& path) {
    requirePresetSystem(plugin);
    AEffect& effect = plugin.effect();
    const size_t recordBytes = presetRecordBytes(effect.numParams);
    const std::vector<uint8_t> record = readRecordFile(path, recordBytes);
    checkRecordFile(path, record, recordBytes, effect.uniqueID);
    std::vector<uint8_t> program(static_cast<size_t>(programRecordBytes(effect.numParams)));
    if (!readPresetRecord(record.data(), effect.numParams, effect.uniqueID, kNotEndianReversed,
                          program.data()))
        throw KvxError(path + " is malformed (not a preset record, or a value outside 0 to 1)");
    char name[kProgramNameBytes + 1];
    loadProgramName(program.data(), name);
    plugin.dispatch(effSetProgramName, 0, 0, name);
    for (VstInt32 k = 0; k < effect.numParams; ++k)
        effect.setParameter(&effect, k, readFloatLE(program.data() + kProgramNameBytes + 4 * k));
}

void savePreset(PluginInstance& plugin, const std::string& path) {
    requirePresetSystem(plugin);
    AEffect& effect = plugin.effect();
    ProgramStore current(1, effect.numParams);
    if (!current.data()) throw KvxError("out of memory for the preset of " + path);
    current.setName(0, plugin.rawText(effGetProgramName).c_str());
    for (VstInt32 k = 0; k < effect.numParams; ++k)
        current.setValue(0, k, effect.getParameter(&effect, k));
    std::vector<uint8_t> record(presetRecordBytes(current));
    writePresetRecord(current, 0, effect.uniqueID, record.data());
    if (!writeWholeFile(path, record.data(), record.size()))
        throw KvxError("cannot write preset file " + path);
}

}  // namespace kvx
