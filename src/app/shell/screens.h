#pragma once

#include "host/ui/picture_box.h"

// The procedures that one screen or dialog calls on another, implemented by
// the main form, which owns and wires the screens. Each screen adds the
// members others call on it.
class Screens {
  public:
    virtual ~Screens() = default;

    // Makes a screen the active one: in front and enabled.
    virtual void ActivateScreen(host::ui::PictureBox& screen) = 0;

    // The school screen: its main menu (Redraw paints the background again)
    // and the status panel from the facade.
    virtual void ShowSchoolMenu(bool Redraw) = 0;
    virtual void RefreshStatusView() = 0;
};
