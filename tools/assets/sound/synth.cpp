#include "tools/assets/sound/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tools::synth {

std::uint32_t Rng::next() {
    // xorshift32
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

float Rng::noise() {
    return static_cast<float>(next() >> 8) / 8388608.0f - 1.0f;
}

double Rng::between(double low, double high) {
    return low + (high - low) * (next() >> 8) / 16777216.0;
}

float oscillate(Wave wave, double phase, double duty) {
    const double f = phase - std::floor(phase);
    switch (wave) {
    case Wave::Sine:
        return static_cast<float>(std::sin(2 * std::numbers::pi * f));
    case Wave::Triangle:
        return static_cast<float>(f < 0.5 ? 4 * f - 1 : 3 - 4 * f);
    case Wave::Square:
        return f < 0.5 ? 1.0f : -1.0f;
    case Wave::Pulse:
        return f < duty ? 1.0f : -1.0f;
    case Wave::Saw:
        return static_cast<float>(2 * f - 1);
    }
    return 0;
}

double midiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

double Adsr::level(double t, double held) const {
    const auto heldLevel = [this](double s) {
        if (s < attack) return s / attack;
        if (s < attack + decay) return 1 - (1 - sustain) * (s - attack) / decay;
        return sustain;
    };
    if (t < 0) return 0;
    if (t < held) return heldLevel(t);
    if (t >= held + release) return 0;
    return heldLevel(held) * (1 - (t - held) / release);
}

OnePole::OnePole(double cutoffHz, int rate)
    : coefficient_(1 - std::exp(-2 * std::numbers::pi * cutoffHz / rate)) {}

float OnePole::lowPass(float x) {
    state_ += coefficient_ * (x - state_);
    return static_cast<float>(state_);
}

float OnePole::highPass(float x) {
    return x - lowPass(x);
}

BandPass::BandPass(double centreHz, double q, int rate) : q_(q), rate_(rate) {
    tune(centreHz);
}

void BandPass::tune(double centreHz) {
    const double w = 2 * std::numbers::pi * std::clamp(centreHz, 20.0, rate_ * 0.45) / rate_;
    const double alpha = std::sin(w) / (2 * q_);
    const double a0 = 1 + alpha;
    b0_ = alpha / a0;
    a1_ = -2 * std::cos(w) / a0;
    a2_ = (1 - alpha) / a0;
}

float BandPass::process(float x) {
    const double y = b0_ * x - b0_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

PluckedString::PluckedString(double hz, int rate, double damping, Rng& rng)
    : line_(std::max<std::size_t>(2, static_cast<std::size_t>(std::lround(rate / hz)))), damping_(damping) {
    for (auto& sample : line_)
        sample = rng.noise();
}

float PluckedString::next() {
    const std::size_t following = (at_ + 1) % line_.size();
    const float out = line_[at_];
    line_[at_] = static_cast<float>(damping_ * 0.5 * (line_[at_] + line_[following]));
    at_ = following;
    return out;
}

void normalize(std::vector<float>& samples, float peak) {
    float loudest = 0;
    for (const float s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest == 0) return;
    const float scale = peak / loudest;
    for (auto& s : samples)
        s *= scale;
}

} // namespace tools::synth
