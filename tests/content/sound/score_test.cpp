#include "tools/assets/sound/score.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

using namespace tools::synth;

constexpr int kRate = 8000;

Instrument organ() {
    Instrument i;
    i.wave = Wave::Sine;
    i.envelope = {0.01, 0.0, 1.0, 0.2};
    i.gain = 0.5f;
    return i;
}

Score oneBar(std::string_view notes) {
    return {.name = "test",
            .bpm = 120,
            .beatsPerBar = 4,
            .bars = 1,
            .progression = "C",
            .lines = {{organ(), notes}},
            .chords = {},
            .drums = {},
            .echo = {}};
}

// A note held over the end of the loop rings on at its start, and the join
// is as smooth as the note itself.
TEST(Score, ANoteOverTheSeamRingsOnAtTheStart) {
    const auto score = oneBar("r:12 A4:4");
    const auto samples = RenderScore(score, kRate);
    ASSERT_EQ(samples.size(), score.loopSamples(kRate));
    EXPECT_EQ(samples.size(), static_cast<std::size_t>(kRate * 2)); // one bar of 4 beats at 120 bpm

    // The release (0.2 s) sounds at the loop's start.
    float start = 0;
    for (std::size_t i = 0; i < kRate / 10; ++i)
        start = std::max(start, std::abs(samples[i]));
    EXPECT_GT(start, 0.3f);
    // 440 Hz at 8 kHz moves at most 2*pi*440/8000 of its amplitude a sample.
    const float steepest = 0.8f * 2 * 3.1416f * 440 / kRate;
    EXPECT_LE(std::abs(samples.front() - samples.back()), steepest * 1.05f);
}

TEST(Score, EchoesOfTheEndSoundAtTheStart) {
    auto score = oneBar("r:12 A4:1 r:3");
    score.echo = {0.5, 0.5, 0.5};
    const auto samples = RenderScore(score, kRate);
    float start = 0;
    for (std::size_t i = 0; i < kRate / 2; ++i)
        start = std::max(start, std::abs(samples[i]));
    EXPECT_GT(start, 0.1f);
}

TEST(Score, TextsThatDoNotAddUpAreRefused) {
    for (const auto notes : {"C4:4 D4:4 E4:4 | F4:4", "C4:8 D4:12 |", "H4:16", "C4:0 D4:16", "C:16"}) {
        SCOPED_TRACE(notes);
        EXPECT_THROW(RenderScore(oneBar(notes), kRate), std::logic_error);
    }
    auto badChord = oneBar("C4:16");
    badChord.progression = "Cx";
    EXPECT_THROW(RenderScore(badChord, kRate), std::logic_error);
    auto shortPattern = oneBar("C4:16");
    shortPattern.chords = {{organ(), "0 . 1 .", 4, 1.0}};
    EXPECT_THROW(RenderScore(shortPattern, kRate), std::logic_error);
}

} // namespace
