// Sounds of the interface: cursor, clicks, menus, money and power-ups.
#include "tools/assets/sound/effect_kit.h"
#include "tools/assets/sound/effects.h"

#include <cmath>
#include <numbers>

namespace tools::synth {
namespace {

std::vector<float> beep07(int rate) {
    Clip clip(0.16, rate);
    Tone(clip, 0, 0.15, Wave::Square, {1046, 1046}, {0.003, 0.2}, 0.4f);
    return clip.finish();
}

std::vector<float> click(int rate) {
    Clip clip(0.06, rate);
    Rng rng(42);
    Noise(clip, 0, 0.012, {3000, 2000}, 0.8, {0.0005, 0.003}, 1.0f, rng);
    Tone(clip, 0, 0.03, Wave::Sine, {1800, 900}, {0.001, 0.008}, 0.5f);
    return clip.finish();
}

std::vector<float> cursor09(int rate) {
    Clip clip(0.12, rate);
    Tone(clip, 0, 0.1, Wave::Sine, {880, 1320}, {0.002, 0.04}, 0.6f);
    Tone(clip, 0, 0.1, Wave::Square, {880, 1320}, {0.002, 0.02}, 0.1f);
    return clip.finish();
}

std::vector<float> cursor00a(int rate) {
    Clip clip(0.08, rate);
    Tone(clip, 0, 0.07, Wave::Triangle, {1500, 1500}, {0.001, 0.02}, 0.7f);
    return clip.finish();
}

std::vector<float> mousemove(int rate) {
    Clip clip(0.05, rate);
    Tone(clip, 0, 0.04, Wave::Sine, {2400, 2000}, {0.002, 0.01}, 0.5f);
    return clip.finish();
}

// Two ratchet ticks.
std::vector<float> scroll(int rate) {
    Clip clip(0.08, rate);
    Rng rng(7);
    for (const double at : {0.0, 0.035}) {
        Noise(clip, at, 0.02, {4000, 4000}, 2, {0.0005, 0.005}, 1.0f, rng);
        Tone(clip, at, 0.04, Wave::Triangle, {700, 600}, {0.001, 0.01}, 0.4f);
    }
    return clip.finish();
}

// Three quick flicks, like cards riffled into order.
std::vector<float> sort(int rate) {
    Clip clip(0.09, rate);
    Rng rng(8);
    for (const double at : {0.0, 0.028, 0.056})
        Noise(clip, at, 0.025, {2500, 3500}, 1.5, {0.001, 0.006}, 1.0f, rng);
    return clip.finish();
}

// A rising whoosh under an upward two-note chime.
std::vector<float> open22(int rate) {
    Clip clip(0.35, rate);
    Rng rng(9);
    Noise(clip, 0, 0.3, {600, 3000}, 1.5, {0.12, 0.06}, 0.6f, rng);
    Tone(clip, 0.05, 0.12, Wave::Triangle, {660, 660}, {0.005, 0.08}, 0.4f);
    Tone(clip, 0.15, 0.2, Wave::Triangle, {990, 990}, {0.005, 0.08}, 0.4f);
    return clip.finish();
}

// A door: a low thump, then the latch.
std::vector<float> close01(int rate) {
    Clip clip(0.5, rate);
    Rng rng(10);
    Tone(clip, 0, 0.3, Wave::Sine, {120, 60}, {0.002, 0.08}, 0.9f);
    Noise(clip, 0, 0.15, {400, 200}, 1, {0.002, 0.05}, 0.6f, rng);
    Noise(clip, 0.12, 0.02, {3500, 3500}, 1.5, {0.0005, 0.005}, 0.6f, rng);
    Tone(clip, 0.12, 0.04, Wave::Square, {1200, 1000}, {0.001, 0.01}, 0.15f);
    return clip.finish();
}

// The classic coin: a short B, then a ringing E above it.
std::vector<float> coin03(int rate) {
    Clip clip(0.55, rate);
    Tone(clip, 0, 0.08, Wave::Square, {988, 988}, {0.002, 0}, 0.35f);
    Tone(clip, 0.08, 0.47, Wave::Square, {1319, 1319}, {0.002, 0.15}, 0.35f);
    return clip.finish();
}

// A shower of coins landing one after another.
std::vector<float> coin05(int rate) {
    Clip clip(1.6, rate);
    Rng rng(11);
    double at = 0;
    for (int i = 0; i < 12; ++i) {
        Chime(clip, at, rng.between(2000, 3200), 0.12, static_cast<float>(0.5 - 0.025 * i), {2.76, 5.4});
        at += rng.between(0.05, 0.12);
    }
    return clip.finish();
}

// A few small bells or coins jingling ("chari").
std::vector<float> chari02(int rate) {
    Clip clip(0.5, rate);
    Rng rng(12);
    Chime(clip, 0, 2600, 0.15, 0.5f, {2.76, 5.4});
    Chime(clip, 0.06, 3100, 0.12, 0.4f, {2.76, 5.4});
    Chime(clip, 0.13, 2800, 0.12, 0.35f, {2.76, 5.4});
    Noise(clip, 0, 0.05, {6000, 6000}, 2, {0.001, 0.015}, 0.2f, rng);
    return clip.finish();
}

// A rising arpeggio over a rising sweep.
std::vector<float> power35(int rate) {
    Clip clip(0.6, rate);
    const double notes[] = {523, 659, 784, 1047, 1319, 1568};
    for (int i = 0; i < 6; ++i)
        Tone(clip, 0.06 * i, 0.09, Wave::Square, {notes[i], notes[i]}, {0.002, 0.05}, 0.25f);
    Tone(clip, 0, 0.6, Wave::Sine, {200, 1600}, {0.05, 0.3}, 0.4f);
    return clip.finish();
}

std::vector<float> power01(int rate) {
    Clip clip(0.2, rate);
    Tone(clip, 0, 0.2, Wave::Pulse, {300, 1200}, {0.005, 0.15}, 0.5f, 0.25);
    return clip.finish();
}

// A ping answered by its own fading echoes.
std::vector<float> eco01(int rate) {
    Clip clip(0.78, rate);
    Tone(clip, 0, 0.12, Wave::Sine, {880, 880}, {0.003, 0.04}, 0.8f);
    Tone(clip, 0, 0.12, Wave::Triangle, {1320, 1320}, {0.003, 0.03}, 0.2f);
    Echoes(clip, 0.14, 0.55);
    return clip.finish();
}

// Frequency modulation: a falling zap whose brightness dies away.
std::vector<float> fm002(int rate) {
    Clip clip(0.6, rate);
    double carrier = 0;
    double modulator = 0;
    for (std::size_t i = 0; i < clip.samples().size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double hz = Sweep{600, 200}.at(t / 0.6);
        carrier += hz / rate;
        modulator += 1.41 * hz / rate;
        const double index = 5 * std::exp(-t / 0.15);
        const double value =
            std::sin(2 * std::numbers::pi * carrier + index * std::sin(2 * std::numbers::pi * modulator));
        clip.add(i, static_cast<float>(value * Shape{0.003, 0.2}.level(t, 0.6)));
    }
    return clip.finish();
}

} // namespace

std::vector<EffectDesign> InterfaceEffects() {
    return {{"beep07", beep07},       {"click", click},     {"cursor09", cursor09}, {"cursor00_a", cursor00a},
            {"mousemove", mousemove}, {"scroll", scroll},   {"sort", sort},         {"open22", open22},
            {"close01", close01},     {"coin03", coin03},   {"coin05", coin05},     {"chari02", chari02},
            {"power35", power35},     {"power01", power01}, {"eco01", eco01},       {"fm002", fm002}};
}

} // namespace tools::synth
