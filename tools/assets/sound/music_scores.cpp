#include "tools/assets/sound/music_scores.h"

#include "tools/assets/sound/music_instruments.h"

#include <stdexcept>
#include <string>

namespace tools::synth {
namespace {

using namespace band;

// Spring: light and lilting, F major; flute over a plucked arpeggio.
Score spring() {
    return {
        .name = "春",
        .bpm = 100,
        .beatsPerBar = 4,
        .bars = 16,
        .progression = "F C Dm Bb F C Bb C Dm Am Bb F Gm C F C",
        .lines = {{Flute(), "A5:4 G5:2 F5:2 C5:4 F5:4 | G5:4 E5:2 C5:2 G5:8 | F5:4 A5:2 D6:2 C6:4 A5:4 | "
                            "Bb5:4 A5:2 G5:2 F5:8 | A5:4 C6:4 F6:4 C6:4 | E6:2 D6:2 C6:4 G5:8 | "
                            "F5:4 G5:2 A5:2 Bb5:4 D6:4 | C6:12 r:4 | D6:4 C6:2 A5:2 F5:4 A5:4 | "
                            "E6:4 C6:2 A5:2 E5:8 | D6:4 Bb5:4 F5:4 Bb5:4 | A5:4 G5:2 F5:2 C5:8 | "
                            "Bb5:4 A5:2 G5:2 D5:4 G5:4 | C6:4 Bb5:2 A5:2 G5:4 E5:4 | F5:4 A5:4 C6:4 A5:4 | "
                            "G5:8 E5:4 C5:4 |"}},
        .chords = {{Guitar(0.45f), "0 . 1 . 2 . 3 . 4 . 3 . 2 . 1 .", 4, 1.0},
                   {Bass(0.4f), "b . . . . . . . 2 . . . . . . .", 3, 0.9}},
        .drums = {{"k.h...h.k.h...h.", {}, 0, 0, 0.45f}},
        .echo = {0.45, 0.3, 0.22},
        .seed = 11,
    };
}

// Summer: bright and busy, D major; a chip lead, running arpeggios, a pop beat.
Score summer() {
    return {
        .name = "夏",
        .bpm = 132,
        .beatsPerBar = 4,
        .bars = 16,
        .progression = "D A Bm G D A G A Bm F#m G D Em A D A",
        .lines = {{Chip(0.25, 0.22f),
                   "F#5:2 A5:2 D6:4 C#6:2 B5:2 A5:4 | E5:2 A5:2 C#6:4 B5:2 A5:2 E5:4 | "
                   "F#5:2 B5:2 D6:4 C#6:2 D6:2 B5:4 | G5:4 B5:4 A5:2 G5:2 F#5:2 E5:2 | "
                   "D5:2 F#5:2 A5:2 D6:2 F#6:4 E6:4 | C#6:2 E6:2 A5:4 r:4 E6:4 | "
                   "D6:4 B5:2 G5:2 B5:4 D6:4 | C#6:4 E6:4 A6:8 | B5:2 A5:2 F#5:4 B5:2 C#6:2 D6:4 | "
                   "C#6:4 A5:2 F#5:2 C#5:8 | D6:2 C#6:2 B5:4 G5:2 A5:2 B5:4 | A5:4 F#5:4 D5:8 | "
                   "E5:2 G5:2 B5:4 E6:4 D6:4 | C#6:4 B5:2 A5:2 E5:4 G5:4 | F#5:2 A5:2 D6:4 F#6:4 D6:4 | "
                   "E6:4 C#6:4 A5:4 E5:4 |"}},
        .chords = {{Stab(0.5, 0.06f), "0 1 2 3 0 1 2 3 0 1 2 3 0 1 2 3", 4, 0.5},
                   {Bass(0.35f), "b . 0 . b . 0 . b . 0 . b . 2 .", 3, 0.8}},
        .drums = {{"k.h.s.h.k.k.s.h.", "k.h.s.h.k.s.s.ss", 8, 7, 0.8f}},
        .echo = {0.23, 0.2, 0.12},
        .seed = 12,
    };
}

// Autumn: calm, A minor in three; plucked arpeggios, a soft flute, a pad.
Score autumn() {
    return {
        .name = "秋",
        .bpm = 84,
        .beatsPerBar = 3,
        .bars = 16,
        .progression = "Am F C G Dm Am Bdim E Am F C G F Dm Esus4 E7",
        .lines = {{Flute(0.28f),
                   "E5:8 A5:4 | C6:6 B5:2 A5:4 | G5:8 E5:4 | D5:12 | F5:4 A5:4 D6:4 | C6:8 A5:4 | "
                   "B5:4 A5:4 G#5:4 | B5:12 | A5:4 C6:4 E6:4 | F6:6 E6:2 C6:4 | E6:4 D6:4 C6:4 | "
                   "B5:8 G5:4 | A5:4 C6:4 F6:4 | E6:4 D6:4 A5:4 | A5:6 G#5:2 B5:4 | B5:8 G#5:4 |"}},
        .chords = {{Guitar(0.5f, 2500), "b . 1 . 2 . 3 . 2 . 1 .", 4, 1.0},
                   {Pad(0.05f, 900), "c . . . . . . . . . . .", 4, 1.0}},
        .drums = {},
        .echo = {0.36, 0.35, 0.28},
        .seed = 13,
    };
}

// Winter: quiet, D minor; a music box over a slow pad, no drums.
Score winter() {
    return {
        .name = "冬",
        .bpm = 72,
        .beatsPerBar = 4,
        .bars = 12,
        .progression = "Dm Bb Gm A Dm Bb C A Gm Dm Bb A",
        .lines = {{Bell(0.28f), "A5:4 F5:4 D5:4 E5:4 | F5:8 D5:8 | G5:4 Bb5:4 D6:4 C6:4 | A5:12 r:4 | "
                                "D6:4 C6:4 A5:4 F5:4 | G5:4 F5:4 D5:8 | E5:4 G5:4 C6:4 Bb5:4 | A5:8 C#6:8 | "
                                "D6:6 C6:2 Bb5:4 G5:4 | A5:8 F5:8 | F5:4 G5:4 Bb5:4 D6:4 | C#6:8 E5:8 |"}},
        .chords = {{Bell(0.1f, 0.8), "0 . . . 2 . . . 1 . . . 2 . . .", 4, 0.9},
                   {Pad(0.05f, 700), "c . . . . . . . . . . . . . . .", 3, 1.0}},
        .drums = {},
        .echo = {0.5, 0.4, 0.3},
        .seed = 14,
    };
}

// The shop: friendly and bouncy, G major; oom-pah under a chip melody.
Score shop() {
    return {
        .name = "店",
        .bpm = 112,
        .beatsPerBar = 4,
        .bars = 16,
        .progression = "G Em C D G Em Am D G G7 C Cm G Em Am7 D",
        .lines = {{Chip(0.5, 0.2f),
                   "D5:2 G5:2 B5:2 D6:2 B5:4 G5:4 | E5:2 G5:2 B5:4 A5:2 G5:2 E5:4 | "
                   "C5:2 E5:2 G5:2 C6:2 B5:4 A5:4 | A5:4 F#5:4 D5:8 | B5:4 A5:2 G5:2 D6:4 B5:4 | "
                   "G5:4 E5:2 G5:2 B5:8 | C6:4 B5:2 A5:2 E5:4 A5:4 | F#5:4 A5:4 D6:4 C6:4 | "
                   "B5:2 C6:2 D6:4 G5:4 B5:4 | F5:4 G5:2 B5:2 D6:8 | E6:4 D6:2 C6:2 G5:4 E5:4 | "
                   "Eb5:4 G5:4 C6:4 Eb6:4 | D6:4 B5:2 G5:2 D5:4 G5:4 | B5:4 G5:2 E5:2 B4:8 | "
                   "C5:4 E5:2 G5:2 A5:4 C6:4 | F#5:4 E5:2 D5:2 A4:4 C5:4 |"}},
        .chords = {{Bass(0.35f), "0 . . . - . . . 2 . . . - . . .", 2, 0.8},
                   {Guitar(0.22f, 3000), "- . . . c . . . - . . . c . . .", 4, 0.5}},
        .drums = {{"..h...h...h...h.", {}, 0, 0, 0.9f}},
        .echo = {0.27, 0.2, 0.12},
        .seed = 15,
    };
}

// The tournament: a march in B flat; brass, tuba, snare cadence, cymbals.
Score tournament() {
    return {
        .name = "大会",
        .bpm = 116,
        .beatsPerBar = 4,
        .bars = 16,
        .progression = "Bb F Bb Eb Bb Gm C7 F Eb Bb Cm F Bb Eb F F7",
        .lines = {{Brass(0.38f, 3000),
                   "F5:3 F5:1 Bb5:4 D6:4 Bb5:4 | C6:3 A5:1 F5:4 C6:8 | D6:3 C6:1 Bb5:4 F5:4 D5:4 | "
                   "Eb5:4 G5:4 Bb5:8 | F5:3 F5:1 Bb5:4 D6:4 F6:4 | D6:4 Bb5:4 G5:8 | "
                   "E5:3 G5:1 C6:4 Bb5:4 G5:4 | A5:4 C6:4 F5:8 | G5:3 Eb5:1 G5:4 Bb5:4 Eb6:4 | "
                   "D6:8 Bb5:8 | C6:3 Eb6:1 C6:4 G5:4 Eb5:4 | F5:3 G5:1 A5:4 C6:8 | "
                   "D6:3 D6:1 D6:4 F6:4 D6:4 | Eb6:4 Bb5:4 G5:8 | F5:3 G5:1 A5:4 C6:4 A5:4 | "
                   "Eb6:4 C6:4 A5:4 F5:4 |"}},
        .chords = {{Bass(0.4f), "0 . . . - . . . 2 . . . - . . .", 2, 0.7},
                   {Stab(0.25, 0.07f), "- . c . - . c . - . c . - . c .", 4, 0.4}},
        .drums = {{"K.s.S.s.K.s.Sss.", "K.ssS.ssK.ssSSSS", 4, 3, 0.6f},
                  {"................", "c...............", 4, 0, 1.0f}},
        .echo = {0.26, 0.2, 0.1},
        .seed = 16,
    };
}

// Ordinary battles: driving, E minor; chugging bass, fast beat, a chip lead
// after a four-bar riff.
Score battle() {
    return {
        .name = "通常",
        .bpm = 152,
        .beatsPerBar = 4,
        .bars = 20,
        .progression = "Em Em C D Em C D Em Am C D B Em C D Em Am C B7 B7",
        .lines = {{Chip(0.25, 0.24f),
                   "r:16 | r:16 | r:16 | r:8 B4:2 D5:2 E5:2 F#5:2 | G5:4 F#5:2 E5:2 B5:6 A5:2 | "
                   "G5:4 E5:4 C5:4 E5:4 | F#5:4 A5:4 D6:4 C6:2 A5:2 | B5:12 r:4 | "
                   "C6:4 B5:2 A5:2 E5:4 A5:4 | G5:4 E5:2 G5:2 C6:8 | D6:4 C6:2 B5:2 A5:4 F#5:4 | "
                   "D#5:4 F#5:4 B5:8 | E6:4 D6:2 B5:2 G5:4 B5:4 | C6:4 B5:2 G5:2 E5:8 | "
                   "F#5:4 A5:2 D6:2 C6:4 A5:4 | B5:8 G5:4 E5:4 | A5:2 B5:2 C6:4 E6:4 C6:4 | "
                   "B5:4 G5:4 E5:8 | D#6:4 B5:4 F#5:4 A5:4 | B5:8 F#5:4 D#5:4 |"}},
        .chords = {{DriveBass(0.22f), "0 . 0 . 0 . 0 . 0 . 0 . 3 . 0 .", 2, 0.7},
                   {Stab(0.5, 0.05f), "c - c - . c . - c - c - . c . -", 4, 0.3}},
        .drums = {{"k.hkS.h.k.hkS.hh", "k.hkS.h.S.SsTtll", 4, 3, 0.7f}},
        .echo = {},
        .seed = 17,
    };
}

// Rare boss battles: dark and heavy, C minor with the flat second; a growling
// low lead, an organ, pounding toms, saturated.
Score boss() {
    return {
        .name = "レア",
        .bpm = 92,
        .beatsPerBar = 4,
        .bars = 12,
        .progression = "Cm Db Cm Db Fm Ab Db G Cm Db Ab G",
        .lines = {{Brass(0.5f, 1400),
                   "G4:4 C5:4 Eb5:4 D5:4 | Db5:8 C5:4 Ab4:4 | G4:4 C5:4 Eb5:4 G5:4 | Ab5:8 G5:4 F5:4 | "
                   "F5:4 Ab5:4 C6:4 Ab5:4 | Eb5:4 C5:4 Ab4:8 | F5:4 Db5:4 Ab4:4 Db5:4 | D5:4 B4:4 G4:8 | "
                   "C6:4 B5:4 C6:4 G5:4 | Ab5:4 G5:4 F5:4 Db5:4 | Eb5:4 F5:4 G5:4 Ab5:4 | B5:8 G5:4 D5:4 |"}},
        .chords = {{DriveBass(0.28f), "0 . . 0 0 . 0 . 0 . . 0 0 . 3 .", 2, 0.8},
                   {Pad(0.07f, 800), "c . . . . . . . . . . . . . . .", 3, 1.0}},
        .drums = {{"K..k..l.S..k.lL.", "K..k..l.S.tttllL", 4, 3, 0.7f},
                  {"................", "c...............", 4, 0, 0.8f}},
        .echo = {0.33, 0.25, 0.15},
        .drive = 2.0,
        .seed = 18,
    };
}

} // namespace

const std::vector<Score>& MusicScores() {
    static const std::vector<Score> scores{boss(),   summer(), autumn(), spring(),
                                           battle(), shop(),   winter(), tournament()};
    return scores;
}

const Score& MusicScore(std::string_view name) {
    for (const auto& score : MusicScores())
        if (score.name == name) return score;
    throw std::logic_error("no music for \"" + std::string(name) + "\"");
}

} // namespace tools::synth
