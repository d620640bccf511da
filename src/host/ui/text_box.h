#pragma once

#include "host/runtime/event.h"
#include "host/ui/control.h"
#include "host/ui/font_choice.h"
#include "host/ui/surface.h"

#include <string>

namespace host::ui {

// A single-line text box. Typed and committed input-method text is added at
// the end, Backspace takes the last character away; the text being composed
// shows underlined after the text until it is committed. Change is raised
// whenever the text changes, by typing or by code.
class TextBox : public Control {
  public:
    TextBox();

    const std::string& Text() const { return text_; }
    void setText(std::string text);
    const FontChoice& Font() const { return font_; }
    void setFont(const FontChoice& font);

    runtime::Event<> Change;

    const gdi::DeviceContext* look() const override { return &surface_.hDC(); }
    void onKeyPress(int& code) override;
    void onText(const std::string& text) override;
    void onComposition(const std::string& text) override;
    void onGotFocus() override;
    void onLostFocus() override;

    void takeSettingsFrom(const TextBox& element);

  protected:
    void resized() override;

  private:
    void draw();

    Surface surface_;
    std::string text_;
    std::string composition_;
    FontChoice font_;
};

} // namespace host::ui
