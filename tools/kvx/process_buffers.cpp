#include "tools/kvx/process_buffers.h"

#include <algorithm>

namespace kvx {

namespace {

template <typename Sample>
std::vector<Sample*> pointersTo(std::vector<std::vector<Sample>>& channels) {
    std::vector<Sample*> pointers;
    for (std::vector<Sample>& channel : channels) pointers.push_back(channel.data());
    return pointers;
}

}  // namespace

template <typename Sample>
ProcessBuffers<Sample>::ProcessBuffers(int inputs, int outputs, size_t capacityFrames)
    : inputs_(static_cast<size_t>(inputs), std::vector<Sample>(capacityFrames)),
      outputs_(static_cast<size_t>(outputs), std::vector<Sample>(capacityFrames)),
      inputPointers_(pointersTo(inputs_)),
      outputPointers_(pointersTo(outputs_)) {}

template <typename Sample>
void ProcessBuffers<Sample>::load(const double* left, const double* right, size_t frames) {
    for (size_t c = 0; c < inputs_.size(); ++c) {
        const double* from = c % 2 == 0 ? left : right;
        std::transform(from, from + frames, inputs_[c].begin(),
                       [](double x) { return static_cast<Sample>(x); });
    }
    for (std::vector<Sample>& channel : outputs_)
        std::fill_n(channel.begin(), frames, Sample(0));
}

template <typename Sample>
void ProcessBuffers<Sample>::store(double* left, double* right, size_t frames) const {
    const std::vector<Sample>& first = outputs_.front();
    const std::vector<Sample>& second = outputs_.size() > 1 ? outputs_[1] : outputs_.front();
    std::copy_n(first.begin(), frames, left);
    std::copy_n(second.begin(), frames, right);
}

template class ProcessBuffers<float>;
template class ProcessBuffers<double>;

}  // namespace kvx
