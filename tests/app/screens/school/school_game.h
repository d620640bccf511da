#pragma once

#include "app/shell/program_folder.h"
#include "support/facade_managers.h"

#include "app/screens/school/school_screen.h"
#include "app/shell/frm_main.h"
#include "app/shell/globals.h"

#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/silent_services.h"
#include "state/g_data.h"
#include "students/newcomers/cls_create_student_data.h"

#include "host/gdi/picture.h"
#include "host/sound/null_backend.h"
#include "host/sound/sound_library.h"
#include "host/sys/clock.h"
#include "host/sys/message_box.h"
#include "host/ui/compose.h"
#include "host/ui/null_driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace schooltest {

// The audio device of a machine without sound; what the game plays is kept
// by the backend.
class SilentAudioDevice : public host::sound::AudioDevice {
  public:
    std::unique_ptr<host::sound::Backend> open(std::string&) override {
        auto opened = std::make_unique<host::sound::NullBackend>();
        backend = opened.get();
        return opened;
    }
    host::sound::NullBackend* backend = nullptr;
};

// The element of a control (array) under a container, or nullptr.
inline host::ui::Control* findControl(host::ui::Control& container, const std::string& name, int index) {
    for (host::ui::Control* child : container.children()) {
        if (child->Name() == name && child->Index() == index) return child;
        if (child->Name() == name && index == 0 && child->Index() < 0) return child;
        if (host::ui::Control* found = findControl(*child, name, index)) return found;
    }
    return nullptr;
}

// Silent services that also let a test act at each wait (a player's click,
// a closed window), after the wait is recorded.
class WatchedWaits : public SilentServices {
  public:
    void WaitTime(double ms) override {
        SilentServices::WaitTime(ms);
        if (onWait) onWait(ms);
    }
    std::function<void(double)> onWait;
};

// The real game started on the null window with a virtual clock, silent
// services and its own program folder, its new game begun without the
// opening and its first lists answered with nothing marked: the school
// screen's main menu.
class SchoolGame : public testing::Test {
  protected:
    SchoolGame() {
        folder.linkData();
        main = std::make_unique<frmMain>(driver, boxes);
        mdlQuorvel::CreateGlobals(*main, [this] { main->DoEvents(); });
        mdlZRDFunc::SetCourseMasks();
        main->Form_Load();
        services->onWait = [this](double) {
            if (answerNewYearList() || !control("picMSG").Visible()) return;
            openingDeclined = true;
            click("GLMSGCancel");
        };
        click("GLStart");
        services->onWait = nullptr;
    }
    ~SchoolGame() override {
        mdlQuorvel::ReleaseGlobals();
        main.reset();
    }

    template <class T = host::ui::Control> T& control(const std::string& name, int index = 0) {
        host::ui::Control* found = findControl(main->form(), name, index);
        if (!found) throw std::runtime_error("no control " + name + "(" + std::to_string(index) + ")");
        return dynamic_cast<T&>(*found);
    }
    ctrGraphicalLabelLite& button(const std::string& name, int index = 0) {
        return control<ctrGraphicalLabelLite>(name, index);
    }
    // Clicks the middle of a control as the player would and lets the game handle it.
    void click(const std::string& name, int index = 0) {
        host::ui::Control& target = control(name, index);
        int x = target.Width() / 2;
        int y = target.Height() / 2;
        for (host::ui::Control* c = &target; c && c != &main->form(); c = c->Parent()) {
            x += c->Left();
            y += c->Top();
        }
        driver.click(x, y);
        main->DoEvents();
    }

    // The point of the form in the middle of a grid row's name cell.
    std::pair<int, int> rowPoint(ctrGraphicalGridVer2& grid, std::int16_t row) {
        const int slot = grid.HeaderRows() + row - grid.TopRow();
        if (row < grid.TopRow() || slot >= grid.ShownSlots())
            throw std::runtime_error("row " + std::to_string(row) + " is not on screen");
        const host::gdi::Rect cell = grid.SlotRect(static_cast<std::int16_t>(slot), 1);
        int x = (cell.left + cell.right) / 2;
        int y = (cell.top + cell.bottom) / 2;
        for (host::ui::Control* c = &grid; c && c != &main->form(); c = c->Parent()) {
            x += c->Left();
            y += c->Top();
        }
        return {x, y};
    }
    // A new year's list ("新入生" or "新規スポンサー") is on show.
    bool newYearListOpen() {
        const std::string& list = button("GLSchoolMenu").Text();
        return list == "新入生" || list == "新規スポンサー";
    }
    // Answers an open new year's list as it stands: its action button, then
    // "はい" to the question. False when there was nothing to answer.
    bool answerNewYearList() {
        if (!newYearListOpen()) return false;
        const std::string list = button("GLSchoolMenu").Text();
        if (control("picMSG").Visible()) {
            listAnswers.push_back(list + " GLMSGExcute");
            click("GLMSGExcute");
            return true;
        }
        if (!button("GLContract").Visible() || !button("GLContract").Enable()) return false;
        listAnswers.push_back(list + " GLContract");
        click("GLContract");
        return true;
    }
    // The form's child drawn over all the others.
    host::ui::Control* frontScreen() {
        const auto& children = main->form().children();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            if ((*it)->Visible()) return *it;
        return nullptr;
    }
    // The school screen shows its main menu, usable and in front.
    bool atSchoolMainMenu() {
        return button("GLSchoolMenu").Text() == "ミルトナ騎士団" && picSchool().Enabled() &&
               frontScreen() == &picSchool();
    }

    clsData& data() { return Data(); }
    host::ui::PictureBox& picSchool() { return control<host::ui::PictureBox>("picSchool"); }

    // Kingdom date "year:month:day"; the screen shows its main menu for it.
    void setDate(const std::string& date) {
        data().SetDate(date);
        main->RefreshStatusView();
        main->ShowSchoolMenu(false);
    }
    // A student enrolled under the name.
    void enrol(const std::string& name) {
        clsCreateStudentData student;
        student.StudentName(name);
        managers(data()).students().CreateStudent(student);
        managers(data()).students().SetNewStudent(name);
    }

    // Writes the window as it is now to looks/screens/.
    void writeLook(const std::string& name) {
        host::gdi::DeviceContext frame(host::ui::Form::kClientWidth, host::ui::Form::kClientHeight);
        host::ui::Compose(main->form(), frame);
        std::filesystem::create_directories("looks/screens");
        const auto png = host::gdi::EncodePng(frame.bitmap());
        std::ofstream("looks/screens/" + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }

    apptest::ProgramFolder folder;
    host::runtime::ScopedInstall<host::sys::TickClock, host::sys::ManualTickClock> clock{
        host::sys::installedTickClock, std::make_unique<host::sys::ManualTickClock>(1000)};
    host::runtime::ScopedInstall<host::sound::AudioDevice, SilentAudioDevice> audio{
        host::sound::installedAudioDevice, std::make_unique<SilentAudioDevice>()};
    host::runtime::ScopedInstall<GameServices, WatchedWaits> services{installedServices,
                                                                      std::make_unique<WatchedWaits>()};
    host::sys::ScriptedMessageBoxes boxes;
    host::ui::NullVideoDriver driver;
    std::unique_ptr<frmMain> main;
    // "始めから" asked whether to show the opening and was told no.
    bool openingDeclined = false;
    // What answerNewYearList clicked on which list, in order.
    std::vector<std::string> listAnswers;
};

} // namespace schooltest
