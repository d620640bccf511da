#include "host/ui/error_reporter.h"
#include "host/ui/form.h"
#include "host/ui/message_pump.h"
#include "host/ui/null_driver.h"
#include "host/ui/picture_box.h"
#include "host/ui/window_procedure.h"
#include "platform/subclass/mdl_sub_class.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using host::ui::WM_MOUSEWHEEL;

namespace {

// A subscriber that answers a fixed value and notes what it saw.
class Subscriber : public SubClassSubscriber {
  public:
    Subscriber(std::string name, host::ui::Control& window, std::vector<std::string>& log,
               std::int32_t answer)
        : name_(std::move(name)), window_(window), log_(log), answer_(answer) {}

    std::int32_t hWnd() override { return window_.hWnd(); }
    host::ui::WindowProcedure PreWndProcAddress() override { return pre_; }
    void setPreWndProcAddress(host::ui::WindowProcedure procedure) override { pre_ = procedure; }
    std::int32_t WindowProc(std::int32_t, std::uint32_t uMsg, std::int32_t wParam, std::int32_t) override {
        log_.push_back(name_ + " " + std::to_string(uMsg) + " " + std::to_string(wParam / 65536));
        return answer_;
    }
    void answer(std::int32_t value) { answer_ = value; }

  private:
    std::string name_;
    host::ui::Control& window_;
    std::vector<std::string>& log_;
    std::int32_t answer_;
    host::ui::WindowProcedure pre_ = nullptr;
};

class SubClassTest : public testing::Test {
  protected:
    SubClassTest() {
        grid.MouseWheel.subscribe([this](int& delta) { log.push_back("window " + std::to_string(delta)); });
    }
    std::int32_t wheel(int delta) {
        return host::ui::SendMessage(grid.hWnd(), WM_MOUSEWHEEL, host::ui::wheelWParam(delta), 0);
    }
    host::ui::PictureBox grid;
    host::ui::PictureBox other;
    std::vector<std::string> log;
};

using Entries = std::vector<std::string>;

TEST_F(SubClassTest, TheFirstSubscriberHooksTheWindowAndTheLastToLeaveRestoresItsProcedure) {
    Subscriber first("first", grid, log, -1);
    Subscriber second("second", grid, log, -1);
    mdlSubClass::SubClassHook(first);
    mdlSubClass::SubClassHook(second);
    EXPECT_EQ(first.PreWndProcAddress(), &host::ui::DefaultWindowProc);
    EXPECT_EQ(second.PreWndProcAddress(), nullptr);

    mdlSubClass::SubClassUnhook(first);
    EXPECT_EQ(second.PreWndProcAddress(), &host::ui::DefaultWindowProc); // handed on; the hook stays
    wheel(-120);
    EXPECT_EQ(log, (Entries{"second 522 -120", "window -120"}));

    mdlSubClass::SubClassUnhook(second);
    log.clear();
    wheel(120);
    EXPECT_EQ(log, (Entries{"window 120"})); // the window's own procedure is back
    EXPECT_EQ(host::ui::SetWindowProc(grid.hWnd(), &host::ui::DefaultWindowProc),
              &host::ui::DefaultWindowProc);
}

TEST_F(SubClassTest, AnswersDecideWhetherLaterSubscribersAndThePreviousProcedureRun) {
    struct Case {
        std::int32_t first, second, result;
        Entries seen;
    };
    for (const Case& c : {
             Case{-1, -1, 0, {"a 522 1", "b 522 1", "window 1"}}, // both pass it on: the window's own runs
             Case{0, -1, 0, {"a 522 1"}},                         // finished: nobody else is asked
             Case{5, 7, 7, {"a 522 1", "b 522 1"}},               // the last answer counts
             Case{5, 0, 0, {"a 522 1", "b 522 1"}},
             Case{7, -1, 0, {"a 522 1", "b 522 1", "window 1"}},
         }) {
        log.clear();
        Subscriber a("a", grid, log, c.first);
        Subscriber b("b", grid, log, c.second);
        mdlSubClass::SubClassHook(a);
        mdlSubClass::SubClassHook(b);
        EXPECT_EQ(wheel(1), c.result) << c.first << " " << c.second;
        EXPECT_EQ(log, c.seen) << c.first << " " << c.second;
        mdlSubClass::SubClassUnhook(a);
        mdlSubClass::SubClassUnhook(b);
    }
}

TEST_F(SubClassTest, SubscribingTwiceAndLeavingUnsubscribedDoNothing) {
    Subscriber first("first", grid, log, 9);
    Subscriber stranger("stranger", other, log, 9);
    mdlSubClass::SubClassUnhook(stranger);
    mdlSubClass::SubClassHook(first);
    mdlSubClass::SubClassHook(first);
    EXPECT_EQ(wheel(1), 9);
    EXPECT_EQ(log, (Entries{"first 522 1"}));
    EXPECT_EQ(mdlSubClass::SubClassProc(other.hWnd(), WM_MOUSEWHEEL, 0, 0),
              0); // no subscriber for that window
    mdlSubClass::SubClassUnhook(first);
    mdlSubClass::SubClassUnhook(first);
    EXPECT_EQ(host::ui::SetWindowProc(grid.hWnd(), &host::ui::DefaultWindowProc),
              &host::ui::DefaultWindowProc);
}

TEST_F(SubClassTest, TheWheelOverTheWindowReachesItsSubscriberThroughTheMessagePump) {
    host::ui::Form form;
    host::ui::NullVideoDriver driver;
    struct Quiet : host::ui::HandlerErrorReporter {
        void report(const std::string&) override {}
    } errors;
    host::ui::MessagePump pump(form, driver, errors);
    grid.setParent(&form);
    grid.Move(10, 10, 100, 100);
    Subscriber subscriber("grid", grid, log, -1);
    mdlSubClass::SubClassHook(subscriber);
    driver.push(host::ui::InputEvent::wheel(-1, 50, 50));
    pump.DoEvents();
    mdlSubClass::SubClassUnhook(subscriber);
    grid.setParent(nullptr);
    EXPECT_EQ(log, (Entries{"grid 522 -120", "window -120"}));
}

} // namespace
