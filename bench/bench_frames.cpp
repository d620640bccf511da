// The frames the player waits for: the heaviest screen composed, a click on
// each main screen up to the frame that shows its answer, and a whole month
// played through the school screen's day buttons. The real main form runs on
// the null window; the game's waits return at once, so only the work is timed.
#include "support/facade_managers.h"

#include "app/shell/frm_main.h"
#include "app/shell/globals.h"
#include "app/shell/main_form_inside.h"
#include "grids/list_grid/ctr_graphical_grid_ver2.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/silent_services.h"
#include "state/g_data.h"
#include "students/abilities.h"
#include "students/newcomers/cls_create_student_data.h"
#include "toolkit/ctr_graphical_label_lite.h"

#include "host/sound/null_backend.h"
#include "host/sound/sound_library.h"
#include "host/sys/clock.h"
#include "host/sys/message_box.h"
#include "host/sys/paths.h"
#include "host/ui/compose.h"
#include "host/ui/null_driver.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using host::runtime::ScopedInstall;

class SilentAudioDevice : public host::sound::AudioDevice {
  public:
    std::unique_ptr<host::sound::Backend> open(std::string&) override {
        return std::make_unique<host::sound::NullBackend>();
    }
};

// Every question is answered no.
class NoAnswers : public host::sys::MessageBoxes {
  public:
    void ok(const std::string&, const std::string&) override {}
    bool yesNo(const std::string&, const std::string&) override { return false; }
};

// Waits that return at once, letting the benchmark act at each.
class ActingWaits : public SilentServices {
  public:
    void WaitTime(double) override {
        if (onWait) onWait();
    }
    std::function<void()> onWait;
};

// The real game on the null window in a program folder of its own, at its title.
class BenchGame {
  public:
    BenchGame()
        : folder_(fs::temp_directory_path() / ("quorvel-bench-frames-" + std::to_string(::getpid()))),
          data_(host::sys::programFolder().parent_path() / "Data") {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        // The benchmarks live in bench/ of the build folder; Data/ is beside the game.
        fs::create_directory_symlink(data_, folder_ / "Data");
        installedFolder_.emplace(host::sys::installedProgramFolder, std::make_unique<fs::path>(folder_));
        main = std::make_unique<frmMain>(driver, boxes_);
        mdlQuorvel::CreateGlobals(*main, [this] { main->DoEvents(); });
        mdlZRDFunc::SetCourseMasks();
        main->Form_Load();
        main->DoEvents();
    }
    ~BenchGame() {
        mdlQuorvel::ReleaseGlobals();
        main.reset();
        installedFolder_.reset();
        fs::remove_all(folder_);
    }

    // 始めから, the opening declined: the school screen's main menu.
    void startNewGame() {
        services->onWait = [this] {
            if (control("picMSG").Visible()) click("GLMSGCancel");
        };
        click("GLStart");
        services->onWait = nullptr;
    }
    void enrol(int count) {
        for (int i = 0; i < count; ++i) {
            clsCreateStudentData student;
            const std::string name = "生徒" + std::to_string(i + 1);
            student.StudentName(name);
            managers(Data()).students().CreateStudent(student);
            managers(Data()).students().SetNewStudent(name);
        }
        main->RefreshStatusView();
        main->ShowSchoolMenu(false);
    }

    host::ui::Control& control(const std::string& name, int index = 0) {
        if (host::ui::Control* found = find(main->form(), name, index)) return *found;
        throw std::runtime_error("no control " + name);
    }
    // The middle of a control in the window.
    host::gdi::Point middle(const std::string& name, int index = 0) {
        const host::ui::Control& target = control(name, index);
        const host::gdi::Point origin = target.originInForm();
        return {origin.x + target.Width() / 2, origin.y + target.Height() / 2};
    }
    // The middle of a row's name cell in a list grid.
    host::gdi::Point rowPoint(const std::string& grid, std::int16_t row) {
        auto& list = dynamic_cast<ctrGraphicalGridVer2&>(control(grid));
        const host::gdi::Rect cell =
            list.SlotRect(static_cast<std::int16_t>(row - list.TopRow() + list.HeaderRows()), 1);
        const host::gdi::Point origin = list.originInForm();
        return {origin.x + (cell.left + cell.right) / 2, origin.y + (cell.top + cell.bottom) / 2};
    }
    void click(const std::string& name, int index = 0) {
        const host::gdi::Point at = middle(name, index);
        driver.click(at.x, at.y);
        main->DoEvents();
    }
    bool errorLogged() const { return fs::exists(folder_ / "error.log"); }

    ScopedInstall<host::sys::TickClock, host::sys::ManualTickClock> clock{
        host::sys::installedTickClock, std::make_unique<host::sys::ManualTickClock>(1000)};
    ScopedInstall<host::sound::AudioDevice> audio{host::sound::installedAudioDevice,
                                                  std::make_unique<SilentAudioDevice>()};
    ScopedInstall<GameServices, ActingWaits> services{installedServices, std::make_unique<ActingWaits>()};
    host::ui::NullVideoDriver driver;
    std::unique_ptr<frmMain> main;

  private:
    static host::ui::Control* find(host::ui::Control& container, const std::string& name, int index) {
        for (host::ui::Control* child : container.children()) {
            if (child->Name() == name && (child->Index() == index || (index == 0 && child->Index() < 0)))
                return child;
            if (host::ui::Control* found = find(*child, name, index)) return found;
        }
        return nullptr;
    }

    fs::path folder_;
    fs::path data_;
    std::optional<ScopedInstall<fs::path>> installedFolder_;
    NoAnswers boxes_;
};

