// Single steps of one-pole followers kept in 32-bit fields: an instant-attack
// peak follower, a smoothing step, the release coefficient they use, and the
// recovery of a field from non-finite input.
#pragma once

#include <cmath>

#include "dsp/level_follower.h"
#include "dsp/quad.h"

namespace follower_steps {

using level_follower::releaseCoefficient;

// Instant attack, exponential release: the input when it exceeds the
// follower, else follower + (input - follower) * coeff. For a follower and an
// input that are not negative and 0 <= coeff < 1 the released value lies
// between input and follower even after rounding, so the larger of input and
// released value is that same result, bit for bit, without a branch.
// Sample may also be a vector of samples, stepped lane by lane; the step is
// always inlined, so wide vectors never cross a call.
template <typename Sample>
[[gnu::always_inline]] inline Sample peakStep(Sample follower, Sample input, Sample coeff) {
    const Sample released = follower + (input - follower) * coeff;
    return input > released ? input : released;
}

// The same for four followers side by side; each lane rounds as above.
template <typename Sample>
inline Quad<Sample> peakStep(const Quad<Sample>& follower, const Quad<Sample>& input,
                             const Quad<Sample>& coeff) {
    return greaterOf(input, follower + (input - follower) * coeff);
}

// For a single follower or, lane by lane, for a Quad of them.
template <typename Sample>
[[gnu::always_inline]] inline Sample smoothStep(Sample state, Sample input, Sample coeff) {
    return state + (input - state) * coeff;
}

// A field that took a NaN or an infinity starts again from 0.
inline float recovered(float value) { return std::isfinite(value) ? value : 0.0f; }

}  // namespace follower_steps
