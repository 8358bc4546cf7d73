// The analyser's sixteen host programs: four raw parameter values and a name
// each. Values are atomics because the automatic level writes the level of
// the current program from the audio thread; names belong to the host's
// dispatcher thread.
#pragma once

#include <atomic>
#include <cstddef>

#include "host/vst2.h"
#include "plugins/scopra/scopra_parameters.h"

namespace scopra {

constexpr std::size_t kProgramNameBytes = 32;  // 31 characters and the terminator

struct AnalyserProgram {
    std::atomic<float> values[kNumParams];
    char name[kProgramNameBytes];
};

class ProgramBank {
public:
    ProgramBank();  // every program: the rows' initial values, named "init"

    static bool known(VstInt32 program) { return program >= 0 && program < kNumPrograms; }

    float value(VstInt32 program, VstInt32 parameter) const;
    void setValue(VstInt32 program, VstInt32 parameter, float value);

    // Keeps at most 31 characters of `name`.
    void setName(VstInt32 program, const char* name);
    // The stored name into `text` (at most `capacity` bytes with terminator).
    void copyName(VstInt32 program, char* text, std::size_t capacity) const;
    // As the host's current-program query shows it: a program named exactly
    // "Init" reads "Init <program + 1>", every other name as stored.
    void displayName(VstInt32 program, char* text, std::size_t capacity) const;

private:
    AnalyserProgram programs_[kNumPrograms];
};

}  // namespace scopra
