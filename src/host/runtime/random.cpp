#include "host/runtime/random.h"

#include <stdexcept>

namespace host::runtime {

namespace {
constexpr std::uint32_t kModulusMask = 0xFFFFFF;
} // namespace

LinearRandom::LinearRandom(std::uint32_t seed) : state_(seed & kModulusMask) {}

void LinearRandom::seed(std::uint32_t seed) {
    state_ = seed & kModulusMask;
}

float LinearRandom::next() {
    state_ = (state_ * 1140671485u + 12820163u) & kModulusMask;
    return static_cast<float>(state_) / 16777216.0f;
}

ScriptedRandom::ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}

void ScriptedRandom::push(float value) {
    values_.push_back(value);
}

float ScriptedRandom::next() {
    if (position_ >= values_.size()) throw std::logic_error("scripted random values ran out");
    return values_[position_++];
}

} // namespace host::runtime
