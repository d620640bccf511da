#include "platform/sound/cls_mng_sound.h"

#include "host/runtime/runtime_error.h"
#include "host/sound/sound_library.h"
#include "platform/sound/sound_names.h"

#include <limits>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;
namespace st = host::sound;

clsMngSound::clsMngSound() {
    SEVolume(50);
    BGMVolume(50);
}

void clsMngSound::GControlPlay(std::int32_t SoundType) {
    if (forceMute_) return;
    switch (SoundType) {
    case 0:
        SoundPlay(sound_name::kClick);
        break;
    case 1:
        SoundPlay(sound_name::kMouseMove);
        break;
    case 2:
        SoundPlay(sound_name::kScroll);
        break;
    case 4:
        SoundPlay(sound_name::kSort);
        break;
    default:
        break;
    }
}

void clsMngSound::BGMStop() {
    for (const auto& sound : sounds_) {
        if (sound->SoundType() == clsSound::MusicType && st::STNumPlaying(sound->SoundID()) == 1) {
            st::STStop(sound->SoundID(), 0);
            bgmName_.clear();
            return;
        }
    }
}

bool clsMngSound::ISPlay(const std::string& SoundName) {
    return st::STNumPlaying(find(SoundName).SoundID()) == 1;
}

void clsMngSound::SoundPlay(const std::string& SoundName) {
    clsSound& sound = find(SoundName);
    if (sound.SoundType() == clsSound::EffectType) {
        if (seVolume_ > 0) sound.SoundPlay(seVolume_);
    } else if (sound.SoundType() == clsSound::MusicType) {
        if (bgmVolume_ <= 0) return;
        BGMStop();
        st::STSetVolume(sound.SoundID(), bgmVolume_);
        sound.SoundPlay(seVolume_);
        bgmName_ = SoundName;
    }
}

bool clsMngSound::AddSound(const std::string& SoundName, const std::vector<std::uint8_t>& arrByt,
                           std::int32_t SoundType, std::int32_t Low, std::int32_t High) {
    for (const auto& sound : sounds_) {
        if (sound->SoundName() == SoundName) return false;
    }
    constexpr std::int64_t longMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t longMin = std::numeric_limits<std::int32_t>::min();
    const std::int64_t size = std::int64_t{High} - Low + 1;
    if (lastID_ == longMax || size > longMax || size < longMin) {
        throw RuntimeError(ErrorNumber::Overflow, "sound \"" + SoundName + "\"");
    }
    const std::int32_t id = lastID_ + 1;
    auto sound = std::make_unique<clsSound>();
    sound->AddSound(SoundName, id, arrByt, SoundType, Low, static_cast<std::int32_t>(size));
    sounds_.push_back(std::move(sound));
    lastID_ = id;
    return true;
}

void clsMngSound::BGMVolume(std::int32_t value) {
    bgmVolume_ = value;
    for (const auto& sound : sounds_) {
        if (sound->SoundType() == clsSound::MusicType) st::STSetVolume(sound->SoundID(), value);
    }
}

clsSound& clsMngSound::find(const std::string& SoundName) {
    for (const auto& sound : sounds_) {
        if (sound->SoundName() == SoundName) return *sound;
    }
    throw RuntimeError(ErrorNumber::InvalidCall, "no sound named \"" + SoundName + "\"");
}
