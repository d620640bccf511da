#pragma once

#include <cstddef>
#include <vector>

namespace tools::synth {

// Samples of one loop of music: what is added past the end wraps round to
// the start, so a note ringing over the seam goes on at the beginning.
class LoopBuffer {
  public:
    explicit LoopBuffer(std::size_t length) : samples_(length) {}
    void add(std::size_t at, float value) { samples_[at % samples_.size()] += value; }
    std::vector<float>& samples() { return samples_; }

  private:
    std::vector<float> samples_;
};

} // namespace tools::synth
