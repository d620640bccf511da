#include "tools/assets/sound/music_instruments.h"

namespace tools::synth::band {

Instrument Flute(float gain) {
    Instrument i;
    i.wave = Wave::Triangle;
    i.envelope = {0.03, 0.1, 0.8, 0.15};
    i.vibratoDepth = 0.12;
    i.vibratoRate = 5;
    i.gain = gain;
    return i;
}

Instrument Chip(double duty, float gain) {
    Instrument i;
    i.wave = Wave::Pulse;
    i.duty = duty;
    i.envelope = {0.005, 0.08, 0.6, 0.08};
    i.vibratoDepth = 0.06;
    i.vibratoRate = 6;
    i.cutoff = 5000;
    i.gain = gain;
    return i;
}

Instrument Stab(double duty, float gain) {
    Instrument i;
    i.wave = Wave::Pulse;
    i.duty = duty;
    i.envelope = {0.004, 0.06, 0.4, 0.04};
    i.cutoff = 3500;
    i.gain = gain;
    return i;
}

Instrument Guitar(float gain, double cutoff) {
    Instrument i;
    i.timbre = Timbre::Pluck;
    i.envelope.release = 0.06;
    i.damping = 0.996;
    i.cutoff = cutoff;
    i.gain = gain;
    return i;
}

Instrument Bass(float gain) {
    Instrument i;
    i.wave = Wave::Triangle;
    i.envelope = {0.006, 0.15, 0.75, 0.06};
    i.cutoff = 1500;
    i.gain = gain;
    return i;
}

Instrument DriveBass(float gain) {
    Instrument i;
    i.wave = Wave::Square;
    i.envelope = {0.004, 0.1, 0.7, 0.04};
    i.detune = 0.1;
    i.cutoff = 700;
    i.gain = gain;
    return i;
}

Instrument Brass(float gain, double cutoff) {
    Instrument i;
    i.wave = Wave::Saw;
    i.envelope = {0.025, 0.12, 0.75, 0.1};
    i.detune = 0.12;
    i.vibratoDepth = 0.08;
    i.vibratoRate = 5.5;
    i.cutoff = cutoff;
    i.gain = gain;
    return i;
}

Instrument Pad(float gain, double cutoff) {
    Instrument i;
    i.wave = Wave::Saw;
    i.envelope = {0.5, 0.4, 0.7, 0.8};
    i.detune = 0.15;
    i.cutoff = cutoff;
    i.gain = gain;
    return i;
}

Instrument Bell(float gain, double ring) {
    Instrument i;
    i.timbre = Timbre::Bell;
    i.envelope = {0.002, 0.0, 1.0, ring};
    i.gain = gain;
    return i;
}

} // namespace tools::synth::band
