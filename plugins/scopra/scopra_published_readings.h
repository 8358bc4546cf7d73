// The measured values as the audio thread publishes them after every block,
// for the editor to read on its idle. Each value is a single 32-bit atomic:
// readers get whole values, not one consistent set.
#pragma once

#include <atomic>
#include <cstdint>

#include "plugins/scopra/scopra_measurement_state.h"

namespace scopra {

class PublishedReadings {
public:
    void publish(const MeasurementState& state);
    MeasurementState snapshot() const;

private:
    std::atomic<float> peak_[kNumSignals] = {};
    std::atomic<float> meanSquare_[kNumSignals] = {};
    std::atomic<float> autoEnvelope_{0.0f};
    std::atomic<float> heldPeak_[kNumMeters] = {};
    std::atomic<int32_t> holdCount_[kNumMeters] = {};
};

}  // namespace scopra
