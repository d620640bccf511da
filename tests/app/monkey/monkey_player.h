#pragma once

#include "host/ui/control.h"
#include "host/ui/form.h"
#include "host/ui/null_driver.h"

#include <random>
#include <string>
#include <vector>

namespace monkeytest {

// A player who acts at random on whatever the window shows: a control that
// takes input and lies on top at the chosen point is clicked (now and then
// with the right button, or turned with the wheel), a control that drags is
// dragged onto another, a text box is typed into, Enter or Escape is pressed.
// Controls are found by walking the form, so new ones are played too.
class MonkeyPlayer {
  public:
    explicit MonkeyPlayer(unsigned seed) : random_(seed) {}

    // What was done, for the log of a failing run, and on which control
    // (both "" when nothing could be acted on; no control for a key).
    struct Action {
        std::string text;
        std::string control;
    };
    // Queues one action on the window.
    Action act(host::ui::Form& form, host::ui::NullVideoDriver& window);
    // A number in [0, bound).
    int below(int bound);

  private:
    struct Target {
        host::ui::Control* control;
        host::gdi::Point point; // in the form's client area
    };
    // Every control that takes input with a point where it is on top.
    std::vector<Target> targets(host::ui::Form& form);
    void collect(host::ui::Form& form, host::ui::Control& container, std::vector<Target>& found);
    std::string typedText();

    std::mt19937 random_;
};

// The control's name and index as the log shows it.
std::string describe(const host::ui::Control& control);

} // namespace monkeytest
