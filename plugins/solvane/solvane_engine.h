// The stereo image controller's signal engine: polarity, channel swap and a
// per-sample mid/side matrix, with four level followers feeding a mid/side
// and a left/right meter reading. No host knowledge; the effect serialises
// process() and reset() and writes the controls from any thread.
#pragma once

#include <atomic>

#include "dsp/level_follower.h"

namespace solvane {

// Engine values derived from the parameters. Each is a single 32-bit store,
// read anew by the engine without a lock.
struct EngineControls {
    std::atomic<float> width{0.5f};        // W, side gain
    std::atomic<float> gain{1.0f};         // G, linear output gain
    std::atomic<float> balanceLeft{1.0f};  // bL
    std::atomic<float> balanceRight{1.0f}; // bR
    std::atomic<float> sideLeft{1.0f};     // sL
    std::atomic<float> sideRight{1.0f};    // sR
    std::atomic<float> centreLeft{1.0f};   // cL
    std::atomic<float> centreRight{1.0f};  // cR
    std::atomic<float> process{1.0f};      // switch states
    std::atomic<float> swap{0.0f};
    std::atomic<float> invertLeft{0.0f};
    std::atomic<float> invertRight{0.0f};
};

class SolvaneEngine {
public:
    EngineControls controls;

    // Followers to 0 and both readings to `reading` (0 on suspend, +0.5 on resume).
    void reset(float reading);

    // One block of n frames; an output may be the same buffer as either input.
    // Sample is float (intermediates rounded to 32 bits) or double.
    template <typename Sample>
    void process(const Sample* const* inputs, Sample* const* outputs, int frames,
                 double sampleRateHz);

    // The meter readings of the last block (the resting value set by reset()
    // until a block has run). They are taken from the followers the block
    // published, when they are read, so that short blocks pay no logarithms.
    float midSideReading() const;
    float leftRightReading() const;

    struct Followers {
        double sum = 0.0;   // |left + right| of the output
        double diff = 0.0;  // |left - right|
        double left = 0.0;
        double right = 0.0;
    };
    const Followers& followers() const { return followers_; }

    // Frames processed with one reading of the matrix factors: a parameter
    // change reaches the matrix within this many frames, even inside a block.
    static constexpr int kControlFrames = 32;

private:
    struct MatrixFactors {
        float width, sideLeft, sideRight, balanceLeft, balanceRight, centreLeft, centreRight;
        bool swapped;
    };

    MatrixFactors readMatrixFactors() const;
    template <typename Sample>
    static void applyMatrix(const Sample* inL, const Sample* inR, Sample* outL, Sample* outR,
                            int frames, double gainLeft, double gainRight,
                            const MatrixFactors& factors);
    template <typename Sample>
    void followOutput(const Sample* left, const Sample* right, int frames, double coeff);
    template <typename Sample>
    void passThrough(const Sample* const* inputs, Sample* const* outputs, int frames,
                     double coeff);
    template <typename Sample>
    void matrix(const Sample* const* inputs, Sample* const* outputs, int frames, double coeff);
    template <typename Sample>
    void finishBlock();

    Followers followers_;
    FollowerCoefficientCache followerCoeff_;
    // What the last block leaves for the readers, one atomic each: a reader
    // may combine two blocks' values, which only shows an older level.
    struct PublishedFollowers {
        std::atomic<double> sum{0.0}, diff{0.0}, left{0.0}, right{0.0};
        std::atomic<float> restingReading{0.0f};
        std::atomic<bool> measured{false};  // a block has run since the reset
    };
    PublishedFollowers published_;
};

}  // namespace solvane
