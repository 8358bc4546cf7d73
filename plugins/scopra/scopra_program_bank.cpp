#include "plugins/scopra/scopra_program_bank.h"

#include <cstdio>
#include <cstring>

#include "host/audio_effect.h"

namespace scopra {

namespace {

constexpr const char* kInitialName = "init";
constexpr const char* kNumberedName = "Init";  // shown with the program number

}  // namespace

ProgramBank::ProgramBank() {
    for (AnalyserProgram& program : programs_) {
        for (int k = 0; k < kNumParams; ++k)
            program.values[k].store(kParameterRows[k].initial, std::memory_order_relaxed);
        copyVstString(program.name, kInitialName, kProgramNameBytes);
    }
}

float ProgramBank::value(VstInt32 program, VstInt32 parameter) const {
    if (!known(program) || !knownParameter(parameter)) return 0.0f;
    return programs_[program].values[parameter].load(std::memory_order_relaxed);
}

void ProgramBank::setValue(VstInt32 program, VstInt32 parameter, float value) {
    if (known(program) && knownParameter(parameter))
        programs_[program].values[parameter].store(value, std::memory_order_relaxed);
}

void ProgramBank::setName(VstInt32 program, const char* name) {
    if (known(program) && name) copyVstString(programs_[program].name, name, kProgramNameBytes);
}

void ProgramBank::copyName(VstInt32 program, char* text, std::size_t capacity) const {
    if (known(program) && text && capacity > 0)
        copyVstString(text, programs_[program].name, static_cast<int>(capacity));
}

void ProgramBank::displayName(VstInt32 program, char* text, std::size_t capacity) const {
    if (!known(program) || !text || capacity == 0) return;
    if (std::strcmp(programs_[program].name, kNumberedName) == 0)
        std::snprintf(text, capacity, "%s %d", programs_[program].name, program + 1);
    else
        copyName(program, text, capacity);
}

}  // namespace scopra
