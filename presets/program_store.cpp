#include "presets/program_store.h"

#include <cstring>
#include <new>

void storeProgramName(uint8_t* record, const char* name) {
    std::memset(record, 0, kProgramNameBytes);
    if (!name) return;
    for (int i = 0; i < kProgramNameBytes && name[i]; ++i)
        record[i] = static_cast<uint8_t>(name[i]);
}

void loadProgramName(const uint8_t* record, char* text) {
    std::memcpy(text, record, kProgramNameBytes);
    text[kProgramNameBytes] = 0;
}

ProgramStore::ProgramStore(int numPrograms, int numParams)
    : numPrograms_(numPrograms),
      numParams_(numParams),
      bytes_(new (std::nothrow) uint8_t[offset(numPrograms)]()) {}

// Record images are little-endian, as is every platform the family runs on,
// so a value is its native float bits. Every value word is 4-byte aligned
// (records are multiples of 4 bytes), which makes each access a single 32-bit
// load or store: automation may write a value while the host saves the bank.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "record images are little-endian");

namespace {

uint32_t* valueWord(uint8_t* record, int param) {
    return reinterpret_cast<uint32_t*>(record + kProgramNameBytes + 4 * param);
}

}  // namespace

float ProgramStore::value(int program, int param) const {
    auto* word = valueWord(const_cast<uint8_t*>(record(program)), param);
    const uint32_t bits = __atomic_load_n(word, __ATOMIC_RELAXED);
    float result;
    std::memcpy(&result, &bits, sizeof result);
    return result;
}

void ProgramStore::setValue(int program, int param, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    __atomic_store_n(valueWord(record(program), param), bits, __ATOMIC_RELAXED);
}
