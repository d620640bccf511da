#pragma once

#include "host/sys/clock.h"
#include "host/ui/error_reporter.h"
#include "host/ui/form.h"
#include "host/ui/message_pump.h"
#include "host/ui/null_driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ui_test {

// Keeps what would have been logged and shown.
class RecordingErrors : public host::ui::HandlerErrorReporter {
  public:
    void report(const std::string& description) override { reports.push_back(description); }
    std::vector<std::string> reports;
};

// A form on the null driver with a virtual clock installed, and a pump.
class UiTest : public testing::Test {
  protected:
    host::runtime::ScopedInstall<host::sys::TickClock, host::sys::ManualTickClock> clock{
        host::sys::installedTickClock, std::make_unique<host::sys::ManualTickClock>(1000)};

    // Places a control on a container and keeps it alive for the test.
    template <class T>
    T& place(host::ui::Control& container, int left, int top, int width, int height,
             const std::string& name = "") {
        auto control = std::make_unique<T>();
        T& ref = *control;
        ref.setName(name);
        ref.setParent(&container);
        ref.Move(left, top, width, height);
        owned.push_back(std::move(control));
        return ref;
    }

    // Feeds input and lets the pump dispatch it.
    void send(host::ui::InputEvent event) {
        driver.push(std::move(event));
        pump.DoEvents();
    }
    void click(int x, int y, int button = host::ui::vbLeftButton) {
        driver.click(x, y, button);
        pump.DoEvents();
    }

    host::ui::Form form;
    host::ui::NullVideoDriver driver;
    RecordingErrors errors;
    host::ui::MessagePump pump{form, driver, errors};
    std::vector<std::unique_ptr<host::ui::Control>> owned;
};

// Collects event names in the order they were raised.
struct Journal {
    std::vector<std::string> entries;
    void add(std::string entry) { entries.push_back(std::move(entry)); }
    // Records the mouse events, Click and RightClick of a control under a prefix.
    void watchMouse(host::ui::Control& control, const std::string& prefix) {
        control.MouseDown.subscribe(
            [this, prefix](int& b, int&, int& x, int& y) { add(prefix + "down " + fmt(b, x, y)); });
        control.MouseUp.subscribe(
            [this, prefix](int& b, int&, int& x, int& y) { add(prefix + "up " + fmt(b, x, y)); });
        control.MouseMove.subscribe(
            [this, prefix](int& b, int&, int& x, int& y) { add(prefix + "move " + fmt(b, x, y)); });
        control.Click.subscribe([this, prefix] { add(prefix + "click"); });
        control.RightClick.subscribe([this, prefix] { add(prefix + "rightclick"); });
    }
    static std::string fmt(int b, int x, int y) {
        return std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y);
    }
};

} // namespace ui_test
