#include "tools/assets/sound_generators.h"

#include "tools/assets/sound/effects.h"
#include "tools/assets/sound/music_scores.h"
#include "tools/assets/sound_encoders.h"

#include <stdexcept>
#include <string>

namespace tools {
namespace {

constexpr float kMusicQuality = 0.5f;

struct WavFormat {
    int rate;
    int bits;
};

// Best first.
constexpr WavFormat kEffectFormats[] = {{22050, 16}, {22050, 8}, {11025, 8}};

} // namespace

std::vector<std::uint8_t> GenerateMusic(const SoundBudget& record) {
    const auto samples = synth::RenderScore(synth::MusicScore(record.name), kMusicRate);
    return EncodeOggVorbis(samples, kMusicRate, kMusicQuality);
}

std::vector<std::uint8_t> GenerateEffect(const SoundBudget& record) {
    const auto& design = synth::EffectNamed(record.name);
    for (const auto format : kEffectFormats) {
        const auto samples = design.render(format.rate);
        if (WavSize(samples.size(), format.bits) <= record.budget)
            return EncodeWav(samples, format.rate, format.bits);
    }
    throw std::logic_error("the effect \"" + std::string(record.name) + "\" is too long for its " +
                           std::to_string(record.budget) + " bytes");
}

std::vector<std::uint8_t> GenerateSound(const SoundBudget& record) {
    return record.format == SoundFormat::OggVorbis ? GenerateMusic(record) : GenerateEffect(record);
}

} // namespace tools
