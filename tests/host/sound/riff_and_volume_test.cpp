#include "host/sound/riff.h"
#include "host/sound/volume.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace host::sound;

namespace {

std::vector<std::uint8_t> bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

} // namespace

TEST(RiffLength, TakesTheLengthFromTheHeaderAndRefusesWhatDoesNotFit) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> data;
        std::optional<std::size_t> length;
    };
    const std::string body4 = std::string("RIFF\x04\0\0\0WAVE", 12);
    const Case cases[] = {
        {"exact", bytes(body4), 12},
        {"zero padding after it", bytes(body4 + std::string(20, '\0')), 12},
        {"size above 16 bits", bytes(std::string("RIFF\x00\x00\x01\x00", 8) + std::string(0x10000, 'x')),
         0x10008},
        {"claims more than there is", bytes(std::string("RIFF\x05\0\0\0WAVE", 12)), std::nullopt},
        {"claims four gigabytes", bytes(std::string("RIFF\xff\xff\xff\xff", 8)), std::nullopt},
        {"not RIFF", bytes(std::string("OggS\x04\0\0\0WAVE", 12)), std::nullopt},
        {"shorter than a header", bytes("RIFF\x04"), std::nullopt},
        {"empty", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(riffLength(c.data), c.length) << c.what;
    }
}

TEST(MixerVolume, MapsTheSettingsScaleOntoMixerRange) {
    const std::pair<std::int32_t, int> cases[] = {
        {-5, 0}, {0, 0}, {1, 1}, {50, 64}, {100, 128}, {101, 128}, {2147483647, 128}, {-2147483647 - 1, 0},
    };
    for (const auto& [volume, mixer] : cases) {
        EXPECT_EQ(mixerVolume(volume), mixer) << volume;
    }
}
