#pragma once

#include "app/screens/school/school_game.h"
#include "app/shell/main_form_inside.h"
#include "app/shell/recording_screens.h"

#include "app/shell/facade_reactions.h"
#include "app/shell/report_window.h"
#include "app/shell/story_sequences.h"

#include "battleview/battle_driver.h"
#include "platform/graphics/images.h"
#include "platform/services/silent_services.h"

#include "host/ui/form.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace apptest {

using schooltest::WatchedWaits;

// The real game on the null window, its waits watched.
class WatchedGame : public schooltest::SchoolGame {
  protected:
    MainFormInside inside() { return MainFormInside(*main); }
    ReportWindow& report() { return inside().report(); }
    ctrGraphicalMSG& box() { return report().GMSGReport; }
    WatchedWaits& waits() { return *watched; }

    host::runtime::ScopedInstall<GameServices, WatchedWaits> watched{installedServices,
                                                                     std::make_unique<WatchedWaits>()};
};

// A main form's shared state on a form of its own whose other screens only
// record what is asked of them, over the running game's facade: the report
// box, the stories and the reactions as the main form wires them.
class ShellOfItsOwn : public WatchedGame {
  protected:
    ShellOfItsOwn() {
        cINI.NowSection("Setting");
        cINI.Data("VisibleMSG", "10");
    }

    host::ui::Form form;
    ScreenPictures pictures{form};
    RecordingScreens screens;
    clsTMPData CTMP;
    CIniFile cINI;
    FormContext context{form, [] {}, pictures, screens, Data(), CTMP, cINI, Images(), Battle()};
    ReportWindow ownReport{context};
    StorySequences stories{context, ownReport};
    FacadeReactions reactions{context, ownReport, stories};
};

// The text's lines split at CR LF.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

} // namespace apptest
