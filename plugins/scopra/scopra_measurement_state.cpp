#include "plugins/scopra/scopra_measurement_state.h"

namespace scopra {

namespace {

template <typename T, int N>
void storeAll(std::atomic<T> (&to)[N], const T (&from)[N]) {
    for (int k = 0; k < N; ++k) to[k].store(from[k], std::memory_order_relaxed);
}

template <typename T, int N>
void loadAll(T (&to)[N], const std::atomic<T> (&from)[N]) {
    for (int k = 0; k < N; ++k) to[k] = from[k].load(std::memory_order_relaxed);
}

}  // namespace

void PublishedReadings::publish(const MeasurementState& state) {
    storeAll(peak_, state.peak);
    storeAll(meanSquare_, state.meanSquare);
    autoEnvelope_.store(state.autoEnvelope, std::memory_order_relaxed);
    storeAll(heldPeak_, state.heldPeak);
    storeAll(holdCount_, state.holdCount);
}

MeasurementState PublishedReadings::snapshot() const {
    MeasurementState state;
    loadAll(state.peak, peak_);
    loadAll(state.meanSquare, meanSquare_);
    state.autoEnvelope = autoEnvelope_.load(std::memory_order_relaxed);
    loadAll(state.heldPeak, heldPeak_);
    loadAll(state.holdCount, holdCount_);
    return state;
}

}  // namespace scopra
