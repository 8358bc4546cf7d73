// Peak and RMS of a stereo signal over its whole length, in dBFS.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kvx {

class LevelMeter {
public:
    void add(const double* left, const double* right, size_t frames);
    // -infinity for silence, NaN when a sample was NaN.
    double peakDbfs() const;
    double rmsDbfs() const;  // over both channels together

private:
    void keepPeak(double magnitude);

    double peak_ = 0.0;
    double sumOfSquares_ = 0.0;
    int64_t samples_ = 0;
};

// "peak -1.00 dBFS, RMS -14.20 dBFS" ("-inf" for silence).
std::string describeLevels(const LevelMeter& meter);

}  // namespace kvx
