// The level follower's per-sample coefficient, recomputed only when the
// sample rate changes, so that a block costs no power function.
#pragma once

#include "dsp/level_follower.h"

class FollowerCoefficientCache {
public:
    double at(double sampleRateHz) {
        if (sampleRateHz != rateHz_) {
            rateHz_ = sampleRateHz;
            coeff_ = level_follower::coefficient(sampleRateHz);
        }
        return coeff_;
    }

private:
    double rateHz_ = level_follower::kDefaultSampleRateHz;
    double coeff_ = level_follower::coefficient(level_follower::kDefaultSampleRateHz);
};
