#pragma once

#include "host/ui/control.h"
#include "host/ui/picture_box.h"

// The main form's screens: picture boxes stacked over the whole client area
// (the title, school, timetable, unit formation, town, settings, lesson
// pictures, battle and tournament), the modal dialog and the team-export
// dialog laid over a screen, and the hidden scratch picture. The screen in
// front that is enabled is the active one.
struct ScreenPictures {
    // Places every picture on the form, the title in front.
    explicit ScreenPictures(host::ui::Control& form);

    // Brings a screen to the front and enables it.
    static void bringToFront(host::ui::PictureBox& screen);

    host::ui::PictureBox picSchool;
    host::ui::PictureBox picClass;
    host::ui::PictureBox picUnit;
    host::ui::PictureBox picCity;
    host::ui::PictureBox picSetting;
    host::ui::PictureBox picClassImage;
    host::ui::PictureBox BattleDisp;
    host::ui::PictureBox picTournament;
    host::ui::PictureBox picMSG;
    host::ui::PictureBox picOutput;
    host::ui::PictureBox picWork;
    host::ui::PictureBox picStart;
};
