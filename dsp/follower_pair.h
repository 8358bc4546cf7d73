// Two level followers side by side in the lanes of one 128-bit vector, so a
// stereo engine updates both with one subtraction, one multiplication and
// one addition. Each lane computes exactly what level_follower::update
// computes for a single follower; the values are bit for bit the same.
#pragma once

namespace level_follower {

class FollowerPair {
public:
    FollowerPair(double first, double second) : value_{first, second} {}

    // E <- E + coeff * (x - E) in each lane.
    void update(double firstInput, double secondInput, double coeff) {
        const Lanes input = {firstInput, secondInput};
        value_ += coeff * (input - value_);
    }

    double first() const { return value_[0]; }
    double second() const { return value_[1]; }

private:
    using Lanes = double __attribute__((vector_size(2 * sizeof(double))));
    Lanes value_;
};

}  // namespace level_follower
