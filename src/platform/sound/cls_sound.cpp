#include "platform/sound/cls_sound.h"

#include "host/sound/sound_library.h"

#include <span>

namespace st = host::sound;

void clsSound::AddSound(const std::string& SoundName, std::int32_t SoundID,
                        const std::vector<std::uint8_t>& arrByt, std::int32_t SoundType, std::int32_t Low,
                        std::int32_t BGMSize) {
    soundName_ = SoundName;
    soundID_ = SoundID;
    soundType_ = SoundType;
    sound_ = arrByt;
    low_ = Low;
    bgmSize_ = BGMSize;

    const std::span<const std::uint8_t> copy(sound_);
    if (soundType_ == MusicType) {
        const bool inside = low_ >= 0 && bgmSize_ >= 0 &&
                            std::int64_t{low_} + bgmSize_ <= static_cast<std::int64_t>(copy.size());
        st::STReadOggBytes(soundID_, inside ? copy.subspan(low_, bgmSize_) : copy.first(0), 0);
    } else if (soundType_ == EffectType) {
        st::STReadBytes(soundID_, copy, 2);
    }
}

void clsSound::SoundPlay(std::int32_t SEVolume) {
    if (soundType_ == MusicType) {
        st::STLoop(soundID_);
    } else if (soundType_ == EffectType) {
        st::STPlayEx(soundID_, 0, SEVolume, 2);
    }
}
