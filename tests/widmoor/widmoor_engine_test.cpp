// The comb engine through the effect object: impulse responses, closed-form
// responses to random input, delay lengths, bypass and recovery.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstring>
#include <limits>
#include <random>

#include "plugins/widmoor/widmoor_engine.h"
#include "tests/widmoor/widmoor_test_support.h"

using namespace widmoor_test;

namespace {

constexpr long double kRate = 44100.0L;
constexpr float kModeValue[3] = {0.0f, 0.5f, 1.0f};
constexpr long double kGainPerDepth[3] = {0.75L, 0.32L, 1.6L};

template <typename Sample>
long double tolerance() {
    return sizeof(Sample) == sizeof(float) ? 2e-6L : 1e-12L;
}

// Delay of one period of 980 v^2 + 20 Hz, rounded up to whole samples.
long double periodOf(float baseFreq) {
    return std::ceil(kRate / (980.0L * baseFreq * baseFreq + 20.0L));
}

template <typename Sample>
Stereo<Sample> randomStereo(size_t frames, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> sample(-1.0, 1.0);
    Stereo<Sample> s(frames);
    for (size_t i = 0; i < frames; ++i) s.l[i] = Sample(sample(random)), s.r[i] = Sample(sample(random));
    return s;
}

}  // namespace

template <typename Sample>
class WidmoorEngine : public ::testing::Test {};
using Precisions = ::testing::Types<float, double>;
TYPED_TEST_SUITE(WidmoorEngine, Precisions);

// Unit impulse on the left, depth 1 (D = 2), wdth/emph 0.5, at delays of
// 2205 (20 Hz) and 45 (1000 Hz) samples; every output sample is checked.
TYPED_TEST(WidmoorEngine, ImpulseResponsesInEveryMode) {
    using Sample = TypeParam;
    const long double w = 0.5L, depth = 2.0L;
    for (float baseFreq : {0.0f, 1.0f})
        for (int mode = 0; mode < 3; ++mode)
            for (int phase = 0; phase < 2; ++phase) {
                auto effect = makeEffect();
                setAll(*effect, {1.0f, baseFreq, 0.5f, 1, float(phase), kModeValue[mode]});
                const auto d = static_cast<size_t>(periodOf(baseFreq));
                Stereo<Sample> in(d + 8);
                in.l[0] = 1;
                const Stereo<Sample> out = run(*effect, in);

                const long double s = phase ? -1.0L : 1.0L, g = kGainPerDepth[mode] * depth;
                std::vector<long double> left(in.l.size()), right(in.l.size());
                if (mode == 0) {  // side comb: W = 1 + 3w, the side S = W on the impulse
                    const long double width = 1.0L + 3.0L * w;
                    left[0] = (1 + width) / 2, right[0] = (1 - width) / 2;
                    left[d] = g * s * width, right[d] = -left[d];
                } else {  // delayed x minus w times its predecessor, x = L + R or (L - R) / 2
                    const long double x = mode == 1 ? 1.0L : 0.5L;
                    left[0] = 1;
                    left[d] = g * s * x, right[d] = -left[d];
                    left[d + 1] = -g * s * w * x, right[d + 1] = -left[d + 1];
                }
                for (size_t i = 0; i < in.l.size(); ++i) {
                    SCOPED_TRACE(::testing::Message() << "mode " << mode << " phase " << phase
                                                      << " delay " << d << " sample " << i);
                    EXPECT_NEAR(out.l[i], left[i], tolerance<Sample>());
                    EXPECT_NEAR(out.r[i], right[i], tolerance<Sample>());
                }
            }
}

