// Start-up to the title: the whole entry procedure with the null window and
// silent sound, from its call to the first flow of messages that finds the
// title's buttons shown (master data, both archives, layout). The window is
// closed there; closing is not timed.
#include "app/shell/entry_procedure.h"

#include "host/sound/null_backend.h"
#include "host/sound/sound_library.h"
#include "host/sys/message_box.h"
#include "host/sys/paths.h"
#include "host/ui/null_driver.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

class SilentAudioDevice : public host::sound::AudioDevice {
  public:
    std::unique_ptr<host::sound::Backend> open(std::string&) override {
        return std::make_unique<host::sound::NullBackend>();
    }
};

bool titleShown(const host::ui::Control& container) {
    for (const host::ui::Control* child : container.children()) {
        if (child->Name() == "GLStart") return child->Visible();
        if (titleShown(*child)) return true;
    }
    return false;
}

// Closes the window at the first look that finds the title ready.
class TitleWatch : public host::ui::NullVideoDriver {
  public:
    TitleWatch(const host::ui::Form*& form, Clock::time_point& ready) : form_(form), ready_(ready) {}
    bool pollInput(host::ui::InputEvent& event) override {
        if (!closing_ && form_ && titleShown(*form_)) {
            ready_ = Clock::now();
            closing_ = true;
            push(host::ui::InputEvent::closeRequest());
        }
        return NullVideoDriver::pollInput(event);
    }

  private:
    const host::ui::Form*& form_;
    Clock::time_point& ready_;
    bool closing_ = false;
};

void BM_StartToTitle(benchmark::State& state) {
    using host::runtime::ScopedInstall;
    const fs::path folder =
        fs::temp_directory_path() / ("quorvel-bench-startup-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    // The benchmarks live in bench/ of the build folder; Data/ is beside the game.
    fs::create_directory_symlink(host::sys::programFolder().parent_path() / "Data", folder / "Data");
    ScopedInstall installed(host::sys::installedProgramFolder, std::make_unique<fs::path>(folder));
    ScopedInstall audio(host::sound::installedAudioDevice, std::make_unique<SilentAudioDevice>());
    host::sys::ScriptedMessageBoxes boxes;
    for (auto _ : state) {
        const host::ui::Form* form = nullptr;
        Clock::time_point ready;
        const Clock::time_point start = Clock::now();
        const int status = mdlQuorvel::Main([&] { return std::make_unique<TitleWatch>(form, ready); }, boxes,
                                            [&](host::ui::Form& shown) { form = &shown; });
        if (status != 0) state.SkipWithError("start-up failed");
        state.SetIterationTime(std::chrono::duration<double>(ready - start).count());
    }
    state.counters["cores"] = std::thread::hardware_concurrency();
    fs::remove_all(folder);
}
BENCHMARK(BM_StartToTitle)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
