#pragma once

#include "tools/assets/sound/loop_buffer.h"
#include "tools/assets/sound/synth.h"

#include <cstdint>

// The instruments of the music: pitched voices and drums, each adding one
// note into a loop buffer.
namespace tools::synth {

enum class Timbre {
    Tone,  // an oscillator with its envelope
    Pluck, // a plucked string
    Bell,  // a sine with a fast-fading inharmonic partial
};

struct Instrument {
    Timbre timbre = Timbre::Tone;
    Wave wave = Wave::Sine;
    double duty = 0.5;
    Adsr envelope;
    double vibratoDepth = 0; // in semitones
    double vibratoRate = 5;  // in Hz
    double detune = 0;       // a second oscillator this many semitones off; 0 for none
    double cutoff = 0;       // low-pass cutoff in Hz; 0 for none
    double damping = 0.996;  // of a plucked string, per pass
    float gain = 0.3f;
};

struct Note {
    std::size_t start; // sample
    double seconds;    // how long it is held
    double midi;       // pitch
    float velocity;
};

void PlayNote(const Instrument& instrument, const Note& note, int rate, Rng& rng, LoopBuffer& out);

enum class Drum { Kick, Snare, ClosedHat, OpenHat, Tom, LowTom, Crash, Clap };

// The drum of a pattern letter (k s h o t l c p); false for any other.
bool DrumOfLetter(char letter, Drum& drum);

void PlayDrum(Drum drum, std::size_t start, float velocity, int rate, Rng& rng, LoopBuffer& out);

} // namespace tools::synth
