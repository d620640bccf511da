#pragma once

#include "app/shell/cls_tmp_data.h"
#include "app/shell/screen_pictures.h"
#include "app/shell/screens.h"

#include "battleview/cls_battle.h"
#include "platform/graphics/cls_images.h"
#include "platform/settings/c_ini_file.h"
#include "state/cls_data.h"

#include "host/ui/form.h"

#include <functional>

// What every screen of the main form shares: the game-state facade, the
// form's scratch state and settings model, the two busy flags, the picture
// store, the battle driver, the screen pictures and the other screens.
struct FormContext {
    host::ui::Form& form;
    // Lets the window's pending messages run once.
    std::function<void()> DoEvents;
    ScreenPictures& pictures;
    Screens& screens;
    clsData& data;
    clsTMPData& CTMP;
    CIniFile& cINI;
    clsImages& images;
    clsBattle& battle;
    // True while a period, a day or the opening runs.
    bool ProcessingFlag = false;
    // True while a step waits for the player's click.
    bool ClickWaitFlag = false;
};
