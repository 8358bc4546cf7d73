// The values one step of the comb works on: one frame as scalars, or four
// consecutive frames as Quad lanes, with the conversions between the path's
// precision and double and the memory accesses that both need. The comb's
// arithmetic is written once for both; every lane rounds exactly as the
// scalar operation does, so a frame gives the same result either way, and
// four frames cost a quarter of the conversions between float and double.
#pragma once

#include <cmath>
#include <cstring>
#include <type_traits>

#include "dsp/delay_ring.h"
#include "dsp/quad.h"

namespace widmoor::comb_frames {

constexpr int kGroupFrames = 4;

// The value types of a step of kFrames frames (1 or kGroupFrames).
template <typename SampleType, int kFrames>
struct Frames;

template <typename SampleType>
struct Frames<SampleType, 1> {
    static constexpr int kCount = 1;
    using Sample = SampleType;
    using Values = Sample;  // samples in the path's precision
    using Wide = double;    // what is computed between the rounding points
    using Stored = float;   // what the rings hold
};

template <typename SampleType>
struct Frames<SampleType, kGroupFrames> {
    static constexpr int kCount = kGroupFrames;
    using Sample = SampleType;
    using Values = Quad<Sample>;
    using Wide = Quad<double>;
    using Stored = Quad<float>;
};

template <typename Sample>
inline Quad<Sample> operator*(Sample k, const Quad<Sample>& q) {
    return Quad<Sample>::all(k) * q;
}

// To double, lane by lane (exact).
inline double wide(double v) { return v; }
inline const Quad<double>& wide(const Quad<double>& v) { return v; }
inline Quad<double> wide(const Quad<float>& v) {
    typedef double Doubles __attribute__((vector_size(32)));  // never passed or returned
    const Doubles d = __builtin_convertvector(v.part[0], Doubles);
    return Quad<double>{{__builtin_shufflevector(d, d, 0, 1), __builtin_shufflevector(d, d, 2, 3)}};
}

// To another precision, lane by lane, rounding to nearest as a cast does.
template <typename To, typename From>
inline To rounded(const From& v) {
    if constexpr (std::is_same_v<To, From>) {
        return v;
    } else if constexpr (std::is_arithmetic_v<From>) {
        return static_cast<To>(v);
    } else {  // four doubles to four floats
        typedef double Doubles __attribute__((vector_size(32)));
        const Doubles d = __builtin_shufflevector(v.part[0], v.part[1], 0, 1, 2, 3);
        return To{{__builtin_convertvector(d, typename To::Vector)}};
    }
}

// What the rings store (see ringValue).
inline float storable(float v) { return ringValue(v); }
inline Quad<float> storable(const Quad<float>& v) { return Quad<float>{{ringValue(v.part[0])}}; }

// As many consecutive elements as the values have lanes, from or to `at`.
template <typename Values, typename Element>
inline Values loaded(const Element* at) {
    Values v;
    std::memcpy(&v, at, sizeof v);
    return v;
}

template <typename Values, typename Element>
inline void store(Element* at, const Values& v) {
    std::memcpy(at, &v, sizeof v);
}

inline double lane(double v, int) { return v; }
inline double lane(const Quad<double>& v, int k) { return v.lane(k); }

// |v| lane by lane, as fabs gives it.
inline float magnitude(float v) { return std::fabs(v); }
inline double magnitude(double v) { return std::fabs(v); }
template <typename Sample>
inline Quad<Sample> magnitude(const Quad<Sample>& v) {
    return abs(v);
}

// The value of the frame before each frame: given values of 32-bit origin
// (widened) and `previous`, the value of the frame before the first;
// `previous` becomes the value of the last frame.
inline double framesBefore(double v, float& previous) {
    const double before = previous;
    previous = static_cast<float>(v);  // exact: v is a 32-bit value
    return before;
}
inline Quad<double> framesBefore(const Quad<double>& v, float& previous) {
    const Quad<double> first = Quad<double>::all(previous);
    previous = static_cast<float>(v.lane(kGroupFrames - 1));
    return Quad<double>{{__builtin_shufflevector(first.part[0], v.part[0], 0, 2),
                         __builtin_shufflevector(v.part[0], v.part[1], 1, 2)}};
}

}  // namespace widmoor::comb_frames