// Random input at many settings: the sum of the channels is kept, and their
// difference follows the closed form of each mode over the input's history.
TYPED_TEST(WidmoorEngine, RandomInputFollowsTheClosedForm) {
    using Sample = TypeParam;
    const Stereo<Sample> in = randomStereo<Sample>(2600, 7);
    int settings = 0;
    for (int mode = 0; mode < 3; ++mode)
        for (int phase = 0; phase < 2; ++phase)
            for (float depth : {0.3f, 1.0f})
                for (float w : {0.0f, 0.7f})
                    for (float baseFreq : {0.0f, 0.5f, 1.0f}) {
                        auto effect = makeEffect();
                        setAll(*effect, {depth, baseFreq, w, 1, float(phase), kModeValue[mode]});
                        const Stereo<Sample> out = run(*effect, in, 100);
                        const long double s = phase ? -1.0L : 1.0L;
                        const long double g = kGainPerDepth[mode] * 2.0L * depth * depth;
                        const auto d = static_cast<long>(periodOf(baseFreq));
                        auto at = [&](const std::vector<Sample>& v, long t) -> long double {
                            return t < 0 ? 0.0L : v[t];
                        };
                        auto side = [&](long t) { return at(in.l, t) - at(in.r, t); };
                        auto x = [&](long t) {  // what the emphasis modes delay
                            return mode == 1 ? at(in.l, t) + at(in.r, t) : side(t) / 2;
                        };
                        for (long t = 0; t < static_cast<long>(in.l.size()); ++t) {
                            const long double sum = at(in.l, t) + at(in.r, t);
                            long double diff;
                            if (mode == 0) {
                                const long double width = 1.0L + 3.0L * w;
                                diff = width * side(t) + 2 * g * s * width * side(t - d);
                            } else {
                                diff = side(t) + 2 * g * s * (x(t - d) - w * x(t - d - 1));
                            }
                            const long double tol = 1e-5L * (1 + std::fabs(diff));
                            ASSERT_NEAR(out.l[t] + out.r[t], sum, 1e-5L) << "setting " << settings;
                            ASSERT_NEAR(out.l[t] - out.r[t], diff, tol) << "setting " << settings;
                        }
                        ++settings;
                    }
    EXPECT_EQ(settings, 72);
}

// "process" off copies bit for bit (also in place), leaves the ring alone and
// still moves the meter.
TYPED_TEST(WidmoorEngine, BypassCopiesAndKeepsTheRing) {
    using Sample = TypeParam;
    auto effect = makeEffect();
    setAll(*effect, {1.0f, 1.0f, 0.0f, 0, 0, 0.0f});  // delay 45
    Stereo<Sample> in = randomStereo<Sample>(512, 3);
    in.l[5] = std::numeric_limits<Sample>::denorm_min();
    in.r[6] = std::numeric_limits<Sample>::quiet_NaN();
    in.l[7] = -0.0;
    in.r[8] = std::numeric_limits<Sample>::infinity();
    const Stereo<Sample> out = run(*effect, in);
    EXPECT_EQ(0, std::memcmp(out.l.data(), in.l.data(), in.l.size() * sizeof(Sample)));
    EXPECT_EQ(0, std::memcmp(out.r.data(), in.r.data(), in.r.size() * sizeof(Sample)));
    Stereo<Sample> inPlace = randomStereo<Sample>(512, 4);
    const Stereo<Sample> copy = inPlace;
    Sample* io[2] = {inPlace.l.data(), inPlace.r.data()};
    if constexpr (sizeof(Sample) == sizeof(float)) effect->processReplacing(io, io, 512);
    else effect->processDoubleReplacing(io, io, 512);
    EXPECT_EQ(inPlace.l, copy.l);
    EXPECT_EQ(inPlace.r, copy.r);
    EXPECT_NE(effect->widthMeter(), 0.0f);

    // An impulse written before a stretch of bypass arrives 45 processed samples later.
    effect->resume();
    effect->setParameter(widmoor::kProcess, 1);
    Stereo<Sample> first(10), paused(100), second(40);
    first.l[0] = 1;
    run(*effect, first);
    effect->setParameter(widmoor::kProcess, 0);
    run(*effect, paused);
    effect->setParameter(widmoor::kProcess, 1);
    const Stereo<Sample> late = run(*effect, second);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(late.r[i], i == 35 ? Sample(-1.5) : Sample(0)) << i;
}

