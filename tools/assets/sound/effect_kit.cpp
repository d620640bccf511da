#include "tools/assets/sound/effect_kit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tools::synth {
namespace {

constexpr double kTail = 0.005;

std::size_t samplesOf(double seconds, int rate) {
    return static_cast<std::size_t>(std::lround(seconds * rate));
}

} // namespace

double Sweep::at(double u) const {
    if (from <= 0 || to <= 0) return from + (to - from) * u;
    return from * std::pow(to / from, u);
}

double Shape::level(double t, double seconds) const {
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    const double fall = decay > 0 && t > attack ? std::exp(-(t - attack) / decay) : 1.0;
    const double tail = std::clamp((seconds - t) / kTail, 0.0, 1.0);
    return rise * fall * tail;
}

Clip::Clip(double seconds, int rate) : rate_(rate), samples_(samplesOf(seconds, rate)) {}

std::vector<float> Clip::finish() {
    const std::size_t tail = std::min(samples_.size(), samplesOf(kTail, rate_));
    for (std::size_t i = 0; i < tail; ++i)
        samples_[samples_.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(tail);
    normalize(samples_, 0.9f);
    return std::move(samples_);
}

void Tone(Clip& clip, double start, double seconds, Wave wave, Sweep hz, Shape shape, float gain,
          double duty) {
    const std::size_t first = samplesOf(start, clip.rate());
    const std::size_t count = samplesOf(seconds, clip.rate());
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / clip.rate();
        phase += hz.at(t / seconds) / clip.rate();
        clip.add(first + i,
                 static_cast<float>(oscillate(wave, phase, duty) * shape.level(t, seconds)) * gain);
    }
}

void Noise(Clip& clip, double start, double seconds, Sweep centre, double q, Shape shape, float gain,
           Rng& rng) {
    const std::size_t first = samplesOf(start, clip.rate());
    const std::size_t count = samplesOf(seconds, clip.rate());
    const bool filtered = centre.from > 0;
    BandPass filter(filtered ? centre.from : 1000, q, clip.rate());
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / clip.rate();
        float value = rng.noise();
        if (filtered) {
            filter.tune(centre.at(t / seconds));
            value = filter.process(value);
        }
        clip.add(first + i, static_cast<float>(value * shape.level(t, seconds)) * gain);
    }
}

void Chime(Clip& clip, double start, double hz, double decay, float gain, std::vector<double> ratios) {
    const std::size_t first = samplesOf(start, clip.rate());
    const double seconds = static_cast<double>(clip.samples().size()) / clip.rate() - start;
    if (seconds <= 0) return;
    const std::size_t count = samplesOf(seconds, clip.rate());
    ratios.insert(ratios.begin(), 1.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / clip.rate();
        double value = 0;
        for (std::size_t k = 0; k < ratios.size(); ++k) {
            const double weight = 1.0 / (k + 1);
            value +=
                weight * std::exp(-t * (k + 1) / decay) * std::sin(2 * std::numbers::pi * hz * ratios[k] * t);
        }
        const double level = Shape{0.001, 0}.level(t, seconds);
        clip.add(first + i, static_cast<float>(value * level) * gain);
    }
}

void Echoes(Clip& clip, double delay, double feedback) {
    auto& samples = clip.samples();
    const std::size_t lag = samplesOf(delay, clip.rate());
    if (lag == 0) return;
    for (std::size_t i = lag; i < samples.size(); ++i)
        samples[i] += static_cast<float>(feedback * samples[i - lag]);
}

} // namespace tools::synth
