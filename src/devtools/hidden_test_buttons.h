#pragma once

#include "host/ui/command_button.h"
#include "host/ui/control.h"
#include "state/cls_data.h"

#include <array>
#include <memory>

// The developers' six test buttons on the main window: three calendar jumps
// (Command1 "次の日", Command2 "週末へ", Command3 "来月へ") and three facade
// routines (Command4 "生徒生成", Command5 "授業", Command6 "アルバイト"). They
// check nothing first. Hidden in play; shown, in front of the screens, when
// the developer setting is on. The buttons live as long as this object.
class HiddenTestButtons {
  public:
    HiddenTestButtons(host::ui::Control& mainForm, clsData& facade, bool shown);
    HiddenTestButtons(const HiddenTestButtons&) = delete;
    HiddenTestButtons& operator=(const HiddenTestButtons&) = delete;

    host::ui::CommandButton& button(int number) { return *buttons_.at(static_cast<std::size_t>(number - 1)); }

  private:
    std::array<std::unique_ptr<host::ui::CommandButton>, 6> buttons_;
};

// The environment variable that shows the buttons when it is "1".
inline constexpr const char* kDevToolsVariable = "QUORVEL_DEVTOOLS";
bool developerToolsShown();

// The main form's call, once its screens are built: the six buttons on it,
// shown only with the developer setting.
std::unique_ptr<HiddenTestButtons> wireHiddenTestButtons(host::ui::Control& mainForm, clsData& facade);
