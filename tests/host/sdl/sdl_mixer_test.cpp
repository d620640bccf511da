#include "host/sdl/sdl_mixer_device.h"
#include "host/sound/sample_audio.h"
#include "host/sound/sound_library.h"
#include "host/sound/volume.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

using namespace host::sound;

namespace {

// Polls until the condition holds or a generous deadline passes.
bool eventually(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Volume of the channels now playing, or -1 when none plays.
int playingChannelVolume() {
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
        if (Mix_Playing(channel) != 0) return Mix_Volume(channel, -1);
    }
    return -1;
}

class SdlMixerLibrary : public ::testing::Test {
  protected:
    // The dummy driver plays in real time without a sound card.
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(STInit(nullptr, 0)) << "the dummy audio driver should open";
    }
    void TearDown() override { STEnd(); }

    host::runtime::ScopedInstall<AudioDevice> device{installedAudioDevice,
                                                     std::make_unique<host::sdl::SdlMixerDevice>()};
};

} // namespace

TEST_F(SdlMixerLibrary, PaddedRecordsLoadFromMemoryPlayCountAndStop) {
    constexpr std::int32_t music = 1, effect = 2;
    ASSERT_TRUE(STReadOggBytes(music, sound_test::padded(sound_test::makeOgg(0.2), 4096), 0));
    ASSERT_TRUE(STReadBytes(effect, sound_test::padded(sound_test::makeWav(2.0), 4096), 2));

    ASSERT_TRUE(STSetVolume(music, 50));
    ASSERT_TRUE(STLoop(music));
    EXPECT_EQ(STNumPlaying(music), 1);
    EXPECT_EQ(Mix_VolumeMusic(-1), mixerVolume(50));
    STSetVolume(music, 25);
    EXPECT_EQ(Mix_VolumeMusic(-1), mixerVolume(25)) << "volume changes while playing";

    ASSERT_TRUE(STPlayEx(effect, 0, 30, 2));
    EXPECT_EQ(playingChannelVolume(), mixerVolume(30));
    ASSERT_TRUE(STPlayEx(effect, 0, 30, 2));
    EXPECT_EQ(STNumPlaying(effect), 2);

    // The stream lasts 0.2 s: still playing well after that means it loops.
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_EQ(STNumPlaying(music), 1);

    STStop(effect, 0);
    EXPECT_EQ(STNumPlaying(effect), 0);
    STStop(music, 0);
    EXPECT_EQ(STNumPlaying(music), 0);
}

TEST_F(SdlMixerLibrary, AnEffectStopsCountingWhenItEnds) {
    ASSERT_TRUE(STReadBytes(7, sound_test::makeWav(0.05), 2));
    ASSERT_TRUE(STPlayEx(7, 0, 50, 2));
    EXPECT_TRUE(eventually([] { return STNumPlaying(7) == 0; }));
}

TEST_F(SdlMixerLibrary, BytesThatAreNotSoundAreRefused) {
    const std::vector<std::uint8_t> junk(512, 0x5a);
    EXPECT_FALSE(STReadOggBytes(1, junk, 0));
    EXPECT_FALSE(STReadBytes(2, junk, 2));
    EXPECT_FALSE(STLoop(1));
    EXPECT_EQ(STNumPlaying(2), 0);
}

TEST(SdlMixerDevice, AnAudioDriverThatDoesNotExistFailsWithSdlsReason) {
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    std::string error;
    const auto backend = host::sdl::SdlMixerDevice().open(error);
    if (previous != nullptr) {
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }
    EXPECT_EQ(backend, nullptr);
    EXPECT_FALSE(error.empty());
}
