#include "app/shell/entry_procedure.h"

#include "app/shell/frm_main.h"
#include "app/shell/globals.h"

#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/standard_services.h"

#include "host/runtime/random.h"
#include "host/sys/clock.h"
#include "host/sys/paths.h"
#include "host/sys/startup_lock.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace mdlQuorvel {

namespace {

constexpr const char* kTitle = "Quorvel";

// Seconds since midnight, in hundredths, as the system timer gives them.
std::uint32_t timerSeed() {
    using namespace std::chrono;
    const auto now = host::sys::wallClock().now().time_since_epoch();
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(now).count() % 86'400'000 / 10);
}

void tellFailure(host::sys::MessageBoxes& boxes, const std::string& reason) {
    std::fprintf(stderr, "quorvel: cannot start: %s\n", reason.c_str());
    boxes.ok("Quorvel cannot start.\n" + reason, kTitle);
}

} // namespace

std::filesystem::path startupLockFile() {
    const std::string folder = host::sys::programFolder().string();
    char name[64];
    std::snprintf(name, sizeof name, "quorvel-%016zx.lock", std::hash<std::string>{}(folder));
    return std::filesystem::temp_directory_path() / name;
}

int Main(const OpenWindow& openWindow, host::sys::MessageBoxes& boxes,
         const std::function<void(host::ui::Form&)>& watch,
         const std::function<void(host::ui::Form&)>& loaded) {
    auto lock = host::sys::StartupLock::acquire(startupLockFile());
    if (!lock) return 0;

    std::unique_ptr<host::ui::VideoDriver> window;
    try {
        window = openWindow();
    } catch (const std::exception& error) {
        tellFailure(boxes, std::string("the window cannot be opened: ") + error.what());
        return 1;
    }
    frmMain form(*window, boxes);
    if (watch) watch(form.form());
    const auto doEvents = [&form] { form.DoEvents(); };
    auto previousServices = installedServices.install(std::make_unique<StandardServices>(boxes, doEvents));
    auto previousRandom = host::runtime::installedRandom.install(nullptr);
    int status = 0;
    try {
        CreateGlobals(form, doEvents);
        host::runtime::installedRandom.install(std::make_unique<host::runtime::LinearRandom>(timerSeed()));
        mdlZRDFunc::SetCourseMasks();
        form.pump().Run([&] {
            form.Form_Load();
            lock->release();
            if (loaded) loaded(form.form());
        });
    } catch (const std::exception& failure) {
        tellFailure(boxes, failure.what());
        status = 1;
    }
    ReleaseGlobals();
    host::runtime::installedRandom.install(std::move(previousRandom));
    installedServices.install(std::move(previousServices));
    return status;
}

} // namespace mdlQuorvel
