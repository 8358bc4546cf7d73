// Sound files for the tests, read and written with libsndfile directly
// rather than through the tool's own classes.
#pragma once

#include <string>
#include <vector>

struct Sound {
    int rateHz = 0;
    int channels = 0;
    int format = 0;                // libsndfile format code
    std::vector<double> samples;  // interleaved
    size_t frames() const { return channels ? samples.size() / channels : 0; }
    double at(size_t frame, int channel) const { return samples[frame * channels + channel]; }
};

// A failed read gives a Sound with no channels.
Sound readSound(const std::string& path);
bool writeSound(const std::string& path, const Sound& sound);

// A test failure unless both have the same shape and every sample is equal.
void expectSameSamples(const Sound& a, const Sound& b);
// True for a sound with frames whose two channels are equal throughout.
bool channelsEqual(const Sound& s);
