// widmoor.so against a plain, literal model of the comb, bit for bit: random
// signals through random settings (values outside 0 to 1 included), every
// mode, phase on and off, both precisions, blocks of random sizes, some of
// them processed in place, and delays at both ends of the ring. The model
// holds the ring and the previous delayed value as 32-bit floats, rounds
// only M, S, P, Q, m, d, e, left and right to the path's sample type and
// computes everything between them in double. The engine computes the same
// steps four frames at a time; this catches any difference in rounding.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "tests/support/plugin_fixture.h"

namespace {

constexpr int kRingSamples = 32768;
constexpr int kRingMask = kRingSamples - 1;

// Normalised parameter values in the order of the parameter indices.
struct Setting {
    float depth, baseFreq, widthEmphasis, process, phase, mode;
};

// Sample is the path's precision: each named intermediate is rounded to it.
template <typename Sample>
class LiteralComb {
public:
    LiteralComb(const Setting& s, double sampleRateHz)
        : ringA_(kRingSamples), ringB_(kRingSamples) {
        const float twice = s.depth + s.depth;
        depthGain_ = twice * twice * 0.5f;
        const float frequencyHz = 980.0f * s.baseFreq * s.baseFreq + 20.0f;
        w_ = s.widthEmphasis;
        processOn_ = std::trunc(s.process + 0.5f) >= 0.5f;
        sign_ = std::trunc(s.phase + 0.5f) >= 0.5f ? -1.0 : 1.0;
        mode_ = s.mode < 0.33 ? 0 : s.mode < 0.67 ? 1 : 2;
        const double wholeRate = std::trunc(sampleRateHz);
        const double period = wholeRate / frequencyHz;
        read_ = static_cast<int64_t>(std::trunc((kRingSamples + write_) - period)) & kRingMask;
    }

    void process(const Sample* inL, const Sample* inR, Sample* outL, Sample* outR, int frames) {
        static constexpr double kGainPerDepth[3] = {0.75, 0.32, 1.6};
        const double g = kGainPerDepth[mode_] * double(depthGain_);
        for (int i = 0; i < frames; ++i) {
            const Sample L = inL[i], R = inR[i];
            if (!processOn_) {
                outL[i] = L, outR[i] = R;
                continue;
            }
            Sample left, right;
            if (mode_ == 0) {
                const double W = 1.0 + 3.0 * double(w_);
                const Sample M = Sample(double(L) + double(R));
                const Sample S = Sample(W * (double(L) - double(R)));
                const Sample P = Sample(double(M) + double(S));
                const Sample Q = Sample(double(M) - double(S));
                ringA_[write_] = float(sign_ * P);
                ringB_[write_] = float(sign_ * Q);
                const float a = ringA_[read_], b = ringB_[read_];
                left = Sample(0.5 * (double(P) + g * (double(a) - double(b))));
                right = Sample(0.5 * (double(Q) + g * (double(b) - double(a))));
            } else if (mode_ == 1) {
                ringA_[write_] = float(double(L) + double(R));
                const Sample e = emphasised();
                left = Sample(double(L) + g * double(e));
                right = Sample(double(R) - g * double(e));
            } else {
                const Sample m = Sample(0.5 * (double(L) + double(R)));
                const Sample d = Sample(0.5 * (double(L) - double(R)));
                ringA_[write_] = float(d);
                const Sample e = emphasised();
                left = Sample((double(m) + g * double(e)) + double(d));
                right = Sample((double(m) - g * double(e)) - double(d));
            }
            outL[i] = left, outR[i] = right;
            write_ = (write_ + 1) & kRingMask;
            read_ = (read_ + 1) & kRingMask;
        }
    }

private:
    // e = s (a - w y), y <- a
    Sample emphasised() {
        const float a = ringA_[read_];
        const Sample e = Sample(sign_ * (double(a) - double(w_) * double(y_)));
        y_ = a;
        return e;
    }

    std::vector<float> ringA_, ringB_;
    int64_t write_ = 0, read_ = 0;
    float y_ = 0.0f;
    float depthGain_, w_;
    bool processOn_;
    double sign_;
    int mode_;
};

class WidmoorReferenceModel : public PluginFixture {
protected:
    WidmoorReferenceModel() : PluginFixture("widmoor.so") {}

    // Fresh state at the given rate, then the setting, in the order a host
    // that sets parameters after resuming uses.
    void start(const Setting& s, float sampleRateHz) {
        plugin->dispatch(effMainsChanged, 0, 0);
        plugin->dispatch(effSetSampleRate, 0, 0, nullptr, sampleRateHz);
        plugin->dispatch(effMainsChanged, 0, 1);
        const float values[6] = {s.depth, s.baseFreq, s.widthEmphasis, s.process, s.phase, s.mode};
        for (int k = 0; k < 6; ++k) set(k, values[k]);
    }

