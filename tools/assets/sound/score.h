#pragma once

#include "tools/assets/sound/instruments.h"

#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

// A piece of loop music written as short texts: lines of notes, patterns
// over a chord progression and drum patterns, all on a grid of sixteenth
// notes (four steps a beat).
namespace tools::synth {

inline constexpr int kStepsPerBeat = 4;

// Notes, separated by spaces: a pitch such as "C4", "F#3" or "Bb5", several
// joined by "+" for a chord, or "r" for a rest, each optionally followed by
// ":<steps>" (otherwise the previous length; 4 at first). "|" marks a bar;
// the notes between two marks must fill the bar exactly. The line repeats
// until the piece is full.
struct LinePart {
    Instrument instrument;
    std::string_view notes;
    double gate = 0.9; // the part of each note's length that it is held
};

// One bar's pattern (repeated each bar) over the progression's chord, one
// token per step: a digit k plays the chord's k-th tone counted upwards
// through the octaves, "c" the whole chord, "b" the root an octave lower,
// "." holds what plays, "-" rests.
struct ChordPart {
    Instrument instrument;
    std::string_view pattern;
    int octave = 4; // of the chords' roots
    double gate = 0.9;
};

// One letter per step (k kick, s snare, h closed hat, o open hat, t tom,
// l low tom, c crash, p clap, "." nothing; capitals louder); `fill`
// replaces `bar` on the bars b (counted from 0) where b % fillEvery == fillAt.
struct DrumPart {
    std::string_view bar;
    std::string_view fill = {};
    int fillEvery = 0;
    int fillAt = 0;
    float gain = 1;
};

// A feedback echo over the whole mix.
struct Echo {
    double seconds = 0;
    double feedback = 0;
    double mix = 0;
};

struct Score {
    std::string_view name;
    double bpm;
    int beatsPerBar;
    int bars;
    // Chord symbols (C, Am, G7, Dm7, Fmaj7, Bdim, Dsus4, Dsus2, E5), one a
    // bar or ":<steps>" each; repeated until the piece is full.
    std::string_view progression;
    std::vector<LinePart> lines;
    std::vector<ChordPart> chords;
    std::vector<DrumPart> drums;
    Echo echo;
    double drive = 0; // soft saturation of the mix; 0 for none
    std::uint32_t seed = 1;

    int stepsPerBar() const { return beatsPerBar * kStepsPerBeat; }
    // A step is a whole number of samples, so the loop is exactly `bars` bars.
    std::size_t samplesPerStep(int rate) const {
        return static_cast<std::size_t>(std::lround(rate * 60.0 / bpm / kStepsPerBeat));
    }
    std::size_t loopSamples(int rate) const {
        return samplesPerStep(rate) * static_cast<std::size_t>(stepsPerBar() * bars);
    }
};

// One loop of the piece: the sound of every note that rings past the end is
// carried round to the start, so the last sample runs on into the first.
// Throws std::logic_error on a text it cannot read or a bar that does not add up.
std::vector<float> RenderScore(const Score& score, int rate);

} // namespace tools::synth
