#pragma once

#include "tools/assets/sound/synth.h"

#include <cstddef>
#include <vector>

// Layers the effects are made of: tones and filtered noise with a pitch or
// filter sweep and a simple envelope, added into a clip.
namespace tools::synth {

// A value moving from `from` to `to` over a layer's length, evenly in
// ratio (pitch and filter sweeps sound even that way).
struct Sweep {
    double from;
    double to;
    double at(double u) const;
};

// Rises over `attack`, then fades with time constant `decay` (0: holds);
// every layer also fades out over its last few milliseconds.
struct Shape {
    double attack = 0.003;
    double decay = 0;
    double level(double t, double seconds) const;
};

class Clip {
  public:
    Clip(double seconds, int rate);
    int rate() const { return rate_; }
    void add(std::size_t at, float value) {
        if (at < samples_.size()) samples_[at] += value;
    }
    // The samples, faded out at the very end and scaled so the loudest is
    // just under full scale.
    std::vector<float> finish();
    std::vector<float>& samples() { return samples_; }

  private:
    int rate_;
    std::vector<float> samples_;
};

void Tone(Clip& clip, double start, double seconds, Wave wave, Sweep hz, Shape shape, float gain,
          double duty = 0.5);

// Noise through a band-pass whose centre sweeps (a centre of 0 leaves the
// noise unfiltered); a low `q` is broad, a high one whistles.
void Noise(Clip& clip, double start, double seconds, Sweep centre, double q, Shape shape, float gain,
           Rng& rng);

// A struck metal or glass partial series: a sine at `hz` with partials at
// the given ratios, each fading faster than the one below.
void Chime(Clip& clip, double start, double hz, double decay, float gain, std::vector<double> ratios);

// Repeats of the whole clip `delay` seconds apart, each `feedback` as loud.
void Echoes(Clip& clip, double delay, double feedback);

} // namespace tools::synth