// Delay lengths from sample rate and base frequency, wrapped round the ring,
// for ordinary and absurd values; the measured arrival agrees.
TEST(WidmoorDelay, LengthsForRatesAndFrequencies) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case { float rate, baseFreq; int delay; };
    const Case cases[] = {
        {44100, 0.5f, 167}, {44100, 0, 2205}, {44100, 1, 45},   {8000, 0.5f, 31},
        {8000, 1, 8},       {192000, 0, 9600}, {192000, 1, 192}, {48000, 0, 2400},
        {0, 0.5f, 167},     {nan, 0, 2205},    {-5, 1, 45},      {inf, 0, 2205},
        {655340, 0, 32767}, {655360, 0, 0},    {1e7f, 0, 8480},  {1e12f, 0, 26215},
        {44100, 1e30f, 0},  {44100, -inf, 0},  {44100, -3, 5},   {44100, 1e-30f, 2205},
    };
    for (const Case& c : cases) {
        auto effect = makeEffect(c.rate);
        effect->suspend();
        effect->setParameter(widmoor::kBaseFreq, c.baseFreq);
        EXPECT_EQ(effect->delaySamples(), c.delay) << c.rate << " Hz, baseFreq " << c.baseFreq;
        effect->setParameter(widmoor::kBaseFreq, nan);  // no usable delay: keep the last
        EXPECT_EQ(effect->delaySamples(), c.delay);

        setAll(*effect, {1.0f, c.baseFreq, 0.0f, 1, 0, 0.0f});
        Stereo<float> in(32768 + 4);
        in.l[0] = 1;
        const Stereo<float> out = run(*effect, in, 4096);
        size_t arrival = 0;
        while (arrival < out.r.size() && out.r[arrival] == 0.0f) ++arrival;
        EXPECT_EQ(arrival, static_cast<size_t>(c.delay)) << c.rate << " Hz";
    }
}

// Absurd parameter values may give absurd output, but never a fault, and a
// suspend brings the effect back to what a new one does.
TEST(WidmoorEngineFaults, AbsurdValuesAndNonFiniteInputRecover) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    auto effect = makeEffect();
    AEffect* record = effect->getAeffect();
    record->processReplacing(record, nullptr, nullptr, 64);  // a host without buffers
    float* none[2] = {nullptr, nullptr};
    record->processReplacing(record, none, none, 64);
    const Stereo<double> in = randomStereo<double>(3000, 11);
    double* io[2] = {const_cast<double*>(in.l.data()), const_cast<double*>(in.r.data())};
    effect->processDoubleReplacing(io, io, -5);
    for (float absurd : {nan, 1e30f, -1e30f, std::numeric_limits<float>::infinity()})
        for (int k = 0; k < widmoor::kNumParams; ++k) {
            effect->setParameter(k, absurd);
            run(*effect, in, 512);
            EXPECT_GE(effect->widthMeter(), -0.5f);
            EXPECT_LE(effect->widthMeter(), 0.5f);
        }
    // NaN and infinity in the input spoil their own frames only (the ring
    // stores them as 0) and the followers for the rest of their block.
    for (float mode : kModeValue) {
        setAll(*effect, {1.0f, 1.0f, 0.5f, 1, 0, mode});  // delay 45
        Stereo<double> bad = in;
        bad.l[10] = std::nan("");
        bad.r[20] = HUGE_VAL;
        const Stereo<double> out = run(*effect, bad, 512);
        for (size_t i = 0; i < out.l.size(); ++i) {
            if (i == 10 || i == 20) continue;
            ASSERT_TRUE(std::isfinite(out.l[i]) && std::isfinite(out.r[i])) << i;
        }
        EXPECT_NE(effect->widthMeter(), 0.0f);
    }
    // The followers are not stuck: a mono and an anti-phase image read as such.
    effect->setParameter(widmoor::kProcess, 0);
    Stereo<double> image = randomStereo<double>(3 * 44100, 12);
    image.r = image.l;
    run(*effect, image, 512);
    EXPECT_EQ(effect->widthMeter(), 0.5f);
    for (double& s : image.r) s = -s;
    run(*effect, image, 512);
    EXPECT_EQ(effect->widthMeter(), -0.5f);

    // After suspend and resume the effect matches a new one in every mode.
    for (float mode : kModeValue) {
        auto fresh = makeEffect();
        for (AComb* e : {effect.get(), fresh.get()}) setAll(*e, {1.0f, 1.0f, 0.5f, 1, 0, mode});
        run(*effect, in, 256);  // fills the rings and the emphasis history
        effect->suspend();
        effect->resume();
        const Stereo<double> a = run(*effect, in, 256), b = run(*fresh, in, 256);
        EXPECT_EQ(a.l, b.l);
        EXPECT_EQ(a.r, b.r);
        EXPECT_EQ(effect->widthMeter(), fresh->widthMeter());
    }
}

