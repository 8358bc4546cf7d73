// Goniometer points from sample pairs: x = truncate((R - L) K) across and
// y = truncate(-(L + R) K) down, in pixels from the centre, each limited to
// the view; a NaN plots at the centre. Limiting before truncating gives the
// same whole number, the limits being whole. -(L + R) is worked out as
// -R - L, which is the same value exactly.
//
// The arithmetic is the sample type's: the 32-bit path makes two points at
// a time in four lanes, the 64-bit path one point in two lanes.
#pragma once

#include <emmintrin.h>

#include <cstdint>

#include "plugins/scopra/scopra_scope_capture.h"

namespace scopra {

constexpr float kScopeLeftPixels = -85.0f;
constexpr float kScopeRightPixels = 83.0f;
constexpr float kScopeTopPixels = -76.0f;
constexpr float kScopeBottomPixels = 76.0f;

template <typename Sample>
class ScopePoints;

template <>
class ScopePoints<float> {
public:
    static constexpr int kAtOnce = 2;

    explicit ScopePoints(float plotScale)
        : scale_(_mm_set1_ps(plotScale)),
          low_(_mm_setr_ps(kScopeLeftPixels, kScopeTopPixels, kScopeLeftPixels, kScopeTopPixels)),
          high_(_mm_setr_ps(kScopeRightPixels, kScopeBottomPixels, kScopeRightPixels,
                            kScopeBottomPixels)) {}

    ScopePoint one(float left, float right) const {
        ScopePoint first, second;
        two(left, right, left, right, first, second);
        return first;
    }

    void two(float left0, float right0, float left1, float right1, ScopePoint& first,
             ScopePoint& second) const {
        const __m128 l = _mm_setr_ps(left0, left0, left1, left1);
        const __m128 r = _mm_setr_ps(right0, -right0, right1, -right1);
        __m128 scaled = _mm_mul_ps(_mm_sub_ps(r, l), scale_);
        scaled = _mm_and_ps(scaled, _mm_cmpord_ps(scaled, scaled));  // NaN to 0
        scaled = _mm_min_ps(_mm_max_ps(scaled, low_), high_);
        const __m128i whole = _mm_cvttps_epi32(scaled);
        first = pointOf(_mm_cvtepi32_pd(whole));
        second = pointOf(_mm_cvtepi32_pd(_mm_unpackhi_epi64(whole, whole)));
    }

private:
    static ScopePoint pointOf(__m128d xy) {
        alignas(16) double pixels[2];
        _mm_store_pd(pixels, xy);
        return ScopePoint{pixels[0], pixels[1]};
    }

    __m128 scale_;
    __m128 low_;
    __m128 high_;
};

template <>
class ScopePoints<double> {
public:
    static constexpr int kAtOnce = 1;

    explicit ScopePoints(double plotScale)
        : scale_(_mm_set1_pd(plotScale)),
          low_(_mm_setr_pd(kScopeLeftPixels, kScopeTopPixels)),
          high_(_mm_setr_pd(kScopeRightPixels, kScopeBottomPixels)) {}

    ScopePoint one(double left, double right) const {
        const __m128d l = _mm_set1_pd(left);
        const __m128d r = _mm_setr_pd(right, -right);
        __m128d scaled = _mm_mul_pd(_mm_sub_pd(r, l), scale_);
        scaled = _mm_and_pd(scaled, _mm_cmpord_pd(scaled, scaled));  // NaN to 0
        scaled = _mm_min_pd(_mm_max_pd(scaled, low_), high_);
        alignas(16) double pixels[2];
        _mm_store_pd(pixels, _mm_cvtepi32_pd(_mm_cvttpd_epi32(scaled)));
        return ScopePoint{pixels[0], pixels[1]};
    }

    void two(double left0, double right0, double left1, double right1, ScopePoint& first,
             ScopePoint& second) const {
        first = one(left0, right0);
        second = one(left1, right1);
    }

private:
    __m128d scale_;
    __m128d low_;
    __m128d high_;
};

// The 64-bit path's points two at a time in vectors of four doubles, for code
// built for processors with AVX2 only; every member is inlined there.
class WideScopePoints {
public:
    static constexpr int kAtOnce = 2;
    typedef double Vector __attribute__((vector_size(32)));
    typedef int32_t Whole __attribute__((vector_size(16)));

    [[gnu::always_inline]] explicit WideScopePoints(double plotScale)
        : scale_(Vector{} + plotScale),
          low_{kScopeLeftPixels, kScopeTopPixels, kScopeLeftPixels, kScopeTopPixels},
          high_{kScopeRightPixels, kScopeBottomPixels, kScopeRightPixels, kScopeBottomPixels} {}

    [[gnu::always_inline]] ScopePoint one(double left, double right) const {
        ScopePoint first, second;
        two(left, right, left, right, first, second);
        return first;
    }

    [[gnu::always_inline]] void two(double left0, double right0, double left1, double right1,
                                    ScopePoint& first, ScopePoint& second) const {
        const Vector l = {left0, left0, left1, left1};
        const Vector r = {right0, -right0, right1, -right1};
        Vector scaled = (r - l) * scale_;
        scaled = scaled == scaled ? scaled : Vector{};  // NaN to 0
        scaled = scaled > low_ ? scaled : low_;
        scaled = scaled < high_ ? scaled : high_;
        const Vector pixels =
            __builtin_convertvector(__builtin_convertvector(scaled, Whole), Vector);
        first = ScopePoint{pixels[0], pixels[1]};
        second = ScopePoint{pixels[2], pixels[3]};
    }

private:
    Vector scale_;
    Vector low_;
    Vector high_;
};

}  // namespace scopra
