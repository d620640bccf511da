// The packed sound archive through the SDL2_mixer backend, as the game
// loads it: every record loads, and the mixer decodes each one whole.
#include "tools/assets/budget_table.h"
#include "tools/assets/sound/music_scores.h"
#include "tools/assets/sound_generators.h"

#include "host/sdl/sdl_mixer_device.h"
#include "host/sound/sound_library.h"
#include "host/sys/paths.h"
#include "platform/assets/asset_table.h"
#include "platform/drawing/byte_range.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};

class SoundRecords : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::ifstream in(host::sys::gamePath(AssetTable::kSoundArchivePath), std::ios::binary);
        archive_ = new std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                                 std::istreambuf_iterator<char>());
    }
    static void TearDownTestSuite() {
        delete archive_;
        archive_ = nullptr;
    }

    void SetUp() override {
        ASSERT_EQ(archive_->size(), static_cast<std::size_t>(AssetTable::kSoundArchiveSize));
        ASSERT_TRUE(host::sound::STInit(nullptr, 0)) << "the dummy audio driver should open";
        int frequency = 0;
        Uint16 format = 0;
        ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels_), 0);
        ASSERT_EQ(format, AUDIO_S16SYS);
        frequency_ = frequency;
    }
    void TearDown() override { host::sound::STEnd(); }

    host::runtime::ScopedInstall<host::sound::AudioDevice> device_{
        host::sound::installedAudioDevice, std::make_unique<host::sdl::SdlMixerDevice>()};

    // The record restored and with its zero padding, as the loader hands it over.
    static std::vector<std::uint8_t> record(const tools::SoundBudget& sound) {
        const auto first = archive_->begin() + sound.first;
        std::vector<std::uint8_t> bytes(first, first + static_cast<std::ptrdiff_t>(sound.budget));
        return GetByteRange(bytes, 0, static_cast<std::int32_t>(bytes.size()) - 1, true);
    }

    // The mixer's decoding of the bytes into its own format, as mono samples in -1..1.
    std::vector<float> decode(const std::vector<std::uint8_t>& bytes) const {
        std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk(
            Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1));
        if (!chunk) return {};
        const auto* pcm = reinterpret_cast<const std::int16_t*>(chunk->abuf);
        const std::size_t frames = chunk->alen / sizeof(std::int16_t) / static_cast<std::size_t>(channels_);
        std::vector<float> samples(frames);
        for (std::size_t i = 0; i < frames; ++i)
            samples[i] = pcm[i * static_cast<std::size_t>(channels_)] / 32768.0f;
        return samples;
    }

    static std::vector<std::uint8_t>* archive_;
    int frequency_ = 0;
    int channels_ = 0;
};

std::vector<std::uint8_t>* SoundRecords::archive_ = nullptr;

float rms(const float* first, const float* last) {
    double sum = 0;
    for (const float* s = first; s != last; ++s)
        sum += static_cast<double>(*s) * *s;
    return static_cast<float>(std::sqrt(sum / static_cast<double>(last - first)));
}

// The step between neighbouring samples that `share` of all steps stay under.
float stepQuantile(const std::vector<float>& samples, double share) {
    std::vector<float> steps(samples.size() - 1);
    for (std::size_t i = 1; i < samples.size(); ++i)
        steps[i - 1] = std::abs(samples[i] - samples[i - 1]);
    const auto at = steps.begin() + static_cast<std::ptrdiff_t>(share * static_cast<double>(steps.size()));
    std::nth_element(steps.begin(), at, steps.end());
    return *at;
}

TEST_F(SoundRecords, EveryRecordLoadsIntoTheMixerUnderItsId) {
    std::int32_t id = 0;
    for (const auto& sound : tools::SoundBudgets()) {
        SCOPED_TRACE(std::string(sound.name));
        const auto bytes = record(sound);
        ++id;
        if (sound.format == tools::SoundFormat::OggVorbis) {
            EXPECT_TRUE(host::sound::STReadOggBytes(id, bytes, 0));
        } else {
            EXPECT_TRUE(host::sound::STReadBytes(id, bytes, 2));
        }
    }
    ASSERT_TRUE(host::sound::STLoop(1));
    EXPECT_EQ(host::sound::STNumPlaying(1), 1);
}

// A loop is whole bars long and runs from its last sample into its first
// without a click: the step across the seam is no bigger than most steps
// inside the piece, and the music is sounding there, not faded out.
TEST_F(SoundRecords, MusicLoopsWholeBarsWithoutAClickAtTheSeam) {
    ASSERT_EQ(frequency_, tools::kMusicRate) << "music plays at the mixer's rate, unresampled";
    for (const auto& sound : tools::SoundBudgets()) {
        if (sound.format != tools::SoundFormat::OggVorbis) continue;
        SCOPED_TRACE(std::string(sound.name));
        const auto samples = decode(record(sound));
        const auto& score = tools::synth::MusicScore(sound.name);
        ASSERT_EQ(samples.size(), score.loopSamples(tools::kMusicRate));
        const double seconds = static_cast<double>(samples.size()) / tools::kMusicRate;
        EXPECT_GE(seconds, 25.0);
        EXPECT_LE(seconds, 60.0);

        const float seam = std::abs(samples.front() - samples.back());
        EXPECT_LE(seam, stepQuantile(samples, 0.9));
        const std::size_t around = tools::kMusicRate / 20;
        std::vector<float> joined(samples.end() - static_cast<std::ptrdiff_t>(around), samples.end());
        joined.insert(joined.end(), samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(around));
        EXPECT_GT(rms(joined.data(), joined.data() + joined.size()),
                  0.1f * rms(samples.data(), samples.data() + samples.size()));
    }
}

// Effects are short, full-scale and end at rest, so none ends on a click.
TEST_F(SoundRecords, EffectsAreShortLoudAndEndAtRest) {
    for (const auto& sound : tools::SoundBudgets()) {
        if (sound.format != tools::SoundFormat::Wav) continue;
        SCOPED_TRACE(std::string(sound.name));
        const auto samples = decode(record(sound));
        ASSERT_FALSE(samples.empty());
        EXPECT_LE(samples.size(), static_cast<std::size_t>(2 * frequency_));
        float peak = 0;
        for (const float s : samples)
            peak = std::max(peak, std::abs(s));
        EXPECT_GT(peak, 0.5f);
        EXPECT_LT(std::abs(samples.back()), 0.02f);
    }
}

} // namespace