// The width meter for mono, out-of-phase, uncorrelated and silent input.
TEST(WidmoorMeter, ReadsTheImageWidth) {
    auto effect = makeEffect();
    effect->setParameter(widmoor::kProcess, 0);
    const Stereo<double> noise = randomStereo<double>(44100, 5);
    auto meterFor = [&](double rightFromLeft) {
        effect->resume();
        Stereo<double> in = noise;
        if (rightFromLeft != 0)
            for (size_t i = 0; i < in.l.size(); ++i) in.r[i] = rightFromLeft * in.l[i];
        run(*effect, in, 512);
        return effect->widthMeter();
    };
    EXPECT_EQ(meterFor(1.0), 0.5f);
    EXPECT_EQ(meterFor(-1.0), -0.5f);
    EXPECT_NEAR(meterFor(0.0), 0.0f, 0.05f);

    const Stereo<double> silence(4096);
    for (int block = 0; block < 512; ++block) run(*effect, silence, 4096);  // 48 s
    EXPECT_EQ(effect->widthMeter(), 0.0f);
    meterFor(1.0);
    effect->suspend();
    EXPECT_EQ(effect->widthMeter(), 0.0f);
}

// A loud, nearly out-of-phase image has a faint sum (below the 0.001 needed for
// the logarithmic reading, above the 1e-5 floor). The plain fallback would
// read +0.5 whenever the sum is audible, calling this wide image narrow; the
// meter reads the louder of the two followers instead.
TEST(WidmoorMeter, FaintSumBesideLoudDifferenceReadsWideNotAsThePlainFallbackSays) {
    auto effect = makeEffect();
    effect->setParameter(widmoor::kProcess, 0);
    Stereo<double> in = randomStereo<double>(44100, 5);
    for (size_t i = 0; i < in.l.size(); ++i) in.r[i] = -0.999 * in.l[i];
    run(*effect, in, 512);
    EXPECT_EQ(effect->widthMeter(), -0.5f);
}

// A step from silence to a constant level reaches 15/16 of it after 0.6 s.
TEST(WidmoorMeter, FollowerReaches15Of16In600Milliseconds) {
    widmoor::WidmoorEngine engine(44100.0);
    engine.controls.process.store(0.0f);
    std::vector<double> left(26460, 0.25), right(26460, 0.25);
    const double* in[2] = {left.data(), right.data()};
    double* out[2] = {left.data(), right.data()};
    for (int at = 0; at < 26460; at += 441) {
        const double* block[2] = {in[0] + at, in[1] + at};
        double* outBlock[2] = {out[0] + at, out[1] + at};
        engine.process<double>(block, outBlock, 441, 44100.0);
    }
    EXPECT_NEAR(engine.followers().sum, 0.5L * 15 / 16, 1e-9);
    EXPECT_EQ(engine.followers().diff, 0.0);

    // Long silence brings the follower to exactly 0, not to a denormal.
    std::fill(left.begin(), left.end(), 0.0);
    std::fill(right.begin(), right.end(), 0.0);
    for (int block = 0; block < 80; ++block) engine.process<double>(in, out, 26460, 44100.0);
    EXPECT_EQ(engine.followers().sum, 0.0);
}
