#pragma once

#include "platform/sound/mng_sound.h"

#include <cstdint>
#include <memory>

// What every screen's constructor uses to make its controls.
namespace screen_controls {

// The first control of a control array, made and named.
template <class T> std::unique_ptr<T> first(const char* name) {
    auto control = std::make_unique<T>();
    control->setName(name);
    return control;
}

// A control's sound event: the sound of its kind.
inline void playControlSound(std::int32_t& kind) {
    MngSound().GControlPlay(kind);
}

} // namespace screen_controls
