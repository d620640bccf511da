#include "host/runtime/runtime_error.h"
#include "host/sound/null_backend.h"
#include "host/sound/sound_library.h"
#include "platform/sound/cls_mng_sound.h"

#include <gtest/gtest.h>

#include <limits>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;
using host::sound::NullBackend;
using Action = NullBackend::Action;
using Call = NullBackend::Call;
using Calls = std::vector<Call>;

namespace {

// The smallest thing the library takes as an effect: a bare RIFF header.
const std::vector<std::uint8_t> effectBytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E', 0, 0, 0, 0};
const std::vector<std::uint8_t> musicBytes{'O', 'g', 'g', 'S', 1, 2, 3, 4};

// Music 春 (id 1) and 夏 (2), then the four control effects (3..6).
class SoundManager : public ::testing::Test {
  protected:
    void SetUp() override {
        addMusic("春");
        addMusic("夏");
        for (const char* name : {"click", "mousemove", "scroll", "sort"})
            addEffect(name);
        null->clearCalls();
    }

    bool addMusic(const std::string& name) {
        return mng.AddSound(name, musicBytes, 1, 0, static_cast<std::int32_t>(musicBytes.size()) - 1);
    }
    bool addEffect(const std::string& name) { return mng.AddSound(name, effectBytes, 2, 0, 0); }

    template <typename F> void expectInvalidCall(F call) {
        try {
            call();
            ADD_FAILURE() << "no error raised";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::InvalidCall);
        }
    }

    host::runtime::ScopedInstall<host::sound::Backend, NullBackend> null{host::sound::installedBackend,
                                                                         std::make_unique<NullBackend>()};
    clsMngSound mng;
};

} // namespace

TEST_F(SoundManager, StartsWithDefaultVolumesAndNoMusic) {
    clsMngSound fresh;
    EXPECT_EQ(fresh.SEVolume(), 50);
    EXPECT_EQ(fresh.BGMVolume(), 50);
    EXPECT_EQ(fresh.GetBGMName(), "");
    EXPECT_TRUE(null->calls().empty());
}

TEST_F(SoundManager, RegistersEachKindWithTheLibraryUnderConsecutiveIds) {
    std::vector<std::uint8_t> record{9, 9, 'O', 'g', 'g', 'S', 7, 0, 0};
    ASSERT_TRUE(mng.AddSound("大会", record, 1, 2, 6));
    ASSERT_NE(null->sound(7), nullptr);
    EXPECT_EQ(null->sound(7)->bytes, (std::vector<std::uint8_t>{'O', 'g', 'g', 'S', 7}));
    EXPECT_EQ(null->sound(7)->kind, NullBackend::Kind::Music);

    auto padded = effectBytes;
    padded.resize(100, 0);
    ASSERT_TRUE(mng.AddSound("coin05", padded, 2, 0, 0));
    ASSERT_NE(null->sound(8), nullptr);
    EXPECT_EQ(null->sound(8)->bytes.size(), 12u) << "the effect's own length, not the padding";
    EXPECT_EQ(null->sound(8)->kind, NullBackend::Kind::Effect);

    ASSERT_TRUE(mng.AddSound("other", effectBytes, 3, 0, 0));
    EXPECT_EQ(null->sound(9), nullptr) << "a sound of another type is only stored";
    EXPECT_NO_THROW(mng.SoundPlay("other"));
    EXPECT_TRUE(null->calls().empty());
}

TEST_F(SoundManager, MusicRangeOutsideTheBytesRegistersNothing) {
    EXPECT_TRUE(mng.AddSound("通常", musicBytes, 1, 4, 20));
    EXPECT_TRUE(mng.AddSound("レア", musicBytes, 1, -1, 3));
    EXPECT_EQ(null->sound(7), nullptr);
    EXPECT_EQ(null->sound(8), nullptr);
}

TEST_F(SoundManager, ADuplicateNameIsRefusedAndUsesNoId) {
    EXPECT_FALSE(addEffect("click"));
    mng.SoundPlay("click");
    EXPECT_EQ(null->calls(), (Calls{{Action::PlayOnce, 3, 50}}));

    EXPECT_TRUE(addEffect("Click")) << "names compare with letter case";
    EXPECT_NE(null->sound(7), nullptr);
}

TEST_F(SoundManager, AnOverlongRangeOverflowsAndChangesNothing) {
    const auto max = std::numeric_limits<std::int32_t>::max();
    try {
        mng.AddSound("店", musicBytes, 1, -1, max);
        ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    }
    EXPECT_TRUE(addMusic("店"));
    EXPECT_NE(null->sound(7), nullptr) << "the failed add used no id";
}

TEST_F(SoundManager, KeepsItsOwnCopyOfTheBytes) {
    auto bytes = effectBytes;
    ASSERT_TRUE(mng.AddSound("copy", bytes, 2, 0, 0));
    bytes.assign(bytes.size(), 0xff);
    mng.SoundPlay("copy");
    EXPECT_EQ(null->sound(7)->bytes,
              std::vector<std::uint8_t>(effectBytes.begin(), effectBytes.begin() + 12));
}

