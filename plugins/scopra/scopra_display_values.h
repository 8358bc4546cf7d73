// The four meter values in display scale. The editor computes and writes them
// on its idle; the measurement resets clear them.
#pragma once

#include <atomic>

#include "plugins/scopra/scopra_measurement_state.h"

namespace scopra {

struct DisplayValues {
    float rms[kNumMeters] = {};   // displayRms1, displayRms2
    float peak[kNumMeters] = {};  // displayPeak1, displayPeak2
};

class SharedDisplayValues {
public:
    void store(const DisplayValues& values) {
        for (int m = 0; m < kNumMeters; ++m) {
            rms_[m].store(values.rms[m], std::memory_order_relaxed);
            peak_[m].store(values.peak[m], std::memory_order_relaxed);
        }
    }
    DisplayValues load() const {
        DisplayValues values;
        for (int m = 0; m < kNumMeters; ++m) {
            values.rms[m] = rms_[m].load(std::memory_order_relaxed);
            values.peak[m] = peak_[m].load(std::memory_order_relaxed);
        }
        return values;
    }
    void clear() { store(DisplayValues{}); }

private:
    std::atomic<float> rms_[kNumMeters] = {};
    std::atomic<float> peak_[kNumMeters] = {};
};

}  // namespace scopra
