#pragma once

#include "host/runtime/global.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace host::runtime {

// A source of r, uniform in [0, 1) in single precision.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// The runtime's generator: a 24-bit linear congruential sequence.
class LinearRandom : public RandomSource {
  public:
    explicit LinearRandom(std::uint32_t seed = 0x50000);
    void seed(std::uint32_t seed);
    float next() override;

  private:
    std::uint32_t state_;
};

// Plays back the given values in order, for tests; running out is an error.
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<float> values);
    void push(float value);
    float next() override;
    std::size_t remaining() const { return values_.size() - position_; }

  private:
    std::vector<float> values_;
    std::size_t position_ = 0;
};

// The one generator of the program, seeded at start-up; a LinearRandom
// unless another source was installed (tests script theirs).
inline constinit Global<RandomSource> installedRandom{
    "random source", []() -> std::unique_ptr<RandomSource> { return std::make_unique<LinearRandom>(); }};
inline RandomSource& Rnd() {
    return installedRandom.get();
}
inline float rnd() {
    return installedRandom.get().next();
}

} // namespace host::runtime
