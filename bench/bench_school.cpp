// The school screen of a new game on the null window: a click on a main-menu
// item until the next composed frame (the list filled and drawn), and the
// status panel's refresh.
#include "app/shell/frm_main.h"
#include "app/shell/globals.h"

#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/silent_services.h"

#include "host/gdi/device_context.h"
#include "host/sound/null_backend.h"
#include "host/sound/sound_library.h"
#include "host/sys/clock.h"
#include "host/sys/message_box.h"
#include "host/sys/paths.h"
#include "host/ui/compose.h"
#include "host/ui/null_driver.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
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

host::ui::Control* findControl(host::ui::Control& container, const std::string& name, int index) {
    for (host::ui::Control* child : container.children()) {
        if (child->Name() == name && child->Index() == index) return child;
        if (child->Name() == name && index == 0 && child->Index() < 0) return child;
        if (host::ui::Control* found = findControl(*child, name, index)) return found;
    }
    return nullptr;
}

// The game started in a program folder of its own, its new game begun.
class SchoolGame {
  public:
    SchoolGame()
        : folder_(fs::temp_directory_path() / ("quorvel-bench-school-" + std::to_string(::getpid()))),
          installed_(host::sys::installedProgramFolder, std::make_unique<fs::path>(makeFolder(folder_))) {
        main_ = std::make_unique<frmMain>(driver_, boxes_);
        mdlQuorvel::CreateGlobals(*main_, [this] { main_->DoEvents(); });
        mdlZRDFunc::SetCourseMasks();
        main_->Form_Load();
        click("GLStart", 0);
    }
    ~SchoolGame() {
        mdlQuorvel::ReleaseGlobals();
        main_.reset();
        fs::remove_all(folder_);
    }

    void click(const std::string& name, int index) {
        host::ui::Control* target = findControl(main_->form(), name, index);
        if (!target) throw std::runtime_error("no control " + name);
        int x = target->Width() / 2;
        int y = target->Height() / 2;
        for (host::ui::Control* c = target; c && c != &main_->form(); c = c->Parent()) {
            x += c->Left();
            y += c->Top();
        }
        driver_.click(x, y);
        main_->DoEvents();
    }
    void compose() { host::ui::Compose(main_->form(), frame_); }
    frmMain& main() { return *main_; }

  private:
    static fs::path makeFolder(const fs::path& folder) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        // The benchmarks live in bench/ of the build folder; Data/ is beside the game.
        fs::create_directory_symlink(host::sys::programFolder().parent_path() / "Data", folder / "Data");
        return folder;
    }

    fs::path folder_;
    ScopedInstall<fs::path> installed_;
    ScopedInstall<host::sys::TickClock, host::sys::ManualTickClock> clock_{
        host::sys::installedTickClock, std::make_unique<host::sys::ManualTickClock>(1000)};
    ScopedInstall<host::sound::AudioDevice> audio_{host::sound::installedAudioDevice,
                                                   std::make_unique<SilentAudioDevice>()};
    ScopedSilentServices services_;
    host::sys::ScriptedMessageBoxes boxes_;
    host::ui::NullVideoDriver driver_;
    std::unique_ptr<frmMain> main_;
    host::gdi::DeviceContext frame_{host::ui::Form::kClientWidth, host::ui::Form::kClientHeight};
};

// "教師を見る": the teachers' list filled from the facade and drawn, then the frame.
void BM_MenuItemClickToFrame(benchmark::State& state) {
    SchoolGame game;
    for (auto _ : state) {
        game.click("GLSchool", 2);
        game.compose();
        state.PauseTiming();
        game.click("GLReturnSchool", 0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MenuItemClickToFrame)->Unit(benchmark::kMillisecond);

void BM_RefreshStatusView(benchmark::State& state) {
    SchoolGame game;
    for (auto _ : state)
        game.main().RefreshStatusView();
}
BENCHMARK(BM_RefreshStatusView)->Unit(benchmark::kMicrosecond);

} // namespace
