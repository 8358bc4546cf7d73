#include "tests/kvx/sound_io.h"

#include <sndfile.h>

#include <gtest/gtest.h>

Sound readSound(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    Sound sound;
    if (!file) return sound;
    sound.rateHz = info.samplerate;
    sound.channels = info.channels;
    sound.format = info.format;
    sound.samples.resize(static_cast<size_t>(info.frames * info.channels));
    sf_readf_double(file, sound.samples.data(), info.frames);
    sf_close(file);
    return sound;
}

bool writeSound(const std::string& path, const Sound& sound) {
    SF_INFO info{};
    info.samplerate = sound.rateHz;
    info.channels = sound.channels;
    info.format = sound.format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) return false;
    const sf_count_t frames = static_cast<sf_count_t>(sound.frames());
    const bool complete = sf_writef_double(file, sound.samples.data(), frames) == frames;
    return sf_close(file) == 0 && complete;
}

void expectSameSamples(const Sound& a, const Sound& b) {
    ASSERT_EQ(a.channels, b.channels);
    ASSERT_EQ(a.samples.size(), b.samples.size());
    size_t differing = 0;
    for (size_t i = 0; i < a.samples.size(); ++i) differing += a.samples[i] != b.samples[i];
    EXPECT_EQ(differing, 0u);
}

bool channelsEqual(const Sound& s) {
    for (size_t f = 0; f < s.frames(); ++f)
        if (s.at(f, 0) != s.at(f, 1)) return false;
    return s.frames() > 0;
}
