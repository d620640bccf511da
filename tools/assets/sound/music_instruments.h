#pragma once

#include "tools/assets/sound/instruments.h"

// The instruments the pieces are written for.
namespace tools::synth::band {

// A soft triangle with a little vibrato.
Instrument Flute(float gain = 0.32f);
// A narrow pulse, bright and buzzy.
Instrument Chip(double duty = 0.25, float gain = 0.16f);
// A short-gated pulse for arpeggios and off-beat stabs.
Instrument Stab(double duty = 0.5, float gain = 0.08f);
// A plucked string, bright or dull.
Instrument Guitar(float gain = 0.35f, double cutoff = 3500);
// A round triangle bass.
Instrument Bass(float gain = 0.5f);
// A growling, filtered square bass.
Instrument DriveBass(float gain = 0.3f);
// Two detuned saws, filtered: brass when bright, a dark lead when low.
Instrument Brass(float gain = 0.16f, double cutoff = 2500);
// A slow, soft pad of detuned saws.
Instrument Pad(float gain = 0.06f, double cutoff = 1200);
// A music-box bell.
Instrument Bell(float gain = 0.25f, double ring = 1.2);

} // namespace tools::synth::band
