// Sounds of combat: blows, thuds, drums, explosions, swings and breakage.
#include "tools/assets/sound/effect_kit.h"
#include "tools/assets/sound/effects.h"

namespace tools::synth {
namespace {

// An explosion: a falling rumble, a low boom and a burst of crackle.
std::vector<float> bom06(int rate) {
    Clip clip(0.9, rate);
    Rng rng(21);
    Noise(clip, 0, 0.9, {800, 120}, 0.7, {0.003, 0.25}, 1.0f, rng);
    Tone(clip, 0, 0.8, Wave::Sine, {90, 35}, {0.003, 0.25}, 0.8f);
    Noise(clip, 0, 0.3, {0, 0}, 1, {0.001, 0.06}, 0.3f, rng);
    return clip.finish();
}

// A dull thud of `seconds`, the lower and longer the heavier.
std::vector<float> thud(int rate, double seconds, double fromHz, double toHz, double body,
                        std::uint32_t seed) {
    Clip clip(seconds, rate);
    Rng rng(seed);
    Tone(clip, 0, seconds, Wave::Sine, {fromHz, toHz}, {0.002, body}, 1.0f);
    Noise(clip, 0, seconds * 0.6, {500, 200}, 0.8, {0.002, body * 0.6}, 0.6f, rng);
    return clip.finish();
}

std::vector<float> bosu10c(int rate) {
    return thud(rate, 0.2, 140, 70, 0.05, 22);
}
std::vector<float> bosu20(int rate) {
    return thud(rate, 0.35, 110, 50, 0.09, 23);
}

// A heavy body blow with a slap on top and a rumble after.
std::vector<float> bosu23(int rate) {
    Clip clip(0.6, rate);
    Rng rng(24);
    Tone(clip, 0, 0.6, Wave::Sine, {90, 40}, {0.002, 0.15}, 1.0f);
    Noise(clip, 0, 0.4, {350, 150}, 0.7, {0.002, 0.1}, 0.7f, rng);
    Noise(clip, 0, 0.05, {1500, 800}, 1, {0.001, 0.015}, 0.4f, rng);
    return clip.finish();
}

// Something breaking: a noise burst and shards of glass ringing out.
std::vector<float> crash23(int rate) {
    Clip clip(0.45, rate);
    Rng rng(25);
    Noise(clip, 0, 0.45, {0, 0}, 1, {0.001, 0.1}, 0.7f, rng);
    Noise(clip, 0, 0.3, {5000, 5000}, 4, {0.001, 0.08}, 0.4f, rng);
    for (const double at : {0.0, 0.04, 0.09, 0.15, 0.22})
        Chime(clip, at, rng.between(2600, 4200), 0.05, 0.35f, {2.32, 4.25});
    return clip.finish();
}

// A big drum (taiko): a deep skin tone with its overtone and a stick slap.
std::vector<float> don10a(int rate) {
    Clip clip(0.55, rate);
    Rng rng(26);
    Tone(clip, 0, 0.55, Wave::Sine, {130, 75}, {0.002, 0.16}, 1.0f);
    Tone(clip, 0, 0.55, Wave::Sine, {260, 150}, {0.002, 0.06}, 0.3f);
    Noise(clip, 0, 0.05, {1200, 600}, 1, {0.001, 0.01}, 0.5f, rng);
    return clip.finish();
}

std::vector<float> don12(int rate) {
    Clip clip(0.4, rate);
    Rng rng(27);
    Tone(clip, 0, 0.4, Wave::Sine, {180, 60}, {0.002, 0.1}, 1.0f);
    Noise(clip, 0, 0.1, {700, 300}, 0.8, {0.001, 0.03}, 0.5f, rng);
    return clip.finish();
}

// A clatter of wooden pieces tumbling, dying down.
std::vector<float> gara02(int rate) {
    Clip clip(0.7, rate);
    Rng rng(28);
    double at = 0;
    for (int i = 0; i < 14 && at < 0.62; ++i) {
        const auto gain = static_cast<float>(1.0 - 0.05 * i);
        Noise(clip, at, 0.03, {rng.between(1500, 4000), 1500}, 3, {0.0005, 0.006}, gain, rng);
        const double hz = rng.between(400, 900);
        Tone(clip, at, 0.04, Wave::Triangle, {hz, hz}, {0.0005, 0.008}, 0.5f * gain);
        at += rng.between(0.025, 0.06);
    }
    return clip.finish();
}

// A punch.
std::vector<float> hit02(int rate) {
    Clip clip(0.2, rate);
    Rng rng(29);
    Tone(clip, 0, 0.2, Wave::Sine, {200, 80}, {0.001, 0.05}, 0.9f);
    Noise(clip, 0, 0.08, {2000, 800}, 0.7, {0.0005, 0.02}, 0.8f, rng);
    return clip.finish();
}

// A sharp slap.
std::vector<float> hit65(int rate) {
    Clip clip(0.25, rate);
    Rng rng(30);
    Noise(clip, 0, 0.12, {3000, 1500}, 0.9, {0.0005, 0.025}, 1.0f, rng);
    Tone(clip, 0, 0.25, Wave::Sine, {300, 120}, {0.001, 0.04}, 0.6f);
    return clip.finish();
}

// A light tap.
std::vector<float> hit67(int rate) {
    Clip clip(0.15, rate);
    Rng rng(31);
    Noise(clip, 0, 0.06, {2500, 1200}, 1, {0.0005, 0.012}, 1.0f, rng);
    Tone(clip, 0, 0.15, Wave::Sine, {400, 180}, {0.001, 0.03}, 0.6f);
    return clip.finish();
}

// A blade slicing in ("saku"): a quick rising hiss and a crisp cut.
std::vector<float> saku00(int rate) {
    Clip clip(0.25, rate);
    Rng rng(32);
    Noise(clip, 0, 0.1, {2000, 6000}, 2, {0.06, 0.02}, 0.7f, rng);
    Noise(clip, 0.08, 0.1, {5000, 3000}, 1.5, {0.001, 0.02}, 1.0f, rng);
    return clip.finish();
}

// A bright swish ("sha").
std::vector<float> sha02(int rate) {
    Clip clip(0.39, rate);
    Rng rng(33);
    Noise(clip, 0, 0.39, {3000, 7000}, 1.2, {0.05, 0.08}, 1.0f, rng);
    return clip.finish();
}

// A weapon swung through the air: a whoosh that swells and rises.
std::vector<float> swing(int rate, double seconds, double fromHz, double toHz, std::uint32_t seed) {
    Clip clip(seconds, rate);
    Rng rng(seed);
    Noise(clip, 0, seconds, {fromHz, toHz}, 2.5, {seconds * 0.45, seconds * 0.18}, 1.0f, rng);
    return clip.finish();
}

std::vector<float> swing04(int rate) {
    return swing(rate, 0.45, 400, 1800, 34);
}
std::vector<float> swing14(int rate) {
    return swing(rate, 0.27, 600, 2500, 35);
}

} // namespace

std::vector<EffectDesign> BattleEffects() {
    return {{"bom06", bom06},     {"bosu10_c", bosu10c}, {"bosu20", bosu20},  {"bosu23", bosu23},
            {"crash23", crash23}, {"don10_a", don10a},   {"don12", don12},    {"gara02", gara02},
            {"hit02", hit02},     {"hit65", hit65},      {"hit67", hit67},    {"saku00", saku00},
            {"sha02", sha02},     {"swing04", swing04},  {"swing14", swing14}};
}

} // namespace tools::synth
