#include "tools/assets/sound_generators.h"

#include "tools/assets/sound_encoders.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tools {
namespace {

constexpr int kMusicRate = 22050;
constexpr double kMusicSeconds = 2.0;
constexpr float kMusicQuality = 0.1f;
constexpr int kEffectRate = 22050;
constexpr double kEffectSeconds = 0.25;
constexpr std::size_t kWavHeader = 44;

// A pitch of the name, so each record sounds its own.
double namePitch(std::string_view name, double low, double high) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name)
        hash = (hash ^ static_cast<std::uint8_t>(c)) * 16777619u;
    return low + (high - low) * (hash % 1000) / 1000.0;
}

// A sine tone that fades in and out over a tenth of its length.
std::vector<float> tone(std::size_t count, int rate, double pitch, float amplitude) {
    std::vector<float> samples(count);
    const std::size_t fade = std::max<std::size_t>(1, count / 10);
    for (std::size_t i = 0; i < count; ++i) {
        const double envelope =
            std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(count - i) / fade});
        samples[i] =
            static_cast<float>(amplitude * envelope * std::sin(2 * std::numbers::pi * pitch * i / rate));
    }
    return samples;
}

} // namespace

std::vector<std::uint8_t> GenerateMusic(const SoundBudget& record) {
    const auto samples = tone(static_cast<std::size_t>(kMusicRate * kMusicSeconds), kMusicRate,
                              namePitch(record.name, 220, 440), 0.3f);
    return EncodeOggVorbis(samples, kMusicRate, kMusicQuality);
}

std::vector<std::uint8_t> GenerateEffect(const SoundBudget& record) {
    // One byte per sample; an odd count gets a pad byte.
    const std::size_t room = (record.budget - kWavHeader) & ~std::size_t{1};
    const std::size_t count = std::min(static_cast<std::size_t>(kEffectRate * kEffectSeconds), room);
    return EncodeWav8(tone(count, kEffectRate, namePitch(record.name, 440, 1760), 0.5f), kEffectRate);
}

std::vector<std::uint8_t> GenerateSound(const SoundBudget& record) {
    return record.format == SoundFormat::OggVorbis ? GenerateMusic(record) : GenerateEffect(record);
}

} // namespace tools
