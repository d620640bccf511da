#pragma once

#include "host/ui/control.h"
#include "host/ui/font_choice.h"
#include "host/ui/surface.h"

#include <string>

namespace host::ui {

// A push button with a centred caption; it looks pressed while held.
class CommandButton : public Control {
  public:
    CommandButton();

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);

    const gdi::DeviceContext* look() const override { return &surface_.hDC(); }
    void onMouseDown(int button, int shift, int x, int y) override;
    void onMouseUp(int button, int shift, int x, int y) override;

    void takeSettingsFrom(const CommandButton& element);

  protected:
    void resized() override;

  private:
    void draw();

    Surface surface_;
    std::string caption_;
    FontChoice font_;
    bool pressed_ = false;
};

} // namespace host::ui
