#pragma once

#include "host/runtime/global.h"

#include <memory>
#include <string>

// What game logic needs of the outside world: sounds by name, waits that keep
// the window alive, message boxes and the random draws of its dice. The shell
// installs the real services at start-up; tests install SilentServices.
class GameServices {
  public:
    virtual ~GameServices() = default;

    virtual void SoundPlay(const std::string& SoundName) = 0;
    virtual void BGMStop() = 0;
    virtual std::string GetBGMName() = 0;

    // Returns after ms milliseconds; the window's messages keep flowing meanwhile.
    virtual void WaitTime(double ms) = 0;

    virtual void MsgBox(const std::string& text) = 0;
    // True when the player answers Yes.
    virtual bool YesNo(const std::string& text, const std::string& title) = 0;

    // One draw r, uniform in [0, 1) in single precision.
    virtual float Rnd() = 0;
};

inline constinit host::runtime::Global<GameServices> installedServices{"services"};
inline GameServices& Services() {
    return installedServices.get();
}
