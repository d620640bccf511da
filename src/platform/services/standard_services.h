#pragma once

#include "host/sys/message_box.h"
#include "platform/services/game_services.h"

#include <functional>

// The services of the running game: the sound manager, waits on the program's
// tick clock that run the given pump (the window's message processing), the
// given message boxes and the runtime's one random generator.
class StandardServices : public GameServices {
  public:
    StandardServices(host::sys::MessageBoxes& boxes, std::function<void()> pump);

    void SoundPlay(const std::string& SoundName) override;
    void BGMStop() override;
    std::string GetBGMName() override;
    void WaitTime(double ms) override;
    void MsgBox(const std::string& text) override;
    bool YesNo(const std::string& text, const std::string& title) override;
    float Rnd() override;

  private:
    host::sys::MessageBoxes& boxes_;
    std::function<void()> pump_;
};
