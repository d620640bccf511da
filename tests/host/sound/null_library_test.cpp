#include "host/sound/null_backend.h"
#include "host/sound/sample_audio.h"
#include "host/sound/sound_library.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace host::sound;
using Action = NullBackend::Action;
using Call = NullBackend::Call;

namespace {

class NullLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        auto backend = std::make_unique<NullBackend>();
        null = backend.get();
        installBackend(std::move(backend));
    }
    void TearDown() override { STEnd(); }

    NullBackend* null = nullptr;
};

} // namespace

TEST_F(NullLibrary, EffectIsCutToItsOwnLengthAndABrokenOneIsRefused) {
    const auto wav = sound_test::makeWav(0.01);
    ASSERT_TRUE(STReadBytes(1, sound_test::padded(wav, 300), 2));
    ASSERT_NE(null->sound(1), nullptr);
    EXPECT_EQ(null->sound(1)->bytes, wav);
    EXPECT_EQ(null->sound(1)->kind, NullBackend::Kind::Effect);

    auto truncated = wav;
    truncated.pop_back();
    EXPECT_FALSE(STReadBytes(2, truncated, 2));
    EXPECT_EQ(null->sound(2), nullptr);
}

TEST_F(NullLibrary, OneMusicAtATimeWhileEffectsAddUp) {
    const std::vector<std::uint8_t> ogg{'O', 'g', 'g', 'S'};
    ASSERT_TRUE(STReadOggBytes(1, ogg, 0));
    ASSERT_TRUE(STReadOggBytes(2, ogg, 0));
    ASSERT_TRUE(STReadBytes(3, sound_test::makeWav(0.01), 2));

    STLoop(1);
    STLoop(1);
    EXPECT_EQ(STNumPlaying(1), 1);
    STLoop(2);
    EXPECT_EQ(STNumPlaying(1), 0);
    EXPECT_EQ(STNumPlaying(2), 1);

    STPlayEx(3, 0, 40, 2);
    STPlayEx(3, 0, 60, 2);
    EXPECT_EQ(STNumPlaying(3), 2);
    null->finish(3);
    EXPECT_EQ(STNumPlaying(3), 0);

    STStop(2, 0);
    EXPECT_EQ(STNumPlaying(2), 0);
    EXPECT_EQ(STNumPlaying(99), 0);

    const std::vector<Call> expected{{Action::Loop, 1},         {Action::Loop, 1},         {Action::Loop, 2},
                                     {Action::PlayOnce, 3, 40}, {Action::PlayOnce, 3, 60}, {Action::Stop, 2}};
    EXPECT_EQ(null->calls(), expected);
}

TEST(SoundLibrary, CallsWithoutALibraryDoNothing) {
    STEnd();
    const std::vector<std::uint8_t> ogg{'O', 'g', 'g', 'S'};
    EXPECT_FALSE(STReadOggBytes(1, ogg, 0));
    EXPECT_FALSE(STLoop(1));
    EXPECT_FALSE(STSetVolume(1, 50));
    EXPECT_EQ(STNumPlaying(1), 0);
}

TEST(SoundLibrary, WithoutAnAudioDeviceFallsBackToSilenceWithOneLine) {
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    ::testing::internal::CaptureStderr();
    const bool heard = STInit(nullptr, 0);
    const std::string err = ::testing::internal::GetCapturedStderr();
    if (previous != nullptr) {
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }

    EXPECT_FALSE(heard);
    ASSERT_FALSE(err.empty());
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;

    ASSERT_TRUE(STReadBytes(1, sound_test::makeWav(0.01), 2));
    EXPECT_TRUE(STPlayEx(1, 0, 50, 2));
    EXPECT_EQ(STNumPlaying(1), 1);
    STEnd();
}
