// The channel buffers that one process call reads and writes, sized for the
// effect's own input and output counts. The host's stereo signal feeds the
// inputs in turn (left, right, left, ...); the first two outputs, or the
// only one twice, become the stereo result.
#pragma once

#include <cstddef>
#include <vector>

namespace kvx {

template <typename Sample>
class ProcessBuffers {
public:
    ProcessBuffers(int inputs, int outputs, size_t capacityFrames);

    // Copies the stereo input in and clears the outputs.
    void load(const double* left, const double* right, size_t frames);
    void store(double* left, double* right, size_t frames) const;

    Sample** inputs() { return inputPointers_.data(); }
    Sample** outputs() { return outputPointers_.data(); }

private:
    std::vector<std::vector<Sample>> inputs_;
    std::vector<std::vector<Sample>> outputs_;
    std::vector<Sample*> inputPointers_;
    std::vector<Sample*> outputPointers_;
};

extern template class ProcessBuffers<float>;
extern template class ProcessBuffers<double>;

}  // namespace kvx
