#include "monkey_game.h"

#include "game_invariants.h"

#include "app/shell/entry_procedure.h"
#include "state/g_data.h"
#include "toolkit/ctr_graphical_label_lite.h"

#include <filesystem>

namespace monkeytest {

namespace {

// Looks the player lets pass between two steps at most (each lets the
// virtual clock run the window's idle wait).
constexpr int kMostIdleLooks = 40;
constexpr std::size_t kActionsKept = 30;

bool internalError(const host::sys::ScriptedMessageBoxes::Shown& box) {
    for (const char* mark : {"Err:", "Error:", "error:"})
        if (box.text.rfind(mark, 0) == 0) return true;
    return box.title == "Error" || box.text.find("cannot start") != std::string::npos;
}

bool visible(host::ui::Form& form, const char* name) {
    host::ui::Control* control = apptest::findControl(form, name);
    return control && control->Visible();
}

// Admits the whole newcomer list as a player does, one click a look:
// "全選択", the action button, then "はい". True once the question is answered.
bool admitWholeList(host::ui::Form& form, apptest::WatchedWindow& window) {
    if (visible(form, "picMSG")) {
        apptest::clickControl(window, apptest::controlNamed(form, "GLMSGExcute"));
        return true;
    }
    auto& selectAll = dynamic_cast<ctrGraphicalLabelLite&>(apptest::controlNamed(form, "GLCommand"));
    auto& action = dynamic_cast<ctrGraphicalLabelLite&>(apptest::controlNamed(form, "GLContract"));
    apptest::clickControl(window, action.Enable() ? static_cast<host::ui::Control&>(action) : selectAll);
    return false;
}

} // namespace

void RandomAnswers::ok(const std::string& text, const std::string& title) {
    shown.push_back({text, title, false});
}

bool RandomAnswers::yesNo(const std::string& text, const std::string& title) {
    shown.push_back({text, title, true});
    return player_.below(2) == 0;
}

MonkeyRun MonkeyGame::play(unsigned seed, int steps, Start start) {
    std::filesystem::remove_all(folder.path);
    std::filesystem::create_directories(folder.path);
    folder.linkData();
    // The game seeds its generator with the hundredths of a second since midnight.
    wallClock->set(std::chrono::system_clock::time_point{std::chrono::milliseconds(seed % 8'640'000 * 10)});
    MonkeyPlayer player(seed);
    RandomAnswers boxes(player);
    MonkeyRun run;
    const std::filesystem::path errorLog = folder.path / "error.log";
    bool started = false;
    bool admitted = start == Start::NewGame;
    bool closing = false;
    int idle = 0;
    std::size_t boxesSeen = 0;

    const auto fault = [&](std::string what, apptest::WatchedWindow& window) {
        run.faults.push_back(std::move(what));
        closing = true;
        window.close();
    };
    const auto look = [&](apptest::WatchedWindow& window) {
        if (closing) return;
        host::ui::Form& form = *window.form;
        for (; boxesSeen < boxes.shown.size(); ++boxesSeen)
            if (internalError(boxes.shown[boxesSeen]))
                return fault("internal error shown: " + boxes.shown[boxesSeen].text, window);
        if (std::filesystem::exists(errorLog)) return fault("the error log was written", window);
        if (!started) {
            host::ui::Control* start = apptest::findControl(form, "GLStart");
            if (!start || !visible(form, "picStart") || !start->Visible()) return;
            const host::gdi::Point at = start->originInForm();
            window.click(at.x + start->Width() / 2, at.y + start->Height() / 2);
            started = true;
            return;
        }
        if (idle > 0) {
            --idle;
            return;
        }
        if (!admitted) {
            // The opening declined, then the newcomers admitted.
            if (apptest::schoolScreenTitle(form) == "新入生")
                admitted = admitWholeList(form, window);
            else if (visible(form, "picMSG"))
                apptest::clickControl(window, apptest::controlNamed(form, "GLMSGCancel"));
            return;
        }
        if (const clsData* data = gData.find()) {
            const bool running = !visible(form, "picStart");
            const auto broken = brokenInvariants(*data, running);
            if (!broken.empty()) return fault(broken.front(), window);
            if (running) {
                const clsDateDetails date = data->GetDate();
                run.lastDate = std::to_string(date.Year) + ":" + std::to_string(date.Month) + ":" +
                               std::to_string(date.Day);
            }
        }
        if (run.steps == steps) {
            closing = true;
            window.close();
            return;
        }
        const MonkeyPlayer::Action action = player.act(form, window);
        if (!action.control.empty()) run.controlsActedOn.insert(action.control);
        run.lastActions.push_back(action.text);
        if (run.lastActions.size() > kActionsKept) run.lastActions.pop_front();
        ++run.steps;
        idle = player.below(kMostIdleLooks);
    };
    // A program that ends by itself (the player chose to quit) is started
    // again in the same folder, as the player would.
    while (!closing) {
        started = false;
        apptest::WatchedWindow* window = nullptr;
        run.exitStatus = mdlQuorvel::Main(
            [&]() -> std::unique_ptr<host::ui::VideoDriver> {
                auto opened = std::make_unique<apptest::WatchedWindow>(look);
                window = opened.get();
                return opened;
            },
            boxes, [&](host::ui::Form& form) { window->form = &form; });
        if (run.exitStatus != 0) break;
    }
    for (; boxesSeen < boxes.shown.size(); ++boxesSeen)
        if (internalError(boxes.shown[boxesSeen]))
            run.faults.push_back("internal error shown: " + boxes.shown[boxesSeen].text);
    if (std::filesystem::exists(errorLog) && run.faults.empty())
        run.faults.push_back("the error log was written");
    return run;
}

std::string report(unsigned seed, const MonkeyRun& run) {
    std::string text = "seed " + std::to_string(seed) + ", " + std::to_string(run.steps) +
                       " steps played on " + std::to_string(run.controlsActedOn.size()) +
                       " controls, up to " + run.lastDate + "\n";
    for (const std::string& fault : run.faults)
        text += "fault: " + fault + "\n";
    text += "controls acted on:";
    for (const std::string& control : run.controlsActedOn)
        text += " " + control;
    text += "\nlast actions:\n";
    for (const std::string& action : run.lastActions)
        text += "  " + action + "\n";
    return text;
}

} // namespace monkeytest
