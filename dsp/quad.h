// Four samples of one precision handled as one value, for per-sample work
// that runs the same steps on four signals side by side (L, R, L + R, L - R).
// Built on the compiler's 16-byte vector types: one register of four floats,
// or two registers of two doubles, so that each lane is rounded exactly as
// the scalar operation would round it.
#pragma once

#include <cstdint>

namespace quad_detail {

template <typename Sample>
struct Lanes;

template <>
struct Lanes<float> {
    typedef float Vector __attribute__((vector_size(16)));
    typedef int32_t Mask __attribute__((vector_size(16)));
    static constexpr int kPerVector = 4;
    static constexpr int32_t kAllButSign = 0x7fffffff;
};

template <>
struct Lanes<double> {
    typedef double Vector __attribute__((vector_size(16)));
    typedef int64_t Mask __attribute__((vector_size(16)));
    static constexpr int kPerVector = 2;
    static constexpr int64_t kAllButSign = 0x7fffffffffffffffLL;
};

}  // namespace quad_detail

template <typename Sample>
struct Quad {
    using Lanes = quad_detail::Lanes<Sample>;
    using Vector = typename Lanes::Vector;
    using Mask = typename Lanes::Mask;
    static constexpr int kLanes = 4;
    static constexpr int kVectors = kLanes / Lanes::kPerVector;

    Vector part[kVectors];

    static Quad of(Sample a, Sample b, Sample c, Sample d) {
        if constexpr (kVectors == 1)
            return Quad{{Vector{a, b, c, d}}};
        else
            return Quad{{Vector{a, b}, Vector{c, d}}};
    }
    static Quad all(Sample value) { return of(value, value, value, value); }

    Sample lane(int k) const { return part[k / Lanes::kPerVector][k % Lanes::kPerVector]; }
};

// The parts are named by constant indices, never by a loop counter, so that
// the compiler can keep every part of a local Quad in a register.
template <typename Sample, typename Operation>
inline Quad<Sample> lanewise(const Quad<Sample>& a, const Quad<Sample>& b, Operation op) {
    if constexpr (Quad<Sample>::kVectors == 1)
        return Quad<Sample>{{op(a.part[0], b.part[0])}};
    else
        return Quad<Sample>{{op(a.part[0], b.part[0]), op(a.part[1], b.part[1])}};
}

template <typename Sample>
inline Quad<Sample> operator+(const Quad<Sample>& a, const Quad<Sample>& b) {
    return lanewise(a, b, [](auto x, auto y) { return x + y; });
}

template <typename Sample>
inline Quad<Sample> operator-(const Quad<Sample>& a, const Quad<Sample>& b) {
    return lanewise(a, b, [](auto x, auto y) { return x - y; });
}

template <typename Sample>
inline Quad<Sample> operator*(const Quad<Sample>& a, const Quad<Sample>& b) {
    return lanewise(a, b, [](auto x, auto y) { return x * y; });
}

// Per lane: a where a > b, else b (a NaN in either gives b, as maxps does).
template <typename Sample>
inline Quad<Sample> greaterOf(const Quad<Sample>& a, const Quad<Sample>& b) {
    return lanewise(a, b, [](auto x, auto y) { return x > y ? x : y; });
}

// The magnitude of every lane (the sign bit cleared, as fabs does).
template <typename Sample>
inline Quad<Sample> abs(const Quad<Sample>& a) {
    using Q = Quad<Sample>;
    auto magnitude = [](typename Q::Vector v) {
        return reinterpret_cast<typename Q::Vector>(reinterpret_cast<typename Q::Mask>(v) &
                                                    Q::Lanes::kAllButSign);
    };
    if constexpr (Q::kVectors == 1)
        return Q{{magnitude(a.part[0])}};
    else
        return Q{{magnitude(a.part[0]), magnitude(a.part[1])}};
}
