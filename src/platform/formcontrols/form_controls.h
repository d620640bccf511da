#pragma once

#include "host/ui/form.h"
#include "platform/drawing/drawable_control.h"

#include <memory>
#include <span>
#include <vector>

// The form's controls as the see-through background copy sees them: every
// control of the tree, containers before their children and siblings from
// the back to the front, so later copies lie over earlier ones as on screen.
// A control that is itself a DrawableControl (the list grid, the message
// box) answers for itself; the others are seen through their current look.
class FormControls {
  public:
    explicit FormControls(host::ui::Form& form);
    ~FormControls();

    std::span<DrawableControl* const> list() const { return list_; }

  private:
    class View;
    void add(host::ui::Control& control);

    std::vector<std::unique_ptr<View>> views_;
    std::vector<DrawableControl*> list_;
};
