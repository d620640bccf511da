#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Small deterministic building blocks of the sound generators: oscillators,
// envelopes, noise, filters and the plucked string.
namespace tools::synth {

// A fixed-seed generator, so the same seed always gives the same noise.
class Rng {
  public:
    explicit Rng(std::uint32_t seed) : state_(seed * 2654435761u + 0x9e3779b9u) {}
    std::uint32_t next();
    // Uniform in [-1, 1).
    float noise();
    // Uniform in [low, high).
    double between(double low, double high);

  private:
    std::uint32_t state_;
};

enum class Wave { Sine, Triangle, Square, Pulse, Saw };

// The wave at a phase counted in cycles (any value; only its fraction
// counts). `duty` is the high part of a pulse's cycle.
float oscillate(Wave wave, double phase, double duty = 0.5);

double midiToHz(double note);

// Attack, decay and release in seconds; sustain as a level 0..1.
struct Adsr {
    double attack = 0.005;
    double decay = 0.1;
    double sustain = 0.7;
    double release = 0.1;
    // The level `t` seconds after the note starts, for a note held `held` seconds.
    double level(double t, double held) const;
    // How long the sound of a note held `held` seconds lasts.
    double length(double held) const { return held + release; }
};

// One-pole low-pass and high-pass filters.
class OnePole {
  public:
    OnePole(double cutoffHz, int rate);
    float lowPass(float x);
    float highPass(float x);

  private:
    double coefficient_;
    double state_ = 0;
};

// A two-pole band-pass (constant peak gain) whose centre may move.
class BandPass {
  public:
    BandPass(double centreHz, double q, int rate);
    void tune(double centreHz);
    float process(float x);

  private:
    double q_;
    int rate_;
    double b0_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A plucked string (Karplus-Strong): a noise burst circulating in a delay
// line one period long, softened a little on each pass.
class PluckedString {
  public:
    PluckedString(double hz, int rate, double damping, Rng& rng);
    float next();

  private:
    std::vector<float> line_;
    std::size_t at_ = 0;
    double damping_;
};

// Scales the samples so the loudest is at `peak`.
void normalize(std::vector<float>& samples, float peak);

} // namespace tools::synth