TEST_F(SoundManager, MusicStartsAtTheMusicVolumeAndReplacesWhatPlays) {
    mng.SoundPlay("春");
    EXPECT_EQ(null->calls(), (Calls{{Action::SetVolume, 1, 50}, {Action::Loop, 1}}));
    EXPECT_EQ(mng.GetBGMName(), "春");

    null->clearCalls();
    mng.SoundPlay("夏");
    EXPECT_EQ(null->calls(), (Calls{{Action::Stop, 1}, {Action::SetVolume, 2, 50}, {Action::Loop, 2}}));
    EXPECT_EQ(mng.GetBGMName(), "夏");
    EXPECT_TRUE(mng.ISPlay("夏"));
    EXPECT_FALSE(mng.ISPlay("春"));
}

TEST_F(SoundManager, RequestingThePlayingMusicRestartsIt) {
    mng.SoundPlay("春");
    null->clearCalls();
    mng.SoundPlay("春");
    EXPECT_EQ(null->calls(), (Calls{{Action::Stop, 1}, {Action::SetVolume, 1, 50}, {Action::Loop, 1}}));
    EXPECT_EQ(mng.GetBGMName(), "春");
}

TEST_F(SoundManager, MusicRequestWithSilentMusicVolumeIsIgnoredCompletely) {
    mng.SoundPlay("春");
    for (std::int32_t volume : {0, -10}) {
        mng.BGMVolume(volume);
        null->clearCalls();
        mng.SoundPlay("夏");
        EXPECT_TRUE(null->calls().empty()) << volume;
        EXPECT_EQ(mng.GetBGMName(), "春");
        EXPECT_TRUE(mng.ISPlay("春"));
    }
}

TEST_F(SoundManager, BGMStopStopsThePlayingMusicOrLeavesTheNameAlone) {
    mng.SoundPlay("夏");
    null->clearCalls();
    mng.BGMStop();
    EXPECT_EQ(null->calls(), (Calls{{Action::Stop, 2}}));
    EXPECT_EQ(mng.GetBGMName(), "");

    mng.SoundPlay("春");
    null->finish(1);
    null->clearCalls();
    mng.BGMStop();
    EXPECT_TRUE(null->calls().empty());
    EXPECT_EQ(mng.GetBGMName(), "春") << "music that ended keeps its name";
}

TEST_F(SoundManager, SettingTheMusicVolumeReachesEveryMusicSound) {
    mng.BGMVolume(70);
    EXPECT_EQ(null->calls(), (Calls{{Action::SetVolume, 1, 70}, {Action::SetVolume, 2, 70}}));
    EXPECT_EQ(null->sound(2)->volume, 70) << "the next music starts at that volume";
    EXPECT_EQ(mng.BGMVolume(), 70);

    null->clearCalls();
    mng.SEVolume(20);
    EXPECT_TRUE(null->calls().empty());
}

TEST_F(SoundManager, EffectsPlayOnceAtTheEffectVolumeUnlessSilent) {
    const std::pair<std::int32_t, Calls> cases[] = {
        {30, {{Action::PlayOnce, 3, 30}}},
        {0, {}},
        {-1, {}},
    };
    for (const auto& [volume, calls] : cases) {
        null->clearCalls();
        mng.SEVolume(volume);
        mng.SoundPlay("click");
        EXPECT_EQ(null->calls(), calls) << volume;
    }
}

TEST_F(SoundManager, ControlSoundsByKind) {
    const std::pair<std::int32_t, Calls> cases[] = {
        {0, {{Action::PlayOnce, 3, 50}}},
        {1, {{Action::PlayOnce, 4, 50}}},
        {2, {{Action::PlayOnce, 5, 50}}},
        {3, {}},
        {4, {{Action::PlayOnce, 6, 50}}},
        {5, {}},
        {-1, {}},
    };
    for (const auto& [kind, calls] : cases) {
        null->clearCalls();
        mng.GControlPlay(kind);
        EXPECT_EQ(null->calls(), calls) << kind;
    }

    null->clearCalls();
    mng.SEVolume(0);
    mng.GControlPlay(0);
    mng.SEVolume(50);
    mng.SetForceMute(true);
    mng.GControlPlay(0);
    EXPECT_TRUE(null->calls().empty());
}

TEST_F(SoundManager, ISPlayMeansExactlyOneInstance) {
    EXPECT_FALSE(mng.ISPlay("click"));
    mng.SoundPlay("click");
    EXPECT_TRUE(mng.ISPlay("click"));
    mng.SoundPlay("click");
    EXPECT_FALSE(mng.ISPlay("click")) << "two instances";
}

TEST_F(SoundManager, AnUnknownNameRaisesTheInvalidCallErrorAndTouchesNothing) {
    mng.SoundPlay("春");
    null->clearCalls();
    expectInvalidCall([&] { mng.SoundPlay("秋"); });
    expectInvalidCall([&] { mng.ISPlay("CLICK"); });

    clsMngSound empty;
    expectInvalidCall([&] { empty.GControlPlay(4); });
    EXPECT_TRUE(null->calls().empty());
    EXPECT_EQ(mng.GetBGMName(), "春");
    EXPECT_TRUE(mng.ISPlay("春"));
}