constexpr int kStudentsListOpen = 1;
constexpr int kTimetable = 0;
constexpr int kTown = 8;
constexpr int kTeamExport = 4;
constexpr int kNextDay = 1;
constexpr int kRosterForFullGrid = 30;

// The school screen's student list filled beyond its rows, every ability
// gauge shown (as a row's hover shows them) and the report box open over it.
void BM_ComposeSchoolScreenFull(benchmark::State& state) {
    BenchGame game;
    game.startNewGame();
    game.enrol(kRosterForFullGrid);
    game.click("GLSchool", kStudentsListOpen);
    for (int i = 0; i < ability::kCount; ++i) {
        game.control("GParam", i).setVisible(true);
        game.control("GExp", i).setVisible(true);
    }
    MainFormInside inside(*game.main);
    auto& picSchool = dynamic_cast<host::ui::PictureBox&>(game.control("picSchool"));
    inside.report().ShowReport("生徒1の体力が上がった", picSchool, "picSchool", true, true, false);
    if (!inside.report().GMSGReport.Visible()) state.SkipWithError("the report box is not shown");
    host::gdi::DeviceContext frame(host::ui::Form::kClientWidth, host::ui::Form::kClientHeight);
    for (auto _ : state) {
        host::ui::Compose(game.main->form(), frame);
        benchmark::DoNotOptimize(frame.bitmap().row(0));
    }
}
BENCHMARK(BM_ComposeSchoolScreenFull)->Unit(benchmark::kMicrosecond);

// One piece of input at a time, alternating between two points, each
// followed by the flow of messages that shows the answer.
void alternate(benchmark::State& state, BenchGame& game, host::gdi::Point first, host::gdi::Point second,
               bool clicks) {
    const int presentedBefore = game.driver.presented();
    bool atFirst = true;
    for (auto _ : state) {
        const host::gdi::Point at = atFirst ? first : second;
        atFirst = !atFirst;
        if (clicks)
            game.driver.click(at.x, at.y);
        else
            game.driver.push(host::ui::InputEvent::move(at.x, at.y));
        game.main->DoEvents();
    }
    if (game.driver.presented() - presentedBefore < state.iterations())
        state.SkipWithError("an input showed no new frame");
    if (game.errorLogged()) state.SkipWithError("the error log was written");
}

// The pointer onto 始めから and off it: its look changes each time (its
// clicks leave the title).
void BM_TitleHoverToFrame(benchmark::State& state) {
    BenchGame game;
    alternate(state, game, game.middle("GLStart"), {20, 20}, false);
}
BENCHMARK(BM_TitleHoverToFrame)->Unit(benchmark::kMicrosecond);

// 生徒を見る and back: the list with its rows, then the main menu.
void BM_SchoolClickToFrame(benchmark::State& state) {
    BenchGame game;
    game.startNewGame();
    game.enrol(kRosterForFullGrid);
    game.click("GLSchool", kStudentsListOpen);
    const host::gdi::Point back = game.middle("GLReturnSchool");
    game.click("GLReturnSchool");
    alternate(state, game, game.middle("GLSchool", kStudentsListOpen), back, true);
}
BENCHMARK(BM_SchoolClickToFrame)->Unit(benchmark::kMicrosecond);

// The timetable's first two slots picked in turn.
void BM_ClassClickToFrame(benchmark::State& state) {
    BenchGame game;
    game.startNewGame();
    game.enrol(6);
    game.click("GLSchool", kTimetable);
    alternate(state, game, game.middle("GLClass", 0), game.middle("GLClass", 1), true);
}
BENCHMARK(BM_ClassClickToFrame)->Unit(benchmark::kMicrosecond);

// The item shop and back to the place menu.
void BM_TownClickToFrame(benchmark::State& state) {
    BenchGame game;
    game.startNewGame();
    game.click("GLSchool", kTown);
    game.click("GLShop", 0);
    const host::gdi::Point back = game.middle("GLReturnCity");
    game.click("GLReturnCity");
    alternate(state, game, game.middle("GLShop", 0), back, true);
}
BENCHMARK(BM_TownClickToFrame)->Unit(benchmark::kMicrosecond);

// Two students of the unit screen's list marked in turn.
void BM_UnitClickToFrame(benchmark::State& state) {
    BenchGame game;
    game.startNewGame();
    game.enrol(6);
    game.click("GLSystem", kTeamExport);
    alternate(state, game, game.rowPoint("GGUnit", 0), game.rowPoint("GGUnit", 1), true);
}
BENCHMARK(BM_UnitClickToFrame)->Unit(benchmark::kMicrosecond);

// April of a new game with a class of students, day by day through 翌日へ,
// every report box clicked away, up to May 1.
void BM_MonthThroughTheUI(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto game = std::make_unique<BenchGame>();
        game->startNewGame();
        game->enrol(10);
        auto& report = MainFormInside(*game->main).report().GMSGReport;
        state.ResumeTiming();
        while (Data().GetDate().Month == 4) {
            if (report.Visible()) game->click("GMSGReport");
            auto& nextDay = dynamic_cast<ctrGraphicalLabelLite&>(game->control("GLDate", kNextDay));
            if (!nextDay.Enable() || !nextDay.Visible()) {
                state.SkipWithError("翌日へ is not open");
                break;
            }
            game->click("GLDate", kNextDay);
        }
        state.PauseTiming();
        if (game->errorLogged()) state.SkipWithError("the error log was written");
        game.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MonthThroughTheUI)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
