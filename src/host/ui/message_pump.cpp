#include "host/ui/message_pump.h"

#include "host/sys/clock.h"
#include "host/ui/compose.h"
#include "host/ui/quit.h"
#include "host/ui/text_box.h"
#include "host/ui/timer.h"

#include <exception>

namespace host::ui {

namespace {

constexpr std::uint32_t kRefreshInterval = 16;
constexpr int kIdleWait = 10;

} // namespace

MessagePump::MessagePump(Form& form, VideoDriver& driver, HandlerErrorReporter& errors)
    : form_(form), driver_(driver), errors_(errors), router_(form),
      frame_(Form::kClientWidth, Form::kClientHeight) {
    form_.setObserver(this);
    windowToken_ = form_.WindowChanged.subscribe([this] {
        driver_.setCaption(form_.Caption());
        driver_.setPosition({form_.LeftTwips() / kTwipsPerPixel, form_.TopTwips() / kTwipsPerPixel});
    });
}

MessagePump::~MessagePump() {
    form_.WindowChanged.unsubscribe(windowToken_);
    form_.setObserver(nullptr);
}

void MessagePump::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const QuitRequested&) {
        throw;
    } catch (const std::exception& error) {
        errors_.report(error.what());
    } catch (...) {
        errors_.report("unknown error");
    }
}

void MessagePump::DoEvents() {
    if (quitRequested_ && !shutDown_) throw QuitRequested{};
    InputEvent event;
    while (driver_.pollInput(event))
        dispatch(event);
    serviceTimers();
    syncTextInputArea();
    present();
}

void MessagePump::dispatch(const InputEvent& event) {
    if (event.kind != InputEvent::Kind::CloseRequest) {
        guarded([&] { router_.dispatch(event); });
        return;
    }
    if (shutDown_) return;
    guarded([&] { form_.QueryUnload.raise(); });
    RequestQuit();
}

void MessagePump::serviceTimers() {
    std::uint32_t now = sys::tickClock().milliseconds();
    forEachTimer([&](Timer& timer) {
        timer.service(now, [this](const std::function<void()>& tick) { guarded(tick); });
    });
}

void MessagePump::syncTextInputArea() {
    Control* focus = form_.ActiveControl();
    if (!dynamic_cast<TextBox*>(focus)) focus = nullptr;
    if (focus == textInputOwner_) return;
    textInputOwner_ = focus;
    if (!focus) {
        driver_.setTextInputArea({});
        return;
    }
    gdi::Point origin = focus->originInForm();
    driver_.setTextInputArea({origin.x, origin.y, origin.x + focus->Width(), origin.y + focus->Height()});
}

void MessagePump::present() {
    if (!dirty_) return;
    dirty_ = false;
    Compose(form_, frame_);
    driver_.present(frame_.bitmap());
    lastPresent_ = sys::tickClock().milliseconds();
}

void MessagePump::refreshRequested() {
    if (static_cast<std::uint32_t>(sys::tickClock().milliseconds() - lastPresent_) >= kRefreshInterval)
        present();
}

void MessagePump::RequestQuit() {
    quitRequested_ = true;
    throw QuitRequested{};
}

void MessagePump::Run(const std::function<void()>& start) {
    try {
        if (start) start();
        for (;;) {
            DoEvents();
            driver_.waitForInput(kIdleWait);
        }
    } catch (const QuitRequested&) {
    }
    ShutDown();
}

void MessagePump::ShutDown() {
    if (shutDown_) return;
    shutDown_ = true;
    gdi::Point position = driver_.position();
    form_.setPositionTwips(position.x * kTwipsPerPixel, position.y * kTwipsPerPixel);
    guarded([this] { form_.Unload.raise(); });
}

} // namespace host::ui