    // Every other block in place, as hosts may pass the same buffers.
    template <typename Sample>
    void process(std::vector<Sample>& l, std::vector<Sample>& r, std::vector<Sample>& outL,
                 std::vector<Sample>& outR, size_t at, int frames) {
        Sample* out[2] = {&outL[at], &outR[at]};
        Sample* in[2] = {&l[at], &r[at]};
        if (++blocks_ % 2) {
            std::copy_n(in[0], frames, out[0]);
            std::copy_n(in[1], frames, out[1]);
            in[0] = out[0], in[1] = out[1];
        }
        if constexpr (sizeof(Sample) == sizeof(float))
            effect->processReplacing(effect, in, out, frames);
        else
            effect->processDoubleReplacing(effect, in, out, frames);
    }

    template <typename Sample>
    void expectModel(unsigned seed);
    template <typename Sample>
    void expectCase(const Setting& s, float rateHz, std::mt19937& random);

    int blocks_ = 0;
};

// Random input, loud and soft in turn, through the plug-in and the model in
// the same blocks of random sizes; every output sample must agree.
template <typename Sample>
void WidmoorReferenceModel::expectCase(const Setting& s, float rateHz, std::mt19937& random) {
    constexpr size_t kFrames = 12000;
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    start(s, rateHz);
    std::vector<Sample> l(kFrames), r(kFrames), outL(kFrames), outR(kFrames);
    for (size_t i = 0; i < kFrames; ++i) {
        const double loudness = (i / 2000) % 2 ? 6.0 : 0.7;
        l[i] = Sample(loudness * noise(random)), r[i] = Sample(loudness * noise(random));
    }
    LiteralComb<Sample> model(s, rateHz);
    std::vector<Sample> modelL(kFrames), modelR(kFrames);
    for (size_t at = 0; at < kFrames;) {
        const int n = std::min<int>(1 + random() % 300, int(kFrames - at));
        process(l, r, outL, outR, at, n);
        model.process(&l[at], &r[at], &modelL[at], &modelR[at], n);
        at += n;
    }
    for (size_t i = 0; i < kFrames; ++i) {
        ASSERT_EQ(outL[i], modelL[i]) << "frame " << i;
        ASSERT_EQ(outR[i], modelR[i]) << "frame " << i;
    }
}

template <typename Sample>
void WidmoorReferenceModel::expectModel(unsigned seed) {
    std::mt19937 random(seed);
    auto uniform = [&random](double lo, double hi) {
        return float(std::uniform_real_distribution<double>(lo, hi)(random));
    };
    const float kRates[] = {44100.0f, 48000.0f, 22050.0f, 96000.0f};
    const float kModeRanges[3][2] = {{-0.6f, 0.32f}, {0.34f, 0.66f}, {0.68f, 1.7f}};
    const float kOn[] = {1.0f, 0.7f, 2.6f}, kOff[] = {0.0f, 0.3f, -1.2f};
    for (int mode = 0; mode < 3; ++mode)
        for (int phase = 0; phase < 2; ++phase)
            for (int repeat = 0; repeat < 4; ++repeat) {
                const bool processOff = repeat == 3 && phase == 1;
                const Setting s{uniform(-1.6, 1.6), uniform(-1.2, 1.2), uniform(-0.6, 1.6),
                                processOff ? kOff[mode] : kOn[random() % 3],
                                phase ? kOn[random() % 3] : kOff[random() % 3],
                                uniform(kModeRanges[mode][0], kModeRanges[mode][1])};
                SCOPED_TRACE(::testing::Message() << "mode " << mode << " phase " << phase
                                                  << " repeat " << repeat);
                expectCase<Sample>(s, kRates[random() % 4], random);
            }
    // Delays at the ends of the ring: 0 to 3 samples (a frame reads what the
    // frames just before it wrote) and 32764 to 32767 (it reads slots the
    // next frames are about to write).
    struct Edge { float rateHz, baseFreq; };
    const Edge kEdges[] = {{655360, 0}, {1000, 1}, {2000, 1}, {3000, 1},
                           {655280, 0}, {655300, 0}, {655320, 0}, {655340, 0}};
    int edge = 0;
    for (const Edge& e : kEdges) {
        const float phase = edge % 2 ? 1.0f : 0.0f;
        const Setting s{1.0f, e.baseFreq, 0.7f, 1, phase, kModeRanges[edge % 3][0]};
        SCOPED_TRACE(::testing::Message() << "rate " << e.rateHz);
        expectCase<Sample>(s, e.rateHz, random);
        ++edge;
    }
}

TEST_F(WidmoorReferenceModel, ThirtyTwoBitPathBitForBit) { expectModel<float>(21); }

TEST_F(WidmoorReferenceModel, SixtyFourBitPathBitForBit) { expectModel<double>(22); }

}  // namespace
