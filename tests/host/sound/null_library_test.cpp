#include "host/sound/null_backend.h"
#include "host/sound/sample_audio.h"
#include "host/sound/sound_library.h"

#include <gtest/gtest.h>

#include <string>

using namespace host::sound;
using Action = NullBackend::Action;
using Call = NullBackend::Call;

namespace {

class NullLibrary : public ::testing::Test {
  protected:
    host::runtime::ScopedInstall<Backend, NullBackend> null{installedBackend,
                                                            std::make_unique<NullBackend>()};
};

// A device that opens the backend it was given, or fails with a reason.
struct FakeDevice : AudioDevice {
    std::unique_ptr<Backend> open(std::string& error) override {
        if (!backend) error = "no sound card";
        return std::move(backend);
    }
    std::unique_ptr<Backend> backend;
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

TEST(SoundLibrary, StartsOnTheInstalledDeviceOrElseSilentlyWithOneLine) {
    const struct {
        const char* name;
        bool installed;
        bool opens;
        const char* reason;
    } cases[] = {
        {.name = "no device installed", .installed = false, .opens = false, .reason = "none installed"},
        {.name = "the device fails", .installed = true, .opens = false, .reason = "no sound card"},
        {.name = "the device opens", .installed = true, .opens = true, .reason = ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto device = std::make_unique<FakeDevice>();
        NullBackend* opened = nullptr;
        if (c.opens) {
            auto backend = std::make_unique<NullBackend>();
            opened = backend.get();
            device->backend = std::move(backend);
        }
        host::runtime::ScopedInstall installed(installedAudioDevice,
                                               c.installed ? std::move(device) : nullptr);

        ::testing::internal::CaptureStderr();
        const bool heard = STInit(nullptr, 0);
        const std::string err = ::testing::internal::GetCapturedStderr();

        EXPECT_EQ(heard, c.opens);
        if (c.opens) {
            EXPECT_EQ(err, "");
            EXPECT_EQ(installedBackend.find(), opened);
        } else {
            EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
            EXPECT_NE(err.find(c.reason), std::string::npos) << err;
        }
        ASSERT_TRUE(STReadBytes(1, sound_test::makeWav(0.01), 2));
        EXPECT_TRUE(STPlayEx(1, 0, 50, 2));
        EXPECT_EQ(STNumPlaying(1), 1);
        STEnd();
        EXPECT_EQ(installedBackend.find(), nullptr);
    }
}
