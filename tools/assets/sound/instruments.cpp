#include "tools/assets/sound/instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tools::synth {
namespace {

// Every sound starts over a few milliseconds, so no onset clicks.
constexpr double kOnset = 0.003;

double onset(double t) {
    return std::min(1.0, t / kOnset);
}

void playTone(const Instrument& instrument, const Note& note, int rate, LoopBuffer& out) {
    const double hz = midiToHz(note.midi);
    const double detunedHz = midiToHz(note.midi + instrument.detune);
    const auto count = static_cast<std::size_t>(instrument.envelope.length(note.seconds) * rate);
    OnePole filter(instrument.cutoff > 0 ? instrument.cutoff : rate, rate);
    double phase = 0;
    double detunedPhase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double bend = instrument.vibratoDepth == 0
                                ? 1.0
                                : std::exp2(instrument.vibratoDepth *
                                            std::sin(2 * std::numbers::pi * instrument.vibratoRate * t) / 12);
        phase += hz * bend / rate;
        double value = oscillate(instrument.wave, phase, instrument.duty);
        if (instrument.detune != 0) {
            detunedPhase += detunedHz * bend / rate;
            value = 0.5 * (value + oscillate(instrument.wave, detunedPhase, instrument.duty));
        }
        float sample = static_cast<float>(value * instrument.envelope.level(t, note.seconds) * onset(t));
        if (instrument.cutoff > 0) sample = filter.lowPass(sample);
        out.add(note.start + i, sample * instrument.gain * note.velocity);
    }
}

void playPluck(const Instrument& instrument, const Note& note, int rate, Rng& rng, LoopBuffer& out) {
    PluckedString string(midiToHz(note.midi), rate, instrument.damping, rng);
    const double release = instrument.envelope.release;
    const auto count = static_cast<std::size_t>((note.seconds + release) * rate);
    OnePole filter(instrument.cutoff > 0 ? instrument.cutoff : rate, rate);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double fade = t < note.seconds ? 1.0 : 1.0 - (t - note.seconds) / release;
        float sample = static_cast<float>(string.next() * fade * onset(t));
        if (instrument.cutoff > 0) sample = filter.lowPass(sample);
        out.add(note.start + i, sample * instrument.gain * note.velocity);
    }
}

void playBell(const Instrument& instrument, const Note& note, int rate, LoopBuffer& out) {
    const double hz = midiToHz(note.midi);
    const auto count = static_cast<std::size_t>(instrument.envelope.length(note.seconds) * rate);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double body = std::sin(2 * std::numbers::pi * hz * t);
        const double partial = 0.5 * std::exp(-t / 0.15) * std::sin(2 * std::numbers::pi * hz * 2.76 * t);
        const double decay = std::exp(-t / std::max(0.05, note.seconds));
        const double level = instrument.envelope.level(t, note.seconds) * decay * onset(t);
        out.add(note.start + i,
                static_cast<float>((body + partial) * level) * instrument.gain * note.velocity);
    }
}

// A sine whose pitch falls from `fromHz` to `toHz` with time constant `sweep`,
// fading with time constant `decay`, plus a little noise.
void playDrumTone(double fromHz, double toHz, double sweep, double decay, double noise, double seconds,
                  float gain, std::size_t start, int rate, Rng& rng, LoopBuffer& out) {
    const auto count = static_cast<std::size_t>(seconds * rate);
    OnePole soften(3000, rate);
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        phase += (toHz + (fromHz - toHz) * std::exp(-t / sweep)) / rate;
        const double tail = std::min(1.0, (seconds - t) / 0.01);
        const double body = std::sin(2 * std::numbers::pi * phase) + noise * soften.lowPass(rng.noise());
        out.add(start + i, static_cast<float>(body * std::exp(-t / decay) * tail * onset(t)) * gain);
    }
}

// High-passed noise fading with time constant `decay`; `tone` mixes in a
// triangle at `hz` fading twice as fast.
void playNoiseHit(double highPass, double decay, double hz, double tone, double seconds, float gain,
                  std::size_t start, int rate, Rng& rng, LoopBuffer& out) {
    const auto count = static_cast<std::size_t>(seconds * rate);
    OnePole filter(highPass, rate);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double tail = std::min(1.0, (seconds - t) / 0.01);
        const double body = filter.highPass(rng.noise()) * std::exp(-t / decay) +
                            tone * std::exp(-2 * t / decay) * oscillate(Wave::Triangle, hz * t);
        out.add(start + i, static_cast<float>(body * tail * onset(t)) * gain);
    }
}

} // namespace

void PlayNote(const Instrument& instrument, const Note& note, int rate, Rng& rng, LoopBuffer& out) {
    switch (instrument.timbre) {
    case Timbre::Tone:
        playTone(instrument, note, rate, out);
        break;
    case Timbre::Pluck:
        playPluck(instrument, note, rate, rng, out);
        break;
    case Timbre::Bell:
        playBell(instrument, note, rate, out);
        break;
    }
}

bool DrumOfLetter(char letter, Drum& drum) {
    switch (letter) {
    case 'k':
        drum = Drum::Kick;
        return true;
    case 's':
        drum = Drum::Snare;
        return true;
    case 'h':
        drum = Drum::ClosedHat;
        return true;
    case 'o':
        drum = Drum::OpenHat;
        return true;
    case 't':
        drum = Drum::Tom;
        return true;
    case 'l':
        drum = Drum::LowTom;
        return true;
    case 'c':
        drum = Drum::Crash;
        return true;
    case 'p':
        drum = Drum::Clap;
        return true;
    default:
        return false;
    }
}

void PlayDrum(Drum drum, std::size_t start, float velocity, int rate, Rng& rng, LoopBuffer& out) {
    switch (drum) {
    case Drum::Kick:
        playDrumTone(160, 45, 0.03, 0.18, 0.15, 0.4, 0.9f * velocity, start, rate, rng, out);
        break;
    case Drum::Snare:
        playNoiseHit(1200, 0.08, 190, 0.6, 0.25, 0.45f * velocity, start, rate, rng, out);
        break;
    case Drum::ClosedHat:
        playNoiseHit(7000, 0.02, 0, 0, 0.08, 0.25f * velocity, start, rate, rng, out);
        break;
    case Drum::OpenHat:
        playNoiseHit(6000, 0.12, 0, 0, 0.35, 0.2f * velocity, start, rate, rng, out);
        break;
    case Drum::Tom:
        playDrumTone(220, 140, 0.05, 0.2, 0.1, 0.45, 0.6f * velocity, start, rate, rng, out);
        break;
    case Drum::LowTom:
        playDrumTone(120, 60, 0.08, 0.35, 0.1, 0.8, 0.8f * velocity, start, rate, rng, out);
        break;
    case Drum::Crash:
        playNoiseHit(4000, 0.6, 0, 0, 1.6, 0.22f * velocity, start, rate, rng, out);
        break;
    case Drum::Clap:
        playNoiseHit(1500, 0.05, 0, 0, 0.2, 0.4f * velocity, start, rate, rng, out);
        break;
    }
}

} // namespace tools::synth
