#pragma once

#include "program_folder.h"

#include "app/shell/entry_procedure.h"

#include "toolkit/ctr_graphical_label_lite.h"

#include "host/gdi/picture.h"
#include "host/sound/null_backend.h"
#include "host/sound/sound_library.h"
#include "host/sys/clock.h"
#include "host/sys/message_box.h"
#include "host/ui/compose.h"
#include "host/ui/control.h"
#include "host/ui/form.h"
#include "host/ui/null_driver.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace apptest {

// The first control of that name under a container, or nullptr.
inline host::ui::Control* findControl(host::ui::Control& container, const std::string& name) {
    for (host::ui::Control* child : container.children()) {
        if (child->Name() == name) return child;
        if (host::ui::Control* found = findControl(*child, name)) return found;
    }
    return nullptr;
}

inline host::ui::Control& controlNamed(host::ui::Control& container, const std::string& name) {
    host::ui::Control* found = findControl(container, name);
    if (!found) throw std::runtime_error("no control " + name);
    return *found;
}

// The audio device of a machine without sound: what the game plays is kept.
class SilentAudioDevice : public host::sound::AudioDevice {
  public:
    std::unique_ptr<host::sound::Backend> open(std::string&) override {
        return std::make_unique<host::sound::NullBackend>();
    }
};

// A null window that lets a test look at the form each time the game has
// handled the input so far and lets its messages flow. The virtual clock
// stands still, so the game flows its messages only where it must.
class WatchedWindow : public host::ui::NullVideoDriver {
  public:
    explicit WatchedWindow(std::function<void(WatchedWindow&)> look) : look_(std::move(look)) {}

    bool pollInput(host::ui::InputEvent& event) override {
        if (!looking_ && form && scriptEmpty()) {
            looking_ = true;
            look_(*this);
            looking_ = false;
        }
        return NullVideoDriver::pollInput(event);
    }
    void close() { push(host::ui::InputEvent::closeRequest()); }

    host::ui::Form* form = nullptr;

  private:
    std::function<void(WatchedWindow&)> look_;
    bool looking_ = false;
};

// Clicks the middle of a control of the window.
inline void clickControl(WatchedWindow& window, host::ui::Control& target) {
    int x = target.Width() / 2;
    int y = target.Height() / 2;
    for (host::ui::Control* c = &target; c && c != window.form; c = c->Parent()) {
        x += c->Left();
        y += c->Top();
    }
    window.click(x, y);
}

inline const std::string& schoolScreenTitle(host::ui::Form& form) {
    return dynamic_cast<ctrGraphicalLabelLite&>(controlNamed(form, "GLSchoolMenu")).Text();
}

// The form's child drawn over all the others.
inline host::ui::Control* frontScreen(host::ui::Form& form) {
    const auto& children = form.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if ((*it)->Visible()) return *it;
    return nullptr;
}

// The school screen shows its main menu, usable and in front.
inline bool atSchoolMainMenu(host::ui::Form& form) {
    host::ui::Control& picSchool = controlNamed(form, "picSchool");
    return schoolScreenTitle(form) == "ミルトナ騎士団" && picSchool.Enabled() &&
           frontScreen(form) == &picSchool;
}

// Answers a new game's lists as a player who marks nothing: each list's
// action button, then "はい" to its question.
class NewYearLists {
  public:
    // False while no list is on show.
    bool answer(WatchedWindow& window) {
        host::ui::Form& form = *window.form;
        const std::string& list = schoolScreenTitle(form);
        if (list != "新入生" && list != "新規スポンサー") {
            answered_.clear();
            return false;
        }
        // Until the next list replaces the one answered.
        if (list == answered_) return true;
        if (controlNamed(form, "picMSG").Visible()) {
            clickControl(window, controlNamed(form, "GLMSGExcute"));
            answered_ = list;
        } else {
            clickControl(window, controlNamed(form, "GLContract"));
        }
        return true;
    }

  private:
    std::string answered_;
};

// Runs the whole program headless in a fresh program folder.
class HeadlessGame : public testing::Test {
  protected:
    // Runs the program; look is called at every flow of messages with the
    // window, whose form is known once the main form exists.
    int run(std::function<void(WatchedWindow&)> look) {
        return mdlQuorvel::Main(
            [this, look]() -> std::unique_ptr<host::ui::VideoDriver> {
                ++windowsOpened;
                auto window = std::make_unique<WatchedWindow>(look);
                window_ = window.get();
                return window;
            },
            boxes, [this](host::ui::Form& form) { window_->form = &form; });
    }
    // The form of the running program (its window's root).
    host::ui::Form& form() { return *window_->form; }

    // Writes the form as it is now to looks/screens/.
    static void writeLook(const std::string& name, const host::ui::Form& form) {
        host::gdi::DeviceContext frame(host::ui::Form::kClientWidth, host::ui::Form::kClientHeight);
        host::ui::Compose(form, frame);
        std::filesystem::create_directories("looks/screens");
        const auto png = host::gdi::EncodePng(frame.bitmap());
        std::ofstream("looks/screens/" + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }

    ProgramFolder folder;
    host::runtime::ScopedInstall<host::sys::TickClock, host::sys::ManualTickClock> clock{
        host::sys::installedTickClock, std::make_unique<host::sys::ManualTickClock>(1000)};
    host::runtime::ScopedInstall<host::sound::AudioDevice> audio{host::sound::installedAudioDevice,
                                                                 std::make_unique<SilentAudioDevice>()};
    host::sys::ScriptedMessageBoxes boxes;
    int windowsOpened = 0;
    WatchedWindow* window_ = nullptr;
};

} // namespace apptest
