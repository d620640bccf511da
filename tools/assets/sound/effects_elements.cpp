// Sounds of water, air, ice and voices.
#include "tools/assets/sound/effect_kit.h"
#include "tools/assets/sound/effects.h"

#include <array>
#include <cmath>
#include <numbers>

namespace tools::synth {
namespace {

// Bubbles rising: short sine chirps sweeping up, at random moments.
std::vector<float> buble03(int rate) {
    Clip clip(1.0, rate);
    Rng rng(41);
    double at = 0.01;
    while (at < 0.9) {
        const double hz = rng.between(300, 900);
        const double length = rng.between(0.04, 0.08);
        Tone(clip, at, length, Wave::Sine, {hz, hz * 2.2}, {0.002, length * 0.5},
             static_cast<float>(rng.between(0.4, 0.8)));
        at += rng.between(0.05, 0.11);
    }
    Noise(clip, 0, 1.0, {300, 300}, 0.7, {0.1, 0}, 0.05f, rng);
    return clip.finish();
}

// A splash, then drops falling back into the water.
std::vector<float> mizu07(int rate) {
    Clip clip(0.6, rate);
    Rng rng(42);
    Noise(clip, 0, 0.35, {1500, 600}, 0.8, {0.005, 0.12}, 0.8f, rng);
    for (int i = 0; i < 6; ++i) {
        const double at = rng.between(0.05, 0.5);
        const double hz = rng.between(400, 800);
        Tone(clip, at, 0.05, Wave::Sine, {hz, hz * 2.5}, {0.002, 0.02}, 0.5f);
    }
    return clip.finish();
}

// Gas escaping: a hiss that swells and sinks away, with a low breath under it.
std::vector<float> gas01(int rate) {
    Clip clip(0.7, rate);
    Rng rng(43);
    Noise(clip, 0, 0.7, {5000, 3500}, 0.8, {0.2, 0.4}, 1.0f, rng);
    Noise(clip, 0, 0.7, {800, 600}, 0.5, {0.15, 0.3}, 0.3f, rng);
    return clip.finish();
}

// Ice forming: a shimmer of high, glassy chimes over a cold hiss.
std::vector<float> freeze02(int rate) {
    Clip clip(0.6, rate);
    Rng rng(44);
    for (int i = 0; i < 10; ++i)
        Chime(clip, 0.05 * i, rng.between(2500, 5000), 0.08, 0.3f, {2.32, 4.25});
    Noise(clip, 0, 0.6, {8000, 5000}, 4, {0.01, 0.2}, 0.3f, rng);
    return clip.finish();
}

// Deep freeze: chimes gliding down, an icy whistle and a crack at the end.
std::vector<float> freeze04(int rate) {
    Clip clip(0.9, rate);
    Rng rng(45);
    for (int i = 0; i < 12; ++i) {
        const double hz = Sweep{5000, 1500}.at(i / 11.0) * rng.between(0.95, 1.05);
        Chime(clip, 0.06 * i, hz, 0.1, 0.3f, {2.32, 4.25});
    }
    Noise(clip, 0, 0.8, {6000, 2500}, 12, {0.05, 0.4}, 0.6f, rng);
    Noise(clip, 0.72, 0.15, {0, 0}, 1, {0.0005, 0.03}, 0.5f, rng);
    return clip.finish();
}

// A short shout, "hah!": a buzzing voice through the formants of an open
// vowel, breathy at the start, falling in pitch.
std::vector<float> voice017(int rate) {
    constexpr double kSeconds = 0.55;
    Clip clip(kSeconds, rate);
    Rng rng(46);
    std::array<BandPass, 3> formants{BandPass(800, 6, rate), BandPass(1200, 8, rate),
                                     BandPass(2500, 10, rate)};
    const std::array<double, 3> weights{1.0, 0.6, 0.25};
    const Shape voice{0.03, 0.18};
    const Shape breath{0.01, 0.04};
    double phase = 0;
    for (std::size_t i = 0; i < clip.samples().size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double hz =
            Sweep{220, 150}.at(t / kSeconds) * (1 + 0.02 * std::sin(2 * std::numbers::pi * 6 * t));
        phase += hz / rate;
        const double source = oscillate(Wave::Saw, phase) * voice.level(t, kSeconds) +
                              0.6 * rng.noise() * breath.level(t, kSeconds);
        double value = 0;
        for (std::size_t f = 0; f < formants.size(); ++f)
            value += weights[f] * formants[f].process(static_cast<float>(source));
        clip.add(i, static_cast<float>(value));
    }
    return clip.finish();
}

// A toy horn's toot ("puu"), sagging at the end.
std::vector<float> puu23(int rate) {
    Clip clip(0.45, rate);
    Tone(clip, 0, 0.45, Wave::Pulse, {360, 300}, {0.02, 0.5}, 0.6f, 0.35);
    Tone(clip, 0, 0.45, Wave::Triangle, {720, 600}, {0.02, 0.5}, 0.3f);
    return clip.finish();
}

std::vector<float> puu79a(int rate) {
    Clip clip(0.12, rate);
    Tone(clip, 0, 0.12, Wave::Pulse, {420, 300}, {0.01, 0.06}, 0.8f, 0.3);
    return clip.finish();
}

} // namespace

std::vector<EffectDesign> ElementEffects() {
    return {{"buble03", buble03},   {"mizu07", mizu07},     {"gas01", gas01}, {"freeze02", freeze02},
            {"freeze04", freeze04}, {"voice017", voice017}, {"puu23", puu23}, {"puu79_a", puu79a}};
}

} // namespace tools::synth
