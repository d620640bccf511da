#pragma once

#include "host/gdi/device_context.h"
#include "host/ui/error_reporter.h"
#include "host/ui/form.h"
#include "host/ui/input_router.h"
#include "host/ui/video_driver.h"

#include <cstdint>
#include <functional>

namespace host::ui {

// The form's message loop. DoEvents hands every pending piece of input to
// the controls, fires the timers that are due and shows the form; handlers
// may call it again from inside (the waits of the game do). An exception
// escaping a handler is reported and the program goes on, except
// QuitRequested, which the window's close box throws and which unwinds
// everything up to Run.
class MessagePump : private FormObserver {
  public:
    MessagePump(Form& form, VideoDriver& driver, HandlerErrorReporter& errors);
    ~MessagePump() override;
    MessagePump(const MessagePump&) = delete;
    MessagePump& operator=(const MessagePump&) = delete;

    void DoEvents();

    // Runs start (the form's loading) and then the loop until the program is
    // asked to end, then shuts down. Start may itself pump.
    void Run(const std::function<void()>& start);

    // Ends the program from inside a handler: throws QuitRequested.
    [[noreturn]] void RequestQuit();
    bool quitRequested() const { return quitRequested_; }

    // Raises the form's Unload once, with the window position read back
    // into the form (Run does this; a program that ends otherwise calls it).
    void ShutDown();

    // Composes and shows the form now, if anything changed since last shown.
    void present();

    // Runs a handler: a reported exception does not escape, QuitRequested does.
    void guarded(const std::function<void()>& handler);

  private:
    void formInvalidated() override { dirty_ = true; }
    void refreshRequested() override;
    void dispatch(const InputEvent& event);
    void serviceTimers();
    void syncTextInputArea();

    Form& form_;
    VideoDriver& driver_;
    HandlerErrorReporter& errors_;
    InputRouter router_;
    gdi::DeviceContext frame_;
    runtime::Event<>::Token windowToken_ = 0;
    bool dirty_ = true;
    bool quitRequested_ = false;
    bool shutDown_ = false;
    std::uint32_t lastPresent_ = 0;
    Control* textInputOwner_ = nullptr;
};

} // namespace host::ui
