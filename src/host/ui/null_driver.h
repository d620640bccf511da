#pragma once

#include "host/ui/video_driver.h"

#include <deque>
#include <functional>
#include <memory>

namespace host::ui {

// A window without a screen: input comes from a script, pictures are
// counted and the last one kept. Whenever the script runs dry, the idle
// callback may add more (answer a dialog once it is open, for instance).
// Waiting for input sleeps on the tick clock, which tests replace with a
// virtual one.
class NullVideoDriver : public VideoDriver {
  public:
    void push(InputEvent event) { script_.push_back(std::move(event)); }
    // Move, press and release of a button at a point.
    void click(int x, int y, int button = 1);
    void onIdle(std::function<void(NullVideoDriver&)> idle) { idle_ = std::move(idle); }
    bool scriptEmpty() const { return script_.empty(); }

    bool pollInput(InputEvent& event) override;
    bool waitForInput(int timeoutMs) override;
    void present(const gdi::Bitmap& frame) override;
    void setCaption(const std::string& caption) override { caption_ = caption; }
    void setPosition(gdi::Point position) override { position_ = position; }
    gdi::Point position() override { return position_; }
    void setTextInputArea(const gdi::Rect& area) override { textInputArea_ = area; }

    int presented() const { return presented_; }
    const gdi::Bitmap* lastFrame() const { return lastFrame_.get(); }
    const std::string& caption() const { return caption_; }
    const gdi::Rect& textInputArea() const { return textInputArea_; }

  private:
    std::deque<InputEvent> script_;
    std::function<void(NullVideoDriver&)> idle_;
    int presented_ = 0;
    std::unique_ptr<gdi::Bitmap> lastFrame_;
    std::string caption_;
    gdi::Point position_;
    gdi::Rect textInputArea_;
};

} // namespace host::ui
